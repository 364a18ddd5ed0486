// Wrapper around Wine's <eh.h>: the UCRT's getters of the terminate and unexpected handlers, which
// the STL's <exception> calls (ucrtbase.dll exports them).
#pragma once
#include_next <eh.h>

extern "C" {
_ACRTIMP terminate_handler __cdecl _get_terminate(void);
_ACRTIMP unexpected_handler __cdecl _get_unexpected(void);
}
