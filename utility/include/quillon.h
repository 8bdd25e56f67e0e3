// Quillon: memory blocks, the doubly linked list, strings and tokens, number
// text, decimal rounding and line geometry. Plain exported functions with
// undecorated names; the library keeps no state of its own.
#ifndef QUILLON_H
#define QUILLON_H

#include <platform/wintypes.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(QUILLON_BUILD)
#define QUILLON_API __attribute__((visibility("default")))
#else
#define QUILLON_API
#endif

// One list node: the two links, then the payload copied in at append.
// A list head is the same two links with no payload; only its nxt is used.
typedef struct Lnk_inf {
    struct Lnk_inf* prv;
    struct Lnk_inf* nxt;
} Lnk_inf;

// A node's payload starts right behind its two links.
#define LNK_DAT(node) ((void*)((char*)(node) + sizeof(Lnk_inf)))

QUILLON_API int DllEntryPoint(HINSTANCE hinst, unsigned long reason, void* reserved);

// Memory blocks and the linked list
QUILLON_API void* _get_mem_(int bytes);
QUILLON_API void _fre_mem_(void* block);
QUILLON_API void _clr_mem_(void* buf, int bytes);
QUILLON_API void _cpy_mem_(void* target, const void* source, int bytes);
QUILLON_API void _ini_lnk_(Lnk_inf* head);
QUILLON_API Lnk_inf* _add_lnk_(Lnk_inf* head, const void* data, int size);
QUILLON_API Lnk_inf* _nxt_lnk_(Lnk_inf* head, Lnk_inf* node);
QUILLON_API Lnk_inf* _lst_lnk_(Lnk_inf* head);
QUILLON_API void _del_lnk_(Lnk_inf* head, Lnk_inf* node);
QUILLON_API int _cnt_lnk_(Lnk_inf* head);
QUILLON_API void _del_all_(Lnk_inf* head);

// Strings and tokens
QUILLON_API char* _add_str_(char* joined, const char* add);
QUILLON_API int _get_tkn_(Lnk_inf* head, int* count, const char* text, const char* sep);
QUILLON_API void _fre_tkn_(Lnk_inf* head);

// Number text, rounding and line geometry
QUILLON_API void _edt_val_(char* out, double val, int decimals, int flags, int blank_zero);
QUILLON_API double _get_val_(const char* text);
QUILLON_API double _cil_val_(double val, int digits);
QUILLON_API double _flr_val_(double val, int digits);
QUILLON_API double _rnd_val_(double val, int digits);
QUILLON_API int _crs_pnt_(double out[2], const double a1[2], const double a2[2], const double b1[2],
                          const double b2[2]);
QUILLON_API int _pnt_lin_(const double p[2], const double a[2], const double b[2]);

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
static_assert(sizeof(Lnk_inf) == 16, "a list head is two 8-byte links");
static_assert(sizeof(Lnk_inf) == 2 * sizeof(void*), "the payload starts right behind the links");
#endif

#endif
