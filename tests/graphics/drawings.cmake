# Tests of the bearing drawings, the result sheet and the diagrams.
target_sources(graphics_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/drawing_bearing_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_diagram_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_views_test.cpp
)
