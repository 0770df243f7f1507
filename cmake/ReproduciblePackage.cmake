# Run by cpack on each package it has written (CPACK_POST_BUILD_SCRIPTS, cmake/Packaging.cmake).
# cpack archives the files with the modes they have in the build, which follow the umask, in
# the order the folders list them, and dates them SOURCE_DATE_EPOCH or, without it, with the
# time they were built; a zip's dates are local times. This makes a package the same bytes
# wherever, whenever and by whomever it is built, as reproducible-builds.org asks: every date
# SOURCE_DATE_EPOCH or earlier (the release date, CPACK_ORVO_RELEASE_EPOCH, when it is not
# set), every folder and file writable by its owner only, no builder's user, members sorted.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch $ENV{SOURCE_DATE_EPOCH})
else()
  set(epoch ${CPACK_ORVO_RELEASE_EPOCH})
endif()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.deb$")
    # Debian's own dpkg-deb builds the package again from its contents: owned by root, dates
    # clamped to SOURCE_DATE_EPOCH (the ar members' too), members sorted; folders 755, files
    # 644 or, if executable, 755.
    set(tree ${package}.contents)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND chmod -R a-st,u=rwX,go=rX ${tree} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch}
                            dpkg-deb --root-owner-group -Zgzip --build ${tree} ${package}
      OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
  elseif(package MATCHES "\\.zip$")
    # strip-nondeterminism dates every member SOURCE_DATE_EPOCH (in UTC), sorts them, gives
    # them modes 644 or, if executable, 755, and zeroes the builder's user and group ids.
    find_program(STRIP_NONDETERMINISM strip-nondeterminism REQUIRED)
    execute_process(COMMAND ${STRIP_NONDETERMINISM} --type zip --timestamp ${epoch} ${package}
      COMMAND_ERROR_IS_FATAL ANY)
  else()
    message(FATAL_ERROR "${package}: neither a .deb nor a .zip, which this script makes reproducible")
  endif()
endforeach()
