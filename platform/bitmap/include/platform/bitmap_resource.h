// Bitmap resources carried by a module, as a program's cmake embeds them with
// velmora_bitmap_resource() (cmake/BitmapResource.cmake): the bitmap's bytes
// as a bitmap file holds them after its 14-byte file header (the info header,
// the colour table and the rows), stored under a name with the type RT_BITMAP.
#ifndef PLATFORM_BITMAP_RESOURCE_H
#define PLATFORM_BITMAP_RESOURCE_H

#include <stdexcept>

#include <QImage>

#include <platform/module.h>

// Raised when the resource is missing or its bytes are no bitmap.
class ResourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bitmap resource `name` of `module` (the program's own: HInstance),
// decoded; an 8-bit bitmap comes out as an indexed picture with its colours.
QImage load_bitmap_resource(HINSTANCE module, const char* name);

#endif
