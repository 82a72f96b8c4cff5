# Writes the site's service worker with its cache named after the content of every other
# file of the site, so that a changed file is a new cache, new version or not.
# Usage: cmake -DSITE=<site folder> -DTEMPLATE=<web/sw.js> -P stamp_service_worker.cmake
cmake_minimum_required(VERSION 3.20)

file(GLOB files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
foreach(file IN LISTS files)
    file(SHA256 "${SITE}/${file}" digest)
    string(APPEND digests "${file} ${digest}\n")
endforeach()
string(SHA256 site_hash "${digests}")
string(SUBSTRING "${site_hash}" 0 16 SITE_HASH)
configure_file("${TEMPLATE}" "${SITE}/sw.js.new" @ONLY)
file(COPY_FILE "${SITE}/sw.js.new" "${SITE}/sw.js" ONLY_IF_DIFFERENT)
file(REMOVE "${SITE}/sw.js.new")
