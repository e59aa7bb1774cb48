# The settings dialog and File -> Einstellungen, the plot dialog and the diagram limits form.
target_sources(trb_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/diagram_limits_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_editors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_widgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plot_config_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_bindings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_pages_output.cpp
)
