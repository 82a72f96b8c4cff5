# lotto_embed_file(<target> <name> <file>): compiles `file` into `target` as the bytes `name`
# and their count `name`_SIZE (cmake/embed_file.cmake writes the source).
function(lotto_embed_file target name file)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/generated/${name}.cpp)
    string(TOLOWER "${output}" output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${output} -DNAME=${name}
                -P ${PROJECT_SOURCE_DIR}/cmake/embed_file.cmake
        DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/embed_file.cmake
        COMMENT "Compiling ${file} into the programs")
    target_sources(${target} PRIVATE ${output})
endfunction()
