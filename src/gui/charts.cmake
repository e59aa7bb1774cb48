# The clearance range view, the operating charts with their dialog and the operating-points table.
target_sources(trb_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/chart_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chart_dialog.cpp
)
