// Print jobs run with their output going to a PDF file and their calls
// written to a journal (TOLVANE_PDF, TOLVANE_JOURNAL), and the journal read.
#ifndef TESTSUPPORT_PRINT_JOURNAL_H
#define TESTSUPPORT_PRINT_JOURNAL_H

#include <functional>
#include <string>
#include <vector>

// Runs `print` with the output going to `pdf` (empty: the print dialog) and
// the calls to a fresh `journal`; answers the journal's text.
std::string journal_of(const std::string& pdf, const std::string& journal, const std::function<void()>& print);

// The names of the journal's calls, in order.
std::vector<std::string> journal_calls(const std::string& journal_text);
// The texts of its prt_txt_ calls, in order.
std::vector<std::string> journal_texts(const std::string& journal_text);

#endif
