// Lets a test make the n-th following allocation fail, to see how code behaves out of memory.
#pragma once

namespace allocation_failure {
// The allocation after `allocations` successful ones throws std::bad_alloc; -1 disarms.
void failAfter(int allocations);
int allocationsSinceArmed();
} // namespace allocation_failure
