# Turns the file INPUT into a C++ source OUTPUT that defines the bytes as NAME and their
# count as NAME_SIZE, byte for byte (no compiler limits a literal of this form).
# Usage: cmake -DINPUT=<file> -DOUTPUT=<cpp> -DNAME=<identifier> -P embed_file.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.new"
    "// Made from ${INPUT} by cmake/embed_file.cmake; do not edit.\n"
    "#include <cstddef>\n\n"
    "extern const unsigned char ${NAME}[];\n"
    "extern const std::size_t ${NAME}_SIZE;\n"
    "const unsigned char ${NAME}[] = {\n${bytes}0};\n"
    "const std::size_t ${NAME}_SIZE = ${size};\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
