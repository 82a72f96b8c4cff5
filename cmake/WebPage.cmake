# The web page: the generation and scoring code compiled to WebAssembly with emscripten,
# beside the page's own files, laid out as one folder, build/web/site, ready to serve.
set(lotto_site ${PROJECT_BINARY_DIR}/site)

# esbuild (pinned in web/package.json) makes the page's scripts small for the phone and
# bundles the QR decoder; the sources stay as they are written.
find_program(ESBUILD esbuild PATHS ${PROJECT_SOURCE_DIR}/web/node_modules/.bin NO_DEFAULT_PATH)
if(NOT ESBUILD)
    message(FATAL_ERROR "The page's scripts are built with esbuild from npm: run 'npm --prefix web ci' first")
endif()

add_executable(lotto_web ${page_sources})
target_link_libraries(lotto_web PRIVATE lotto_tickets lotto_warnings)
set(lotto_web_exports
    _lotto_generate _lotto_number _lotto_total _lotto_criterion_count _lotto_criterion_name
    _lotto_criterion_key _lotto_color_group _lotto_ball_color_key _lotto_ball_color_name
    _lotto_ball_color_lowest _lotto_ball_color_highest _lotto_points _lotto_value
    _lotto_history_buffer _lotto_history_capacity _lotto_history_name_buffer
    _lotto_history_name_capacity _lotto_history_length _lotto_use_history _lotto_history_error
    _lotto_history_round _lotto_use_lists_of_round _lotto_use_built_in_lists _lotto_line_buffer
    _lotto_line_capacity _lotto_next_draw_line _lotto_add_draw _lotto_added_round
    _lotto_tickets_buffer _lotto_tickets_capacity _lotto_tickets_name_buffer
    _lotto_tickets_name_capacity _lotto_tickets_length _lotto_use_tickets _lotto_message
    _lotto_add_ticket _lotto_added_ticket_round _lotto_save_sets _lotto_round_on_sale _lotto_draw_date_of_round
    _lotto_remove_ticket _lotto_ticket_count _lotto_ticket_round _lotto_ticket_number
    _lotto_ticket_slip _lotto_ticket_rank _lotto_ticket_matched _lotto_ticket_prize
    _lotto_summarize_tickets _lotto_summary_games _lotto_summary_spent _lotto_summary_won
    _lotto_summary_count _lotto_result_name _lotto_pool_prizes_note _lotto_choose_numbers
    _lotto_kept_count _lotto_kept_number _lotto_left_out)
list(JOIN lotto_web_exports "," lotto_web_export_list)
set_target_properties(lotto_web PROPERTIES
    OUTPUT_NAME core
    SUFFIX .mjs
    RUNTIME_OUTPUT_DIRECTORY ${lotto_site})
target_link_options(lotto_web PRIVATE -Oz
    -sENVIRONMENT=web -sMODULARIZE=1 -sEXPORT_ES6=1 -sEXPORT_NAME=LottoCore
    -sEXPORTED_FUNCTIONS=${lotto_web_export_list}
    -sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,lengthBytesUTF8,HEAPU8
)
add_custom_command(TARGET lotto_web POST_BUILD
    COMMAND ${ESBUILD} ${lotto_site}/core.mjs --minify --format=esm --log-level=warning
            --allow-overwrite --outfile=${lotto_site}/core.mjs
    VERBATIM)

# The same core for Node, so the browser tests can ask it what a seed gives.
add_executable(lotto_web_node ${page_sources})
target_link_libraries(lotto_web_node PRIVATE lotto_tickets lotto_warnings)
set_target_properties(lotto_web_node PROPERTIES OUTPUT_NAME core-node SUFFIX .cjs)
target_link_options(lotto_web_node PRIVATE
    -sENVIRONMENT=node -sMODULARIZE=1 -sSINGLE_FILE=1
    -sEXPORTED_FUNCTIONS=${lotto_web_export_list}
    -sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,lengthBytesUTF8,HEAPU8)

# The back-test, in a worker the page starts only when asked: the page's history and the
# statistics core, built for speed rather than size, twice: with WebAssembly SIMD, and
# without it for a browser that lacks it. Its table of every set's fixed points takes 8 MB.
set(lotto_back_test_sources page_buffers.cpp page_history.cpp page_back_test.cpp)
set(lotto_back_test_exports
    _lotto_history_buffer _lotto_history_capacity _lotto_history_name_buffer
    _lotto_history_name_capacity _lotto_use_history _lotto_history_error _lotto_back_test_draws
    _lotto_back_test_batches _lotto_count_back_test_batch _lotto_back_test_counts
    _lotto_back_test_counts_size _lotto_start_back_test _lotto_add_back_test_batch
    _lotto_back_test_tested
    _lotto_back_test_mean_mid_rank _lotto_back_test_p_value _lotto_back_test_line
    _lotto_back_test_csv)
list(JOIN lotto_back_test_exports "," lotto_back_test_export_list)
foreach(flavour plain simd)
    set(target lotto_back_test_${flavour})
    add_executable(${target} ${lotto_back_test_sources})
    if(flavour STREQUAL simd)
        set(output back-test-simd)
    else()
        set(output back-test)
    endif()
    target_link_libraries(${target} PRIVATE lotto_reports lotto_counting_${flavour} lotto_tickets lotto_warnings)
    target_compile_options(${target} PRIVATE -O3)
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME ${output}
        SUFFIX .mjs
        RUNTIME_OUTPUT_DIRECTORY ${lotto_site})
    target_link_options(${target} PRIVATE -O3
        -sENVIRONMENT=web,worker -sMODULARIZE=1 -sEXPORT_ES6=1 -sEXPORT_NAME=LottoBackTest
        -sINITIAL_MEMORY=32MB
        -sEXPORTED_FUNCTIONS=${lotto_back_test_export_list}
        -sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,HEAPU8)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${ESBUILD} ${lotto_site}/${output}.mjs --minify --format=esm --log-level=warning
                --allow-overwrite --outfile=${lotto_site}/${output}.mjs
        VERBATIM)
endforeach()

# The page's own files, copied beside the module; the service worker's cache is named
# after the content of the site's files, so any change replaces the old files on every
# device. Stamped on every build, after the core: it is quick and writes only a change.
set(lotto_page_files index.html style.css early.js manifest.webmanifest icon.svg icon-192.png
    icon-512.png)
foreach(file ${lotto_page_files})
    configure_file(${PROJECT_SOURCE_DIR}/web/${file} ${lotto_site}/${file} COPYONLY)
endforeach()
# The real draws, the same file the programs ship.
configure_file(${PROJECT_SOURCE_DIR}/data/draws.csv ${lotto_site}/draws.csv COPYONLY)
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
add_custom_command(OUTPUT ${lotto_site}/app.mjs
    COMMAND ${ESBUILD} ${PROJECT_SOURCE_DIR}/web/app.mjs --minify --format=esm --target=es2022
            --log-level=warning --outfile=${lotto_site}/app.mjs
    DEPENDS ${PROJECT_SOURCE_DIR}/web/app.mjs
    COMMENT "Making the page's script small"
    VERBATIM)
add_custom_command(OUTPUT ${lotto_site}/back-test-worker.mjs
    COMMAND ${ESBUILD} ${PROJECT_SOURCE_DIR}/web/back-test-worker.mjs --minify --format=esm
            --target=es2022 --log-level=warning --outfile=${lotto_site}/back-test-worker.mjs
    DEPENDS ${PROJECT_SOURCE_DIR}/web/back-test-worker.mjs
    COMMENT "Making the back-test's worker small"
    VERBATIM)
add_custom_target(web_scripts DEPENDS ${lotto_site}/qr-decoder.mjs ${lotto_site}/app.mjs
                  ${lotto_site}/back-test-worker.mjs)
add_custom_target(web_site ALL
    COMMAND ${CMAKE_COMMAND} -DSITE=${lotto_site} -DTEMPLATE=${PROJECT_SOURCE_DIR}/web/sw.js
            -P ${PROJECT_SOURCE_DIR}/cmake/stamp_service_worker.cmake
    DEPENDS lotto_web lotto_back_test_plain lotto_back_test_simd web_scripts
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
