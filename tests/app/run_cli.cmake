# Runs the trb program once in a fresh folder and checks its exit code, the files it leaves,
# its messages, a golden output file and a JSON file.
#   TRB, WORK, DATA, PYTHON, CHECK_JSON: program, work folder, test data, python and JSON checker
#   CASE: case file copied into the work folder; ARGS: arguments separated by "|"; EXIT: exit code
#   EXPECT / ABSENT: files that must / must not exist afterwards ("|"-separated)
#   STDOUT / STDERR: texts the output must contain
#   Always: nothing is left in the temporary folder ($TMPDIR) after the run
#   GOLDEN: output file compared with DATA/<name without .txt>.golden.txt (date, time and the
#           temporary folder normalised); with TRB_UPDATE_GOLDEN set the golden file is written
#   JSON: "<file>|<failed>": the JSON file is checked with CHECK_JSON
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/tmp" "${WORK}/config")
if(CASE)
  file(COPY "${DATA}/${CASE}" DESTINATION "${WORK}")
endif()
set(ENV{XDG_CONFIG_HOME} "${WORK}/config")
set(ENV{TMPDIR} "${WORK}/tmp")

string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND "${TRB}" ${arguments} WORKING_DIRECTORY "${WORK}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc STREQUAL "${EXIT}")
  message(FATAL_ERROR "trb ${ARGS}: exit code ${rc}, expected ${EXIT}\nstdout: ${out}\nstderr: ${err}")
endif()

# Every temporary file lives in the run's private folder, which is gone when the run ends.
file(GLOB left_behind "${WORK}/tmp/*")
if(left_behind)
  message(FATAL_ERROR "trb ${ARGS}: left temporary files behind: ${left_behind}")
endif()

string(REPLACE "|" ";" expected "${EXPECT}")
foreach(f IN LISTS expected)
  if(NOT EXISTS "${WORK}/${f}")
    message(FATAL_ERROR "trb ${ARGS}: ${f} was not written")
  endif()
endforeach()
string(REPLACE "|" ";" absent "${ABSENT}")
foreach(f IN LISTS absent)
  if(EXISTS "${WORK}/${f}")
    message(FATAL_ERROR "trb ${ARGS}: ${f} should not exist")
  endif()
endforeach()

function(expect_text label text wanted)
  if(NOT "${wanted}" STREQUAL "")
    string(FIND "${text}" "${wanted}" position)
    if(position EQUAL -1)
      message(FATAL_ERROR "trb ${ARGS}: ${label} lacks \"${wanted}\":\n${text}")
    endif()
  endif()
endfunction()
expect_text(stdout "${out}" "${STDOUT}")
expect_text(stderr "${err}" "${STDERR}")

if(GOLDEN)
  file(READ "${WORK}/${GOLDEN}" actual)
  string(REPLACE "\r\n" "\n" actual "${actual}")
  string(REGEX REPLACE "\t[0-9]+[./][0-9]+[./][0-9]+\t[0-9]+:[0-9][0-9]\n" "\t<date>\t<time>\n" actual "${actual}")
  string(REPLACE "${WORK}/tmp/" "<tmp>/" actual "${actual}")
  string(REGEX REPLACE "\\.txt$" ".golden.txt" golden "${GOLDEN}")
  if(DEFINED ENV{TRB_UPDATE_GOLDEN})
    file(WRITE "${DATA}/${golden}" "${actual}")
  else()
    file(READ "${DATA}/${golden}" expected_text)
    string(REPLACE "\r\n" "\n" expected_text "${expected_text}")
    if(NOT actual STREQUAL expected_text)
      file(WRITE "${WORK}/${golden}.actual" "${actual}")
      message(FATAL_ERROR "trb ${ARGS}: ${GOLDEN} differs from ${golden}; see ${WORK}/${golden}.actual")
    endif()
  endif()
endif()

if(JSON)
  string(REPLACE "|" ";" json "${JSON}")
  list(GET json 0 json_file)
  list(GET json 1 json_failed)
  execute_process(COMMAND "${PYTHON}" "${CHECK_JSON}" "${WORK}/${json_file}" "${json_failed}"
    RESULT_VARIABLE json_rc OUTPUT_VARIABLE json_out ERROR_VARIABLE json_out)
  if(NOT json_rc EQUAL 0)
    message(FATAL_ERROR "trb ${ARGS}: ${json_file}: ${json_out}")
  endif()
endif()
