# Helpers shared by the tests that drive dialogs through their real widgets: the widget
# driver, the composer dialog as an action script's driver, and a test main that starts
# the toolkit. Included by every test folder that needs them; defined once.
include_guard(GLOBAL)

find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets Test)

set(_support ${PROJECT_SOURCE_DIR}/tests/support)

add_library(orvo_gui_test_support STATIC ${_support}/widget_driver.cpp ${_support}/composer_dialog_driver.cpp
  ${_support}/programs_under_test.cpp)
target_link_libraries(orvo_gui_test_support
  PUBLIC orvo_framework orvo_shell replay_lib Qt6::Widgets Qt6::Test GTest::gtest
  PRIVATE orvo_warnings)
# Each program's dialog goes whole into every test executable, as into the program itself:
# nothing refers to the icon that the toolkit's resource system carries in it.
foreach(program IN LISTS ORVO_COMPOSER_PROGRAMS)
  target_link_libraries(orvo_gui_test_support INTERFACE ${program}_dialog $<TARGET_OBJECTS:${program}_dialog>)
endforeach()

# main(): the toolkit's application object, then the tests (off-screen unless told).
add_library(orvo_gui_test_main STATIC ${_support}/gui_test_main.cpp)
target_link_libraries(orvo_gui_test_main PUBLIC Qt6::Widgets GTest::gtest PRIVATE orvo_warnings)
# Shared by the test executables, the helpers compile file by file: each is seen to compile alone.
set_target_properties(orvo_gui_test_support orvo_gui_test_main PROPERTIES UNITY_BUILD OFF)
