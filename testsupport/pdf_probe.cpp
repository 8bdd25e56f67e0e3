#include "testsupport/pdf_probe.h"

#include <gtest/gtest.h>

#include <stdio.h>

std::string command_output(const std::string& command)
{
    FILE* pipe = popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr) << command;
    if (!pipe)
        return "";
    std::string out;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << command;
    return out;
}

std::string pdf_text(const std::string& pdf)
{
    return command_output("pdftotext -enc UTF-8 '" + pdf + "' -");
}

std::string pdf_fonts(const std::string& pdf)
{
    return command_output("pdffonts '" + pdf + "'");
}

std::vector<Word> pdf_words(const std::string& pdf)
{
    // Lines such as <word xMin="85.0" yMin="113.4" xMax="109.0" yMax="125.4">左上</word>
    const std::string html = command_output("pdftotext -enc UTF-8 -bbox '" + pdf + "' -");
    const double mm_per_point = 25.4 / 72;
    std::vector<Word> words;
    for (size_t at = html.find("<word "); at != std::string::npos; at = html.find("<word ", at + 1)) {
        double x1, y1, x2, y2;
        int text_start = 0;
        if (sscanf(html.c_str() + at, "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">%n", &x1, &y1, &x2,
                   &y2, &text_start) != 4 ||
            text_start == 0)
            continue;
        const size_t begin = at + text_start, end = html.find("</word>", begin);
        if (end == std::string::npos)
            break;
        words.push_back(Word{html.substr(begin, end - begin), x1 * mm_per_point, y1 * mm_per_point, x2 * mm_per_point,
                             y2 * mm_per_point});
    }
    return words;
}

Word find_word(const std::vector<Word>& words, const std::string& utf8)
{
    for (const Word& w : words) {
        if (w.text == utf8)
            return w;
    }
    ADD_FAILURE() << "no word " << utf8;
    return Word{};
}

int GreyPage::at(double x_mm, double y_mm) const
{
    int x = (int)(x_mm * pixels_per_mm), y = (int)(y_mm * pixels_per_mm);
    if (x < 0 || y < 0 || x >= width || y >= height) {
        ADD_FAILURE() << "(" << x_mm << ", " << y_mm << ") lies outside the page";
        return -1;
    }
    return pixels[(size_t)y * width + x];
}

int GreyPage::dark_count(double x1, double y1, double x2, double y2, int below) const
{
    int count = 0;
    for (int y = (int)(y1 * pixels_per_mm); y < (int)(y2 * pixels_per_mm) && y < height; ++y) {
        for (int x = (int)(x1 * pixels_per_mm); x < (int)(x2 * pixels_per_mm) && x < width; ++x)
            count += pixels[(size_t)y * width + x] < below;
    }
    return count;
}

GreyPage render_page(const std::string& pdf)
{
    const std::string prefix = pdf + ".grey";
    command_output("pdftoppm -gray -r 254 -singlefile -f 1 -l 1 '" + pdf + "' '" + prefix + "'");
    const std::string pgm = read_file(prefix + ".pgm");
    GreyPage page;
    int maxval = 0, header = 0;
    if (sscanf(pgm.c_str(), "P5 %d %d %d%n", &page.width, &page.height, &maxval, &header) != 3 || maxval != 255) {
        ADD_FAILURE() << "not an 8-bit grey map";
        return GreyPage{};
    }
    const size_t size = (size_t)page.width * page.height;
    EXPECT_EQ(pgm.size(), header + 1 + size);
    if (pgm.size() >= header + 1 + size)
        page.pixels.assign(pgm.begin() + header + 1, pgm.begin() + header + 1 + size);
    else
        page = GreyPage{};
    return page;
}

Rgb pdf_colour_at(const std::string& pdf, double x_mm, double y_mm)
{
    const std::string prefix = pdf + ".colour";
    command_output("pdftoppm -r 254 -singlefile -f 1 -l 1 '" + pdf + "' '" + prefix + "'");
    const std::string ppm = read_file(prefix + ".ppm");
    int width = 0, height = 0, maxval = 0, header = 0;
    if (sscanf(ppm.c_str(), "P6 %d %d %d%n", &width, &height, &maxval, &header) != 3 || maxval != 255) {
        ADD_FAILURE() << "not an 8-bit colour map";
        return Rgb{-1, -1, -1};
    }
    const int x = (int)(x_mm * GreyPage::pixels_per_mm), y = (int)(y_mm * GreyPage::pixels_per_mm);
    const size_t at = (size_t)header + 1 + ((size_t)y * width + x) * 3;
    if (x < 0 || y < 0 || x >= width || y >= height || at + 2 >= ppm.size()) {
        ADD_FAILURE() << "point outside the page";
        return Rgb{-1, -1, -1};
    }
    return Rgb{(unsigned char)ppm[at], (unsigned char)ppm[at + 1], (unsigned char)ppm[at + 2]};
}
