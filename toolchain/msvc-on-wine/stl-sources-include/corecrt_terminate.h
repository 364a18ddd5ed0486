// Stand-in for the UCRT's <corecrt_terminate.h>, for compiling the STL's own sources: terminate and
// its handlers, which Wine declares in <eh.h>.
#pragma once
#include <eh.h>
