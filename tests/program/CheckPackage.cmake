# Builds the Debian package into a folder of its own and checks its contents
# and dependencies; a ctest test script.
#
#   cmake -DBUILD_DIR=<dir> -DOUT=<dir> -DVERSION=<x.y.z> -DICON_SIZES=16,32,...
#         -DDPKG_DEB=<file> -P CheckPackage.cmake
string(REPLACE "," ";" ICON_SIZES "${ICON_SIZES}")
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT}"
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${out}")
endif()
file(GLOB packages "${OUT}/velmedit_${VERSION}_*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one velmedit_${VERSION}_*.deb in ${OUT}, found: ${packages}")
endif()

execute_process(COMMAND "${DPKG_DEB}" -c "${packages}" RESULT_VARIABLE code OUTPUT_VARIABLE listing)
set(wanted ./usr/bin/velmedit ./usr/share/applications/velmedit.desktop ./usr/share/doc/velmedit/README.md
    ./usr/share/doc/velmedit/copyright)
foreach(size IN LISTS ICON_SIZES)
  list(APPEND wanted ./usr/share/icons/hicolor/${size}x${size}/apps/velmedit.png)
endforeach()
foreach(path IN LISTS wanted)
  string(FIND "${listing}" " ${path}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${path} missing from the package:\n${listing}")
  endif()
endforeach()

# Linked libraries as dpkg-shlibdeps finds them, and what is loaded at run time.
execute_process(COMMAND "${DPKG_DEB}" -f "${packages}" Depends RESULT_VARIABLE code OUTPUT_VARIABLE depends)
foreach(package libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n fonts-arphic-uming
                libopencc1.1 libopencc-data)
  if(NOT depends MATCHES "(^|, )${package}( |,|\n|$)")
    message(FATAL_ERROR "the package does not depend on ${package}: ${depends}")
  endif()
endforeach()
file(REMOVE_RECURSE "${OUT}")
