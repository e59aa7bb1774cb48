# The interface-language texts (included by this folder's CMakeLists.txt).
target_sources(trb_text PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/chart_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language_tables.cpp
)
