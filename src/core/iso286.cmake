# ISO 286 tolerance zones: tables, position rules, zone computation and the public functions.
target_sources(trb_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/iso286.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iso286_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iso286_tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iso286_zones.cpp
)
