# Installs the build into a staging folder as a package would (prefix /usr)
# and checks what arrives there; a ctest test script.
#
#   cmake -DBUILD_DIR=<dir> -DSTAGE=<dir> -DVERSION=<x.y.z> -DICON_SIZES=16,32,...
#         -DDESKTOP_FILE_VALIDATE=<file> -P CheckInstall.cmake
string(REPLACE "," ";" ICON_SIZES "${ICON_SIZES}")
file(REMOVE_RECURSE "${STAGE}")
set(ENV{DESTDIR} "${STAGE}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix /usr
  RESULT_VARIABLE code OUTPUT_QUIET ERROR_VARIABLE err)
unset(ENV{DESTDIR})
if(NOT code EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

# Exactly these files: no demo data, tests or generators.
set(expected usr/bin/velmedit usr/share/applications/velmedit.desktop usr/share/doc/velmedit/README.md
    usr/share/doc/velmedit/copyright)
foreach(size IN LISTS ICON_SIZES)
  list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/velmedit.png)
endforeach()
file(GLOB_RECURSE installed RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed files:\n  ${installed}\nexpected:\n  ${expected}")
endif()

# Each icon is a PNG of its folder's size (width and height sit at byte 16).
foreach(size IN LISTS ICON_SIZES)
  set(icon "${STAGE}/usr/share/icons/hicolor/${size}x${size}/apps/velmedit.png")
  file(READ "${icon}" header LIMIT 24 HEX)
  math(EXPR hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${hex}" 2 -1 hex)
  string(LENGTH "${hex}" digits)
  while(digits LESS 8)
    string(PREPEND hex "0")
    string(LENGTH "${hex}" digits)
  endwhile()
  if(NOT header MATCHES "^89504e470d0a1a0a0000000d49484452${hex}${hex}$")
    message(FATAL_ERROR "${icon} is not a ${size}x${size} PNG: ${header}")
  endif()
endforeach()

# Hints (such as two main categories, which we want) are fine; errors and warnings are not.
execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${STAGE}/usr/share/applications/velmedit.desktop"
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT code EQUAL 0 OR out MATCHES "(error|warning):")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
file(READ "${STAGE}/usr/share/applications/velmedit.desktop" entry)
foreach(line "Categories=Game;Utility;" "Exec=velmedit %f" "Icon=velmedit" "Name\\[zh_CN\\]=.+")
  if(NOT entry MATCHES "\n${line}\n")
    message(FATAL_ERROR "the desktop entry lacks ${line}:\n${entry}")
  endif()
endforeach()

# The installed program starts on its own, without a display.
foreach(name DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM)
  unset(ENV{${name}})
endforeach()
execute_process(COMMAND "${STAGE}/usr/bin/velmedit" --version
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT code EQUAL 0 OR NOT out STREQUAL "velmedit ${VERSION}\n")
  message(FATAL_ERROR "installed velmedit --version: exit ${code}, output '${out}', errors '${err}'")
endif()
file(REMOVE_RECURSE "${STAGE}")
