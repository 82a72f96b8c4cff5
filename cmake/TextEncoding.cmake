# The encoding the program's own texts are compiled to. Windows consoles of Korean users
# run code page 949, where a Hangul syllable is two bytes and two columns; elsewhere the
# sources' UTF-8 stays as it is. Only the program's targets take it: GoogleTest's headers
# do not compile under -fexec-charset=CP949.
if(WIN32)
    set(lotto_default_charset CP949)
else()
    set(lotto_default_charset "")
endif()
set(LOTTO_TEXT_CHARSET "${lotto_default_charset}" CACHE STRING
    "Encoding of the program's texts: empty for UTF-8, or CP949")

add_library(lotto_text_encoding INTERFACE)
if(LOTTO_TEXT_CHARSET STREQUAL "CP949")
    if(MSVC)
        target_compile_options(lotto_text_encoding INTERFACE /source-charset:utf-8 /execution-charset:.949)
    else()
        target_compile_options(lotto_text_encoding INTERFACE -finput-charset=UTF-8 -fexec-charset=CP949)
    endif()
elseif(NOT LOTTO_TEXT_CHARSET STREQUAL "")
    message(FATAL_ERROR "LOTTO_TEXT_CHARSET must be empty or CP949, not '${LOTTO_TEXT_CHARSET}'")
endif()
