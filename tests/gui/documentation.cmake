# Tests of the documentation forms and the documentation menu.
target_sources(gui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/documentation_forms_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/documentation_window_test.cpp
)
# The production drawing's DXF file is read back with ezdxf.
target_compile_definitions(gui_tests PRIVATE
  TRB_PYTHON="${TRB_PYTHON}"
  TRB_CHECK_DXF="${CMAKE_SOURCE_DIR}/tests/cad/check_dxf.py")
