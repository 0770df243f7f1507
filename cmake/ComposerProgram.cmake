include(GNUInstallDirs)

# The icon theme's sizes each program installs: its two images' own sizes and whole
# multiples of them for large and high-resolution screens.
set(ORVO_ICON_SIZES 16 32 48 64 128)

# The id of the programs' icon resource, as the resource compiler reads it on Windows.
file(STRINGS ${PROJECT_SOURCE_DIR}/shell/resource_ids.h ORVO_ICON_ID REGEX "^#define IDI_COMPOSER ")
string(REGEX REPLACE "^.* " "" ORVO_ICON_ID "${ORVO_ICON_ID}")

if(WIN32)
  # The icons come from the build tool of a build of this project for the machine that
  # builds (composer_icons; scripts/dev.sh builds it first); icotool (icoutils) makes the .ico.
  set(ORVO_HOST_TOOLS "" CACHE PATH "A build of this project for this machine, whose composer_icons makes the icons")
  find_program(ORVO_COMPOSER_ICONS composer_icons PATHS ${ORVO_HOST_TOOLS}/desktop NO_DEFAULT_PATH REQUIRED)
  find_program(ICOTOOL_EXECUTABLE icotool REQUIRED)
else()
  find_package(Qt6 6.4 REQUIRED COMPONENTS Core)
endif()

# orvo_add_composer_program(<name>)
# Builds the composer program <name> from the files in its folder: <name>_dialog holds its
# dialog template and resources (resources.cpp), linked in whole as a resource section
# would be; the executable adds the application object (composer_app.cpp). Tests link
# <name>_dialog and open the dialog themselves.
# The program's icon is its images icon-32.xpm and icon-16.xpm: the toolkit's resource
# system carries them (under /<name>/<icon id>/), and they are written out at build time (by
# composer_icons, desktop/) as PNG images for the desktop's icon theme, from which a Windows
# build makes the executable's icon resource, the only form in which it carries the icon.
# Installing puts the program and those images in place (desktop/ installs the rest).
function(orvo_add_composer_program name)
  add_library(${name}_dialog OBJECT ${name}/resources.cpp)
  target_link_libraries(${name}_dialog PUBLIC orvo_programs orvo_shell PRIVATE orvo_warnings)
  if(NOT WIN32)
    qt_add_resources(${name}_dialog ${name}_icon PREFIX /${name}/${ORVO_ICON_ID} BASE ${name}
      FILES ${name}/icon-32.xpm ${name}/icon-16.xpm)
  endif()

  add_executable(${name} WIN32 ${name}/composer_app.cpp)
  target_link_libraries(${name} PRIVATE ${name}_dialog orvo_framework_main orvo_warnings)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${name})

  set(icons ${CMAKE_CURRENT_BINARY_DIR}/${name}/icons)
  if(WIN32)
    set(sizes 32 16)
    set(composer_icons ${ORVO_COMPOSER_ICONS})
  else()
    set(sizes ${ORVO_ICON_SIZES})
    set(composer_icons $<TARGET_FILE:composer_icons>)
  endif()
  set(icon_files "")
  foreach(size IN LISTS sizes)
    list(APPEND icon_files ${icons}/hicolor/${size}x${size}/apps/${name}.png)
  endforeach()
  # The toolkit's static data would count as leaks in a sanitizer build.
  add_custom_command(OUTPUT ${icon_files}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 ${composer_icons} ${name} ${icons} ${sizes}
    DEPENDS ${composer_icons}
    COMMENT "Writing the icon of ${name} for the desktop" VERBATIM)
  if(WIN32)
    add_custom_command(OUTPUT ${icons}/${name}.ico
      COMMAND ${ICOTOOL_EXECUTABLE} --create --output=${icons}/${name}.ico ${icon_files}
      DEPENDS ${icon_files}
      COMMENT "Writing the icon of ${name} for its executable" VERBATIM)
    list(APPEND icon_files ${icons}/${name}.ico)
  endif()
  add_custom_target(${name}_icon_files ALL DEPENDS ${icon_files})
  add_dependencies(${name} ${name}_icon_files)
  orvo_add_composer_resources(${name} NAME ${name} ICON ${icons}/${name}.ico)

  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(NOT WIN32)
    foreach(size IN LISTS ORVO_ICON_SIZES)
      install(FILES ${icons}/hicolor/${size}x${size}/apps/${name}.png
              DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
  endif()
endfunction()
