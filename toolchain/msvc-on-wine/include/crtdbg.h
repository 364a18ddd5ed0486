// Wrapper around Wine's <crtdbg.h>: the debug-report destinations of the UCRT's header. In release
// builds (the only kind here) setting a report file does nothing, as in the UCRT.
#pragma once
#include_next <crtdbg.h>

typedef void* _HFILE;
#define _CRTDBG_MODE_FILE 0x1
#define _CRTDBG_MODE_DEBUG 0x2
#define _CRTDBG_MODE_WNDW 0x4
#define _CRTDBG_REPORT_MODE (-1)
#define _CRTDBG_INVALID_HFILE ((_HFILE)(intptr_t)-1)
#define _CRTDBG_HFILE_ERROR ((_HFILE)(intptr_t)-2)
#define _CRTDBG_FILE_STDOUT ((_HFILE)(intptr_t)-4)
#define _CRTDBG_FILE_STDERR ((_HFILE)(intptr_t)-5)
#define _CRTDBG_REPORT_FILE ((_HFILE)(intptr_t)-6)
#ifndef _DEBUG
#define _CrtSetReportFile(type, file) ((_HFILE)0)
#endif
