// Blanks around words in connection texts and field values.
#ifndef JET_BLANKS_H
#define JET_BLANKS_H

#include <string>

namespace jet {

inline bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

inline std::string trimmed(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && is_blank(s[b]))
        ++b;
    while (e > b && is_blank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

}  // namespace jet

#endif
