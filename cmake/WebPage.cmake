# The web page: the generation and scoring code compiled to WebAssembly with emscripten,
# its C interface exported where the code marks it (LOTTO_PAGE_EXPORT),
# beside the page's own files, laid out as one folder, build/web/site, ready to serve.
set(lotto_site ${PROJECT_BINARY_DIR}/site)

# The sources of `target` and of every library it links, as paths from the top, gathered
# into `variable`.
function(lotto_linked_sources target variable)
    set(seen ${ARGN})
    set(sources "")
    if(NOT TARGET ${target} OR ${target} IN_LIST seen)
        set(${variable} "" PARENT_SCOPE)
        return()
    endif()
    list(APPEND seen ${target})
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
        get_target_property(folder ${target} SOURCE_DIR)
        get_target_property(own ${target} SOURCES)
        foreach(source IN LISTS own)
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${folder})
            cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${PROJECT_SOURCE_DIR})
            list(APPEND sources ${source})
        endforeach()
    endif()
    get_target_property(links ${target} LINK_LIBRARIES)
    foreach(link IN LISTS links)
        if(TARGET ${link})
            lotto_linked_sources(${link} linked ${seen})
            list(APPEND sources ${linked})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES sources)
    set(${variable} ${sources} PARENT_SCOPE)
endfunction()

# Each WebAssembly build carries the Korean messages of the code it links, and no others.
function(lotto_page_messages target)
    lotto_linked_sources(${target} sources)
    list(FILTER sources INCLUDE REGEX "^src/")
    list(JOIN sources "," only_from)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/generated/${target}_messages.cpp)
    lotto_korean_messages(${output} "${only_from}")
    target_sources(${target} PRIVATE ${output})
endfunction()

# esbuild (pinned in web/package.json) makes the page's scripts small for the phone and
# bundles the QR decoder; the sources stay as they are written.
find_program(ESBUILD esbuild PATHS ${PROJECT_SOURCE_DIR}/web/node_modules/.bin NO_DEFAULT_PATH)
if(NOT ESBUILD)
    message(FATAL_ERROR "The page's scripts are built with esbuild from npm: run 'npm --prefix web ci' first")
endif()

add_executable(lotto_web ${page_sources})
target_link_libraries(lotto_web PRIVATE lotto_tickets lotto_warnings)
lotto_page_messages(lotto_web)
set_target_properties(lotto_web PROPERTIES
    OUTPUT_NAME core
    SUFFIX .mjs
    RUNTIME_OUTPUT_DIRECTORY ${lotto_site})
# Room for the device's tickets and a file picked for import beside them, 100,000 games each.
target_link_options(lotto_web PRIVATE -Oz
    -sENVIRONMENT=web -sMODULARIZE=1 -sEXPORT_ES6=1 -sEXPORT_NAME=LottoCore -sINITIAL_MEMORY=32MB
    -sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,lengthBytesUTF8,HEAPU8
)
add_custom_command(TARGET lotto_web POST_BUILD
    COMMAND ${ESBUILD} ${lotto_site}/core.mjs --minify --format=esm --log-level=warning
            --allow-overwrite --outfile=${lotto_site}/core.mjs
    VERBATIM)

# The same core for Node, so the browser tests can ask it what a seed gives.
add_executable(lotto_web_node ${page_sources})
target_link_libraries(lotto_web_node PRIVATE lotto_tickets lotto_warnings)
lotto_page_messages(lotto_web_node)
set_target_properties(lotto_web_node PROPERTIES OUTPUT_NAME core-node SUFFIX .cjs)
target_link_options(lotto_web_node PRIVATE
    -sENVIRONMENT=node -sMODULARIZE=1 -sSINGLE_FILE=1 -sINITIAL_MEMORY=32MB
    -sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,lengthBytesUTF8,HEAPU8)

# The week's update and the reader of the results source's answers, loaded once the page
# first asks the source: the same procedure and rules as lotto-stats --update, apart from the
# first view.
add_executable(lotto_results_web page_results.cpp)
target_link_libraries(lotto_results_web PRIVATE lotto_results lotto_warnings)
lotto_page_messages(lotto_results_web)
set_target_properties(lotto_results_web PROPERTIES
    OUTPUT_NAME results-core
    SUFFIX .mjs
    RUNTIME_OUTPUT_DIRECTORY ${lotto_site})
target_link_options(lotto_results_web PRIVATE -Oz
    -sENVIRONMENT=web -sMODULARIZE=1 -sEXPORT_ES6=1 -sEXPORT_NAME=LottoResults
    -sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,HEAPU8)
add_custom_command(TARGET lotto_results_web POST_BUILD
    COMMAND ${ESBUILD} ${lotto_site}/results-core.mjs --minify --format=esm --log-level=warning
            --allow-overwrite --outfile=${lotto_site}/results-core.mjs
    VERBATIM)

# The back-test, in a worker the page starts only when asked: the page's history and the
# statistics core, built for speed rather than size, twice: with WebAssembly SIMD, and
# without it for a browser that lacks it. Its table of every set's fixed points takes 8 MB.
set(lotto_back_test_sources page_buffers.cpp page_history.cpp page_back_test.cpp)
foreach(flavour plain simd)
    set(target lotto_back_test_${flavour})
    add_executable(${target} ${lotto_back_test_sources})
    if(flavour STREQUAL simd)
        set(output back-test-simd)
    else()
        set(output back-test)
    endif()
    target_link_libraries(${target} PRIVATE lotto_reports lotto_counting_${flavour} lotto_tickets lotto_warnings)
    lotto_page_messages(${target})
    target_compile_options(${target} PRIVATE -O3)
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME ${output}
        SUFFIX .mjs
        RUNTIME_OUTPUT_DIRECTORY ${lotto_site})
    target_link_options(${target} PRIVATE -O3
        -sENVIRONMENT=web,worker -sMODULARIZE=1 -sEXPORT_ES6=1 -sEXPORT_NAME=LottoBackTest
        -sINITIAL_MEMORY=32MB
        -sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,HEAPU8)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${ESBUILD} ${lotto_site}/${output}.mjs --minify --format=esm --log-level=warning
                --allow-overwrite --outfile=${lotto_site}/${output}.mjs
        VERBATIM)
endforeach()

# The page's own files, copied beside the module; the service worker's cache is named
# after the content of the site's files, so any change replaces the old files on every
# device. Stamped on every build, after the core: it is quick and writes only a change.
set(lotto_page_files manifest.webmanifest icon.svg icon-192.png icon-512.png)
foreach(file ${lotto_page_files})
    configure_file(${PROJECT_SOURCE_DIR}/web/${file} ${lotto_site}/${file} COPYONLY)
endforeach()
# The results source and its origin, in the page alone: its Content-Security-Policy lets
# the page connect to that origin and no other, and the page reads the source from beside it.
string(REGEX MATCH "^[a-z]+://[^/]+" LOTTO_RESULTS_ORIGIN "${LOTTO_RESULTS_SOURCE}")
if(NOT LOTTO_RESULTS_ORIGIN OR NOT LOTTO_RESULTS_SOURCE MATCHES "{round}" OR LOTTO_RESULTS_SOURCE MATCHES "[\"<> ]")
    message(FATAL_ERROR "LOTTO_RESULTS_SOURCE must be a link with {round} in it, not '${LOTTO_RESULTS_SOURCE}'")
endif()
# Without the indentation that only helps a reader of the source: a phone loads every byte.
configure_file(${PROJECT_SOURCE_DIR}/web/index.html ${PROJECT_BINARY_DIR}/index.html @ONLY)
file(READ ${PROJECT_BINARY_DIR}/index.html lotto_page_html)
string(REGEX REPLACE "\n +" "\n" lotto_page_html "${lotto_page_html}")
file(CONFIGURE OUTPUT ${lotto_site}/index.html CONTENT "${lotto_page_html}" @ONLY)
# The real draws and what each round paid, the same files the programs ship.
configure_file(${PROJECT_SOURCE_DIR}/data/draws.csv ${lotto_site}/draws.csv COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/prizes.csv ${lotto_site}/prizes.csv COPYONLY)
# The QR decoder's WebAssembly, served from the site rather than a CDN.
configure_file(${PROJECT_SOURCE_DIR}/web/node_modules/zxing-wasm/dist/reader/zxing_reader.wasm
               ${lotto_site}/zxing_reader.wasm COPYONLY)

# The QR decoder from npm (web/package.json pins it), bundled as one module of its own.
add_custom_command(OUTPUT ${lotto_site}/qr-decoder.mjs
    COMMAND ${ESBUILD} ${PROJECT_SOURCE_DIR}/web/qr-decoder.mjs --bundle --format=esm --minify
            --log-level=warning --outfile=${lotto_site}/qr-decoder.mjs
    DEPENDS ${PROJECT_SOURCE_DIR}/web/qr-decoder.mjs ${PROJECT_SOURCE_DIR}/web/package-lock.json
    COMMENT "Bundling the QR decoder"
    VERBATIM)
# The page's modules, bundled: app.mjs and what the first section needs, and a part for each
# other section, loaded when first opened. The parts are named after their content, so a
# page open over a release never runs another release's part; the build's metafile says
# which parts app.mjs loads at once (the first view).
file(GLOB lotto_page_modules CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/web/page/*.mjs)
set(lotto_app_metafile ${PROJECT_BINARY_DIR}/app-metafile.json)
add_custom_command(OUTPUT ${lotto_site}/app.mjs ${lotto_app_metafile}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${lotto_site}/parts
    COMMAND ${ESBUILD} ${PROJECT_SOURCE_DIR}/web/app.mjs --bundle --splitting --minify --format=esm
            --target=es2022 --external:./core.mjs --external:./qr-decoder.mjs --external:./results.mjs
            --alias:lotto-page-codes=${LOTTO_PAGE_CODES} --log-level=warning
            --outdir=. --out-extension:.js=.mjs --chunk-names=parts/[name]-[hash]
            --metafile=${lotto_app_metafile}
    WORKING_DIRECTORY ${lotto_site}
    DEPENDS ${PROJECT_SOURCE_DIR}/web/app.mjs ${lotto_page_modules} ${LOTTO_PAGE_CODES}
    COMMENT "Bundling the page's modules: the first view, and a part for each later section"
    VERBATIM)
add_custom_command(OUTPUT ${lotto_site}/back-test-worker.mjs
    COMMAND ${ESBUILD} ${PROJECT_SOURCE_DIR}/web/back-test-worker.mjs --minify --format=esm
            --target=es2022 --log-level=warning --outfile=${lotto_site}/back-test-worker.mjs
    DEPENDS ${PROJECT_SOURCE_DIR}/web/back-test-worker.mjs
    COMMENT "Making the back-test's worker small"
    VERBATIM)
# The fetching of the week's results: its own script, loaded when the page first asks the
# source; its reader stays a file of its own.
add_custom_command(OUTPUT ${lotto_site}/results.mjs
    COMMAND ${ESBUILD} ${PROJECT_SOURCE_DIR}/web/results.mjs --bundle --minify --format=esm
            --target=es2022 --external:./results-core.mjs --alias:lotto-page-codes=${LOTTO_PAGE_CODES}
            --log-level=warning --outfile=${lotto_site}/results.mjs
    DEPENDS ${PROJECT_SOURCE_DIR}/web/results.mjs ${lotto_page_modules} ${LOTTO_PAGE_CODES}
    COMMENT "Bundling the fetching of the week's results"
    VERBATIM)
# The style sheet and the early script, made small as the modules are.
foreach(file style.css early.js)
    add_custom_command(OUTPUT ${lotto_site}/${file}
        COMMAND ${ESBUILD} ${PROJECT_SOURCE_DIR}/web/${file} --minify --log-level=warning
                --outfile=${lotto_site}/${file}
        DEPENDS ${PROJECT_SOURCE_DIR}/web/${file}
        VERBATIM)
endforeach()
add_custom_target(web_scripts DEPENDS ${lotto_site}/qr-decoder.mjs ${lotto_site}/app.mjs
                  ${lotto_site}/style.css ${lotto_site}/early.js
                  ${lotto_site}/back-test-worker.mjs ${lotto_site}/results.mjs)
# The first view: what a phone loads to show the page and make sets. Everything else (the
# draws, fetched once the page works; the QR decoder and the back-test, loaded when asked
# for; the service worker and the install icons) comes after it. Named here alone: the site's
# list of files beside it says which part each file is (CI weighs both parts from it).
set(lotto_first_view index.html style.css early.js app.mjs core.mjs core.wasm icon.svg
    manifest.webmanifest)
list(JOIN lotto_first_view "," lotto_first_view_argument)
add_custom_target(web_site ALL
    COMMAND ${CMAKE_COMMAND} -DSITE=${lotto_site} -DLIST=${PROJECT_BINARY_DIR}/site-files.txt
            -DFIRST_VIEW=${lotto_first_view_argument} -DMETAFILE=${lotto_app_metafile}
            -DTEMPLATE=${PROJECT_SOURCE_DIR}/web/sw.js
            -P ${PROJECT_SOURCE_DIR}/cmake/stamp_service_worker.cmake
    DEPENDS lotto_web lotto_results_web lotto_back_test_plain lotto_back_test_simd web_scripts
    COMMENT "Naming the service worker's cache after the site's content"
    VERBATIM)

# The site as one ZIP for a static host: lotto-web-<version>.zip beside the site folder.
add_custom_target(web_package
    COMMAND ${CMAKE_COMMAND} -E tar cf ${PROJECT_BINARY_DIR}/lotto-web-${PROJECT_VERSION}.zip
            --format=zip .
    WORKING_DIRECTORY ${lotto_site}
    DEPENDS web_site
    COMMENT "Packing the site as lotto-web-${PROJECT_VERSION}.zip"
    VERBATIM)
