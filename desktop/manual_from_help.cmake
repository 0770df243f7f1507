# Writes a program's manual page with help2man. The line after the usage lines of the
# program's --help says what it does, and gives the page's NAME line; INCLUDE adds what
# --help does not say.
#   cmake -DHELP2MAN=help2man -DPROGRAM=path -DINCLUDE=file.h2m -DOUTPUT=page.1 -P manual_from_help.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
if(NOT help MATCHES "^Usage:[^\n]*\n(  or:[^\n]*\n)*([^\n])([^\n]*)\\.\n")
  message(FATAL_ERROR "${PROGRAM} --help has no sentence after its usage lines")
endif()
string(TOLOWER "${CMAKE_MATCH_2}" first)
execute_process(COMMAND ${HELP2MAN} --no-info --section=1 "--name=${first}${CMAKE_MATCH_3}" --include=${INCLUDE}
                        --output=${OUTPUT} ${PROGRAM}
  COMMAND_ERROR_IS_FATAL ANY)
