// The maker's pictures that the program carries: a rubber coupling with the
// emblem (version dialog) and the emblem itself.
#ifndef PARVELL_PICTURES_H
#define PARVELL_PICTURES_H

#include <QImage>

const QImage& coupling_picture();  // 101 x 101
const QImage& emblem_picture();    // 165 x 22

#endif
