// The Japanese text of a libjpeg failure, as the desktop's class library
// shows it: a sentence for the failures a damaged picture gives, and always
// libjpeg's message code as the detail.
#ifndef PLATFORM_JPEG_MESSAGES_H
#define PLATFORM_JPEG_MESSAGES_H

#include <string>

// Shift-JIS; code is libjpeg's msg_code (J_MESSAGE_CODE). A failure for want
// of memory (the decoder's bound reached) is jpeg_too_large_text.
std::string jpeg_error_text(int code);

// A picture refused for its pixels or for the memory its decoding needs.
extern const char jpeg_too_large_text[];
// A picture refused at its scan past `limit`.
std::string jpeg_too_many_scans_text(int limit);

#endif
