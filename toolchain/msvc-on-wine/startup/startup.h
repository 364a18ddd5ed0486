/* What the start-up library's entry points share: running the module's initializers and its table
 * of atexit functions. */
#pragma once

/* Sets the stack cookie and runs the C and C++ initializers; 0 when a C initializer failed. */
int __msvc_on_wine_initialize_module(void);
/* From now on atexit registers with the module's own table (a DLL's), not with the UCRT's. */
int __msvc_on_wine_use_module_exit_table(void);
/* Runs and empties the module's own table. */
void __msvc_on_wine_run_module_exit_table(void);
