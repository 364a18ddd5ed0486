// Stand-in for the Visual C++ toolset's <vcruntime.h> (not open source): the macros and types the
// open-source STL and the UCRT headers expect from it. The C runtime's own types come from Wine's
// <corecrt.h>; this adds what that header leaves to the toolset.
#pragma once
#define _VCRUNTIME_H

#include <corecrt.h>
#include <vadefs.h>

#define _VCRT_COMPILER_PREPROCESSOR 1
#define _CRT_PACKING 8
#define _HAS_EXCEPTIONS 1
#define _VCRT_EXPORT_STD
#define _VCRUNTIME_DISABLED_WARNINGS

#ifndef _VCRTIMP
#define _VCRTIMP __declspec(dllimport)
#endif
// The STL's own DLL, msvcp140.dll (this build uses the DLL runtime, /MD, only).
#ifndef _CRTIMP2
#define _CRTIMP2 __declspec(dllimport)
#endif
#ifndef _MRTIMP2
#define _MRTIMP2 __declspec(dllimport)
#endif
#define _CRT_SATELLITE_CODECVT_IDS __declspec(dllimport)
#define _CRT_SATELLITE_CODECVT_IDS_NOIMPORT
// Per-process (rather than per-appdomain) globals matter only to /clr builds.
#define _PGLOBAL
#define _AGLOBAL

// Functions of the STL's satellite DLLs, msvcp140_1.dll and msvcp140_2.dll.
#ifndef _CRT_SATELLITE_1
#define _CRT_SATELLITE_1 __declspec(dllimport)
#endif
#ifndef _CRT_SATELLITE_2
#define _CRT_SATELLITE_2 __declspec(dllimport)
#endif

#ifdef __cplusplus
#define _CRT_BEGIN_C_HEADER __pragma(pack(push, _CRT_PACKING)) extern "C" {
#define _CRT_END_C_HEADER } __pragma(pack(pop))
#define _CRT_SECURE_CPP_NOTHROW throw()
#else
#define _CRT_BEGIN_C_HEADER __pragma(pack(push, _CRT_PACKING))
#define _CRT_END_C_HEADER __pragma(pack(pop))
#define _CRT_SECURE_CPP_NOTHROW
#endif

#define __CLRCALL_PURE_OR_CDECL __cdecl
#define __CLRCALL_OR_CDECL __cdecl
#define __CLR_OR_THIS_CALL
#define __CRTDECL __CLRCALL_PURE_OR_CDECL
#define __CRTDECL_NOEXCEPT __CRTDECL

#define _CRT_STRINGIZE_(x) #x
#define _CRT_STRINGIZE(x) _CRT_STRINGIZE_(x)
#define _CRT_WIDE_(s) L##s
#define _CRT_WIDE(s) _CRT_WIDE_(s)
#define _CRT_CONCATENATE_(a, b) a##b
#define _CRT_CONCATENATE(a, b) _CRT_CONCATENATE_(a, b)
#define _CRT_UNPARENTHESIZE_(...) __VA_ARGS__
#define _CRT_UNPARENTHESIZE(...) _CRT_UNPARENTHESIZE_ __VA_ARGS__

#ifndef _CRT_DEPRECATE_TEXT
#define _CRT_DEPRECATE_TEXT(_Text) __declspec(deprecated(_Text))
#endif
#ifndef _CRT_INSECURE_DEPRECATE
#define _CRT_INSECURE_DEPRECATE(_Replacement)
#endif
#ifndef _CRT_INSECURE_DEPRECATE_MEMORY
#define _CRT_INSECURE_DEPRECATE_MEMORY(_Replacement)
#endif
#ifndef _HAS_NODISCARD
#if defined(__has_cpp_attribute) && __has_cpp_attribute(nodiscard) >= 201603L
#define _HAS_NODISCARD 1
#else
#define _HAS_NODISCARD 0
#endif
#endif
#if _HAS_NODISCARD
#define _NODISCARD [[nodiscard]]
#else
#define _NODISCARD
#endif
#define _CRT_NODISCARD _NODISCARD
#define _CRT_GUARDOVERFLOW
#define _CRTRESTRICT __declspec(restrict)
#define _CRTALLOCATOR __declspec(allocator)
#define _VCRT_ALLOCATOR __declspec(allocator) __declspec(restrict)
#define _VCRT_NOALIAS __declspec(noalias)
#define _VCRT_RESTRICT __declspec(restrict)
#ifndef _CRT_ALIGN
#define _CRT_ALIGN(x) __declspec(align(x))
#endif
#define _VCRT_ALIGN(x) __declspec(align(x))
#define _CRT_USE_BUILTIN_OFFSETOF
#ifndef _CRT_HAS_CXX17
#if defined(__cplusplus) && _MSVC_LANG >= 201703L
#define _CRT_HAS_CXX17 1
#else
#define _CRT_HAS_CXX17 0
#endif
#endif
#define _CRT_INTERNAL_NONSTDC_NAMES 1

#ifndef _HAS_CXX17
#if defined(_MSVC_LANG) && _MSVC_LANG > 201402L
#define _HAS_CXX17 1
#else
#define _HAS_CXX17 0
#endif
#endif
#ifndef _HAS_CXX20
#if _HAS_CXX17 && _MSVC_LANG > 201703L
#define _HAS_CXX20 1
#else
#define _HAS_CXX20 0
#endif
#endif
#ifndef _HAS_CXX23
#if _HAS_CXX20 && _MSVC_LANG > 202002L
#define _HAS_CXX23 1
#else
#define _HAS_CXX23 0
#endif
#endif

#define __crt_countof(_Array) (sizeof(_Array) / sizeof(_Array[0]))

#ifdef __cplusplus
extern "C++" {
template <typename _CountofType, size_t _SizeOfArray>
char (*__countof_helper(_CountofType (&_Array)[_SizeOfArray]))[_SizeOfArray];
#define __crt_countof_cpp(_Array) (sizeof(*__countof_helper(_Array)) + 0)
template <bool _Enable, typename _Ty>
struct _CrtEnableIf;
template <typename _Ty>
struct _CrtEnableIf<true, _Ty> {
    typedef _Ty _Type;
};
}
#endif

#ifndef _countof
#ifdef __cplusplus
#define _countof(_Array) __crt_countof_cpp(_Array)
#else
#define _countof __crt_countof
#endif
#endif

_CRT_BEGIN_C_HEADER
extern uintptr_t __security_cookie;
void __cdecl __security_init_cookie(void);
void __cdecl __security_check_cookie(uintptr_t _StackCookie);
_VCRTIMP void __cdecl __report_gsfailure(uintptr_t _StackCookie);
_CRT_END_C_HEADER
