# Builds the web preset and runs the page's tests in every browser engine installed
# (web/tests/engines.mjs says which it skips), against the native lotto-stats of this build.
# Usage: cmake -DSOURCE_DIR=<top> -DLOTTO_STATS=<path> -P run_web_tests.cmake
cmake_minimum_required(VERSION 3.20)

set(ENV{NODE_PATH} /usr/share/nodejs)
set(ENV{LOTTO_STATS} "${LOTTO_STATS}")
# The page's answer codes as the web build writes them (its preset builds in build/web).
set(ENV{LOTTO_PAGE_CODES} "${SOURCE_DIR}/build/web/page/page_codes.mjs")
function(run)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${SOURCE_DIR}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "'${ARGN}' failed with ${status}")
    endif()
endfunction()

# The site's build needs esbuild and the QR decoder from npm, the tests the rest.
foreach(package puppeteer-core axe-core esbuild barcode-detector zxing-wasm qrcode)
    if(NOT EXISTS "${SOURCE_DIR}/web/node_modules/${package}")
        run(npm --prefix web ci --no-audit --no-fund)
        break()
    endif()
endforeach()
run(${CMAKE_COMMAND} --preset web)
run(${CMAKE_COMMAND} --build --preset web --target all web_package)
run(npm --prefix web test)
