// What the system's two programs declare alike: the version texts that their
// sheets and version dialogs read, and the caption of Parvell's main window,
// by which Dunmere knows that Parvell runs.
#ifndef PLATFORM_PROGRAMS_H
#define PLATFORM_PROGRAMS_H

// The program's version texts, "???" when unreadable; Dunmere fills only pvr
// and leaves dvr, the database version, empty.
struct Ver_inf {
    char pvr[64];
    char dvr[64];
};
static_assert(sizeof(Ver_inf) == 128, "two 64-byte texts");

// Each program's own record, by the address of its first text.
char* get_pvr_();

// The exact caption of Parvell's main window.
inline constexpr char parvell_caption[] = "ヴェルモラ株式会社 【 ゴム製品耐用年数計算システム 】";

#endif
