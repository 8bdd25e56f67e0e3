// The mouse cursor: where it is, and the cursor shown over the whole
// application (Screen->Cursor), which overrides every control's own cursor
// until it is set back to crDefault.
#ifndef PLATFORM_SCREEN_H
#define PLATFORM_SCREEN_H

#include <platform/wintypes.h>

typedef int TCursor;
const TCursor crDefault = 0;  // each control shows its own cursor
const TCursor crArrow = -2;
const TCursor crHourGlass = -11;
const TCursor crHandPoint = -21;

// The cursor's position in screen coordinates. FALSE when point is null.
BOOL GetCursorPos(POINT* point);

class TScreen {
public:
    // Screen->Cursor = crHandPoint; ... Screen->Cursor = crDefault;
    class CursorProperty {
    public:
        CursorProperty& operator=(TCursor cursor);
        operator TCursor() const { return value_; }

    private:
        TCursor value_ = crDefault;
    };
    CursorProperty Cursor;
};

extern TScreen* const Screen;

#endif
