# Tests of the plot command lines and of starting the plot program, with a small program standing in
# for it.
add_executable(plot_stand_in ${CMAKE_CURRENT_LIST_DIR}/plot_stand_in.cpp)
target_sources(graphics_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/plot_parameters_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plot_start_test.cpp
)
add_dependencies(graphics_tests plot_stand_in)
target_compile_definitions(graphics_tests PRIVATE TRB_PLOT_STAND_IN="$<TARGET_FILE:plot_stand_in>")
