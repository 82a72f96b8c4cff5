# Runs lotto-stats as a user would: the report and the histogram must be exactly those
# committed in README.md and docs/images (tools/refresh_stats.sh refreshes both when the
# scoring changes on purpose), then the CSV and bad arguments.
# Usage: cmake -DLOTTO_STATS=<path> -DSOURCE_DIR=<top> [-DEMULATOR=<runner>] -P run_lotto_stats.cmake
cmake_minimum_required(VERSION 3.20)

set(work "${CMAKE_CURRENT_BINARY_DIR}/run_lotto_stats")
file(MAKE_DIRECTORY "${work}")

execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --svg "${work}/totals.svg"
    OUTPUT_VARIABLE report ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
    message(FATAL_ERROR "lotto-stats ended with ${status}: ${errors}")
endif()
# Windows writes "\r\n".
string(REPLACE "\r\n" "\n" report "${report}")
file(READ "${SOURCE_DIR}/README.md" readme)
string(REGEX MATCH "<!-- stats-report:begin -->\n```text\n(.*)```\n<!-- stats-report:end -->" block "${readme}")
if(NOT report STREQUAL CMAKE_MATCH_1)
    file(WRITE "${work}/expected.txt" "${CMAKE_MATCH_1}")
    file(WRITE "${work}/report.txt" "${report}")
    message(FATAL_ERROR "the report differs from README.md's: diff ${work}/expected.txt ${work}/report.txt")
endif()
file(READ "${work}/totals.svg" svg)
string(REPLACE "\r\n" "\n" svg "${svg}")
file(READ "${SOURCE_DIR}/docs/images/score-histogram.svg" committed_svg)
if(NOT svg STREQUAL committed_svg)
    message(FATAL_ERROR "the histogram differs from docs/images/score-histogram.svg: ${work}/totals.svg")
endif()

execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --csv OUTPUT_VARIABLE csv RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" csv "${csv}")
if(NOT status EQUAL 0 OR NOT csv MATCHES "^criterion,outcome,points,all_sets,proposable_sets\n"
   OR NOT csv MATCHES "\ncolor_pattern,6,0,840,540\n")
    message(FATAL_ERROR "unexpected CSV (status ${status}):\n${csv}")
endif()

foreach(arguments "--bogus" "--svg" "--csv;extra" "--svg;--csv" "--svg;-;--csv")
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" ${arguments}
        OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" errors "${errors}")
    if(NOT status EQUAL 2 OR NOT errors MATCHES "^lotto-stats: .*\nTry 'lotto-stats --help'.\n$"
       OR NOT output STREQUAL "")
        message(FATAL_ERROR "'${arguments}' gave status ${status}, errors: ${errors}")
    endif()
endforeach()

execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" help "${help}")
if(NOT status EQUAL 0 OR NOT help MATCHES "^Usage: lotto-stats")
    message(FATAL_ERROR "--help gave status ${status}:\n${help}")
endif()
execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "^lotto-stats [0-9]+\\.[0-9]+\\.[0-9]+\r?\n$")
    message(FATAL_ERROR "--version gave status ${status}: ${version}")
endif()
# "-" is standard output: the histogram alone.
execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --svg - OUTPUT_VARIABLE svg RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" svg "${svg}")
if(NOT status EQUAL 0 OR NOT svg STREQUAL committed_svg)
    message(FATAL_ERROR "--svg - gave status ${status} and not the histogram")
endif()
