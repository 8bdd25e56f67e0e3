#include "platform/msgbox.h"

#include <stdio.h>
#include <stdlib.h>

#include <fstream>

// One box a line: type in hex, caption and text, separated by tabs; a
// backslash, tab, line feed or carriage return in a text is written as a
// backslash and \, t, n or r.

namespace {

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out.push_back(c);
        }
    }
    return out;
}

std::string unescaped(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out.push_back(text[i]);
            continue;
        }
        char c = text[++i];
        out.push_back(c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c);
    }
    return out;
}

}  // namespace

bool append_message_box_log(const std::string& path, const ShownMessageBox& box)
{
    FILE* log = fopen(path.c_str(), "ae");
    if (!log)
        return false;
    std::string line = escaped(box.caption) + "\t" + escaped(box.text) + "\n";
    bool ok = fprintf(log, "%x\t%s", box.type, line.c_str()) > 0;
    return fclose(log) == 0 && ok;
}

std::vector<ShownMessageBox> read_message_box_log(const std::string& path)
{
    std::vector<ShownMessageBox> boxes;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        size_t first = line.find('\t');
        size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos)
            continue;
        ShownMessageBox box;
        box.owner = nullptr;
        box.type = (UINT)strtoul(line.substr(0, first).c_str(), nullptr, 16);
        box.caption = unescaped(line.substr(first + 1, second - first - 1));
        box.text = unescaped(line.substr(second + 1));
        box.answer = default_answer(box.type);
        boxes.push_back(box);
    }
    return boxes;
}
