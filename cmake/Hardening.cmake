# The hardening a distribution expects of a release binary: checked buffer functions,
# stack protection, and relocations made read-only before the program starts.
add_library(lotto_hardening INTERFACE)
if(NOT WIN32 AND NOT MSVC AND NOT EMSCRIPTEN AND CMAKE_BUILD_TYPE STREQUAL "Release")
    target_compile_options(lotto_hardening INTERFACE
        -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2
        -fstack-protector-strong)
    target_link_options(lotto_hardening INTERFACE -Wl,-z,relro,-z,now)
endif()
