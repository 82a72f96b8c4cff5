# The web page: the generation and scoring code compiled to WebAssembly with emscripten,
# beside the page's own files, laid out as one folder, build/web/site, ready to serve.
set(lotto_site ${PROJECT_BINARY_DIR}/site)

add_executable(lotto_web web/page_interface.cpp)
target_link_libraries(lotto_web PRIVATE lotto_history lotto_warnings)
set(lotto_web_exports
    _lotto_generate _lotto_number _lotto_total _lotto_points _lotto_value
    _lotto_criterion_count _lotto_criterion_name _lotto_criterion_key
    _lotto_color_group _lotto_ball_color_key _lotto_ball_color_name _lotto_ball_color_lowest
    _lotto_ball_color_highest
    _lotto_history_buffer _lotto_history_capacity _lotto_history_name_buffer
    _lotto_history_name_capacity _lotto_use_history _lotto_history_error
    _lotto_history_round _lotto_use_built_in_lists)
list(JOIN lotto_web_exports "," lotto_web_export_list)
set_target_properties(lotto_web PROPERTIES
    OUTPUT_NAME core
    SUFFIX .mjs
    RUNTIME_OUTPUT_DIRECTORY ${lotto_site})
target_compile_options(lotto_web PRIVATE -Oz)
target_link_options(lotto_web PRIVATE -Oz
    -sENVIRONMENT=web -sMODULARIZE=1 -sEXPORT_ES6=1 -sEXPORT_NAME=LottoCore
    -sEXPORTED_FUNCTIONS=${lotto_web_export_list}
    -sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,HEAPU8
)

# The same core for Node, so the browser tests can ask it what a seed gives.
add_executable(lotto_web_node web/page_interface.cpp)
target_link_libraries(lotto_web_node PRIVATE lotto_history lotto_warnings)
set_target_properties(lotto_web_node PROPERTIES OUTPUT_NAME core-node SUFFIX .cjs)
target_link_options(lotto_web_node PRIVATE
    -sENVIRONMENT=node -sMODULARIZE=1 -sSINGLE_FILE=1
    -sEXPORTED_FUNCTIONS=${lotto_web_export_list}
    -sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,HEAPU8)

# The page's own files, copied beside the module; the service worker's cache is named
# after the content of the site's files, so any change replaces the old files on every
# device. Stamped on every build, after the core: it is quick and writes only a change.
set(lotto_page_files index.html style.css app.mjs manifest.webmanifest icon.svg icon-192.png
    icon-512.png)
foreach(file ${lotto_page_files})
    configure_file(${PROJECT_SOURCE_DIR}/web/${file} ${lotto_site}/${file} COPYONLY)
endforeach()
add_custom_target(web_site ALL
    COMMAND ${CMAKE_COMMAND} -DSITE=${lotto_site} -DTEMPLATE=${PROJECT_SOURCE_DIR}/web/sw.js
            -P ${PROJECT_SOURCE_DIR}/cmake/stamp_service_worker.cmake
    DEPENDS lotto_web
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
