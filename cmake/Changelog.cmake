# The releases of CHANGELOG.md, newest first: each a heading "## VERSION - YYYY-MM-DD" (the
# four-part version that Windows' version resource needs) over a list of what changed for
# users, "- " items whose further lines are indented by two spaces.
# The newest gives the build its version and release date: ORVO_VERSION, ORVO_RELEASE_DATE
# and ORVO_RELEASE_EPOCH (its midnight, UTC, in seconds); ORVO_RELEASE_VERSIONS and
# ORVO_RELEASE_DATES list every release. orvo_write_debian_changelog() writes them all as
# Debian's changelog.
# Run as a script (cmake -P cmake/Changelog.cmake), it prints ORVO_VERSION.
cmake_path(SET ORVO_CHANGELOG NORMALIZE ${CMAKE_CURRENT_LIST_DIR}/../CHANGELOG.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ORVO_CHANGELOG})
set(orvo_release_heading "^## ([0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+) - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")

file(STRINGS ${ORVO_CHANGELOG} headings ENCODING UTF-8 REGEX "^## ")
set(ORVO_RELEASE_VERSIONS "")
set(ORVO_RELEASE_DATES "")
foreach(heading IN LISTS headings)
  if(NOT heading MATCHES "${orvo_release_heading}")
    message(FATAL_ERROR "CHANGELOG.md: '${heading}' is not a release's heading, '## 1.2.3.4 - YYYY-MM-DD'")
  endif()
  list(APPEND ORVO_RELEASE_VERSIONS ${CMAKE_MATCH_1})
  list(APPEND ORVO_RELEASE_DATES ${CMAKE_MATCH_2})
endforeach()
if(NOT ORVO_RELEASE_VERSIONS)
  message(FATAL_ERROR "CHANGELOG.md: no release")
endif()
list(GET ORVO_RELEASE_VERSIONS 0 ORVO_VERSION)
list(GET ORVO_RELEASE_DATES 0 ORVO_RELEASE_DATE)
execute_process(COMMAND date -u -d ${ORVO_RELEASE_DATE} +%s OUTPUT_VARIABLE ORVO_RELEASE_EPOCH
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${ORVO_VERSION})
  return()
endif()

# orvo_write_debian_changelog(<file> <package> <revision> <maintainer>)
# Writes every release as an entry of Debian's changelog for <package>, version
# VERSION-<revision>, its items as the entry's ("  * "), signed by <maintainer> ("NAME
# <ADDRESS>") at midnight, UTC, of the release's day. The file is rewritten only when its
# text changes.
function(orvo_write_debian_changelog file package revision maintainer)
  file(STRINGS ${ORVO_CHANGELOG} lines ENCODING UTF-8)
  set(text "")
  set(trailer "")
  foreach(line IN LISTS lines)
    if(line MATCHES "${orvo_release_heading}")
      set(version ${CMAKE_MATCH_1})
      execute_process(COMMAND date -u -R -d ${CMAKE_MATCH_2} OUTPUT_VARIABLE date
        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
      string(APPEND text "${trailer}${package} (${version}-${revision}) unstable; urgency=medium\n\n")
      set(trailer "\n -- ${maintainer}  ${date}\n\n")
    elseif(trailer STREQUAL "" OR line STREQUAL "")
      # The introduction above the releases, and the blank lines around their lists.
    elseif(line MATCHES "^- (.+)$")
      string(APPEND text "  * ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^  .")
      string(APPEND text "  ${line}\n")
    else()
      message(FATAL_ERROR "CHANGELOG.md: '${line}' is neither a release's heading, an item ('- ') nor "
        "an item's further line (indented by two spaces)")
    endif()
  endforeach()
  string(REGEX REPLACE "\n\n$" "\n" trailer "${trailer}")
  file(WRITE ${file}.new "${text}${trailer}")
  file(COPY_FILE ${file}.new ${file} ONLY_IF_DIFFERENT)
  file(REMOVE ${file}.new)
endfunction()
