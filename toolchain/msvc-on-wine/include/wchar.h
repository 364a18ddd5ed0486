// Wrapper around Wine's <wchar.h>: adds the declarations the STL's <cwchar> names that Wine's header
// lacks, with the UCRT's signatures (the functions themselves are in ucrtbase.dll).
#pragma once
#include_next <wchar.h>
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif
_ACRTIMP int __cdecl fwide(FILE* _Stream, int _Mode);
_ACRTIMP int __cdecl mbsinit(const mbstate_t* _State);
_ACRTIMP long double __cdecl wcstold(const wchar_t* _String, wchar_t** _End);
static inline int __cdecl vfwscanf(FILE* _Stream, const wchar_t* _Format, va_list _Args) {
    return __stdio_common_vfwscanf(_CRT_INTERNAL_LOCAL_SCANF_OPTIONS, _Stream, _Format, NULL, _Args);
}
static inline int __cdecl vwscanf(const wchar_t* _Format, va_list _Args) {
    return vfwscanf(stdin, _Format, _Args);
}
static inline int __cdecl vswscanf(const wchar_t* _Buffer, const wchar_t* _Format, va_list _Args) {
    return __stdio_common_vswscanf(_CRT_INTERNAL_LOCAL_SCANF_OPTIONS, _Buffer, (size_t)-1, _Format, NULL, _Args);
}
#ifdef __cplusplus
}
#endif
