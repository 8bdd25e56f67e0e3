// Looks into written PDF files with poppler-utils: text, fonts, words with
// their boxes, and the page rendered to grey pixels.
#ifndef TESTSUPPORT_PDF_PROBE_H
#define TESTSUPPORT_PDF_PROBE_H

#include <string>
#include <vector>

#include "testsupport/files.h"

// The standard output of a shell command; fails the test when it fails.
std::string command_output(const std::string& command);

std::string pdf_text(const std::string& pdf);   // UTF-8
std::string pdf_fonts(const std::string& pdf);  // pdffonts' table

// A word as pdftotext finds it, its box in millimetres from the sheet's corner.
struct Word {
    std::string text;  // UTF-8
    double x1, y1, x2, y2;
};
std::vector<Word> pdf_words(const std::string& pdf);
// The first word whose text is `utf8`; fails the test when there is none.
Word find_word(const std::vector<Word>& words, const std::string& utf8);

// The first page in 8-bit grey at 254 dpi: ten pixels per millimetre.
struct GreyPage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;

    static constexpr double pixels_per_mm = 10;
    // The pixel whose square holds the point (x, y) in millimetres.
    int at(double x_mm, double y_mm) const;
    // Pixels darker than `below` in the area from (x1, y1) to (x2, y2) mm.
    int dark_count(double x1, double y1, double x2, double y2, int below = 128) const;
};
GreyPage render_page(const std::string& pdf);

// The colour of the first page at the point (x, y) in millimetres, rendered
// in colour at 254 dpi.
struct Rgb {
    int r, g, b;
};
Rgb pdf_colour_at(const std::string& pdf, double x_mm, double y_mm);

#endif
