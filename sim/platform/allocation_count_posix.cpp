// Counting heap allocations on Linux and other ELF systems: this file replaces the program's global
// operator new and delete, every form of them. A plugin module loaded later binds its calls of
// operator new to the program's, since the dynamic linker looks in the program first, so the
// plugin's allocations are counted too. The memory comes from malloc and posix_memalign and goes back
// through free, which AddressSanitizer intercepts as it does for its own operator new (only its check
// that each delete matches its new is lost).
//
// Index of this file:
// - the count
// - allocating: plain, array, nothrow, aligned
// - freeing: every form, all through free()
#include "platform/allocation_count.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

// ---- The count ---------------------------------------------------------------------------------

namespace {

// Constant-initialised, so that allocations made while other files start up count too. Relaxed: the
// count orders nothing, and the figures are read on the thread that allocates.
std::atomic<std::uint64_t> allocations{0};

// The standard's loop: ask the new-handler for memory until there is some; without one, throw.
template <typename TryAllocate> void* allocateOrThrow(TryAllocate tryAllocate) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    for (;;) {
        if (void* memory = tryAllocate()) return memory;
        const std::new_handler handler = std::get_new_handler();
        if (!handler) throw std::bad_alloc();
        handler();
    }
}

void* allocate(std::size_t size) {
    return allocateOrThrow([size] { return std::malloc(size ? size : 1); });
}

// posix_memalign takes powers of two that are multiples of a pointer's size.
void* allocateAligned(std::size_t size, std::align_val_t alignment) {
    const std::size_t bytes = size ? size : 1;
    const std::size_t boundary = std::max(static_cast<std::size_t>(alignment), sizeof(void*));
    return allocateOrThrow([bytes, boundary]() -> void* {
        void* memory = nullptr;
        return ::posix_memalign(&memory, boundary, bytes) == 0 ? memory : nullptr;
    });
}

template <typename Allocate> void* allocateOrNull(Allocate allocateMemory) noexcept {
    try {
        return allocateMemory();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace

namespace kadenzo::platform {

std::optional<std::uint64_t> heapAllocationCount() {
    return allocations.load(std::memory_order_relaxed);
}

} // namespace kadenzo::platform

// ---- Allocating --------------------------------------------------------------------------------

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocateOrNull([size] { return allocate(size); });
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocateOrNull([size] { return allocate(size); });
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return allocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return allocateAligned(size, alignment);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateOrNull([size, alignment] { return allocateAligned(size, alignment); });
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateOrNull([size, alignment] { return allocateAligned(size, alignment); });
}

// ---- Freeing -----------------------------------------------------------------------------------

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(memory);
}
