# Turns a gettext catalogue into a compiled-in table of C++ string pairs, so that no
# program needs a run-time library or a file beside it to speak the catalogue's language.
# The .po file's strings are C string literals already; they are copied as they stand.
# Fuzzy and untranslated entries are left out: their English stands. With ONLY_FROM (source
# folders, e.g. "src/page_interface/;src/history/"), so is every message no file in them uses: the
# page carries only what it can show.
# Usage: cmake -DPO=<file.po> -DOUTPUT=<file.cpp> -DTABLE=<name> [-DONLY_FROM=<folders>]
#              -P po_to_cpp.cmake
cmake_minimum_required(VERSION 3.20)

file(READ "${PO}" text)
# Lines as a list: semicolons and brackets would split or join list items, so they travel
# as placeholders and are put back in the output.
string(REPLACE ";" "@SEMICOLON@" text "${text}")
string(REPLACE "[" "@OPEN@" text "${text}")
string(REPLACE "]" "@CLOSE@" text "${text}")
string(REPLACE "\n" ";" lines "${text}")
list(APPEND lines "")

set(entries "")
set(count 0)
set(part "")
set(msgid "")
set(msgstr "")
set(fuzzy FALSE)
set(used TRUE)
if(ONLY_FROM)
    string(REPLACE "," ";" ONLY_FROM "${ONLY_FROM}")
    set(used FALSE)
endif()
foreach(line IN LISTS lines)
    if(line MATCHES "^#: (.*)$" AND ONLY_FROM)
        string(REPLACE " " ";" locations "${CMAKE_MATCH_1}")
        foreach(location IN LISTS locations)
            foreach(folder IN LISTS ONLY_FROM)
                string(FIND "${location}" "${folder}" at)
                if(at EQUAL 0)
                    set(used TRUE)
                endif()
            endforeach()
        endforeach()
    elseif(line MATCHES "^#,.*fuzzy")
        set(fuzzy TRUE)
    elseif(line MATCHES "^msgid (\".*\")$")
        set(part msgid)
        set(msgid "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^msgstr (\".*\")$")
        set(part msgstr)
        set(msgstr "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^(\".*\")$")
        if(part STREQUAL "msgid")
            string(APPEND msgid "\n     ${CMAKE_MATCH_1}")
        elseif(part STREQUAL "msgstr")
            string(APPEND msgstr "\n     ${CMAKE_MATCH_1}")
        endif()
    elseif(line STREQUAL "")
        if(NOT msgid STREQUAL "" AND NOT msgid STREQUAL "\"\"" AND NOT msgstr STREQUAL ""
           AND NOT msgstr STREQUAL "\"\"" AND NOT fuzzy AND used)
            string(APPEND entries "    {${msgid},\n     ${msgstr}},\n")
            math(EXPR count "${count} + 1")
        endif()
        set(part "")
        set(msgid "")
        set(msgstr "")
        set(fuzzy FALSE)
        if(ONLY_FROM)
            set(used FALSE)
        else()
            set(used TRUE)
        endif()
    endif()
endforeach()

string(REPLACE "@SEMICOLON@" ";" entries "${entries}")
string(REPLACE "@OPEN@" "[" entries "${entries}")
string(REPLACE "@CLOSE@" "]" entries "${entries}")
# gettext's portable width, %<PRId64>, is the C library's own in the compiled table, so that a
# message formatted with PRId64 finds its translation on every platform.
string(REPLACE "%<PRId64>" "%\" PRId64 \"" entries "${entries}")
get_filename_component(po_name "${PO}" NAME)
set(source "// Made by cmake/po_to_cpp.cmake from po/${po_name}; edit the catalogue, not this file.
#include <cinttypes>

#include \"text/translation.hpp\"

extern const TranslatedMessage ${TABLE}[];
extern const int ${TABLE}_COUNT;
const TranslatedMessage ${TABLE}[] = {
${entries}    {nullptr, nullptr},
};
const int ${TABLE}_COUNT = ${count};
")
# Written only when it changes, so that an unchanged catalogue rebuilds nothing.
file(WRITE "${OUTPUT}.new" "${source}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
