#include "number_text.h"

#include <locale.h>
#include <stdlib.h>

#include <charconv>
#include <cmath>

bool number_key_passes(char key, bool only_int, bool only_plus)
{
    const unsigned char c = static_cast<unsigned char>(key);
    if (c >= '0' && c <= '9')
        return true;
    if (c < 32 || c == 127)
        return true;
    if (c == '.')
        return !only_int;
    if (c == '-')
        return !only_plus;
    return false;
}

namespace {

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

bool is_space(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

double number_of_text(const char* text)
{
    const char* p = text;
    while (is_space(*p))
        ++p;
    const char* number = p;
    if (*p == '+' || *p == '-')
        ++p;
    // Only a decimal number counts: no "inf", no "nan", no hexadecimal.
    if (!is_digit(*p) && !(*p == '.' && is_digit(p[1])))
        return 0;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))
        return 0;  // the decimal prefix is the lone 0
    locale_t c_locale = newlocale(LC_ALL_MASK, "C", (locale_t)0);
    if (c_locale == (locale_t)0)
        return 0;
    double value = strtod_l(number, nullptr, c_locale);
    freelocale(c_locale);
    return value;
}

std::string general_number_text(double value)
{
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (std::isnan(value))
        return "NAN";
    if (value == 0)
        return "0";

    // d.dddddddddddddde±x: the value rounded to 15 significant digits.
    char sci[64];
    const std::to_chars_result r = std::to_chars(sci, sci + sizeof sci - 1, value, std::chars_format::scientific, 14);
    *r.ptr = '\0';
    const char* p = sci;
    std::string out;
    if (*p == '-') {
        out += '-';
        ++p;
    }
    std::string digits;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            digits += *p;
    const int exponent = atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1)
            out += '.' + digits.substr(1);
        out += 'E' + std::to_string(exponent);
        return out;
    }
    if (exponent < 0) {
        out += "0." + std::string(-exponent - 1, '0') + digits;
        return out;
    }
    const size_t whole = (size_t)exponent + 1;
    if (digits.size() <= whole)
        return out + digits + std::string(whole - digits.size(), '0');
    return out + digits.substr(0, whole) + '.' + digits.substr(whole);
}
