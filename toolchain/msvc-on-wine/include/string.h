// Wrapper around Wine's <string.h>: the UCRT's <string.h> also brings the errno constants (through
// its inline memcpy_s), which the STL's <string> relies on.
#pragma once
#include_next <string.h>
#include <errno.h>
