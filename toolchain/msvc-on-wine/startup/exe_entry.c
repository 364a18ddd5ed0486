/* Stand-in for the Visual C++ runtime's entry point of a console program: the UCRT's arguments and
 * environment, the module's initializers, then main, whose result is the exit status. */
#include "startup.h"

#include <corecrt_startup.h>
#include <stdlib.h>

int __cdecl main(int argc, char** argv);

int mainCRTStartup(void) {
    _set_app_type(_crt_console_app);
    _configure_narrow_argv(_crt_argv_unexpanded_arguments);
    _initialize_narrow_environment();
    if (!__msvc_on_wine_initialize_module()) exit(255);
    exit(main(*__p___argc(), *__p___argv()));
}
