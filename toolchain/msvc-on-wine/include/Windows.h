// Windows file names are case-insensitive, Linux ones are not: code that includes <Windows.h> gets
// Wine's <windows.h>.
#pragma once
#include <windows.h>
