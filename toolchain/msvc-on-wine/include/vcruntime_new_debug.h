// Stand-in for the Visual C++ toolset's <vcruntime_new_debug.h>: the debug heap's allocation forms
// exist only in debug runtimes, which this build does not use.
#pragma once
#include <vcruntime_new.h>
