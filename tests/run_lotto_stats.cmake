# Runs lotto-stats as a user would: the report, the CSV, the SVG and bad arguments.
# Usage: cmake -DLOTTO_STATS=<path> [-DEMULATOR=<runner>] -P run_lotto_stats.cmake
cmake_minimum_required(VERSION 3.20)

set(work "${CMAKE_CURRENT_BINARY_DIR}/run_lotto_stats")
file(MAKE_DIRECTORY "${work}")

execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --svg "${work}/totals.svg"
    OUTPUT_VARIABLE report ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
    message(FATAL_ERROR "lotto-stats ended with ${status}: ${errors}")
endif()
# Windows writes "\r\n"; the checks below read lines.
string(REPLACE "\r\n" "\n" report "${report}")
foreach(expected "all sets +8,145,060" "proposable +7,936,700" "rejected +208,360"
        "  6 +0 +840 +[0-9.]+ +540 " "a total of at least")
    if(NOT report MATCHES "${expected}")
        message(FATAL_ERROR "the report lacks '${expected}':\n${report}")
    endif()
endforeach()
file(READ "${work}/totals.svg" svg)
string(REPLACE "\r\n" "\n" svg "${svg}")
if(NOT svg MATCHES "^<svg xmlns=\"http://www.w3.org/2000/svg\"" OR NOT svg MATCHES "</svg>\n$")
    message(FATAL_ERROR "the histogram is not a whole SVG document")
endif()

execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --csv OUTPUT_VARIABLE csv RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" csv "${csv}")
if(NOT status EQUAL 0 OR NOT csv MATCHES "^criterion,outcome,points,all_sets,proposable_sets\n"
   OR NOT csv MATCHES "\ncolor_pattern,6,0,840,540\n")
    message(FATAL_ERROR "unexpected CSV (status ${status}):\n${csv}")
endif()

foreach(arguments "--bogus" "--svg" "--csv;extra")
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
