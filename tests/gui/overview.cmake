# Tests of the case overview window and the spreadsheet items of the main menu.
target_sources(gui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/overview_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../overview/case_folder.cpp
)
target_include_directories(gui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../overview)
