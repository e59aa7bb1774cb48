# Tests of the case dialogs, the viscosity converter and the Edit commands.
target_sources(gui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/input_commands_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_geometry_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_lubrication_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_viscosity_converter_test.cpp
)
