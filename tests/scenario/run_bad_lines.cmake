# SPDX-License-Identifier: GPL-3.0-or-later
# Runs TOOL on every row of TABLE ("bad line | key word", see bad_lines.txt),
# one scenario a row written to WORK_DIR, and reports every row whose run does
# not end as a bad line must: status 2, only the output printed before it,
# and one line "4: message" on standard error that holds the key word.
cmake_minimum_required(VERSION 3.25)

file(READ ${TABLE} table)
string(APPEND table "\n")
set(scenario ${WORK_DIR}/bad_line.scn)
set(failed 0)
set(rows 0)
# Row by row with string(FIND): a list would take the '[' of a bad line such
# as "print Spielfeld[5" for a bracket and join rows.
while(NOT table STREQUAL "")
  string(FIND "${table}" "\n" end)
  string(SUBSTRING "${table}" 0 ${end} row)
  math(EXPR end "${end} + 1")
  string(SUBSTRING "${table}" ${end} -1 table)
  if(row STREQUAL "" OR row MATCHES "^#")
    continue()
  endif()
  string(FIND "${row}" "|" bar REVERSE)
  string(SUBSTRING "${row}" 0 ${bar} line)
  math(EXPR bar "${bar} + 1")
  string(SUBSTRING "${row}" ${bar} -1 word)
  string(STRIP "${line}" line)
  string(STRIP "${word}" word)
  math(EXPR rows "${rows} + 1")

  file(WRITE ${scenario} "print Versuche\n\n# a comment\n${line}\ncall WuerfelClick\nprint Augen\n")
  execute_process(COMMAND ${TOOL} ${scenario}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  string(FIND "${err}" "${word}" at)
  if(NOT "${status}" STREQUAL "2" OR NOT "${out}" STREQUAL "Versuche = 3\n"
     OR NOT "${err}" MATCHES "^4: [^\n]*\n$" OR at EQUAL -1)
    message(SEND_ERROR "'${line}': status ${status}, output '${out}', standard error "
                       "'${err}'; expected status 2, 'Versuche = 3' and '4: ...${word}...'")
    math(EXPR failed "${failed} + 1")
  endif()
endwhile()

if(rows EQUAL 0 OR failed GREATER 0)
  message(FATAL_ERROR "${failed} of ${rows} bad lines not reported as they must be")
endif()
message(STATUS "${rows} bad lines reported")
