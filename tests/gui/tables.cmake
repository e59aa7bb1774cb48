# Tests of the table window and its place in the main window.
target_sources(gui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/table_window_test.cpp
)
target_compile_definitions(gui_tests PRIVATE TRB_PYTHON_EXE="${TRB_PYTHON}")
