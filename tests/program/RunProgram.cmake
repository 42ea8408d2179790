# Runs the program once and checks how it ended; a ctest test script.
#
#   cmake -DPROGRAM=<file> [-DARGS=a,b] [-DUNSET=NAME,...] [-DSET=NAME=value,...]
#         -DEXIT=<code> [-DSTDOUT=<regex>] [-DSTDERR=<regex>] [-DSTDERR_LINES=<n>]
#         [-DQUIET_STDOUT=ON] -P RunProgram.cmake
#
# ctest's own pass expressions would ignore the exit code; this checks both.
# Lists are comma-separated, which passes through ctest unharmed.
foreach(list ARGS UNSET SET)
  string(REPLACE "," ";" ${list} "${${list}}")
endforeach()
foreach(name IN LISTS UNSET)
  unset(ENV{${name}})
endforeach()
foreach(assignment IN LISTS SET)
  string(FIND "${assignment}" "=" at)
  string(SUBSTRING "${assignment}" 0 ${at} name)
  math(EXPR at "${at} + 1")
  string(SUBSTRING "${assignment}" ${at} -1 value)
  set(ENV{${name}} "${value}")
endforeach()

execute_process(COMMAND ${PROGRAM} ${ARGS}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
message(STATUS "exit: ${code}\n--- stdout ---\n${out}--- stderr ---\n${err}--------------")

if(NOT "${code}" STREQUAL "${EXIT}")
  message(FATAL_ERROR "exit code ${code}, expected ${EXIT}")
endif()
if(DEFINED STDOUT AND NOT out MATCHES "${STDOUT}")
  message(FATAL_ERROR "standard output does not match: ${STDOUT}")
endif()
if(QUIET_STDOUT AND NOT out STREQUAL "")
  message(FATAL_ERROR "standard output should be empty")
endif()
if(DEFINED STDERR AND NOT err MATCHES "${STDERR}")
  message(FATAL_ERROR "standard error does not match: ${STDERR}")
endif()
if(DEFINED STDERR_LINES)
  string(REGEX MATCHALL "\n" breaks "${err}")
  list(LENGTH breaks lines)
  if(NOT lines EQUAL STDERR_LINES)
    message(FATAL_ERROR "standard error has ${lines} lines, expected ${STDERR_LINES}")
  endif()
endif()
