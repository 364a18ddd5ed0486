// Wrapper around Wine's <math.h>: what the UCRT's header has and the STL's <cmath> uses.
// - long double is double in this ABI; as in the UCRT, the l-forms call the double functions;
// - C99 functions Wine's header does not declare (ucrtbase.dll exports them);
// - in C++ the classification and comparison "macros" are functions, so that <cmath> can name them.
#pragma once
#include_next <math.h>

#ifdef __cplusplus
extern "C" {
#endif
typedef float float_t;
typedef double double_t;

_ACRTIMP double __cdecl erfc(double _X);
_ACRTIMP float __cdecl erfcf(float _X);
_ACRTIMP double __cdecl fma(double _X, double _Y, double _Z);
_ACRTIMP float __cdecl fmaf(float _X, float _Y, float _Z);
_ACRTIMP double __cdecl nan(const char* _Tag);
_ACRTIMP float __cdecl nanf(const char* _Tag);
_ACRTIMP double __cdecl nexttoward(double _X, long double _Y);
_ACRTIMP float __cdecl nexttowardf(float _X, long double _Y);
_ACRTIMP int __cdecl _dpcomp(double _X, double _Y);
_ACRTIMP int __cdecl _fdpcomp(float _X, float _Y);

#define _KZ_LONG_DOUBLE_1(name, result)                                                                   \
    static inline result __cdecl name##l(long double _X) { return (result)name((double)_X); }
#define _KZ_LONG_DOUBLE_2(name)                                                                           \
    static inline long double __cdecl name##l(long double _X, long double _Y) {                          \
        return name((double)_X, (double)_Y);                                                              \
    }
_KZ_LONG_DOUBLE_1(acos, long double)
_KZ_LONG_DOUBLE_1(acosh, long double)
_KZ_LONG_DOUBLE_1(asin, long double)
_KZ_LONG_DOUBLE_1(asinh, long double)
_KZ_LONG_DOUBLE_1(atan, long double)
_KZ_LONG_DOUBLE_1(atanh, long double)
_KZ_LONG_DOUBLE_1(cbrt, long double)
_KZ_LONG_DOUBLE_1(ceil, long double)
_KZ_LONG_DOUBLE_1(cos, long double)
_KZ_LONG_DOUBLE_1(cosh, long double)
_KZ_LONG_DOUBLE_1(erf, long double)
_KZ_LONG_DOUBLE_1(erfc, long double)
_KZ_LONG_DOUBLE_1(exp, long double)
_KZ_LONG_DOUBLE_1(exp2, long double)
_KZ_LONG_DOUBLE_1(expm1, long double)
_KZ_LONG_DOUBLE_1(fabs, long double)
_KZ_LONG_DOUBLE_1(floor, long double)
_KZ_LONG_DOUBLE_1(ilogb, int)
_KZ_LONG_DOUBLE_1(lgamma, long double)
_KZ_LONG_DOUBLE_1(llrint, long long)
_KZ_LONG_DOUBLE_1(llround, long long)
_KZ_LONG_DOUBLE_1(log, long double)
_KZ_LONG_DOUBLE_1(log10, long double)
_KZ_LONG_DOUBLE_1(log1p, long double)
_KZ_LONG_DOUBLE_1(log2, long double)
_KZ_LONG_DOUBLE_1(logb, long double)
_KZ_LONG_DOUBLE_1(lrint, long)
_KZ_LONG_DOUBLE_1(lround, long)
_KZ_LONG_DOUBLE_1(nearbyint, long double)
_KZ_LONG_DOUBLE_1(rint, long double)
_KZ_LONG_DOUBLE_1(round, long double)
_KZ_LONG_DOUBLE_1(sin, long double)
_KZ_LONG_DOUBLE_1(sinh, long double)
_KZ_LONG_DOUBLE_1(sqrt, long double)
_KZ_LONG_DOUBLE_1(tan, long double)
_KZ_LONG_DOUBLE_1(tanh, long double)
_KZ_LONG_DOUBLE_1(tgamma, long double)
_KZ_LONG_DOUBLE_1(trunc, long double)
_KZ_LONG_DOUBLE_2(atan2)
_KZ_LONG_DOUBLE_2(copysign)
_KZ_LONG_DOUBLE_2(fdim)
_KZ_LONG_DOUBLE_2(fmax)
_KZ_LONG_DOUBLE_2(fmin)
_KZ_LONG_DOUBLE_2(fmod)
_KZ_LONG_DOUBLE_2(hypot)
_KZ_LONG_DOUBLE_2(nextafter)
_KZ_LONG_DOUBLE_2(pow)
_KZ_LONG_DOUBLE_2(remainder)
#undef _KZ_LONG_DOUBLE_1
#undef _KZ_LONG_DOUBLE_2
static inline long double __cdecl fmal(long double _X, long double _Y, long double _Z) {
    return fma((double)_X, (double)_Y, (double)_Z);
}
static inline long double __cdecl frexpl(long double _X, int* _Exp) { return frexp((double)_X, _Exp); }
static inline long double __cdecl ldexpl(long double _X, int _Exp) { return ldexp((double)_X, _Exp); }
static inline long double __cdecl modfl(long double _X, long double* _Int) {
    double _Whole;
    const long double _Fraction = modf((double)_X, &_Whole);
    *_Int = _Whole;
    return _Fraction;
}
static inline long double __cdecl nanl(const char* _Tag) { return nan(_Tag); }
static inline long double __cdecl nexttowardl(long double _X, long double _Y) {
    return nextafter((double)_X, (double)_Y);
}
static inline long double __cdecl remquol(long double _X, long double _Y, int* _Quotient) {
    return remquo((double)_X, (double)_Y, _Quotient);
}
static inline long double __cdecl scalbnl(long double _X, int _Exp) { return scalbn((double)_X, _Exp); }
static inline long double __cdecl scalblnl(long double _X, long _Exp) { return scalbln((double)_X, _Exp); }
#ifdef __cplusplus
}

#undef fpclassify
#undef signbit
#undef isinf
#undef isnan
#undef isnormal
#undef isfinite
#define _FP_LT 1
#define _FP_EQ 2
#define _FP_GT 4
extern "C++" {
inline int fpclassify(float _X) noexcept { return _fdclass(_X); }
inline int fpclassify(double _X) noexcept { return _dclass(_X); }
inline int fpclassify(long double _X) noexcept { return _dclass(static_cast<double>(_X)); }
inline bool signbit(float _X) noexcept { return _fdsign(_X) != 0; }
inline bool signbit(double _X) noexcept { return _dsign(_X) != 0; }
inline bool signbit(long double _X) noexcept { return _dsign(static_cast<double>(_X)) != 0; }
inline int _fdpcomp_any(float _X, float _Y) noexcept { return _fdpcomp(_X, _Y); }
inline int _fdpcomp_any(double _X, double _Y) noexcept { return _dpcomp(_X, _Y); }
inline int _fdpcomp_any(long double _X, long double _Y) noexcept {
    return _dpcomp(static_cast<double>(_X), static_cast<double>(_Y));
}
template <class _Ty>
inline bool isnan(_Ty _X) noexcept { return fpclassify(_X) == FP_NAN; }
template <class _Ty>
inline bool isinf(_Ty _X) noexcept { return fpclassify(_X) == FP_INFINITE; }
template <class _Ty>
inline bool isfinite(_Ty _X) noexcept { return fpclassify(_X) <= 0; }
template <class _Ty>
inline bool isnormal(_Ty _X) noexcept { return fpclassify(_X) == FP_NORMAL; }
template <class _Ty1, class _Ty2>
inline bool isgreater(_Ty1 _X, _Ty2 _Y) noexcept { return (_fdpcomp_any(_X, _Y) & _FP_GT) != 0; }
template <class _Ty1, class _Ty2>
inline bool isgreaterequal(_Ty1 _X, _Ty2 _Y) noexcept { return (_fdpcomp_any(_X, _Y) & (_FP_EQ | _FP_GT)) != 0; }
template <class _Ty1, class _Ty2>
inline bool isless(_Ty1 _X, _Ty2 _Y) noexcept { return (_fdpcomp_any(_X, _Y) & _FP_LT) != 0; }
template <class _Ty1, class _Ty2>
inline bool islessequal(_Ty1 _X, _Ty2 _Y) noexcept { return (_fdpcomp_any(_X, _Y) & (_FP_LT | _FP_EQ)) != 0; }
template <class _Ty1, class _Ty2>
inline bool islessgreater(_Ty1 _X, _Ty2 _Y) noexcept { return (_fdpcomp_any(_X, _Y) & (_FP_LT | _FP_GT)) != 0; }
template <class _Ty1, class _Ty2>
inline bool isunordered(_Ty1 _X, _Ty2 _Y) noexcept { return _fdpcomp_any(_X, _Y) == 0; }
}
#endif
