// The empty page's module: the bindings' runtime and nothing bound.
#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(gelvor_floor) {}
