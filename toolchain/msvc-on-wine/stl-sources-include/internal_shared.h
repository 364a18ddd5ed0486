// Stand-in for the Visual C++ runtime's internal <internal_shared.h> (not open source), for compiling
// the STL's own stl/src/filesystem.cpp: the helpers it uses from that header, and the Windows SDK
// declarations it needs that Wine's headers lack (Windows 10 and 11 additions).
#pragma once
#include <stdlib.h>
#include <windows.h>

#include <memory>

// An owning pointer to memory from malloc, freed with free.
struct __crt_free_deleter {
    void operator()(void* block) const noexcept { free(block); }
};
template <typename T> using __crt_unique_heap_ptr = std::unique_ptr<T, __crt_free_deleter>;
#define _malloc_crt_t(type, count)                                                                           \
    __crt_unique_heap_ptr<type>(static_cast<type*>(malloc(sizeof(type) * (count))))

extern "C" _ACRTIMP unsigned int __cdecl ___lc_codepage_func(void);

#ifndef SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
#define SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE 0x2
#endif

typedef struct _FILE_ID_128 {
    BYTE Identifier[16];
} FILE_ID_128, *PFILE_ID_128;
typedef struct _FILE_ID_INFO {
    ULONGLONG VolumeSerialNumber;
    FILE_ID_128 FileId;
} FILE_ID_INFO, *PFILE_ID_INFO;

#define FILE_DISPOSITION_FLAG_DELETE 0x00000001
#define FILE_DISPOSITION_FLAG_POSIX_SEMANTICS 0x00000002
#define FILE_DISPOSITION_FLAG_IGNORE_READONLY_ATTRIBUTE 0x00000010
typedef struct _FILE_DISPOSITION_INFO_EX {
    DWORD Flags;
} FILE_DISPOSITION_INFO_EX, *PFILE_DISPOSITION_INFO_EX;

extern "C" DWORD WINAPI GetTempPath2W(DWORD length, LPWSTR buffer);
