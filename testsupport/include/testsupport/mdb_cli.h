// Reading written files back with mdbtools' own command-line programs, so
// that the tests judge the files by an implementation independent of ours.
#ifndef TESTSUPPORT_MDB_CLI_H
#define TESTSUPPORT_MDB_CLI_H

#include <string>
#include <vector>

namespace mdb_cli {

struct Output {
    int status = -1;  // exit status, -1 when the command did not end normally
    std::string out;  // standard output (standard error is passed through)
};

Output run(const std::string& command);

// Single-quoted for the shell.
std::string quoted(const std::string& text);

// A file name in the working folder unique to the running test.
std::string test_file(const std::string& suffix);

using Rows = std::vector<std::vector<std::string>>;

// mdb-export of table without header, blobs in hexadecimal, dates as
// YYYY-MM-DD HH:MM:SS, NULL as the text "<NULL>"; parsed CSV rows.
Rows export_table(const std::string& database, const std::string& table);

std::vector<std::string> tables(const std::string& database);  // mdb-tables -1

std::string hex(const std::string& bytes);
std::string file_contents(const std::string& path);
bool file_exists(const std::string& path);

}  // namespace mdb_cli

#endif
