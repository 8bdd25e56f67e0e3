// The fixed part of a version resource and the query that finds it.
#ifndef PLATFORM_VERSION_INFO_H
#define PLATFORM_VERSION_INFO_H

#include <stdint.h>

#include <platform/resource.h>
#include <platform/wintypes.h>

typedef uint16_t WORD;
typedef unsigned int UINT;

#define VS_FFI_SIGNATURE 0xFEEF04BDu
#define VS_FFI_STRUCVERSION 0x00010000u
#define VFT_APP 1u
#define VFT_DLL 2u

#define HIWORD(dw) ((WORD)(((DWORD)(dw)) >> 16))
#define LOWORD(dw) ((WORD)(((DWORD)(dw)) & 0xFFFF))

struct VS_FIXEDFILEINFO {
    DWORD dwSignature;  // VS_FFI_SIGNATURE
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;  // major << 16 | minor
    DWORD dwFileVersionLS;  // release << 16 | build
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;  // VFT_APP or VFT_DLL
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};

static_assert(sizeof(VS_FIXEDFILEINFO) == 52, "thirteen 32-bit words");

// Queries a version block (the resource's bytes, as found or copied). Only
// the root "\" is answered: it gives the fixed information, which must carry
// VS_FFI_SIGNATURE. FALSE for any other sub-block and for a block that is not
// a version block.
BOOL VerQueryValueA(const void* block, LPCSTR sub_block, LPVOID* buffer, UINT* length);

#endif
