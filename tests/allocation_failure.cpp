// Replaces the global allocation functions of the test program with ones that can be told to fail.
#include "allocation_failure.h"

#include <cstdlib>
#include <new>

namespace {
int remaining = -1;
int counted = 0;
} // namespace

namespace allocation_failure {
void failAfter(int allocations) {
    remaining = allocations;
    counted = 0;
}
int allocationsSinceArmed() {
    return counted;
}
} // namespace allocation_failure

void* operator new(std::size_t size) {
    if (remaining >= 0) {
        ++counted;
        if (remaining-- == 0) throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

// The nothrow form (std::stable_sort's buffer, for one) must come from the same place as the memory
// the replaced delete frees.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
