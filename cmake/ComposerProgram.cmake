# orvo_add_composer_program(<name>)
# Builds the composer program <name> from the files in its folder: <name>_dialog holds the
# dialog (composer_dlg.cpp) and its resources (resources.cpp), linked in whole as a
# resource section would be; the executable adds the application object (composer_app.cpp).
# Tests link <name>_dialog and open the dialog themselves.
function(orvo_add_composer_program name)
  add_library(${name}_dialog OBJECT composer_dlg.cpp resources.cpp)
  target_link_libraries(${name}_dialog PUBLIC ${name}_channel orvo_shell PRIVATE orvo_warnings)

  add_executable(${name} WIN32 composer_app.cpp)
  target_link_libraries(${name} PRIVATE ${name}_dialog orvo_framework_main orvo_warnings)
  orvo_add_composer_resources(${name} NAME ${name})
endfunction()
