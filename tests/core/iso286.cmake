target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/iso286_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iso286_tables_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iso286_published_test.cpp
)
