#pragma once

// Marks a function of the page's C interface: the WebAssembly build exports every function so
// marked, so the interface is declared once, here in the code, and no build lists its names.
#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define LOTTO_PAGE_EXPORT EMSCRIPTEN_KEEPALIVE
#else
#define LOTTO_PAGE_EXPORT
#endif
