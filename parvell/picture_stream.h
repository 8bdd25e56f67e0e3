// Loading a JPEG blob stream from the database into the picture decoder.
#ifndef PARVELL_PICTURE_STREAM_H
#define PARVELL_PICTURE_STREAM_H

#include <jet/stream.h>
#include <platform/jpeg.h>

// Decodes the stream from its current position to its end.
void load_from_stream(TJPEGImage* picture, jet::TStream* stream);

#endif
