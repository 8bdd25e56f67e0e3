// The fatigue life as the main window shows it: a heading and a result text
// for a cycle count and the pump starts per day.
#ifndef DUNMERE_FATIGUE_LIFE_H
#define DUNMERE_FATIGUE_LIFE_H

#include <stddef.h>

// Formats the life of `cycles` pump starts at `starts` a day into out[size]:
// whole years of 365 days and whole months of 31 of the rest, or the cycle
// count itself when that is under a month or there are no starts. Answers
// the heading that goes with the text.
const char* format_fatigue_life(char* out, size_t size, int cycles, int starts);

#endif
