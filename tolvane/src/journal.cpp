#include "journal.h"

#include <stdio.h>
#include <stdlib.h>

#include <charconv>

#include <QImage>

#include <platform/charset.h>

namespace {

// Builds "name=value" pairs separated by blanks.
class Fields {
public:
    Fields& number(const char* name, double value)
    {
        char buffer[32];
        auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        return add(name, std::string(buffer, end));
    }
    Fields& integer(const char* name, long long value) { return add(name, std::to_string(value)); }
    Fields& colour(const char* name, int32_t value)
    {
        char buffer[16];
        snprintf(buffer, sizeof buffer, "0x%06X", (unsigned)value);
        return add(name, buffer);
    }
    Fields& text(const char* name, const char* sjis)
    {
        return add(name, sjis ? quoted(sjis_to_utf8(sjis)) : std::string("null"));
    }
    // A reserved area: 0 when it is all zero, else its bytes in hex.
    Fields& bytes(const char* name, const unsigned char* data, size_t size)
    {
        std::string hex;
        bool zero = true;
        for (size_t i = 0; i < size; ++i) {
            char pair[3];
            snprintf(pair, sizeof pair, "%02X", data[i]);
            hex += pair;
            zero = zero && data[i] == 0;
        }
        return add(name, zero ? std::string("0") : hex);
    }
    Fields& add(const char* name, const std::string& value)
    {
        if (!line_.empty())
            line_ += ' ';
        line_ += name;
        line_ += '=';
        line_ += value;
        return *this;
    }
    const std::string& line() const { return line_; }

private:
    static std::string quoted(const std::string& utf8)
    {
        std::string out = "\"";
        for (unsigned char c : utf8) {
            switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char escape[5];
                    snprintf(escape, sizeof escape, "\\x%02X", c);
                    out += escape;
                } else {
                    out += (char)c;
                }
            }
        }
        return out + "\"";
    }

    std::string line_;
};

const std::string missing_record = "null";

}  // namespace

std::string journal_fields(const Prt_ini* ini)
{
    if (!ini)
        return missing_record;
    return Fields()
        .bytes("rsv", ini->rsv, sizeof ini->rsv)
        .integer("prm1", ini->prm1)
        .text("doc", ini->doc)
        .integer("pap", ini->pap)
        .number("prm2", ini->prm2)
        .number("prm3", ini->prm3)
        .integer("prm6", ini->prm6)
        .integer("prm7", ini->prm7)
        .integer("prm8", ini->prm8)
        .line();
}

std::string journal_fields(const Prt_lin* lin)
{
    if (!lin)
        return missing_record;
    return Fields()
        .number("lin_wid", lin->lin_wid)
        .colour("lin_col", lin->lin_col)
        .integer("lin_sty", lin->lin_sty)
        .number("x1", lin->x1)
        .number("y1", lin->y1)
        .number("x2", lin->x2)
        .number("y2", lin->y2)
        .line();
}

std::string journal_fields(const Prt_rct* rct)
{
    if (!rct)
        return missing_record;
    return Fields()
        .number("lin_wid", rct->lin_wid)
        .colour("lin_col", rct->lin_col)
        .integer("lin_sty", rct->lin_sty)
        .colour("fil_col", rct->fil_col)
        .integer("fil_sty", rct->fil_sty)
        .number("x1", rct->x1)
        .number("y1", rct->y1)
        .number("x2", rct->x2)
        .number("y2", rct->y2)
        .line();
}

std::string journal_fields(const Prt_txt* txt)
{
    if (!txt)
        return missing_record;
    return Fields()
        .number("x", txt->x)
        .number("y", txt->y)
        .number("wid", txt->wid)
        .number("hgt", txt->hgt)
        .text("str", txt->str)
        .integer("aln_hrz", txt->aln_hrz)
        .integer("aln_vrt", txt->aln_vrt)
        .text("fnt_nam", txt->fnt_nam)
        .integer("fnt_siz", txt->fnt_siz)
        .integer("atr1", txt->atr1)
        .integer("atr2", txt->atr2)
        .integer("atr3", txt->atr3)
        .integer("atr4", txt->atr4)
        .integer("atr5", txt->atr5)
        .line();
}

// The picture is named by its size in pixels, "null" when there is none.
std::string journal_fields(const Rct_inf* box, int mod, const TGraphic* pic)
{
    Fields fields;
    if (box)
        fields.number("x", box->x).number("y", box->y).number("wid", box->wid).number("hgt", box->hgt);
    else
        fields.add("box", missing_record);
    fields.integer("mod", mod);
    if (pic)
        fields.add("pic", std::to_string(pic->width()) + "x" + std::to_string(pic->height()));
    else
        fields.add("pic", missing_record);
    return fields.line();
}

const char* journal_path()
{
    const char* path = getenv("TOLVANE_JOURNAL");
    return path && *path ? path : nullptr;
}

void journal_append(const char* path, const char* call, const std::string& fields, int answer)
{
    // Opened for each line, so that the file is complete whenever it is read
    // and a journal named between jobs takes effect at once.
    FILE* file = fopen(path, "a");
    if (!file)
        return;
    fprintf(file, "%s %s -> %d\n", call, fields.c_str(), answer);
    fclose(file);
}
