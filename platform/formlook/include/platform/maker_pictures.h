// The maker's pictures that the programs carry: the emblem, and the two
// couplings bearing it that the version dialogs show.
#ifndef PLATFORM_MAKER_PICTURES_H
#define PLATFORM_MAKER_PICTURES_H

#include <QColor>
#include <QImage>

// The blue in which the maker signs.
QColor maker_blue();

const QImage& emblem_picture();            // 165 x 22
const QImage& coupling_picture();          // 101 x 101, a rubber coupling
const QImage& bellows_coupling_picture();  // 101 x 101, a stainless bellows coupling

#endif
