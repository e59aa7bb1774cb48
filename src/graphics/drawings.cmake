# The bearing drawings, the result sheet and the diagrams.
target_sources(trb_graphics PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/diagram_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/diagram_operating.cpp
  ${CMAKE_CURRENT_LIST_DIR}/diagram_viscosity.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_clearance_range.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_front.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_production.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_result_sheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_section.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_views.cpp
)
target_link_libraries(trb_graphics PUBLIC trb_docs)
