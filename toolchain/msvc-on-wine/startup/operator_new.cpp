// Stand-in for the Visual C++ runtime's replaceable allocation functions. Each function is compiled
// into an object of its own (KADENZO_ALLOCATION_FUNCTION selects which), as in the toolset's static
// library, so that a program replacing some of them links only the others from here.
#include <malloc.h>
#include <stdint.h>
#include <stdlib.h>
#include <vcruntime_exception.h>
#include <vcruntime_new.h>

extern "C" _ACRTIMP int __cdecl _callnewh(size_t size);

namespace {

[[maybe_unused]] void* allocate(size_t size) {
    for (;;) {
        if (void* block = malloc(size)) return block;
        // The new handler may free memory and ask for another try.
        if (_callnewh(size) == 0) {
            if (size == SIZE_MAX) throw std::bad_array_new_length();
            throw std::bad_alloc();
        }
    }
}

[[maybe_unused]] void* allocate_aligned(size_t size, std::align_val_t alignment) {
    for (;;) {
        if (void* block = _aligned_malloc(size ? size : 1, static_cast<size_t>(alignment))) return block;
        if (_callnewh(size) == 0) {
            if (size == SIZE_MAX) throw std::bad_array_new_length();
            throw std::bad_alloc();
        }
    }
}

} // namespace

#define SCALAR_NEW 1
#define SCALAR_NEW_NOTHROW 2
#define ARRAY_NEW 3
#define ARRAY_NEW_NOTHROW 4
#define SCALAR_DELETE 5
#define SCALAR_DELETE_SIZE 6
#define SCALAR_DELETE_NOTHROW 7
#define ARRAY_DELETE 8
#define ARRAY_DELETE_SIZE 9
#define ARRAY_DELETE_NOTHROW 10
#define ALIGNED_NEW 11
#define ALIGNED_DELETE 12
#define NOTHROW_OBJECT 13

#if KADENZO_ALLOCATION_FUNCTION == SCALAR_NEW
void* __CRTDECL operator new(size_t size) {
    return allocate(size);
}
#elif KADENZO_ALLOCATION_FUNCTION == SCALAR_NEW_NOTHROW
void* __CRTDECL operator new(size_t size, std::nothrow_t const&) noexcept {
    try {
        return operator new(size);
    } catch (...) {
        return nullptr;
    }
}
#elif KADENZO_ALLOCATION_FUNCTION == ARRAY_NEW
void* __CRTDECL operator new[](size_t size) {
    return operator new(size);
}
#elif KADENZO_ALLOCATION_FUNCTION == ARRAY_NEW_NOTHROW
void* __CRTDECL operator new[](size_t size, std::nothrow_t const&) noexcept {
    try {
        return operator new[](size);
    } catch (...) {
        return nullptr;
    }
}
#elif KADENZO_ALLOCATION_FUNCTION == SCALAR_DELETE
void __CRTDECL operator delete(void* block) noexcept {
    free(block);
}
#elif KADENZO_ALLOCATION_FUNCTION == SCALAR_DELETE_SIZE
void __CRTDECL operator delete(void* block, size_t) noexcept {
    operator delete(block);
}
#elif KADENZO_ALLOCATION_FUNCTION == SCALAR_DELETE_NOTHROW
void __CRTDECL operator delete(void* block, std::nothrow_t const&) noexcept {
    operator delete(block);
}
#elif KADENZO_ALLOCATION_FUNCTION == ARRAY_DELETE
void __CRTDECL operator delete[](void* block) noexcept {
    operator delete(block);
}
#elif KADENZO_ALLOCATION_FUNCTION == ARRAY_DELETE_SIZE
void __CRTDECL operator delete[](void* block, size_t) noexcept {
    operator delete[](block);
}
#elif KADENZO_ALLOCATION_FUNCTION == ARRAY_DELETE_NOTHROW
void __CRTDECL operator delete[](void* block, std::nothrow_t const&) noexcept {
    operator delete[](block);
}
#elif KADENZO_ALLOCATION_FUNCTION == ALIGNED_NEW
void* __CRTDECL operator new(size_t size, std::align_val_t alignment) {
    return allocate_aligned(size, alignment);
}
void* __CRTDECL operator new(size_t size, std::align_val_t alignment, std::nothrow_t const&) noexcept {
    try {
        return operator new(size, alignment);
    } catch (...) {
        return nullptr;
    }
}
void* __CRTDECL operator new[](size_t size, std::align_val_t alignment) {
    return operator new(size, alignment);
}
void* __CRTDECL operator new[](size_t size, std::align_val_t alignment, std::nothrow_t const&) noexcept {
    return operator new(size, alignment, std::nothrow);
}
#elif KADENZO_ALLOCATION_FUNCTION == ALIGNED_DELETE
void __CRTDECL operator delete(void* block, std::align_val_t) noexcept {
    _aligned_free(block);
}
void __CRTDECL operator delete(void* block, std::align_val_t alignment, std::nothrow_t const&) noexcept {
    operator delete(block, alignment);
}
void __CRTDECL operator delete[](void* block, std::align_val_t alignment) noexcept {
    operator delete(block, alignment);
}
void __CRTDECL operator delete[](void* block, std::align_val_t alignment, std::nothrow_t const&) noexcept {
    operator delete(block, alignment);
}
void __CRTDECL operator delete(void* block, size_t, std::align_val_t alignment) noexcept {
    operator delete(block, alignment);
}
void __CRTDECL operator delete[](void* block, size_t, std::align_val_t alignment) noexcept {
    operator delete(block, alignment);
}
#elif KADENZO_ALLOCATION_FUNCTION == NOTHROW_OBJECT
std::nothrow_t const std::nothrow{};
#else
#error "KADENZO_ALLOCATION_FUNCTION names no allocation function"
#endif
