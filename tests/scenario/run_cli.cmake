# SPDX-License-Identifier: GPL-3.0-or-later
# Command-line handling of TOOL, one CASE per test: an unreadable file, a
# directory, too many arguments, --help, the blanks of a line (tabs and the
# carriage return of a Windows line end; blank and comment lines), and the
# shape of `dump` (its values are printed one by one by the golden scenarios).
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

# Runs TOOL with the arguments into `out` and `err` and checks its exit
# status: a run that fails prints nothing on standard output, one that
# succeeds nothing on standard error.
macro(run wanted)
  execute_process(COMMAND ${TOOL} ${ARGN}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  expect("status" "${status}" "${wanted}")
  if("${wanted}" STREQUAL "0")
    expect("stderr" "${err}" "")
  else()
    expect("stdout" "${out}" "")
  endif()
endmacro()

if(CASE STREQUAL "missing_file")
  run(2 ${WORK_DIR}/no-such-scenario.scn)
  expect_match("stderr" "${err}" "cannot open '.*no-such-scenario.scn'")
elseif(CASE STREQUAL "directory")
  run(2 ${WORK_DIR})
  expect_match("stderr" "${err}" "cannot read")
elseif(CASE STREQUAL "too_many_arguments")
  run(2 a.scn b.scn)
  expect_match("stderr" "${err}" "^usage: quivalo-scenario")
elseif(CASE STREQUAL "help")
  run(0 --help)
  expect_match("stdout" "${out}" "^usage: quivalo-scenario")
elseif(CASE STREQUAL "blanks")
  file(WRITE ${WORK_DIR}/blanks.scn "\tprint \t Werfer\r\n# note\r\n\r\nprint Augen\r\n")
  run(0 ${WORK_DIR}/blanks.scn)
  expect("stdout" "${out}" "Werfer = 1\nAugen = 0\n")
elseif(CASE STREQUAL "dump")
  file(WRITE ${WORK_DIR}/dump.scn "dump\n")
  run(0 ${WORK_DIR}/dump.scn)
  # 363 lines: 9 turn bytes, 56 cells, 270 images, 2 buttons, label, remark,
  # 6 captions, 6 marks, 8 timers, Dialog, Help, Time, Clock; each section
  # checked where it begins and ends.
  string(REGEX MATCHALL "\n" lines "${out}")
  list(LENGTH lines count)
  expect("lines" "${count}" "363")
  foreach(seam "^Werfer = 1\nBlauDran = 1\n"
               "\nUeberlagert = 0\nSpielfeld\\[1\\] = Leer\n"
               "\nSpielfeld\\[56\\] = Leer\nFeld1 = 1\n"
               "\nZielGreenLeer4 = 1\nZahl1 = 0\n"
               "\nZahl6 = 0\nWuerfel = 1\nKannNichtBtn = 0\nFarbLabel = \"Blau\"\nBemerkung = \"\"\n"
               "SpielerMenu1.Caption = \"&1 Blau - Mensch\"\n"
               "\nschwer1.Caption = \"[^\n]*\"\nSpielerMenu1 = 1\n"
               "\nschwer1 = 1\nTimer1 = 0\n"
               "\nGreenTimer = 0\nDialog = \"\"\nHelp = \\[\\]\nTime = 0\nClock = 0\n$")
    expect_match("dump" "${out}" "${seam}")
  endforeach()
else()
  message(FATAL_ERROR "unknown case ${CASE}")
endif()
