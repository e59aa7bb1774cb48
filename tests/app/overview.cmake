# The case overview from the command line, the case and report workbooks and the spreadsheet
# commands. Included by this folder's CMakeLists.txt it defines the tests; run with "cmake -P" it is
# the check of one command-line run.
if(CMAKE_SCRIPT_MODE_FILE)
  # TRB, WORK, DATA, PYTHON, CHECK (the overview checker), FOLDER (argument, may be empty), EXIT.
  file(REMOVE_RECURSE "${WORK}")
  file(MAKE_DIRECTORY "${WORK}/cases/sub.trb" "${WORK}/tmp" "${WORK}/config")
  file(COPY "${DATA}/example.trb" "${DATA}/fatal.trb" "${DATA}/pocket.trb" DESTINATION "${WORK}/cases")
  file(WRITE "${WORK}/cases/Notizen.trb" "Einkaufsliste\n")
  file(WRITE "${WORK}/cases/leer.trb" "")
  set(ENV{XDG_CONFIG_HOME} "${WORK}/config")
  set(ENV{TMPDIR} "${WORK}/tmp")
  execute_process(COMMAND "${TRB}" /overview ${FOLDER} /NOGUI WORKING_DIRECTORY "${WORK}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL "${EXIT}")
    message(FATAL_ERROR "trb /OVERVIEW ${FOLDER}: exit code ${rc}, expected ${EXIT}\n${out}\n${err}")
  endif()
  if(NOT EXIT STREQUAL "0")
    file(GLOB left "${WORK}/cases/overview.*" "${WORK}/cases/.overview*" "${WORK}/overview.*")
    if(left)
      message(FATAL_ERROR "trb /OVERVIEW ${FOLDER} failed but left ${left}")
    endif()
    return()
  endif()
  foreach(warning "Notizen.trb ist keine Falldatei" "leer.trb ist keine Falldatei")
    string(FIND "${err}" "${warning}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "trb /OVERVIEW: no warning \"${warning}\" in:\n${err}")
    endif()
  endforeach()
  execute_process(COMMAND "${PYTHON}" "${CHECK}" "${WORK}/cases"
    RESULT_VARIABLE check_rc OUTPUT_VARIABLE check_out ERROR_VARIABLE check_out)
  if(NOT check_rc EQUAL 0)
    message(FATAL_ERROR "overview files of ${WORK}/cases: ${check_out}")
  endif()
  file(GLOB left "${WORK}/cases/.*" "${WORK}/tmp/*")
  if(left)
    message(FATAL_ERROR "temporary files left behind: ${left}")
  endif()
  return()
endif()

target_sources(app_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/case_sheet_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/overview_command_line_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spreadsheet_commands_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../workbook/workbook_files.cpp
)
find_package(PkgConfig REQUIRED)
pkg_check_modules(APP_TEST_MINIZIP REQUIRED IMPORTED_TARGET minizip)
target_link_libraries(app_tests PRIVATE PkgConfig::APP_TEST_MINIZIP)
target_include_directories(app_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../workbook)
target_compile_definitions(app_tests PRIVATE
  TRB_PYTHON="${TRB_PYTHON}"
  TRB_CHECK_WORKBOOK="${CMAKE_CURRENT_LIST_DIR}/../workbook/check_workbook.py")

function(trb_overview_cli_test name folder exit)
  add_test(NAME cli_overview_${name}
    COMMAND ${CMAKE_COMMAND} -DTRB=$<TARGET_FILE:trb> -DWORK=${CMAKE_CURRENT_BINARY_DIR}/cli/overview_${name}
      -DDATA=${CMAKE_CURRENT_SOURCE_DIR}/data -DPYTHON=${TRB_PYTHON}
      -DCHECK=${CMAKE_CURRENT_SOURCE_DIR}/check_overview.py "-DFOLDER=${folder}" -DEXIT=${exit}
      -P ${CMAKE_CURRENT_LIST_FILE})
  set_tests_properties(cli_overview_${name} PROPERTIES ENVIRONMENT "TRB_DATA_DIR=${TRB_DATA_SOURCE_DIR}")
endfunction()
trb_overview_cli_test(folder cases 0)
trb_overview_cli_test(missing_folder missing 1)
trb_overview_cli_test(not_a_folder cases/example.trb 1)
