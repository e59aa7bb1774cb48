# Tests of the interface-language texts (included by this folder's CMakeLists.txt).
target_sources(text_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/language_test.cpp
)
