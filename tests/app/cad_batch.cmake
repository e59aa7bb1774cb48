# The "/CADi:j" batch mode: trb writes the production drawing of a case as DXF (1), IGES (2) or
# text dump (5, "<case>.dump.txt") beside the case file. Included by this folder's CMakeLists.txt it defines the
# tests; run with "cmake -P" it is the check of one run.
if(CMAKE_SCRIPT_MODE_FILE)
  # TRB, WORK, CASE (a case file, empty for a missing one), DEVICE, EXIT, PYTHON, CHECK_DXF and
  # IGES_READER (empty when there is none).
  file(REMOVE_RECURSE "${WORK}")
  file(MAKE_DIRECTORY "${WORK}/tmp" "${WORK}/config")
  if(CASE)
    file(COPY "${CASE}" DESTINATION "${WORK}")
    get_filename_component(name "${CASE}" NAME)
  else()
    set(name missing.trb)
  endif()
  set(ENV{XDG_CONFIG_HOME} "${WORK}/config")
  set(ENV{TMPDIR} "${WORK}/tmp")
  execute_process(COMMAND "${TRB}" "${name}" "/CAD${DEVICE}:1" "/NOGUI" WORKING_DIRECTORY "${WORK}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL "${EXIT}")
    message(FATAL_ERROR "trb ${name} /CAD${DEVICE}:1: exit code ${rc}, expected ${EXIT}\n${out}\n${err}")
  endif()

  file(GLOB left_behind "${WORK}/tmp/*")
  if(left_behind)
    message(FATAL_ERROR "trb ${name} /CAD${DEVICE}:1 left temporary files behind: ${left_behind}")
  endif()

  get_filename_component(stem "${name}" NAME_WE)
  set(extensions 1 dxf 2 igs 5 dump.txt)
  list(FIND extensions "${DEVICE}" at)
  if(at EQUAL -1)
    set(output "${WORK}/${stem}.*")
  else()
    math(EXPR at "${at} + 1")
    list(GET extensions ${at} extension)
    set(output "${WORK}/${stem}.${extension}")
  endif()
  if(NOT EXIT EQUAL 0)
    file(GLOB written "${WORK}/${stem}.dxf" "${WORK}/${stem}.igs" "${WORK}/${stem}.dump.txt")
    if(written)
      message(FATAL_ERROR "trb ${name} /CAD${DEVICE}:1 failed but wrote ${written}")
    endif()
    return()
  endif()
  if(NOT EXISTS "${output}")
    message(FATAL_ERROR "trb ${name} /CAD${DEVICE}:1 did not write ${output}")
  endif()

  if(extension STREQUAL "dxf")
    execute_process(COMMAND "${PYTHON}" "${CHECK_DXF}" "${output}" RESULT_VARIABLE check_rc
      OUTPUT_VARIABLE report ERROR_VARIABLE problems)
    string(FIND "${report}" "errors 0\n" clean)
    string(FIND "${report}" "entity INSERT" inserts)
    string(FIND "${report}" "block FRAME_1 TEXT" frame)
    if(NOT check_rc EQUAL 0 OR clean EQUAL -1 OR inserts EQUAL -1 OR frame EQUAL -1)
      message(FATAL_ERROR "ezdxf on ${output}:\n${report}\n${problems}")
    endif()
  elseif(extension STREQUAL "igs")
    if(IGES_READER)
      execute_process(COMMAND "${IGES_READER}" "${output}" RESULT_VARIABLE check_rc
        OUTPUT_VARIABLE report ERROR_VARIABLE problems)
      string(FIND "${report}" "status 0\n" read)
      string(FIND "${report}" "fails 0\n" clean)
      if(NOT check_rc EQUAL 0 OR read EQUAL -1 OR clean EQUAL -1)
        message(FATAL_ERROR "IGES reader on ${output}:\n${report}\n${problems}")
      endif()
    endif()
  else()
    file(READ "${output}" dump)
    string(FIND "${dump}" "INSERT\tFRAME_1\t" frame)
    string(FIND "${dump}" "MINMAX\t-5.000000\t-5.000000\t225.000000\t310.000000\n" limits)
    string(REGEX MATCH "\nEOF\n$" end "${dump}")
    if(frame EQUAL -1 OR limits EQUAL -1 OR NOT end)
      message(FATAL_ERROR "${output} is not the production drawing's text dump")
    endif()
  endif()
  return()
endif()

set(trb_cad_batch_reader "")
if(TARGET cad_iges_reader)
  set(trb_cad_batch_reader "$<TARGET_FILE:cad_iges_reader>")
endif()

function(trb_cad_batch_test name case device exit)
  add_test(NAME cad_batch_${name}
    COMMAND ${CMAKE_COMMAND}
      -DTRB=$<TARGET_FILE:trb>
      -DWORK=${CMAKE_CURRENT_BINARY_DIR}/cad_batch/${name}
      "-DCASE=${case}" -DDEVICE=${device} -DEXIT=${exit}
      -DPYTHON=${TRB_PYTHON}
      -DCHECK_DXF=${CMAKE_SOURCE_DIR}/tests/cad/check_dxf.py
      "-DIGES_READER=${trb_cad_batch_reader}"
      -P ${CMAKE_CURRENT_LIST_DIR}/cad_batch.cmake)
  set_tests_properties(cad_batch_${name} PROPERTIES ENVIRONMENT "TRB_DATA_DIR=${TRB_DATA_SOURCE_DIR}")
endfunction()

foreach(example IN ITEMS example convection groove pockets)
  set(case ${TRB_DATA_SOURCE_DIR}/examples/${example}.trb)
  trb_cad_batch_test(${example}_dxf ${case} 1 0)
  trb_cad_batch_test(${example}_igs ${case} 2 0)
  trb_cad_batch_test(${example}_txt ${case} 5 0)
endforeach()
trb_cad_batch_test(missing_case "" 1 1)
trb_cad_batch_test(fatal_case ${CMAKE_CURRENT_LIST_DIR}/data/fatal.trb 1 3)
trb_cad_batch_test(screen_device ${TRB_DATA_SOURCE_DIR}/examples/example.trb 3 2)
