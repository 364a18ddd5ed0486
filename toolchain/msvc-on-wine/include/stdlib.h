// Wrapper around Wine's <stdlib.h>: quick_exit and at_quick_exit, which the STL's <cstdlib> names,
// with the UCRT's declarations (at_quick_exit, like atexit, belongs to the start-up library:
// startup/initializers.c), _set_abort_behavior, and the UCRT's C++ overloads of abs.
#pragma once
#include_next <stdlib.h>

#ifdef __cplusplus
extern "C" {
#endif
_ACRTIMP __declspec(noreturn) void __cdecl quick_exit(int _Code);
int __cdecl at_quick_exit(void(__cdecl* _Function)(void));
_ACRTIMP unsigned int __cdecl _set_abort_behavior(unsigned int _Flags, unsigned int _Mask);
#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
extern "C++" {
inline long __cdecl abs(long const _Number) noexcept { return labs(_Number); }
inline long long __cdecl abs(long long const _Number) noexcept { return llabs(_Number); }
}
#endif
