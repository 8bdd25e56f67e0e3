#include "platform/shell.h"

#include <platform/charset.h>

std::vector<std::string> split_command_line(const std::string& line)
{
    std::vector<std::string> args;
    std::string current;
    bool in_argument = false;
    bool quoted = false;
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (!quoted && (c == ' ' || c == '\t')) {
            if (in_argument)
                args.push_back(current);
            current.clear();
            in_argument = false;
            ++i;
            continue;
        }
        in_argument = true;
        if (c == '\\') {
            size_t run = 0;
            while (i < line.size() && line[i] == '\\') {
                ++run;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                current.append(run / 2, '\\');
                if (run % 2) {
                    current.push_back('"');
                    ++i;
                }
            } else {
                current.append(run, '\\');
            }
            continue;
        }
        if (c == '"')
            quoted = !quoted;
        else
            current.push_back(c);
        ++i;
    }
    if (in_argument)
        args.push_back(current);
    return args;
}

namespace {

std::string quoted_argument(const std::string& arg)
{
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos)
        return arg;
    std::string out = "\"";
    size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"')
            out.append(backslashes * 2 + 1, '\\');
        else
            out.append(backslashes, '\\');
        backslashes = 0;
        out.push_back(c);
    }
    out.append(backslashes * 2, '\\');
    return out + "\"";
}

}  // namespace

std::string command_line_of_args(int argc, char** argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line.push_back(' ');
        line += quoted_argument(argv[i]);
    }
    return utf8_to_sjis(line);
}
