#include "testsupport/mdb_cli.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace mdb_cli {

Output run(const std::string& command)
{
    Output result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, n);
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string test_file(const std::string& suffix)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(info->test_suite_name()) + "_" + info->name() + suffix;
}

namespace {

Rows parse_csv(const std::string& text)
{
    Rows rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted_field = false, in_quotes = false, any = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (in_quotes) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                in_quotes = false;
            } else {
                field += c;
            }
            continue;
        }
        if (c == '"') {
            in_quotes = quoted_field = any = true;
        } else if (c == ',') {
            row.push_back(field);
            field.clear();
            quoted_field = false;
            any = true;
        } else if (c == '\n') {
            row.push_back(field);
            rows.push_back(row);
            row.clear();
            field.clear();
            quoted_field = any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || quoted_field) {
        row.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

Rows export_table(const std::string& database, const std::string& table)
{
    Output output =
        run("mdb-export -H -b hex -0 '<NULL>' -T '%Y-%m-%d %H:%M:%S' " + quoted(database) + " " + quoted(table));
    EXPECT_EQ(output.status, 0) << "mdb-export " << table;
    return parse_csv(output.out);
}

std::vector<std::string> tables(const std::string& database)
{
    Output output = run("mdb-tables -1 " + quoted(database));
    EXPECT_EQ(output.status, 0);
    std::vector<std::string> names;
    std::istringstream in(output.out);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty())
            names.push_back(line);
    return names;
}

std::string hex(const std::string& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string file_contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool file_exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

}  // namespace mdb_cli
