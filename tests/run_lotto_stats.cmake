# Runs lotto-stats as a user would: the report and the histogram must be exactly those
# committed in docs/command-line.md and docs/images (tools/refresh_stats.sh refreshes both when the
# scoring changes on purpose), then the CSV and bad arguments.
# Usage: cmake -DSCENARIO=<name> -DLOTTO_STATS=<path> -DSOURCE_DIR=<top> [-DEMULATOR=<runner>]
#              [-DTEXT_CHARSET=CP949] -P run_lotto_stats.cmake
cmake_minimum_required(VERSION 3.20)

set(runner run_lotto_stats)
include(${CMAKE_CURRENT_LIST_DIR}/scenario_setup.cmake)

# Each scenario is a test of its own, in a folder of its own, so one failure hides no other.
# They share a made-up history of 20 draws, and a copy of it with a bad number.
set(history "round,date,n1,n2,n3,n4,n5,n6,bonus\n")
foreach(round RANGE 20 1 -1)
    math(EXPR first "${round} % 39 + 1")
    math(EXPR last "${first} + 6")
    # Dates grow with the round, as the reader demands.
    string(LENGTH "${round}" digits)
    set(day "${round}")
    if(digits EQUAL 1)
        set(day "0${round}")
    endif()
    string(APPEND history "${round},2025-01-${day},${first},${last},40,41,42,43,44\n")
endforeach()
file(WRITE "${work}/draws.csv" "${history}")
file(WRITE "${work}/bad-draws.csv" "${history}21,1,2,3,4,5,46\n")
# Runs lotto-stats with ARGN; its outputs as `output` and `errors`, its status checked.
function(run_week expected_status)
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" ${ARGN}
        OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" output "${output}")
    string(REPLACE "\r\n" "\n" errors "${errors}")
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "'${ARGN}' gave status ${status}:\n${output}${errors}")
    endif()
    set(output "${output}" PARENT_SCOPE)
    set(errors "${errors}" PARENT_SCOPE)
endfunction()

if(SCENARIO STREQUAL "reports")

    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --svg "${work}/totals.svg"
        OUTPUT_VARIABLE report ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
        message(FATAL_ERROR "lotto-stats ended with ${status}: ${errors}")
    endif()
    # Windows writes "\r\n".
    string(REPLACE "\r\n" "\n" report "${report}")
    file(READ "${SOURCE_DIR}/docs/command-line.md" readme)
    string(REGEX MATCH "<!-- stats-report:begin -->\n```text\n(.*)```\n<!-- stats-report:end -->" block "${readme}")
    if(NOT report STREQUAL CMAKE_MATCH_1)
        file(WRITE "${work}/expected.txt" "${CMAKE_MATCH_1}")
        file(WRITE "${work}/report.txt" "${report}")
        message(FATAL_ERROR "the report differs from docs/command-line.md's: diff ${work}/expected.txt ${work}/report.txt")
    endif()

    # The history part on the real draws, every figure of the back-test included, as
    # docs/command-line.md shows it.
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --draws "${SOURCE_DIR}/data/draws.csv"
        OUTPUT_VARIABLE history_report RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" history_report "${history_report}")
    string(FIND "${history_report}" "Draw history:" at)
    string(SUBSTRING "${history_report}" ${at} -1 history_report)
    string(REGEX MATCH "<!-- history-report:begin -->\n```text\n(.*)```\n<!-- history-report:end -->" block
        "${readme}")
    if(NOT status EQUAL 0 OR NOT history_report STREQUAL CMAKE_MATCH_1)
        file(WRITE "${work}/expected-history.txt" "${CMAKE_MATCH_1}")
        file(WRITE "${work}/history.txt" "${history_report}")
        message(FATAL_ERROR "the history report differs from docs/command-line.md's: diff ${work}/expected-history.txt ${work}/history.txt")
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
endif()

if(SCENARIO STREQUAL "usage_errors")
    # Usage errors: unknown options, missing or misplaced values, sets that are not six
    # distinct numbers from 1 to 45.
    foreach(arguments "--bogus" "--svg" "--csv;extra" "--svg;--csv" "--svg;-;--csv" "--set;1,2,3"
            "--set;1,2,3,4,5,46" "--set;1,2,3,4,5,5" "--set;1,2,3,4,5,6;--csv" "--csv;--csv"
            "--svg;a.svg;--svg;b.svg" "--draws;a.csv;--draws;b.csv" "--help;--csv" "--csv;--version"
            "--set;1,2,3,4,5,6;--set;1,2,3,4,5,7" "--back-test-csv;rows.csv"
            "--draws;a.csv;--csv;--back-test-csv;-" "--draws;a.csv;--svg;-;--back-test-csv;-"
            "--set;1,2,3,4,5,6;--draws;a.csv;--back-test-csv;r.csv" "--set;1,2,3,4,5,"
            "--set;1,,2,3,4,5,6" "--set;1,2,3,4,5,6x" "--with;1,2,3,4" "--with;7;--without;7"
            "--with;7;--check" "--without" "-j;0")
        execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" ${arguments}
            OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
        string(REPLACE "\r\n" "\n" errors "${errors}")
        if(NOT status EQUAL 2 OR NOT errors MATCHES "^lotto-stats: .*\nTry 'lotto-stats --help'.\n$"
           OR NOT output STREQUAL "")
            message(FATAL_ERROR "'${arguments}' gave status ${status}, errors: ${errors}")
        endif()
    endforeach()

    # A missing value is named for what the option takes.
    foreach(case "--add-draw|a draw's line" "--add-ticket|a game or a slip's code" "-j|a number"
            "--svg|a file name" "--with|numbers")
        string(REPLACE "|" ";" case "${case}")
        list(GET case 0 option)
        list(GET case 1 value)
        execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" ${option} ERROR_VARIABLE errors)
        string(REPLACE "\r\n" "\n" errors "${errors}")
        if(NOT errors STREQUAL "lotto-stats: ${value} must follow '${option}'\nTry 'lotto-stats --help'.\n")
            message(FATAL_ERROR "'${option}' without its value: ${errors}")
        endif()
    endforeach()

    # A chart given by a bare name goes to the current folder.
    file(REMOVE "${work}/bare.svg")
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --svg bare.svg WORKING_DIRECTORY "${work}"
        OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT EXISTS "${work}/bare.svg")
        message(FATAL_ERROR "--svg bare.svg gave status ${status}: ${errors}")
    endif()

    # Sets as people copy them: blanks after commas, blanks alone; a negative number is named.
    foreach(typed "3, 11, 19, 27, 35, 7" "3 11 19 27 35 7" " 7,35,27,19,11,3 ")
        execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --set "${typed}"
            OUTPUT_VARIABLE output RESULT_VARIABLE status)
        if(NOT status EQUAL 0 OR NOT output MATCHES "^Set 3 7 11 19 27 35, ")
            message(FATAL_ERROR "--set '${typed}' gave status ${status}:\n${output}")
        endif()
    endforeach()
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --set -1,2,3,4,5,6 ERROR_VARIABLE errors
        RESULT_VARIABLE status)
    if(NOT status EQUAL 2 OR NOT errors MATCHES "^lotto-stats: --set -1,2,3,4,5,6: -1 is not a number from 1 to 45\r?\n")
        message(FATAL_ERROR "--set -1,...: ${errors}")
    endif()

    # What the user typed is quoted as typed; a file name that looks like an option is explained.
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --set 1,2,3,4,5,0100 ERROR_VARIABLE errors)
    if(NOT errors MATCHES "^lotto-stats: --set 1,2,3,4,5,0100: 0100 is not a number from 1 to 45\r?\n")
        message(FATAL_ERROR "--set quoted another number: ${errors}")
    endif()
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --svg -chart.svg ERROR_VARIABLE errors)
    if(NOT errors MATCHES "must follow '--svg'\r?\nA file whose name begins with '-' is given as ./-name.\r?\nTry")
        message(FATAL_ERROR "no hint for a name beginning with '-': ${errors}")
    endif()

    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" help "${help}")
    if(NOT status EQUAL 0 OR NOT help MATCHES "^Usage: lotto-stats")
        message(FATAL_ERROR "--help gave status ${status}:\n${help}")
    endif()
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT version MATCHES "^lotto-stats [0-9]+\\.[0-9]+\\.[0-9]+\r?\ncounting: (plain|AVX2|AVX-512)\r?\n$")
        message(FATAL_ERROR "--version gave status ${status}: ${version}")
    endif()
    # "-" is standard output: the histogram alone.
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --svg - OUTPUT_VARIABLE svg RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" svg "${svg}")
    file(READ "${SOURCE_DIR}/docs/images/score-histogram.svg" committed_svg)
    if(NOT status EQUAL 0 OR NOT svg STREQUAL committed_svg)
        message(FATAL_ERROR "--svg - gave status ${status} and not the histogram")
    endif()
endif()

if(SCENARIO STREQUAL "one_set")
    # One set, and a made-up history of 20 draws.
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --set 21,14,11,7,5,3
        OUTPUT_FILE "${work}/set.txt" RESULT_VARIABLE status)
    if(TEXT_CHARSET STREQUAL "CP949")
        # The criterion lines are the program's Korean texts, in code page 949 there.
        execute_process(COMMAND iconv -f CP949 -t UTF-8 "${work}/set.txt"
            OUTPUT_FILE "${work}/set-utf8.txt")
        file(RENAME "${work}/set-utf8.txt" "${work}/set.txt")
    endif()
    file(READ "${work}/set.txt" set_report)
    string(REPLACE "\r\n" "\n" set_report "${set_report}")
    string(CONCAT expected_lines "Set 3 5 7 11 14 21, scored with lotto's own lists\n"
        "(홀수 : 짝수) = 5개 : 1개           \t--->  8점 \n"
        "공 색 구간별 비율 = 1 : 2 : 3           ---> 23점 \n"
        "숫자 총합 = 61, 41~70 구간      \t--->  1점 \n"
        "미출현 숫자 3, 11, 14, 5, 7, 21 포함    ---> 50점 \n"
        "==========> 총점 : 82점\n\nlotto can propose this set.\n\n"
        "Among the 7,936,700 proposable sets\n")
    string(FIND "${set_report}" "${expected_lines}" at)
    if(NOT status EQUAL 0 OR NOT at EQUAL 0)
        message(FATAL_ERROR "--set gave status ${status}:\n${set_report}")
    endif()
endif()

if(SCENARIO STREQUAL "number_choice")
    # Under --with and --without only the sets lotto can propose under them are counted: with
    # 7 and 21 and without 13, four of the other 42 numbers, C(42,4) = 111,930 sets, of which
    # the all-odd ones take four of the 20 other odd numbers, C(20,4) = 4,845.
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --with 21,7 --without 13
        OUTPUT_VARIABLE chosen RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" chosen "${chosen}")
    if(NOT status EQUAL 0 OR NOT chosen MATCHES
       "^Only the sets that hold 21, 7 \\(--with\\)\nOnly the sets that hold none of 13 \\(--without\\)\n\nSets of six numbers from 1 to 45\n  all sets +111,930\n"
       OR NOT chosen MATCHES "\n    all odd +4,845\n    all even +0\n")
        message(FATAL_ERROR "--with 21,7 --without 13 gave status ${status}:\n${chosen}")
    endif()
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --set 1,7,13,20,30,40 --with 7,21 --without 13,40
        OUTPUT_VARIABLE chosen RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" chosen "${chosen}")
    if(NOT status EQUAL 0 OR NOT chosen MATCHES "\nlotto can propose this set.\nUnder --with and --without lotto never proposes it: it lacks 21 and holds 13, 40.\n\nAmong")
        message(FATAL_ERROR "--set under --with and --without gave status ${status}:\n${chosen}")
    endif()

    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --draws "${work}/draws.csv"
        OUTPUT_VARIABLE report ERROR_VARIABLE errors RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" report "${report}")
    foreach(expected "^Scored with the lists of the draw history .*, as of round 20\n\nSets of six"
            "\nDraw history: 20 draws, rounds 1 to 20\n" "\n  15 points  1 \\(20\\), 2 \\(19\\), 3 \\(18\\),.*, 44 \\(20\\)"
            "\n      40      20 \\(   2.67\\)      20 \\(   2.67\\)\n"
            "\nBack-test: 5 draws with at least 15 draws before them" "Too few draws for a chi-square")
        if(NOT report MATCHES "${expected}")
            message(FATAL_ERROR "the history report lacks '${expected}' (status ${status}, ${errors}):\n${report}")
        endif()
    endforeach()
endif()

if(SCENARIO STREQUAL "csv_outputs")
    # Each CSV output is one table with one header: the distribution alone with --csv, the
    # back-test's rows alone in their own file or on standard output.
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --draws "${work}/draws.csv" --csv
            --back-test-csv "${work}/rows.csv"
        OUTPUT_VARIABLE csv RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" csv "${csv}")
    file(READ "${work}/rows.csv" rows)
    string(REPLACE "\r\n" "\n" rows "${rows}")
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --draws "${work}/draws.csv" --back-test-csv -
        OUTPUT_VARIABLE rows_out RESULT_VARIABLE rows_status)
    string(REPLACE "\r\n" "\n" rows_out "${rows_out}")
    if(NOT status EQUAL 0 OR NOT csv MATCHES "^criterion,outcome,points,all_sets,proposable_sets\n"
       OR csv MATCHES "\n\n" OR csv MATCHES "round,total"
       OR NOT rows MATCHES "^round,total,mid_rank\n16,[0-9]+,0\\.[0-9]+\n"
       OR NOT rows MATCHES "\n20,[0-9]+,0\\.[0-9]+\n$" OR NOT rows_status EQUAL 0
       OR NOT rows_out STREQUAL rows)
        message(FATAL_ERROR "--draws --csv --back-test-csv gave status ${status}:\n${csv}\n${rows}")
    endif()
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --draws "${work}/draws.csv" --set 1,2,3,40,41,42
        OUTPUT_VARIABLE prizes RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" prizes "${prizes}")
    if(NOT status EQUAL 0 OR NOT prizes MATCHES "\n  4th: 4 numbers +2 +[0-9.]+ +[0-9,]+\n  5th: 3 numbers +18 "
       OR NOT prizes MATCHES "best draw: round 1, 4 of its six numbers"
       OR NOT prizes MATCHES "\n  in all +[0-9,]+\n" OR EXISTS "${work}/data home")
        message(FATAL_ERROR "--draws --set gave status ${status} (the shipped prizes, no data "
            "folder made):\n${prizes}")
    endif()
    # "-" reads the history from standard input.
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --draws - --set 1,2,3,40,41,42
        INPUT_FILE "${work}/draws.csv" OUTPUT_VARIABLE from_input RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" from_input "${from_input}")
    if(NOT status EQUAL 0 OR NOT from_input STREQUAL prizes)
        message(FATAL_ERROR "--draws - gave status ${status}:\n${from_input}")
    endif()
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --draws "${work}/bad-draws.csv"
        OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 1 OR NOT output STREQUAL ""
       OR NOT errors MATCHES "^lotto-stats: [^\n]*bad-draws.csv:22: '46' is not a number from 1 to 45\r?\n$")
        message(FATAL_ERROR "a bad history gave status ${status}: ${errors}")
    endif()
    execute_process(COMMAND ${EMULATOR} "${LOTTO_STATS}" --draws - INPUT_FILE "${work}/bad-draws.csv"
        ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 1
       OR NOT errors MATCHES "^lotto-stats: standard input:22: '46' is not a number from 1 to 45\r?\n$")
        message(FATAL_ERROR "a bad history on standard input gave status ${status}: ${errors}")
    endif()
endif()

if(SCENARIO STREQUAL "history_kept")
    # The user's history is never written over, whatever name the output is given, and nothing
    # is computed before that is known.
    if(NOT EMULATOR)
        file(CREATE_LINK "${work}/draws.csv" "${work}/draws-link.csv" SYMBOLIC)
        file(REMOVE "${work}/draws-hard.csv")
        file(CREATE_LINK "${work}/draws.csv" "${work}/draws-hard.csv")
        file(SHA256 "${work}/draws.csv" before)
        foreach(output "${work}/draws.csv" "${work}/./draws.csv" "${work}/draws-link.csv"
                "${work}/draws-hard.csv")
            execute_process(COMMAND "${LOTTO_STATS}" --draws "${work}/draws.csv" --svg "${output}"
                OUTPUT_VARIABLE output_text ERROR_VARIABLE errors RESULT_VARIABLE status)
            file(SHA256 "${work}/draws.csv" after)
            if(NOT status EQUAL 2 OR NOT after STREQUAL before OR NOT output_text STREQUAL ""
               OR NOT errors MATCHES "^lotto-stats: the chart would overwrite the draw history '")
                message(FATAL_ERROR "--svg ${output} gave status ${status}: ${errors}")
            endif()
        endforeach()
        execute_process(COMMAND sh -c "\"$0\" --draws \"$1\" >>\"$1\"" "${LOTTO_STATS}" "${work}/draws.csv"
            ERROR_VARIABLE errors RESULT_VARIABLE status)
        file(SHA256 "${work}/draws.csv" after)
        if(NOT status EQUAL 2 OR NOT after STREQUAL before
           OR NOT errors MATCHES "^lotto-stats: standard output is the draw history '")
            message(FATAL_ERROR "a report appended to the history gave status ${status}: ${errors}")
        endif()
        # Places that cannot take the chart are refused before the computation.
        foreach(place "${work}/missing/chart.svg" "${work}")
            execute_process(COMMAND "${LOTTO_STATS}" --draws "${work}/draws.csv" --svg "${place}"
                OUTPUT_VARIABLE output_text ERROR_VARIABLE errors RESULT_VARIABLE status)
            if(NOT status EQUAL 1 OR NOT output_text STREQUAL ""
               OR NOT errors MATCHES "^lotto-stats: cannot write '[^\n]*': (No such file or directory|Is a directory)\n$")
                message(FATAL_ERROR "--svg ${place} gave status ${status}: ${errors}")
            endif()
        endforeach()
        # A chart replaces the old one whole, through a link that stays a link.
        file(WRITE "${work}/chart.svg" "old")
        file(CREATE_LINK "${work}/chart.svg" "${work}/chart-link.svg" SYMBOLIC)
        execute_process(COMMAND "${LOTTO_STATS}" --svg "${work}/chart-link.svg" OUTPUT_QUIET RESULT_VARIABLE status)
        file(READ "${work}/chart.svg" chart)
        string(FIND "${chart}" "<svg" at)
        file(GLOB leftovers "${work}/.chart*")
        if(NOT status EQUAL 0 OR NOT at EQUAL 0 OR NOT IS_SYMLINK "${work}/chart-link.svg"
           OR leftovers)
            message(FATAL_ERROR "the chart was not replaced whole (status ${status}): ${leftovers}")
        endif()
        # Control bytes in a file name reach the terminal only as visible text.
        string(ASCII 27 escape)
        string(ASCII 7 bell)
        execute_process(COMMAND "${LOTTO_STATS}" --draws "${work}/${escape}]0;title${bell}.csv"
            ERROR_VARIABLE errors)
        if(NOT errors MATCHES "\\\\x1b]0;title\\\\x07.csv: No such file")
            message(FATAL_ERROR "a file name went out raw: ${errors}")
        endif()
    endif()
endif()

if(SCENARIO STREQUAL "korean")
    # Korean: the report and the chart exactly as committed, with the same figures as the
    # English ones; a usage error and a refused history in Korean.
    execute_process(COMMAND ${korean} ${EMULATOR} "${LOTTO_STATS}" --svg "${work}/totals.ko.svg"
        OUTPUT_FILE "${work}/report.ko.txt" ERROR_VARIABLE errors RESULT_VARIABLE status)
    file(READ "${work}/totals.ko.svg" korean_svg)
    if(TEXT_CHARSET STREQUAL "CP949")
        # Code page 949 throughout, and the chart says so in its first line.
        foreach(file report.ko.txt totals.ko.svg)
            execute_process(COMMAND iconv -f CP949 -t UTF-8 "${work}/${file}"
                OUTPUT_FILE "${work}/utf8-${file}" RESULT_VARIABLE converted)
            file(RENAME "${work}/utf8-${file}" "${work}/${file}")
        endforeach()
        file(READ "${work}/totals.ko.svg" korean_svg)
        string(REPLACE "<?xml version=\"1.0\" encoding=\"EUC-KR\"?>\n" "" korean_svg "${korean_svg}")
    endif()
    file(READ "${work}/report.ko.txt" korean_report)
    string(REPLACE "\r\n" "\n" korean_report "${korean_report}")
    string(REPLACE "\r\n" "\n" korean_svg "${korean_svg}")
    file(READ "${SOURCE_DIR}/tests/expected/stats-report.ko.txt" expected_korean)
    file(READ "${SOURCE_DIR}/docs/images/score-histogram.ko.svg" expected_korean_svg)
    if(NOT status EQUAL 0 OR NOT korean_report STREQUAL expected_korean
       OR NOT korean_svg STREQUAL expected_korean_svg)
        message(FATAL_ERROR "the Korean report or chart differs from tests/expected/stats-report.ko.txt "
            "or docs/images/score-histogram.ko.svg (status ${status}): ${work}/report.ko.txt")
    endif()
    # The English report is docs/command-line.md's, as the reports scenario holds it to be.
    file(READ "${SOURCE_DIR}/docs/command-line.md" readme)
    string(REGEX MATCH "<!-- stats-report:begin -->\n```text\n(.*)```\n<!-- stats-report:end -->" block "${readme}")
    string(REGEX MATCHALL "[0-9][0-9.,]*" english_figures "${CMAKE_MATCH_1}")
    string(REGEX MATCHALL "[0-9][0-9.,]*" korean_figures "${korean_report}")
    if(NOT english_figures STREQUAL korean_figures)
        message(FATAL_ERROR "the Korean report's figures differ from the English report's")
    endif()
    execute_process(COMMAND ${korean} ${EMULATOR} "${LOTTO_STATS}" --set 1,2,3,4,5,46
        OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
    execute_process(COMMAND ${korean} ${EMULATOR} "${LOTTO_STATS}" --draws "${work}/bad-draws.csv"
        ERROR_VARIABLE history_errors RESULT_VARIABLE history_status)
    if(TEXT_CHARSET STREQUAL "CP949")
        file(WRITE "${work}/errors.txt" "${errors}${history_errors}")
        execute_process(COMMAND iconv -f CP949 -t UTF-8 "${work}/errors.txt" OUTPUT_VARIABLE both)
    else()
        set(both "${errors}${history_errors}")
    endif()
    string(REPLACE "\r\n" "\n" both "${both}")
    if(NOT status EQUAL 2 OR NOT history_status EQUAL 1 OR NOT both MATCHES
       "^lotto-stats: --set 1,2,3,4,5,46: 1부터 45까지의 수가 아닙니다: 46\n자세한 내용은 'lotto-stats --help'를 보세요.\nlotto-stats: [^\n]*bad-draws.csv:22: 1부터 45까지의 수가 아닙니다: '46'\n$")
        message(FATAL_ERROR "Korean errors gave status ${status} and ${history_status}:\n${both}")
    endif()
endif()

if(SCENARIO STREQUAL "week")
    # A player's week: the newest draw, tickets typed and scanned, what they won.
    set(week "${work}/week")
    file(REMOVE_RECURSE "${week}")
    file(MAKE_DIRECTORY "${week}")
    file(COPY_FILE "${SOURCE_DIR}/data/draws.csv" "${week}/draws.csv")
    set(slip "1231q030914273641m051117223344n000000000000n000000000000n0000000000001234567890")
    file(COPY_FILE "${SOURCE_DIR}/data/prizes.csv" "${week}/prizes.csv")
    set(files --draws "${week}/draws.csv" --prizes "${week}/prizes.csv" --tickets "${week}/tickets.csv")
    run_week(0 --tickets "${week}/tickets.csv" --add-ticket "https://qr.example.kr/?v=${slip}")
    run_week(0 --tickets "${week}/tickets.csv" --add-ticket "${slip}")
    if(NOT output MATCHES "already \\(line 2\\); nothing added")
        message(FATAL_ERROR "the same slip twice: ${output}")
    endif()
    run_week(0 --tickets "${week}/tickets.csv" --add-ticket "1231, 3 8 9 22 28 42")
    run_week(1 --tickets "${week}/tickets.csv" --add-ticket "1231,3,8,9,22,28,46")
    if(NOT errors MATCHES "^lotto-stats: --add-ticket '1231,3,8,9,22,28,46': '46' is not a number from 1 to 45\n$")
        message(FATAL_ERROR "a bad ticket: ${errors}")
    endif()
    file(SHA256 "${week}/draws.csv" before)
    foreach(refused "1232,2026-07-11,1,2,3,4,5,6,7" "1230,2026-06-27,1,2,3,4,5,6,7"
            "1231,2026-06-27,1,2,3,4,5,6,7" "1231,2026-07-04,1,2,3,4,5,6")
        run_week(1 ${files} --add-draw "${refused}")
        file(SHA256 "${week}/draws.csv" after)
        if(NOT before STREQUAL after)
            message(FATAL_ERROR "--add-draw ${refused} changed the history")
        endif()
    endforeach()
    run_week(0 ${files} --add-draw "1231,2026-07-04,42,3,9,8,28,22,45")
    if(NOT output MATCHES "^Round 1231 added to .*draws.csv.\n\n.*\\[ 3\\]\\[ 9\\] 14  27  36  41    no prize\n.*\\[ 3\\]\\[ 8\\]\\[ 9\\]\\[22\\]\\[28\\]\\[42\\]   1st prize\n")
        message(FATAL_ERROR "--add-draw with --tickets:\n${output}")
    endif()
    file(STRINGS "${week}/draws.csv" last_lines)
    list(GET last_lines -1 last_line)
    if(NOT last_line STREQUAL "1231,2026-07-04,3,8,9,22,28,42,45")
        message(FATAL_ERROR "the new draw was written as '${last_line}'")
    endif()
    run_week(0 ${files} --add-draw "1231,2026-07-04,3,8,9,22,28,42,45")
    if(NOT output MATCHES "already, as given; nothing added")
        message(FATAL_ERROR "the same draw twice: ${output}")
    endif()
    run_week(0 ${files} --check --csv)
    if(NOT output STREQUAL "round,n1,n2,n3,n4,n5,n6,matched,bonus_matched,rank,prize\n1231,3,9,14,27,36,41,2,0,0,0\n1231,5,11,17,22,33,44,1,0,0,0\n1231,3,8,9,22,28,42,6,0,1,\n")
        message(FATAL_ERROR "--check --csv:\n${output}")
    endif()
    run_week(0 ${files} --check)
    if(NOT output MATCHES "\n  games +3\n  spent +3,000 won\n    1st prize +1\n" OR NOT output MATCHES "share of each round's prize pool")
        message(FATAL_ERROR "--check:\n${output}")
    endif()
    foreach(arguments "--add-draw;1,2;--check" "--check;--set;1,2,3,4,5,6" "--tickets;t.csv"
            "--add-draw;1231,1,2,3,4,5,6;--svg;a.svg" "--draws;-;--check" "--add-ticket;x;--csv")
        run_week(2 ${arguments})
    endforeach()
    # A history larger than the programs update is refused as such and left as it was, in
    # English and in Korean.
    file(READ "${SOURCE_DIR}/data/draws.csv" shipped)
    string(REPEAT "#" 9000000 padding)
    file(WRITE "${week}/large.csv" "${shipped}${padding}\n")
    file(SHA256 "${week}/large.csv" before)
    run_week(1 --draws "${week}/large.csv" --add-draw "1231,2026-07-04,3,8,9,22,28,42,45")
    execute_process(COMMAND ${korean} ${EMULATOR} "${LOTTO_STATS}" --draws "${week}/large.csv"
        --add-draw "1231,2026-07-04,3,8,9,22,28,42,45" ERROR_VARIABLE korean_errors)
    if(TEXT_CHARSET STREQUAL "CP949")
        file(WRITE "${work}/large-errors.txt" "${korean_errors}")
        execute_process(COMMAND iconv -f CP949 -t UTF-8 "${work}/large-errors.txt" OUTPUT_VARIABLE korean_errors)
    endif()
    string(REPLACE "\r\n" "\n" korean_errors "${korean_errors}")
    file(SHA256 "${week}/large.csv" after)
    if(NOT errors MATCHES "^lotto-stats: '[^']*large.csv' is too large to update: the program updates files of up to 8 MiB; nothing was changed\n$"
       OR NOT korean_errors MATCHES "^lotto-stats: '[^']*large.csv'는 너무 커서 고칠 수 없습니다: 이 프로그램은 8 MiB까지의 파일만 고칩니다. 아무것도 바꾸지 않았습니다\n$"
       OR NOT before STREQUAL after)
        message(FATAL_ERROR "a history over 8 MiB:\n${errors}${korean_errors}")
    endif()
    # A history that begins after a game's round cannot tell what it won: neither drawn nor
    # waiting, and said so.
    file(STRINGS "${week}/draws.csv" all_draws)
    list(SUBLIST all_draws 1001 -1 recent_draws)
    list(JOIN recent_draws "\n" recent)
    file(WRITE "${week}/recent.csv" "${recent}\n")
    run_week(0 --draws "${week}/recent.csv" --tickets "${week}/tickets.csv" --add-ticket "999,1,2,3,4,5,6")
    run_week(0 --draws "${week}/recent.csv" --tickets "${week}/tickets.csv" --check --csv)
    if(NOT output MATCHES "\n999,1,2,3,4,5,6,-,-,-,-\n")
        message(FATAL_ERROR "--check --csv before the history:\n${output}")
    endif()
    run_week(0 --draws "${week}/recent.csv" --tickets "${week}/tickets.csv" --check)
    if(NOT output MATCHES "    999    1   2   3   4   5   6    before the history\n"
       OR NOT output MATCHES "\n    not drawn yet +0\n    before the history +1\n")
        message(FATAL_ERROR "--check before the history:\n${output}")
    endif()
endif()

if(SCENARIO STREQUAL "ledger")
    # What the games cost and paid back, by the month of their draws, against the shipped
    # files: a 1st prize, a game that won nothing, one not in the history (unknown), and one
    # at 2,000 won from 2004.
    set(ledger "${work}/ledger")
    file(REMOVE_RECURSE "${ledger}")
    file(MAKE_DIRECTORY "${ledger}")
    file(WRITE "${ledger}/tickets.csv" "1230,3,8,9,22,28,42\n1229,1,2,3,4,5,6\n1231,1,2,3,4,5,6\n87,1,2,3,4,5,6\n")
    set(files --draws "${SOURCE_DIR}/data/draws.csv" --prizes "${SOURCE_DIR}/data/prizes.csv"
        --tickets "${ledger}/tickets.csv")
    run_week(0 ${files} --ledger --csv)
    if(NOT output STREQUAL "month,games,spent,won,average_return,unknown\n2004-07,1,2000,0,1000,0\n2026-06,2,2000,1771357196,1000,0\n2026-07,1,1000,0,0,1\ntotal,4,5000,1771357196,2000,1\n")
        message(FATAL_ERROR "--ledger --csv:\n${output}")
    endif()
    run_week(0 ${files} --ledger)
    string(REGEX REPLACE "^What the games in [^\n]*tickets.csv'? cost and paid back, by the month of their draws\n\n" "" table "${output}")
    set(expected_table
"  month     games           spent        prizes won  average return  unknown
  2004-07       1       2,000 won             0 won       1,000 won        0
  2026-06       2       2,000 won 1,771,357,196 won       1,000 won        0
  2026-07       1       1,000 won             0 won           0 won        1
  in all        4       5,000 won 1,771,357,196 won       2,000 won        1

You spent 5,000 won on 4 games; 1,771,357,196 won came back from the 3 whose
result is known.
On average the same 3 games get back 2,000 won, 50 % of the 4,000 won they cost.
If playing stops being fun, call 1336, the Korea Center on Gambling Problems' helpline
(free, around the clock).
")
    if(NOT table STREQUAL expected_table)
        message(FATAL_ERROR "--ledger:\n${output}")
    endif()
    execute_process(COMMAND ${korean} ${EMULATOR} "${LOTTO_STATS}" ${files} --ledger
        OUTPUT_VARIABLE korean_output RESULT_VARIABLE status)
    if(TEXT_CHARSET STREQUAL "CP949")
        file(WRITE "${work}/ledger.ko.txt" "${korean_output}")
        execute_process(COMMAND iconv -f CP949 -t UTF-8 "${work}/ledger.ko.txt" OUTPUT_VARIABLE korean_output)
    endif()
    string(REPLACE "\r\n" "\n" korean_output "${korean_output}")
    if(NOT status EQUAL 0 OR NOT korean_output MATCHES "\n  합계          4         5,000원   1,771,357,196원         2,000원        1\n"
       OR NOT korean_output MATCHES "산 값의 50 %입니다\\(산 값 4,000원\\)\\.\n.*상담전화 1336")
        message(FATAL_ERROR "--ledger in Korean:\n${korean_output}")
    endif()
    # No games: the header and a total of nothing.
    file(WRITE "${ledger}/none.csv" "")
    run_week(0 --draws "${SOURCE_DIR}/data/draws.csv" --prizes "${SOURCE_DIR}/data/prizes.csv"
        --tickets "${ledger}/none.csv" --ledger --csv)
    if(NOT output STREQUAL "month,games,spent,won,average_return,unknown\ntotal,0,0,0,0,0\n")
        message(FATAL_ERROR "--ledger --csv without games:\n${output}")
    endif()
    # A tickets file that does not read is refused where it breaks; other options are usage.
    file(WRITE "${ledger}/bad.csv" "1230,3,8,9,22,28,42\n1230,3,8,9\n")
    run_week(1 --draws "${SOURCE_DIR}/data/draws.csv" --prizes "${SOURCE_DIR}/data/prizes.csv"
        --tickets "${ledger}/bad.csv" --ledger)
    if(NOT errors MATCHES "bad.csv:2: " OR NOT output STREQUAL "")
        message(FATAL_ERROR "--ledger with a bad tickets file:\n${output}${errors}")
    endif()
    foreach(arguments "--ledger;--check" "--ledger;--set;1,2,3,4,5,6" "--ledger;-j;2" "--ledger;--draws;-"
            "--ledger;--update" "--ledger;--svg;a.svg")
        run_week(2 ${arguments})
        if(NOT errors MATCHES "^lotto-stats: ")
            message(FATAL_ERROR "'${arguments}': ${errors}")
        endif()
    endforeach()
endif()

if(SCENARIO STREQUAL "long_names")
    # A name longer than any path the program keeps is refused with the reason, not in silence.
    string(REPEAT "a" 5000 long_name)
    foreach(arguments "--draws;${work}/draws.csv;--tickets;${work}/${long_name};--check"
            "--draws;${work}/${long_name};--add-draw;21,2025-02-01,1,2,3,4,5,6")
        run_week(1 ${arguments})
        if(NOT errors MATCHES "^lotto-stats: [^\n]*: File name too long\n$")
            message(FATAL_ERROR "a long name gave: ${errors}")
        endif()
    endforeach()
endif()

if(SCENARIO STREQUAL "data_folder")
    # Without --draws and --tickets, the data folder: the history there starts as the shipped one.
    if(NOT EMULATOR)
        set(ENV{XDG_DATA_HOME} "${work}/data home")
        run_week(0 --add-draw "1231,2026-07-04,3,8,9,22,28,42,45")
        run_week(0 --add-ticket "1231,1,2,3,4,5,6")
        run_week(0 --check --csv)
        if(NOT output STREQUAL "round,n1,n2,n3,n4,n5,n6,matched,bonus_matched,rank,prize\n1231,1,2,3,4,5,6,1,0,0,0\n"
           OR NOT EXISTS "${work}/data home/lotto/draws.csv")
            message(FATAL_ERROR "the data folder's files:\n${output}")
        endif()
        unset(ENV{XDG_DATA_HOME})
    endif()
endif()
