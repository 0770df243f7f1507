# The composers as they are handed out: `cpack` in the build directory.
set(CPACK_PACKAGE_NAME orvo-composers)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})

# For Windows, a zip of the four programs (installed into its top folder), README.txt and
# the licence as Notepad reads them (cmake/WindowsReadme.cmake; scripts/dev.sh package-windows).
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x64)
  include(${PROJECT_SOURCE_DIR}/cmake/WindowsReadme.cmake)
  install(FILES ${CMAKE_BINARY_DIR}/README.txt ${CMAKE_BINARY_DIR}/LICENSE.txt DESTINATION .)
  include(CPack)
  return()
endif()

# A Debian package of the composers (the three programs with their icons, desktop entries,
# AppStream metadata and manual pages, and composer-replay): `cpack -G DEB` in the build
# directory (scripts/dev.sh package).
# The newest entry of desktop/debian/changelog gives the package's revision, its maintainer
# and the release date that the manual pages and the metadata carry (ORVO_RELEASE_DATE).
set(ORVO_DEBIAN_DIR ${PROJECT_SOURCE_DIR}/desktop/debian)
file(READ ${ORVO_DEBIAN_DIR}/changelog changelog)
if(NOT changelog MATCHES "^orvo-composers \\(([^)]+)-([^)-]+)\\)")
  message(FATAL_ERROR "desktop/debian/changelog: no entry of the form 'orvo-composers (VERSION-REVISION)'")
endif()
if(NOT CMAKE_MATCH_1 VERSION_EQUAL PROJECT_VERSION)
  message(FATAL_ERROR "desktop/debian/changelog's newest entry is for ${CMAKE_MATCH_1}, the project is ${PROJECT_VERSION}")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})
# The newest entry's trailer: " -- NAME <ADDRESS>  DATE".
string(FIND "${changelog}" "\n -- " trailer)
string(SUBSTRING "${changelog}" ${trailer} -1 trailer)
string(REGEX MATCH "^\n -- (([^<\n]*) <[^>\n]*>)  ([^\n]+)" _ "${trailer}")
set(CPACK_PACKAGE_CONTACT "${CMAKE_MATCH_1}")
set(ORVO_MAINTAINERS "${CMAKE_MATCH_2}")
set(release_date "${CMAKE_MATCH_3}")
# As dpkg-buildpackage does, the newest entry's date stands for the build's (SOURCE_DATE_EPOCH).
execute_process(COMMAND date -u -d "${release_date}" "+%s;%F" OUTPUT_VARIABLE release OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
list(GET release 0 ORVO_RELEASE_EPOCH)
list(GET release 1 ORVO_RELEASE_DATE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ORVO_DEBIAN_DIR}/changelog)

set(CPACK_PACKAGE_VENDOR Orvo)
# The synopsis line, and the extended description: paragraphs of lines shorter than 80.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "rustle, pulsar and twinwave compose by hand the music bytes of a game whose
sound engine drives four voices: rustle the noise voice, pulsar the first
square-wave voice, twinwave the second square-wave and the triangle voices.
Each is one dialog with a Japanese interface: pick a song region and a note
length, click keys or sound buttons, and copy the hexadecimal bytes out of a
read-only box. Nothing is read from or written to files.

composer-replay drives the same composers without a window, from scripts of
clicks, and turns a region's bytes back into the clicks that write them.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# The toolkit's libraries as dpkg-shlibdeps finds them, and the Japanese font the dialogs ask for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# Native windows on a Wayland desktop; without it the programs run through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

# Stripped as Debian strips its own programs (dh_strip): no symbols, and no compilers'
# comments or notes. The install rules strip for cpack, or for `cmake --install --strip`.
foreach(program IN LISTS ORVO_COMPOSER_PROGRAMS ITEMS composer-replay)
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${program}>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
endforeach()

# The copyright file in Debian's machine-readable form, its holder and terms from LICENSE:
# each line of the terms indented by a space, an empty one written " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX MATCH "\nCopyright \\(c\\) ([^\n]+)" _ "${license}")
set(ORVO_COPYRIGHT "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*\n\n(Permission)" "\\1" terms "${license}")
string(STRIP "${terms}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " ORVO_LICENSE_TERMS " ${terms}")
set(ORVO_PACKAGE_DOCS ${CMAKE_BINARY_DIR}/debian)
configure_file(${ORVO_DEBIAN_DIR}/copyright.in ${ORVO_PACKAGE_DOCS}/copyright @ONLY)

find_program(GZIP_EXECUTABLE gzip REQUIRED)
add_custom_command(OUTPUT ${ORVO_PACKAGE_DOCS}/changelog.Debian.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${ORVO_DEBIAN_DIR}/changelog ${ORVO_PACKAGE_DOCS}/changelog.Debian
  COMMAND ${GZIP_EXECUTABLE} -n -9 -f ${ORVO_PACKAGE_DOCS}/changelog.Debian
  DEPENDS ${ORVO_DEBIAN_DIR}/changelog VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${ORVO_PACKAGE_DOCS}/changelog.Debian.gz)

set(doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES ${ORVO_PACKAGE_DOCS}/copyright ${ORVO_PACKAGE_DOCS}/changelog.Debian.gz DESTINATION ${doc})
install(FILES ${ORVO_DEBIAN_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME ${CPACK_PACKAGE_NAME})

include(CPack)
