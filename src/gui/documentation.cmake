# The documentation forms (title data, change record, drawing information, linked documents) and
# the commands of the documentation menu.
target_sources(trb_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/change_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_setup_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/documentation_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/documentation_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/documentation_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_info_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_data_form.cpp
)
