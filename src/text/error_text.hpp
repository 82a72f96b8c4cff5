#pragma once

// What a C library error number means, in the language in use: the errors a user meets
// with files and streams in words of the catalogue, any other as the C library says it.
const char* error_text(int error);
