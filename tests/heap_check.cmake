# The program allocates nothing while it runs: a session of 200 generations and 200 detail
# screens makes exactly as many heap allocations as a session of one generation, and
# valgrind finds no error and no leak in either.
# Usage: cmake -DLOTTO=<path> -DVALGRIND=<path> -P heap_check.cmake
cmake_minimum_required(VERSION 3.20)

set(work "${CMAKE_CURRENT_BINARY_DIR}/heap_check")
file(MAKE_DIRECTORY "${work}")

# Runs one session under valgrind, with the program's arguments after the input; sets
# <result>_allocs and <result>_output.
function(run_session result input)
    file(WRITE "${work}/${result}.in" "${input}")
    execute_process(COMMAND "${VALGRIND}" --leak-check=full
            --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=99 "${LOTTO}" ${ARGN}
        INPUT_FILE "${work}/${result}.in"
        OUTPUT_VARIABLE output
        ERROR_VARIABLE report
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "valgrind found errors or leaks (status ${status}):\n${report}")
    endif()
    if(NOT report MATCHES "total heap usage: ([0-9,]+) allocs")
        message(FATAL_ERROR "no heap summary from valgrind:\n${report}")
    endif()
    set(${result}_allocs "${CMAKE_MATCH_1}" PARENT_SCOPE)
    set(${result}_output "${output}" PARENT_SCOPE)
endfunction()

# The longer session did what it was asked (`count` of what it should show `wanted`), and
# allocated as often as the shorter one.
function(expect_same_allocations count wanted what short_allocs long_allocs short long)
    if(NOT count EQUAL wanted)
        message(FATAL_ERROR "${count} ${what}, not ${wanted}")
    endif()
    if(NOT short_allocs STREQUAL long_allocs)
        message(FATAL_ERROR "heap allocations grow with use: ${short_allocs} for ${short}, "
            "${long_allocs} for ${long}")
    endif()
    message(STATUS "heap allocations: ${short_allocs} for ${short} and for ${long}")
endfunction()

run_session(short "2\n1\n")
string(REPEAT "2\n3\n2\n" 200 many_screens)
run_session(long "${many_screens}1\n")

string(REGEX MATCHALL "2번 돌아가기" detail_screens "${long_output}")
list(LENGTH detail_screens detail_count)
expect_same_allocations("${detail_count}" 200 "detail screens in the long session"
    "${short_allocs}" "${long_allocs}" "one generation" "200 generations and 200 detail screens")

# With --tickets, saving sets to the tickets file allocates nothing either: one save costs
# what twenty do, the file growing each time.
file(REMOVE "${work}/one.csv" "${work}/many.csv")
run_session(one_save "2\n4\n1\n" --tickets "${work}/one.csv")
string(REPEAT "2\n4\n" 20 many_saves)
run_session(many_saves "${many_saves}1\n" --tickets "${work}/many.csv")
file(STRINGS "${work}/many.csv" saved)
list(LENGTH saved saved_lines)
expect_same_allocations("${saved_lines}" 101 "lines after twenty saves (a header and 100 games)"
    "${one_save_allocs}" "${many_saves_allocs}" "one save" "twenty saves")
