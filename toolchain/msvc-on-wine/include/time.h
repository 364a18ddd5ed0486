// Wrapper around Wine's <time.h>: the UCRT's timespec types and timespec_get (over ucrtbase.dll's
// _timespec64_get), which the STL's <ctime> and its threads support use, and localtime_s.
#pragma once
#include_next <time.h>

#ifdef __cplusplus
extern "C" {
#endif
#ifndef _CRT_TIMESPEC_DEFINED
#define _CRT_TIMESPEC_DEFINED
struct _timespec32 {
    __time32_t tv_sec;
    long tv_nsec;
};
struct _timespec64 {
    __time64_t tv_sec;
    long tv_nsec;
};
struct timespec {
    time_t tv_sec;
    long tv_nsec;
};
#endif
#define TIME_UTC 1
_ACRTIMP int __cdecl _timespec32_get(struct _timespec32* _Ts, int _Base);
_ACRTIMP int __cdecl _timespec64_get(struct _timespec64* _Ts, int _Base);
static inline int __cdecl timespec_get(struct timespec* const _Ts, int const _Base) {
    return _timespec64_get((struct _timespec64*)_Ts, _Base);
}
static inline errno_t __cdecl localtime_s(struct tm* const _Tm, time_t const* const _Time) {
    return _localtime64_s(_Tm, _Time);
}
#ifdef __cplusplus
}
#endif
