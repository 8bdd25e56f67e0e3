#include "testsupport/print_journal.h"

#include <stdio.h>
#include <stdlib.h>

#include <sstream>

#include "testsupport/files.h"

std::string journal_of(const std::string& pdf, const std::string& journal, const std::function<void()>& print)
{
    if (pdf.empty())
        unsetenv("TOLVANE_PDF");
    else
        setenv("TOLVANE_PDF", pdf.c_str(), 1);
    remove(journal.c_str());
    setenv("TOLVANE_JOURNAL", journal.c_str(), 1);
    print();
    unsetenv("TOLVANE_JOURNAL");
    unsetenv("TOLVANE_PDF");
    return read_file(journal);
}

std::vector<std::string> journal_calls(const std::string& journal_text)
{
    std::vector<std::string> calls;
    std::istringstream lines(journal_text);
    for (std::string line; std::getline(lines, line);)
        calls.push_back(line.substr(0, line.find(' ')));
    return calls;
}

std::vector<std::string> journal_texts(const std::string& journal_text)
{
    std::vector<std::string> texts;
    std::istringstream lines(journal_text);
    for (std::string line; std::getline(lines, line);) {
        const size_t from = line.find(" str=\"");
        const size_t to = line.find("\" aln_hrz=");
        if (line.rfind("prt_txt_ ", 0) == 0 && from != std::string::npos && to != std::string::npos)
            texts.push_back(line.substr(from + 6, to - from - 6));
    }
    return texts;
}
