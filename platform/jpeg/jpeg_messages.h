// The Japanese text of a libjpeg failure, as the desktop's class library
// shows it: a sentence for the failures a damaged picture gives, and always
// libjpeg's message code as the detail.
#ifndef PLATFORM_JPEG_MESSAGES_H
#define PLATFORM_JPEG_MESSAGES_H

#include <string>

// Shift-JIS; code is libjpeg's msg_code (J_MESSAGE_CODE).
std::string jpeg_error_text(int code);

#endif
