// One calculation sheet as one print job, framed alike on both sheets.
#ifndef PRINT_SHEET_JOB_H
#define PRINT_SHEET_JOB_H

#include <functional>

// Opens a job for one A4 sheet named `doc`. When it opens (1), the wait dialog
// shows while `draw_sheet` emits the page, then the job is closed and the
// dialog stopped; a sheet that `draw_sheet` cut short (false) answers 2. A job
// the user cancelled (2) or that was declined (3) is closed at once; any other
// answer closes nothing. Answers the job start's answer, or 2.
int print_sheet_job(const char* doc, const std::function<bool()>& draw_sheet);

#endif
