# The texts of the Windows zip, as every Notepad reads them: README.txt, the users' page, in
# UTF-8 with a byte-order mark, and LICENSE.txt, both with CR LF line ends. README.txt is
# docs/windows-readme.txt.in, in English and then Japanese, filled in with the version, each
# program's names and purpose from its desktop entry (as its manual page is) and the
# copyright holder from LICENSE.

# `text` in lines of at most `width` columns after `indent`, broken between words.
function(orvo_wrap_words out text width indent)
  string(REPLACE " " ";" words "${text}")
  set(wrapped "")
  set(line "")
  foreach(word IN LISTS words)
    string(LENGTH "${indent}${line} ${word}" length)
    if(line AND length GREATER width)
      string(APPEND wrapped "${indent}${line}\n")
      set(line "")
    endif()
    if(line)
      string(APPEND line " ")
    endif()
    string(APPEND line "${word}")
  endforeach()
  set(${out} "${wrapped}${indent}${line}\n" PARENT_SCOPE)
endfunction()

set(ORVO_PROGRAMS "")
set(ORVO_PROGRAMS_JA "")
foreach(program IN LISTS ORVO_COMPOSER_PROGRAMS)
  set(entry ${PROJECT_SOURCE_DIR}/desktop/${program}.desktop)
  file(STRINGS ${entry} lines ENCODING UTF-8 REGEX "^(Name|Comment)(\\[ja\\])?=")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "^([A-Za-z]+)(\\[ja\\])?=(.*)$" _ "${line}")
    string(REPLACE "[ja]" "_ja" key "${CMAKE_MATCH_1}${CMAKE_MATCH_2}")
    set(${key} "${CMAKE_MATCH_3}")
  endforeach()
  orvo_wrap_words(purpose "${Comment}." 78 "      ")
  string(APPEND ORVO_PROGRAMS "  ${program}.exe: ${Name}\n${purpose}")
  string(APPEND ORVO_PROGRAMS_JA "  ${program}.exe：${Name_ja}\n      ${Comment_ja}。\n")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${entry})
endforeach()

file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE ORVO_COPYRIGHT REGEX "^Copyright \\(c\\) ")
string(REGEX REPLACE "^Copyright \\(c\\) " "" ORVO_COPYRIGHT "${ORVO_COPYRIGHT}")

string(ASCII 239 187 191 byte_order_mark)
file(READ ${PROJECT_SOURCE_DIR}/docs/windows-readme.txt.in readme)
string(CONFIGURE "${byte_order_mark}${readme}" readme @ONLY)
string(REPLACE "\n" "\r\n" readme "${readme}")
file(WRITE ${CMAKE_BINARY_DIR}/README.txt "${readme}")
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/windows-readme.txt.in)
