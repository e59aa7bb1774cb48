# The case dialogs (geometry, lubrication, limits), the viscosity converter and the Edit commands
# that open them.
target_sources(trb_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/input_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_table_chooser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trbinp1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trbinp1_proposals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trbinp2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trbinp2_proposals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trbinp3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/viskot.cpp
)
target_link_libraries(trb_gui PUBLIC trb_tables trb_config)
