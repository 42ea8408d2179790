# Every text of the program's sources is in the translation files, and each
# has its traditional-Chinese and English translation: lupdate is run on
# copies of the .ts files, which must come out unchanged and hold no
# unfinished entry.
#
#   cmake -DLUPDATE=... -DPROJECT_IN=<velm_gui_project.cmake> -DGENERATOR=<GenerateLUpdateProject.cmake>
#         -DTS_DIR=<src/gui/translations> -DWORK=<folder> -P CheckTranslations.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT_IN} -DOUT_FILE=${WORK}/project.json -P ${GENERATOR}
                RESULT_VARIABLE result)
if(result)
  message(FATAL_ERROR "the lupdate project could not be written")
endif()
set(copies)
foreach(language zh_TW en)
  configure_file(${TS_DIR}/velmedit_${language}.ts ${WORK}/velmedit_${language}.ts COPYONLY)
  list(APPEND copies ${WORK}/velmedit_${language}.ts)
endforeach()
execute_process(COMMAND ${LUPDATE} -project ${WORK}/project.json -source-language zh_CN -no-obsolete -locations none
                        -ts ${copies}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
set(problems "")
foreach(language zh_TW en)
  file(READ ${TS_DIR}/velmedit_${language}.ts committed)
  file(READ ${WORK}/velmedit_${language}.ts updated)
  if(NOT committed STREQUAL updated)
    string(APPEND problems "velmedit_${language}.ts is not up to date with the sources (run the update_translations target)\n")
  endif()
  string(REGEX MATCHALL "type=\"unfinished\"" unfinished "${updated}")
  list(LENGTH unfinished count)
  if(count GREATER 0)
    string(APPEND problems "velmedit_${language}.ts has ${count} unfinished entries\n")
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "${problems}lupdate said:\n${output}")
endif()
