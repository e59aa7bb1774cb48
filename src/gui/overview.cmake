# The case overview window and the spreadsheet items of the main menu.
target_sources(trb_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/overview_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/overview_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/preview.cpp
)
target_link_libraries(trb_gui PUBLIC trb_overview trb_workbook trb_help)
