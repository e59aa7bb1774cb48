# Printing from the window: report and drawing printouts, the printout dialog and its table.
target_sources(gui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/print_window_test.cpp
)
target_compile_definitions(gui_tests PRIVATE TRB_PYTHON="${TRB_PYTHON}")
