# Writes the site's list of files and its service worker. The list, beside the site, names
# each file with its part: the first view (what a phone loads to show the page and make
# sets) or later (fetched after it, or when asked for); the service worker keeps every file
# of it, in a cache named after their content, so that a changed file is a new cache, new
# version or not.
# Usage: cmake -DSITE=<site folder> [-DLIST=<list file> -DFIRST_VIEW=<a,b,...>]
#              -DTEMPLATE=<web/sw.js> -P stamp_service_worker.cmake
cmake_minimum_required(VERSION 3.20)

string(REPLACE "," ";" FIRST_VIEW "${FIRST_VIEW}")
file(GLOB files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files sw.js sw.js.new)
list(SORT files)
set(digests "")
set(listed "")
set(cached "'./'")
foreach(file IN LISTS files)
    file(SHA256 "${SITE}/${file}" digest)
    string(APPEND digests "${file} ${digest}\n")
    if(file IN_LIST FIRST_VIEW)
        string(APPEND listed "first-view ${file}\n")
    else()
        string(APPEND listed "later ${file}\n")
    endif()
    string(APPEND cached ", '${file}'")
endforeach()
foreach(file IN LISTS FIRST_VIEW)
    if(NOT file IN_LIST files)
        message(FATAL_ERROR "the first view names ${file}, which the site does not hold")
    endif()
endforeach()
string(APPEND listed "later sw.js\n")
string(SHA256 site_hash "${digests}")
string(SUBSTRING "${site_hash}" 0 16 SITE_HASH)
set(SITE_FILES "${cached}")
configure_file("${TEMPLATE}" "${SITE}/sw.js.new" @ONLY)
file(COPY_FILE "${SITE}/sw.js.new" "${SITE}/sw.js" ONLY_IF_DIFFERENT)
file(REMOVE "${SITE}/sw.js.new")
if(LIST)
    file(WRITE "${LIST}.new" "${listed}")
    file(COPY_FILE "${LIST}.new" "${LIST}" ONLY_IF_DIFFERENT)
    file(REMOVE "${LIST}.new")
endif()
