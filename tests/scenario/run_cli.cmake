# SPDX-License-Identifier: GPL-3.0-or-later
# Command-line handling of TOOL, one CASE per test: an unreadable file, a
# directory, too many arguments, --help, and the blanks of a line (tabs and
# the carriage return of a Windows line end; blank and comment lines).
cmake_minimum_required(VERSION 3.25)

function(expect what actual wanted)
  if(NOT "${actual}" STREQUAL "${wanted}")
    message(FATAL_ERROR "${what}: got '${actual}', expected '${wanted}'")
  endif()
endfunction()

function(expect_match what actual pattern)
  if(NOT "${actual}" MATCHES "${pattern}")
    message(FATAL_ERROR "${what}: '${actual}' does not match '${pattern}'")
  endif()
endfunction()

if(CASE STREQUAL "missing_file")
  execute_process(COMMAND ${TOOL} ${WORK_DIR}/no-such-scenario.scn
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  expect("status" "${status}" "2")
  expect("stdout" "${out}" "")
  expect_match("stderr" "${err}" "cannot open '.*no-such-scenario.scn'")
elseif(CASE STREQUAL "directory")
  execute_process(COMMAND ${TOOL} ${WORK_DIR}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  expect("status" "${status}" "2")
  expect("stdout" "${out}" "")
  expect_match("stderr" "${err}" "cannot read")
elseif(CASE STREQUAL "too_many_arguments")
  execute_process(COMMAND ${TOOL} a.scn b.scn
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  expect("status" "${status}" "2")
  expect("stdout" "${out}" "")
  expect_match("stderr" "${err}" "^usage: quivalo-scenario")
elseif(CASE STREQUAL "help")
  execute_process(COMMAND ${TOOL} --help
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  expect("status" "${status}" "0")
  expect("stderr" "${err}" "")
  expect_match("stdout" "${out}" "^usage: quivalo-scenario")
elseif(CASE STREQUAL "blanks")
  file(WRITE ${WORK_DIR}/blanks.scn "\tprint \t Werfer\r\n# note\r\n\r\nprint Augen\r\n")
  execute_process(COMMAND ${TOOL} ${WORK_DIR}/blanks.scn
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  expect("status" "${status}" "0")
  expect("stderr" "${err}" "")
  expect("stdout" "${out}" "Werfer = 1\nAugen = 0\n")
else()
  message(FATAL_ERROR "unknown case ${CASE}")
endif()
