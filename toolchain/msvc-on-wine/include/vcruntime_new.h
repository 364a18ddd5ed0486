// Stand-in for the Visual C++ toolset's <vcruntime_new.h> (not open source): the declarations of the
// replaceable allocation functions (defined in the start-up library, as in the toolset's static
// runtime), std::nothrow, std::align_val_t and the inline placement forms.
#pragma once
#include <vcruntime.h>

#ifdef __cplusplus
extern "C++" {
#pragma pack(push, _CRT_PACKING)

namespace std {
enum class align_val_t : size_t {};
struct nothrow_t {
    explicit nothrow_t() = default;
};
extern nothrow_t const nothrow;
} // namespace std

_NODISCARD _VCRT_ALLOCATOR void* __CRTDECL operator new(size_t _Size);
_NODISCARD _VCRT_ALLOCATOR void* __CRTDECL operator new(size_t _Size, ::std::nothrow_t const&) noexcept;
_NODISCARD _VCRT_ALLOCATOR void* __CRTDECL operator new[](size_t _Size);
_NODISCARD _VCRT_ALLOCATOR void* __CRTDECL operator new[](size_t _Size, ::std::nothrow_t const&) noexcept;
void __CRTDECL operator delete(void* _Block) noexcept;
void __CRTDECL operator delete(void* _Block, ::std::nothrow_t const&) noexcept;
void __CRTDECL operator delete[](void* _Block) noexcept;
void __CRTDECL operator delete[](void* _Block, ::std::nothrow_t const&) noexcept;
void __CRTDECL operator delete(void* _Block, size_t _Size) noexcept;
void __CRTDECL operator delete[](void* _Block, size_t _Size) noexcept;

_NODISCARD _VCRT_ALLOCATOR void* __CRTDECL operator new(size_t _Size, ::std::align_val_t _Al);
_NODISCARD _VCRT_ALLOCATOR void* __CRTDECL operator new(size_t _Size, ::std::align_val_t _Al,
                                                         ::std::nothrow_t const&) noexcept;
_NODISCARD _VCRT_ALLOCATOR void* __CRTDECL operator new[](size_t _Size, ::std::align_val_t _Al);
_NODISCARD _VCRT_ALLOCATOR void* __CRTDECL operator new[](size_t _Size, ::std::align_val_t _Al,
                                                           ::std::nothrow_t const&) noexcept;
void __CRTDECL operator delete(void* _Block, ::std::align_val_t _Al) noexcept;
void __CRTDECL operator delete(void* _Block, ::std::align_val_t _Al, ::std::nothrow_t const&) noexcept;
void __CRTDECL operator delete[](void* _Block, ::std::align_val_t _Al) noexcept;
void __CRTDECL operator delete[](void* _Block, ::std::align_val_t _Al, ::std::nothrow_t const&) noexcept;
void __CRTDECL operator delete(void* _Block, size_t _Size, ::std::align_val_t _Al) noexcept;
void __CRTDECL operator delete[](void* _Block, size_t _Size, ::std::align_val_t _Al) noexcept;

#ifndef __PLACEMENT_NEW_INLINE
#define __PLACEMENT_NEW_INLINE
_NODISCARD inline void* __CRTDECL operator new(size_t, void* _Where) noexcept { return _Where; }
inline void __CRTDECL operator delete(void*, void*) noexcept {}
#endif
#ifndef __PLACEMENT_VEC_NEW_INLINE
#define __PLACEMENT_VEC_NEW_INLINE
_NODISCARD inline void* __CRTDECL operator new[](size_t, void* _Where) noexcept { return _Where; }
inline void __CRTDECL operator delete[](void*, void*) noexcept {}
#endif

#pragma pack(pop)
}
#endif
