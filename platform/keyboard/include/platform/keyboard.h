// Synthesised keyboard input, in place of the desktop's keybd_event: the key
// event joins the application's input and reaches whatever holds the focus
// once the event being handled now is done.
#ifndef PLATFORM_KEYBOARD_H
#define PLATFORM_KEYBOARD_H

#include <stdint.h>

// Virtual key codes understood by keybd_event.
enum {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_DELETE = 0x2E,
    // '0'..'9' and 'A'..'Z' are their own virtual key codes.
};

// Flag of keybd_event: the key goes up; without it the key goes down.
enum { KEYEVENTF_KEYUP = 0x0002 };

// Queues one key-down (or, with KEYEVENTF_KEYUP, key-up) of virtual key vk
// for the focused object of the application. The scan code and the extra
// information are accepted for the caller's sake and not used. Keys outside
// the codes above are dropped. Call it on the UI thread.
void keybd_event(uint8_t vk, uint8_t scan, uint32_t flags, uintptr_t extra);

#endif
