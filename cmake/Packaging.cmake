# A Debian package of the three programs with their icons and desktop entries:
# `cpack -G DEB` in the build directory (scripts/dev.sh package).
set(CPACK_PACKAGE_NAME orvo-composers)
set(CPACK_PACKAGE_VENDOR Orvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orvo maintainers <maintainers@orvo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
  "rustle, pulsar and twinwave compose the music bytes of a game's four-voice sound engine by hand: the noise voice, the first square-wave voice, and the second square-wave and triangle voices, one song region at a time.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# The toolkit's libraries as dpkg-shlibdeps finds them, and the Japanese font the dialogs ask for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# Native windows on a Wayland desktop; without it the programs run through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
