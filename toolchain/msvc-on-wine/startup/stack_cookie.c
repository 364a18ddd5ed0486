/* Stand-in for the Visual C++ runtime's stack-buffer checks (/GS): the module's cookie, set to an
 * unpredictable value by the entry points before any checked function runs, and the check itself,
 * which ends the process at once when a function's copy of the cookie was overwritten. */
#include <intrin.h>
#include <windows.h>

#define DEFAULT_COOKIE 0x00002B992DDFA232ull

UINT_PTR __security_cookie = DEFAULT_COOKIE;
UINT_PTR __security_cookie_complement = ~DEFAULT_COOKIE;

void __cdecl __security_init_cookie(void) {
    LARGE_INTEGER counter;
    FILETIME now;
    UINT_PTR cookie;
    if (__security_cookie != DEFAULT_COOKIE) return;
    GetSystemTimeAsFileTime(&now);
    QueryPerformanceCounter(&counter);
    cookie = ((UINT_PTR)now.dwHighDateTime << 32 | now.dwLowDateTime) ^ (UINT_PTR)GetCurrentThreadId() ^
             (UINT_PTR)GetCurrentProcessId() << 32 ^ (UINT_PTR)counter.QuadPart ^ (UINT_PTR)&cookie;
    cookie &= 0x0000FFFFFFFFFFFFull;
    if (cookie == DEFAULT_COOKIE) ++cookie;
    __security_cookie = cookie;
    __security_cookie_complement = ~cookie;
}

void __cdecl __security_check_cookie(UINT_PTR cookie) {
    if (cookie != __security_cookie) __fastfail(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE);
}
