// Sarnet: the current date, date arithmetic and checks on Dte_inf, a
// module's version text and registry values. The functions have C++ linkage,
// so each exported name carries its argument list.
#ifndef SARNET_H
#define SARNET_H

#include <platform/convert_error.h>
#include <platform/wintypes.h>

class TMaskEdit;

// A date and time: seven signed 32-bit fields.
struct Dte_inf {
    int year;         // 1 to 9999 where the date is valid
    int month;        // 1 to 12
    int day;          // 1 to 31
    int hour;         // 0 to 23
    int minute;       // 0 to 59
    int second;       // 0 to 59
    int millisecond;  // 0 to 999
};

static_assert(sizeof(Dte_inf) == 28, "seven 32-bit fields without padding");

#if defined(SARNET_BUILD)
#define SARNET_API __attribute__((visibility("default")))
#else
#define SARNET_API
#endif

// The library's entry function: no set-up, always 1. Its reason code is a
// DWORD, which keeps it apart from Quillon's entry function of C linkage.
SARNET_API int DllEntryPoint(HINSTANCE hinst, DWORD reason, LPVOID reserved);

// Fills all seven fields with the current local date and time.
SARNET_API void now_dte_(Dte_inf* out);
// Writes into out's year, month and day the date `days` days after in's
// (before it when negative); out may be in, and out's time is kept. Raises
// EConvertError when in's year, month and day (low 16 bits each) are no date.
SARNET_API void cge_day_(Dte_inf* out, int days, Dte_inf* in);
// 1 when year, month and day form a Gregorian date of the years 1 to 9999.
SARNET_API int chk_dte_(Dte_inf* date);
// Reads year, month and day from characters 0-3, 5-6 and 8-9 of the edit's
// text, unchecked; the other fields are kept.
SARNET_API void msk_dte_(Dte_inf* out, TMaskEdit* edit);

// Writes the file version of `module`'s version resource as four numbers
// joined by points (at most 23 characters); 0 and "" when it has none.
SARNET_API int get_ver_(char* out, void* module);
// Writes (mode beginning with 'w') or reads the value `name` of the key
// `key` below the root key `root`: type 1 bool, 2 int, 3 text, 4 float,
// 5 double. 1 when the key opened, 0 when it did not or the value could not
// be read or written.
SARNET_API int ctl_reg_(void* value, char* mode, int type, void* root, char* key, char* name);

#endif
