// Wrapper around Wine's <stdio.h>: adds the C99 v*scanf functions the STL's <cstdio> names and
// vsnprintf_s, as the UCRT's header defines them (inline, over the UCRT's common entry points), and
// the stream buffer access the STL's file streams use.
#pragma once
#include_next <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif
static inline int __cdecl vfscanf(FILE* _Stream, const char* _Format, va_list _Args) {
    return __stdio_common_vfscanf(_CRT_INTERNAL_LOCAL_SCANF_OPTIONS, _Stream, _Format, NULL, _Args);
}
static inline int __cdecl vscanf(const char* _Format, va_list _Args) {
    return vfscanf(stdin, _Format, _Args);
}
static inline int __cdecl vsscanf(const char* _Buffer, const char* _Format, va_list _Args) {
    return __stdio_common_vsscanf(_CRT_INTERNAL_LOCAL_SCANF_OPTIONS, _Buffer, (size_t)-1, _Format, NULL, _Args);
}
_ACRTIMP errno_t __cdecl _get_stream_buffer_pointers(FILE* _Stream, char*** _Base, char*** _Pointer, int** _Count);
static inline int __cdecl vsnprintf_s(char* const _Buffer, size_t const _BufferCount, size_t const _MaxCount,
                                      const char* const _Format, va_list _Args) {
    const int _Result = __stdio_common_vsnprintf_s(_CRT_INTERNAL_LOCAL_PRINTF_OPTIONS, _Buffer, _BufferCount,
                                                   _MaxCount, _Format, NULL, _Args);
    return _Result < 0 ? -1 : _Result;
}
#ifdef __cplusplus
}
#endif
