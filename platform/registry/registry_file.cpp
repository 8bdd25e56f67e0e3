#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <platform/write_all.h>

#include "registry_store.h"

// A key's values file: a first line naming the format, then one line per
// value: its kind as a decimal number, its name and its bytes, separated by
// one blank. Names and bytes are written with every byte outside '!' to '~'
// and every '%' as %XX, so each line stays readable and unambiguous.

namespace {

const char header_line[] = "VelmoraRegistry 1\n";
const char values_file[] = "/.values";
const char lock_file[] = "/.lock";
const size_t largest_file = 16u << 20;  // far beyond any key's values

void encode(const std::string& bytes, std::string* out)
{
    static const char hex[] = "0123456789ABCDEF";
    for (unsigned char c : bytes) {
        if (c > ' ' && c <= '~' && c != '%') {
            *out += static_cast<char>(c);
        } else {
            *out += '%';
            *out += hex[c >> 4];
            *out += hex[c & 15];
        }
    }
}

int hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool decode(const std::string& text, std::string* out)
{
    out->clear();
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '%') {
            if (i + 2 >= text.size())
                return false;
            int high = hex_digit(text[i + 1]), low = hex_digit(text[i + 2]);
            if (high < 0 || low < 0)
                return false;
            *out += static_cast<char>(high << 4 | low);
            i += 2;
        } else if (c > ' ' && c <= '~') {
            *out += static_cast<char>(c);
        } else {
            return false;
        }
    }
    return true;
}

bool parse_type(const std::string& text, DWORD* type)
{
    if (text.empty() || text.size() > 10)
        return false;
    unsigned long long n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + static_cast<unsigned>(c - '0');
    }
    if (n > 0xFFFFFFFFull)
        return false;
    *type = static_cast<DWORD>(n);
    return true;
}

bool parse_line(const std::string& line, RegValue* value)
{
    size_t first = line.find(' ');
    size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
    if (second == std::string::npos || line.find(' ', second + 1) != std::string::npos)
        return false;
    return parse_type(line.substr(0, first), &value->type) &&
           decode(line.substr(first + 1, second - first - 1), &value->name) &&
           decode(line.substr(second + 1), &value->data);
}

bool read_file(const std::string& path, std::string* text, bool* absent)
{
    *absent = false;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *absent = errno == ENOENT;
        return false;
    }
    text->clear();
    char buffer[8192];
    bool ok = true;
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || text->size() + static_cast<size_t>(n) > largest_file) {
            ok = false;
            break;
        }
        if (n == 0)
            break;
        text->append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    return ok;
}

// Puts `text` in place of the file at `path`: a reader or a crash sees the
// old file or the new one whole, never a part.
bool replace_file(const std::string& folder, const std::string& path, const std::string& text)
{
    std::string temp = path + ".XXXXXX";
    int fd = mkostemp(&temp[0], O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = write_all(fd, text) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

// Holds the key's lock for as long as it lives.
class KeyLock {
public:
    explicit KeyLock(const std::string& folder)
        : fd_(open((folder + lock_file).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        while (fd_ >= 0 && flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                close(fd_);
                fd_ = -1;
            }
        }
    }
    ~KeyLock()
    {
        if (fd_ >= 0)
            close(fd_);  // releases the lock
    }
    KeyLock(const KeyLock&) = delete;
    KeyLock& operator=(const KeyLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_;
};

}  // namespace

std::string format_values(const RegValues& values)
{
    std::string text = header_line;
    for (const RegValue& v : values) {
        text += std::to_string(v.type);
        text += ' ';
        encode(v.name, &text);
        text += ' ';
        encode(v.data, &text);
        text += '\n';
    }
    return text;
}

bool parse_values(const std::string& text, RegValues* values)
{
    values->clear();
    if (text.compare(0, sizeof header_line - 1, header_line) != 0)
        return false;
    // Every line, the last included, ends with its newline.
    size_t pos = sizeof header_line - 1;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            return false;
        RegValue value;
        if (!parse_line(text.substr(pos, end - pos), &value))
            return false;
        values->push_back(value);
        pos = end + 1;
    }
    return true;
}

bool load_values(const std::string& folder, RegValues* values)
{
    std::string text;
    bool absent;
    if (!read_file(folder + values_file, &text, &absent)) {
        values->clear();
        return absent;
    }
    return parse_values(text, values);
}

bool store_value(const std::string& folder, const RegValue& value, bool make_folder)
{
    if (make_folder && !make_key_folder(folder))
        return false;
    KeyLock lock(folder);
    RegValues values;
    if (!lock.held() || !load_values(folder, &values))
        return false;
    RegValue* same = const_cast<RegValue*>(find_value(values, value.name));
    if (same) {
        same->type = value.type;
        same->data = value.data;
    } else {
        values.push_back(value);
    }
    return replace_file(folder, folder + values_file, format_values(values));
}

bool make_key_folder(const std::string& folder)
{
    for (size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos < folder.size() && folder[pos] != '/')
            continue;
        std::string part = folder.substr(0, pos);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st;
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
