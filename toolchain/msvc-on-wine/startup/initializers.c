/* Stand-in for the part of the Visual C++ runtime's static start-up code that every module has: the
 * stack cookie, the module's C and C++ initializers (bracketing the compiler's .CRT$XI and .CRT$XC
 * entries), and atexit, which a program forwards to the UCRT's table and a DLL keeps in a table of
 * its own, run when it is unloaded; at_quick_exit likewise. */
#include "startup.h"

#include <corecrt_startup.h>
#include <stdlib.h>

_ACRTIMP void __cdecl _initterm(_PVFV* first, _PVFV* last);
_ACRTIMP int __cdecl _initterm_e(_PIFV* first, _PIFV* last);
void __cdecl __security_init_cookie(void);

/* The linker sorts sections of the same name by the text after '$': these bracket the compiler's
 * initializers (.CRT$XCU for C++ constructors, .CRT$XIU for C, .CRT$XCL for library ones). */
#pragma section(".CRT$XIA", long, read)
#pragma section(".CRT$XIZ", long, read)
#pragma section(".CRT$XCA", long, read)
#pragma section(".CRT$XCZ", long, read)
__declspec(allocate(".CRT$XIA")) _PIFV __xi_a[] = {0};
__declspec(allocate(".CRT$XIZ")) _PIFV __xi_z[] = {0};
__declspec(allocate(".CRT$XCA")) _PVFV __xc_a[] = {0};
__declspec(allocate(".CRT$XCZ")) _PVFV __xc_z[] = {0};

static _onexit_table_t module_exit_table;
/* quick_exit runs the UCRT's table only; a DLL's at_quick_exit functions wait in a table of its own,
 * which nothing runs (quick_exit unloads no module). */
static _onexit_table_t module_quick_exit_table;
static int module_has_own_exit_table;

int __msvc_on_wine_initialize_module(void) {
    __security_init_cookie();
    if (_initterm_e(__xi_a, __xi_z) != 0) return 0;
    _initterm(__xc_a, __xc_z);
    return 1;
}

int __msvc_on_wine_use_module_exit_table(void) {
    module_has_own_exit_table = 1;
    return _initialize_onexit_table(&module_exit_table) == 0 &&
           _initialize_onexit_table(&module_quick_exit_table) == 0;
}

void __msvc_on_wine_run_module_exit_table(void) {
    _execute_onexit_table(&module_exit_table);
}

_onexit_t __cdecl _onexit(_onexit_t function) {
    if (module_has_own_exit_table)
        return _register_onexit_function(&module_exit_table, function) == 0 ? function : NULL;
    return _crt_atexit((_PVFV)function) == 0 ? function : NULL;
}

int __cdecl atexit(_PVFV function) {
    return _onexit((_onexit_t)function) ? 0 : -1;
}

int __cdecl at_quick_exit(_PVFV function) {
    if (module_has_own_exit_table)
        return _register_onexit_function(&module_quick_exit_table, (_onexit_t)function);
    return _crt_at_quick_exit(function);
}
