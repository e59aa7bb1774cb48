# The clearance range view, the operating charts and the points table through the window.
target_sources(gui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/charts_test.cpp)
