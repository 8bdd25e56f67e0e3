// The pictures and the comparison table of the sample database, drawn by us.
#ifndef DATA_ARTWORK_H
#define DATA_ARTWORK_H

#include <QImage>
#include <QString>

// What a coupling looks like; each product of the sample catalogue has one.
struct JointLook {
    int bulges;         // rubber spheres between the flanges
    bool eccentric;     // the two ends on different centre lines
    bool reinforced;    // steel rings around the rubber
    bool limit_rods;    // rods across the flanges that limit stretching
    double flange_hue;  // colour of the painted flanges (0..359)
    bool bellows;       // stainless bellows in place of rubber
};

// A product photo (square) or a product drawing (5:4, lines and dimensions,
// image_width pixels wide).
QImage joint_photo(const JointLook& look);
QImage joint_drawing(const JointLook& look, const QString& title, int image_width = 350);

// Photos of the accessories among the related products.
QImage stand_photo();
QImage cover_photo();

// The maker's emblem that both programs print: 165 x 22, 8 bits per pixel.
QImage emblem_bitmap();

// The product comparison table as a one-page PDF.
bool write_comparison_pdf(const QString& path);

#endif
