# Tests of the settings dialog, the plot dialog and the diagram limits form.
target_sources(gui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/drawing_forms_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_test.cpp
)
