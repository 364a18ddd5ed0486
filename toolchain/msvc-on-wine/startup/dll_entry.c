/* Stand-in for the Visual C++ runtime's entry point of a DLL: on load the module's initializers, on
 * unload its atexit functions (the destructors of its statics) and the type names it allocated,
 * around the DLL's own DllMain, if it has one. */
#include "startup.h"

#include <windows.h>

struct __type_info_node;
extern struct __type_info_node __type_info_root_node;
__declspec(dllimport) void __cdecl __std_type_info_destroy_list(struct __type_info_node* root);

/* A DLL without DllMain of its own gets this one. */
BOOL WINAPI __msvc_on_wine_default_DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
#pragma comment(linker, "/alternatename:DllMain=__msvc_on_wine_default_DllMain")
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

BOOL WINAPI _DllMainCRTStartup(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        if (!__msvc_on_wine_use_module_exit_table() || !__msvc_on_wine_initialize_module()) return FALSE;
        return DllMain(instance, reason, reserved);
    }
    if (reason == DLL_PROCESS_DETACH) {
        const BOOL result = DllMain(instance, reason, reserved);
        __msvc_on_wine_run_module_exit_table();
        __std_type_info_destroy_list(&__type_info_root_node);
        return result;
    }
    return DllMain(instance, reason, reserved);
}
