/* Stand-in for the Visual C++ runtime's static support of thread-safe local statics: the compiler
 * guards each such variable with an int and calls these when the guard shows it may need to
 * initialize it (0 not started, -1 being initialized, otherwise the epoch of its completion), and
 * keeps a per-thread copy of the last epoch it saw in _Init_thread_epoch. */
#include <limits.h>
#include <windows.h>

#define UNINITIALIZED 0
#define BEING_INITIALIZED (-1)

int _Init_global_epoch = INT_MIN;
__declspec(thread) int _Init_thread_epoch = INT_MIN;

static SRWLOCK guard_lock = SRWLOCK_INIT;
static CONDITION_VARIABLE guard_changed = CONDITION_VARIABLE_INIT;

void __cdecl _Init_thread_header(int* const guard) {
    AcquireSRWLockExclusive(&guard_lock);
    if (*guard == UNINITIALIZED) {
        *guard = BEING_INITIALIZED;
    } else {
        while (*guard == BEING_INITIALIZED)
            SleepConditionVariableSRW(&guard_changed, &guard_lock, INFINITE, 0);
        _Init_thread_epoch = _Init_global_epoch;
    }
    ReleaseSRWLockExclusive(&guard_lock);
}

void __cdecl _Init_thread_footer(int* const guard) {
    AcquireSRWLockExclusive(&guard_lock);
    ++_Init_global_epoch;
    *guard = _Init_global_epoch;
    _Init_thread_epoch = _Init_global_epoch;
    ReleaseSRWLockExclusive(&guard_lock);
    WakeAllConditionVariable(&guard_changed);
}

/* The initializer threw: another thread may try again. */
void __cdecl _Init_thread_abort(int* const guard) {
    AcquireSRWLockExclusive(&guard_lock);
    *guard = UNINITIALIZED;
    ReleaseSRWLockExclusive(&guard_lock);
    WakeAllConditionVariable(&guard_changed);
}
