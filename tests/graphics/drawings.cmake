# Tests of the bearing drawings, the result sheet and the diagrams.
target_sources(graphics_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/drawing_bearing_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_charts_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_diagram_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_paper_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_readers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_views_test.cpp
)
target_link_libraries(graphics_tests PRIVATE trb_paper_readers)
# The drawings' DXF and IGES files are read back with the readers the CAD tests use.
target_compile_definitions(graphics_tests PRIVATE
  TRB_PYTHON="${TRB_PYTHON}"
  TRB_CHECK_DXF="${CMAKE_SOURCE_DIR}/tests/cad/check_dxf.py")
if(TARGET cad_iges_reader)
  add_dependencies(graphics_tests cad_iges_reader)
  target_compile_definitions(graphics_tests PRIVATE TRB_IGES_READER="$<TARGET_FILE:cad_iges_reader>")
endif()
