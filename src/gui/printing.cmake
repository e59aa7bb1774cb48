# Printing: the printer choice, the printout dialog, the printer information and the drawing
# printout of the File menu.
target_sources(trb_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/drawing_printout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/print_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/printer_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/printer_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/printout_dialog.cpp
)
target_link_libraries(trb_gui PUBLIC trb_tables)
