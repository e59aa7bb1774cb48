# The case dialogs (geometry, lubrication, limits), the viscosity converter and the Edit commands
# that open them.
target_sources(trb_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/input_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/geometry_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/geometry_proposals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lubrication_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lubrication_proposals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/limits_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/viscosity_converter.cpp
)
target_link_libraries(trb_gui PUBLIC trb_tables trb_config)
