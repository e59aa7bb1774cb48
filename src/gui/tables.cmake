# The table window (grid, navigator, menu commands) and its place in the main window.
target_sources(trb_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/table_grid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_grid_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_navigator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_window_commands.cpp
)
target_link_libraries(trb_gui PUBLIC trb_tables trb_help trb_report)
