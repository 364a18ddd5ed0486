// Wrapper around Wine's <corecrt.h>: the UCRT's reaction to an invalid parameter in release builds,
// which the STL uses for its checks.
#pragma once
#include_next <corecrt.h>

#ifdef __cplusplus
extern "C" {
#endif
_ACRTIMP __declspec(noreturn) void __cdecl _invalid_parameter_noinfo_noreturn(void);
#ifdef __cplusplus
}
#endif
#ifndef _CRT_SECURE_INVALID_PARAMETER
#define _CRT_SECURE_INVALID_PARAMETER(expr) _invalid_parameter_noinfo_noreturn()
#endif
