# Tests that drive the main window the user's way with the real dialogs: every menu item in every
# language, and the faults found in use.
target_sources(gui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/menu_walk_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_faults_test.cpp
)
if(TARGET cad_iges_reader)
  add_dependencies(gui_tests cad_iges_reader)
  target_compile_definitions(gui_tests PRIVATE TRB_IGES_READER="$<TARGET_FILE:cad_iges_reader>")
endif()
