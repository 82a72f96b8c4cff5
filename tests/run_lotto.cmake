# Runs the built program with piped input and checks what a user of a pipe gets:
# the exit status, clean UTF-8 text without escape sequences, and the dialogue's frame.
# Each scenario is a test of its own, in a folder of its own.
# Usage: cmake -DSCENARIO=<name> -DLOTTO=<path> [-DEMULATOR=<runner>] [-DTEXT_CHARSET=CP949] -P run_lotto.cmake
# With TEXT_CHARSET=CP949 the program writes code page 949 and "\r\n" line ends; the text
# is checked after turning it back into UTF-8 with iconv.
cmake_minimum_required(VERSION 3.20)

# The texts around the screens follow the locale: English unless a test asks for Korean.
set(runner run_lotto)
include(${CMAKE_CURRENT_LIST_DIR}/scenario_setup.cmake)

# Text as the program wrote it, in UTF-8 with LF line ends: Windows builds write code
# page 949 and CRLF.
function(as_utf8 text variable)
    if(TEXT_CHARSET STREQUAL "CP949")
        file(WRITE "${work}/cp949.txt" "${text}")
        execute_process(COMMAND iconv -f CP949 -t UTF-8 "${work}/cp949.txt"
            OUTPUT_VARIABLE text RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "not code page 949 text: ${text}")
        endif()
    endif()
    string(REPLACE "\r\n" "\n" text "${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# The menu session every scenario may use: retry once, generate, open the details, go
# back, leave.
file(WRITE "${work}/input.txt" "x\n2\n3\n2\n1\n")
# A sound history of 20 draws, and one that misses round 21.
set(history "")
foreach(round RANGE 1 20)
    string(APPEND history "${round} 1 2 3 4 5 6\n")
endforeach()
file(WRITE "${work}/draws.txt" "${history}")
file(WRITE "${work}/bad-draws.txt" "${history}22 1 2 3 4 5 6\n")

if(SCENARIO STREQUAL "menu_session")
    execute_process(COMMAND ${EMULATOR} "${LOTTO}"
        INPUT_FILE "${work}/input.txt"
        OUTPUT_FILE "${work}/output.txt"
        ERROR_VARIABLE errors
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
        message(FATAL_ERROR "lotto ended with status ${status}, error output: ${errors}")
    endif()

    file(READ "${work}/output.txt" output_hex HEX)
    string(REGEX MATCHALL ".." output_bytes "${output_hex}")
    if("1b" IN_LIST output_bytes)
        message(FATAL_ERROR "output to a pipe holds an escape sequence")
    endif()

    if(TEXT_CHARSET STREQUAL "CP949")
        if(NOT output_hex MATCHES "^0d0a")
            message(FATAL_ERROR "the C runtime did not write \\r\\n line ends")
        endif()
        execute_process(COMMAND iconv -f CP949 -t UTF-8 "${work}/output.txt"
            OUTPUT_FILE "${work}/output-utf8.txt" RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "the output is not code page 949 text")
        endif()
        file(READ "${work}/output-utf8.txt" text)
        string(REPLACE "\r\n" "\n" text "${text}")
    else()
        file(READ "${work}/output.txt" text)
    endif()
    set(first_menu "\n1번: 종료\n2번: 로또 번호 생성\n\n실행하실 메뉴를 선택하세요: 잘못 입력하셨습니다.\n")
    string(FIND "${text}" "${first_menu}" first_menu_at)
    if(NOT first_menu_at EQUAL 0)
        message(FATAL_ERROR "the output does not open with the first menu:\n${text}")
    endif()

    set(cell " [ 1-4][0-9] ")
    string(REGEX MATCHALL "\\|\\| ${cell}${cell}${cell}${cell}${cell}${cell}\t\t총점: [0-9]+\n" rows "${text}")
    list(LENGTH rows row_count)
    if(NOT row_count EQUAL 10)
        message(FATAL_ERROR "expected two prediction screens of five sets, found ${row_count} rows")
    endif()

    string(REGEX MATCHALL "==========> 총점 : [0-9]+점\n" detail_totals "${text}")
    list(LENGTH detail_totals detail_count)
    if(NOT detail_count EQUAL 5)
        message(FATAL_ERROR "expected one detail screen of five sets, found ${detail_count}")
    endif()

    string(REGEX MATCH "종료하였습니다\n$" farewell "${text}")
    if(farewell STREQUAL "")
        message(FATAL_ERROR "the output does not end with the farewell")
    endif()
endif()

if(SCENARIO STREQUAL "output_errors")
    # Output that cannot be written is an error, not a success.
    if(EXISTS /dev/full)
        execute_process(COMMAND ${EMULATOR} "${LOTTO}"
            INPUT_FILE "${work}/input.txt"
            OUTPUT_FILE /dev/full
            ERROR_VARIABLE errors
            RESULT_VARIABLE status)
        if(status EQUAL 0)
            message(FATAL_ERROR "lotto reported success writing to /dev/full")
        endif()
        if(NOT errors MATCHES "^lotto: cannot write to standard output: [^\n]+\n$")
            message(FATAL_ERROR "unexpected error text for /dev/full: ${errors}")
        endif()
        # The help text fits the C library's buffer: only the final flush finds the full disk.
        execute_process(COMMAND ${EMULATOR} "${LOTTO}" --help OUTPUT_FILE /dev/full
            ERROR_VARIABLE errors RESULT_VARIABLE status)
        if(NOT status EQUAL 1 OR NOT errors MATCHES "^lotto: cannot write to standard output: ")
            message(FATAL_ERROR "lotto --help to /dev/full gave status ${status}: ${errors}")
        endif()
    endif()
endif()

if(SCENARIO STREQUAL "options")
    # Options: help and version on standard output, anything else a usage error without a menu.
    foreach(case "--help|0|^Usage: lotto |" "--version|0|^lotto [0-9]+\\.[0-9]+\\.[0-9]+\r?\n$|"
            "--bogus|2||^lotto: unknown option '--bogus'\r?\nTry 'lotto --help'.\r?\n$"
            "extra|2||^lotto: unexpected argument 'extra'\r?\nTry 'lotto --help'.\r?\n$"
            "--version,x|2||^lotto: no other argument may come with '--version'\r?\n"
            "--draws,a.csv,--help|2||^lotto: no other argument may come with '--help'\r?\n"
            "--draws|2||^lotto: a file name must follow '--draws'\r?\n"
            "--draws,-|2||^lotto: a file name must follow '--draws'\r?\n"
            "--draws,-old.csv|2||^lotto: a file name must follow '--draws'\r?\nA file whose name begins with '-' is given as ./-name.\r?\nTry"
            "--draws,a.csv,--draws,b.csv|2||^lotto: this option may be given only once: '--draws'\r?\n")
        string(REPLACE "|" ";" fields "${case}")
        list(GET fields 0 arguments)
        list(GET fields 1 expected_status)
        list(GET fields 2 expected_output)
        list(GET fields 3 expected_errors)
        string(REPLACE "," ";" arguments "${arguments}")
        execute_process(COMMAND ${EMULATOR} "${LOTTO}" ${arguments}
            INPUT_FILE "${work}/input.txt" OUTPUT_VARIABLE output ERROR_VARIABLE errors
            RESULT_VARIABLE status)
        if(NOT status EQUAL expected_status OR NOT output MATCHES "${expected_output}"
           OR NOT errors MATCHES "${expected_errors}"
           OR (expected_output STREQUAL "" AND NOT output STREQUAL "")
           OR (expected_errors STREQUAL "" AND NOT errors STREQUAL ""))
            message(FATAL_ERROR "lotto ${arguments}: status ${status}\noutput: ${output}\nerrors: ${errors}")
        endif()
    endforeach()
endif()

if(SCENARIO STREQUAL "draw_history")
    # A draw history: a broken one is refused before any menu; a sound one runs the program.
    execute_process(COMMAND ${EMULATOR} "${LOTTO}" --draws "${work}/bad-draws.txt"
        INPUT_FILE "${work}/input.txt" OUTPUT_VARIABLE output ERROR_VARIABLE errors
        RESULT_VARIABLE status)
    if(NOT status EQUAL 1 OR NOT output STREQUAL ""
       OR NOT errors MATCHES "^lotto: [^\n]*bad-draws.txt: round 21 is missing\r?\n$")
        message(FATAL_ERROR "a broken history gave status ${status}, errors: ${errors}")
    endif()
    execute_process(COMMAND ${EMULATOR} "${LOTTO}" --draws "${work}/draws.txt"
        INPUT_FILE "${work}/input.txt" OUTPUT_VARIABLE output ERROR_VARIABLE errors
        RESULT_VARIABLE status)
    string(REGEX MATCHALL "==========> " detail_totals "${output}")
    list(LENGTH detail_totals detail_count)
    if(NOT status EQUAL 0 OR NOT errors STREQUAL "" OR NOT detail_count EQUAL 5)
        message(FATAL_ERROR "lotto --draws gave status ${status}, errors: ${errors}")
    endif()
endif()

if(SCENARIO STREQUAL "number_choice")
    # The player's own numbers: a list that cannot be read, or lists under which no set could be
    # proposed, are refused before any screen, with the reason.
    foreach(case "--with;7,x|^lotto: --with 7,x: give numbers from 1 to 45 with commas between them\n"
            "--without;0|^lotto: --without 0: 0 is not a number from 1 to 45\n"
            "--with;-3|^lotto: --with -3: -3 is not a number from 1 to 45\n"
            "--with|^lotto: numbers must follow '--with'\n"
            "--with;7;--with;8|^lotto: this option may be given only once: '--with'\n"
            "--with;7,21;--without;13,21|^lotto: 21 cannot be both kept and left out\n"
            "--with;1,3,5,7,9,11|^lotto: --with 1,3,5,7,9,11: at most five numbers can be kept, not 6\n"
            "--with;9,8,7,6|^lotto: the kept numbers 6 to 9 are four in a row"
            "--without;2,4,6,8,10,12,14,16,18,20,22,24,26,28,30,32,34,36,38,40,42,44|^lotto: no set these lists leave can be proposed: every one is all odd\n")
        string(FIND "${case}" "|" bar)
        string(SUBSTRING "${case}" 0 ${bar} arguments)
        math(EXPR bar "${bar} + 1")
        string(SUBSTRING "${case}" ${bar} -1 expected_errors)
        execute_process(COMMAND ${EMULATOR} "${LOTTO}" ${arguments}
            INPUT_FILE "${work}/input.txt" OUTPUT_VARIABLE output ERROR_VARIABLE errors
            RESULT_VARIABLE status)
        string(REPLACE "\r\n" "\n" errors "${errors}")
        if(NOT status EQUAL 2 OR NOT output STREQUAL "" OR NOT errors MATCHES "${expected_errors}"
           OR NOT errors MATCHES "\nTry 'lotto --help'.\n$")
            message(FATAL_ERROR "lotto ${arguments}: status ${status}\noutput: ${output}\nerrors: ${errors}")
        endif()
    endforeach()
    # Accepted: every set of the prediction holds 7 and 21 and not 13.
    file(WRITE "${work}/generate.txt" "2\n1\n")
    execute_process(COMMAND ${EMULATOR} "${LOTTO}" --with 7,21 --without 13
        INPUT_FILE "${work}/generate.txt" OUTPUT_VARIABLE output RESULT_VARIABLE status)
    string(REGEX MATCHALL "\n  [1-5] \\|\\|[ 0-9]+" chosen_sets "${output}")
    list(LENGTH chosen_sets set_count)
    if(NOT status EQUAL 0 OR NOT set_count EQUAL 5)
        message(FATAL_ERROR "lotto --with 7,21 --without 13 gave status ${status}:\n${output}")
    endif()
    foreach(set IN LISTS chosen_sets)
        string(APPEND set " ")
        if(NOT set MATCHES " 7 " OR NOT set MATCHES " 21 " OR set MATCHES " 13 ")
            message(FATAL_ERROR "a set breaks --with 7,21 --without 13: ${set}")
        endif()
    endforeach()
endif()

if(SCENARIO STREQUAL "korean")
    # Korean: help, a usage error and a refused history in the user's language; the screens
    # exactly as in English but for the numbers the clock draws. (Wine takes the Windows
    # display language from LC_ALL.)
    execute_process(COMMAND ${korean} ${EMULATOR} "${LOTTO}" --help OUTPUT_VARIABLE help
        RESULT_VARIABLE status)
    as_utf8("${help}" help)
    if(NOT status EQUAL 0 OR NOT help MATCHES "^사용법: lotto \\[--draws 파일\\] \\[--tickets \\[파일\\]\\] \\[--with 목록\\] \\[--without 목록\\]\n"
       OR NOT help MATCHES "1등은 8,145,060분의 1입니다")
        message(FATAL_ERROR "lotto --help in Korean gave status ${status}:\n${help}")
    endif()
    execute_process(COMMAND ${korean} ${EMULATOR} "${LOTTO}" --bogus ERROR_VARIABLE errors
        RESULT_VARIABLE status)
    as_utf8("${errors}" errors)
    if(NOT status EQUAL 2
       OR NOT errors STREQUAL "lotto: 알 수 없는 옵션 '--bogus'\n자세한 내용은 'lotto --help'를 보세요.\n")
        message(FATAL_ERROR "a Korean usage error gave status ${status}: ${errors}")
    endif()
    execute_process(COMMAND ${korean} ${EMULATOR} "${LOTTO}" --with 2,4 --without 1,3,5,7,9,11,13,15,17,19,21,23,25,27,29,31,33,35,37,39,41,43,45
        ERROR_VARIABLE errors RESULT_VARIABLE status)
    as_utf8("${errors}" errors)
    if(NOT status EQUAL 2 OR NOT errors STREQUAL
       "lotto: 이 번호로 만들 수 있는 세트는 모두 제안하지 않는 세트입니다: 모두 짝수\n자세한 내용은 'lotto --help'를 보세요.\n")
        message(FATAL_ERROR "a Korean refusal of --with and --without gave status ${status}: ${errors}")
    endif()
    execute_process(COMMAND ${korean} ${EMULATOR} "${LOTTO}" --draws "${work}/bad-draws.txt"
        INPUT_FILE "${work}/input.txt" ERROR_VARIABLE errors RESULT_VARIABLE status)
    as_utf8("${errors}" errors)
    if(NOT status EQUAL 1 OR NOT errors MATCHES "^lotto: [^\n]*bad-draws.txt: 21회가 빠져 있습니다\n$")
        message(FATAL_ERROR "a Korean history error gave status ${status}: ${errors}")
    endif()
    execute_process(COMMAND ${EMULATOR} "${LOTTO}" INPUT_FILE "${work}/input.txt"
        OUTPUT_FILE "${work}/output.txt")
    execute_process(COMMAND ${korean} ${EMULATOR} "${LOTTO}" INPUT_FILE "${work}/input.txt"
        OUTPUT_FILE "${work}/output-korean.txt" RESULT_VARIABLE status)
    file(READ "${work}/output.txt" english)
    file(READ "${work}/output-korean.txt" korean_screens)
    # Everything but the lines that show the drawn sets: the clock may have moved on.
    foreach(screens english korean_screens)
        string(REGEX REPLACE "(\\|\\||\\[ |[^\n]*--->|[^\n]*==========>)[^\n]*\n" ""
            ${screens} "${${screens}}")
    endforeach()
    as_utf8("${english}" frames)
    if(NOT status EQUAL 0 OR NOT english STREQUAL korean_screens
       OR NOT frames MATCHES "<점수 산정 결과 상세보기> \n=+\n1번째 set \n\n2번째 set \n")
        message(FATAL_ERROR "the screens differ under LC_ALL=ko_KR.UTF-8 (status ${status}):\n${frames}")
    endif()
endif()

if(SCENARIO STREQUAL "tickets")
    # With --tickets, choice 4 saves the five sets shown to the file, once.
    file(REMOVE "${work}/tickets.csv")
    file(WRITE "${work}/save.txt" "2\n4\n4\n1\n")
    execute_process(COMMAND ${EMULATOR} "${LOTTO}" --tickets "${work}/tickets.csv"
        INPUT_FILE "${work}/save.txt" OUTPUT_VARIABLE output ERROR_VARIABLE errors
        RESULT_VARIABLE status)
    as_utf8("${output}" output)
    file(STRINGS "${work}/tickets.csv" saved)
    list(LENGTH saved saved_lines)
    if(NOT status EQUAL 0 OR NOT saved_lines EQUAL 6 OR NOT output MATCHES "4번: 번호 저장\n"
       OR NOT output MATCHES "회 5게임을 저장하였습니다\n" OR NOT output MATCHES "이미 저장한 번호입니다\n")
        message(FATAL_ERROR "lotto --tickets gave status ${status} (${errors}), ${saved_lines} lines:\n${output}")
    endif()
    # A tickets file larger than the program updates: said as such, and left as it was.
    string(REPEAT "#" 9000000 padding)
    file(WRITE "${work}/large.csv" "round,n1,n2,n3,n4,n5,n6\n${padding}\n")
    file(SHA256 "${work}/large.csv" before)
    execute_process(COMMAND ${EMULATOR} "${LOTTO}" --tickets "${work}/large.csv"
        INPUT_FILE "${work}/save.txt" OUTPUT_VARIABLE output RESULT_VARIABLE status)
    as_utf8("${output}" output)
    file(SHA256 "${work}/large.csv" after)
    if(NOT status EQUAL 0 OR NOT before STREQUAL after OR NOT output MATCHES
       "번호를 저장하지 못했습니다: '[^']*large.csv'는 이 프로그램이 고칠 수 있는 8 MiB보다 커집니다. 아무것도 바꾸지 않았습니다\n")
        message(FATAL_ERROR "lotto --tickets with a file over 8 MiB gave status ${status}:\n${output}")
    endif()
    execute_process(COMMAND ${EMULATOR} "${LOTTO}" --tickets a.csv b.csv
        OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 2)
        message(FATAL_ERROR "lotto --tickets a.csv b.csv gave status ${status}")
    endif()
endif()
