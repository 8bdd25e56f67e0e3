// The journal: when TOLVANE_JOURNAL names a file, every call appends one line
// with its name, every field of its record and its answer, e.g.
//   prt_lin_ lin_wid=0.3 lin_col=0x000000 lin_sty=0 x1=20 y1=10 x2=200 y2=10 -> 1
// Numbers are written in their shortest exact form, colours in hex, texts in
// UTF-8 between double quotes (with \" \\ \n \r \t \xHH escapes) or as null;
// a missing record is written as "null". Lines of the sheet tests compare
// exactly, so the format is fixed.
#ifndef TOLVANE_JOURNAL_H
#define TOLVANE_JOURNAL_H

#include <string>

#include <tolvane.h>

// The fields of a record as the journal writes them, after the call's name.
std::string journal_fields(const Prt_ini* ini);
std::string journal_fields(const Prt_lin* lin);
std::string journal_fields(const Prt_rct* rct);
std::string journal_fields(const Prt_txt* txt);
std::string journal_fields(const Rct_inf* box, int mod, const TGraphic* pic);

// The journal file, or null when none is named.
const char* journal_path();
void journal_append(const char* path, const char* call, const std::string& fields, int answer);

// Appends "call fields -> answer" to the journal, when there is one; the
// fields are only formatted then.
template <typename... Record>
void journal_write(const char* call, int answer, const Record&... record)
{
    if (const char* path = journal_path())
        journal_append(path, call, journal_fields(record...), answer);
}

#endif
