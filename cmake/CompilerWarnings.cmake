# Warnings every target of ours is built with.
add_library(lotto_warnings INTERFACE)

if(MSVC)
    target_compile_options(lotto_warnings INTERFACE
        /W4                       # the usual high level
        /permissive-              # standard conformance
        $<$<BOOL:${LOTTO_WARNINGS_AS_ERRORS}>:/WX>)
else()
    target_compile_options(lotto_warnings INTERFACE
        -Wall                     # the common mistakes
        -Wextra                   # unused parameters, sign comparisons and more
        -Wpedantic                # nothing outside ISO C++
        -Wshadow                  # a local hiding another name reads wrong
        -Wconversion              # silent narrowing of numbers
        -Wformat=2                # every printf-style format checked against its arguments
        -Wno-sign-conversion      # int indexes into std::array are deliberate; clang implies it
        $<$<BOOL:${LOTTO_WARNINGS_AS_ERRORS}>:-Werror>)
endif()

# The code throws and catches nothing: the programs are built without exceptions, so that
# none can appear unseen. The tests, built around GoogleTest, keep them.
add_library(lotto_no_exceptions INTERFACE)
if(NOT MSVC)
    target_compile_options(lotto_no_exceptions INTERFACE -fno-exceptions)
endif()
