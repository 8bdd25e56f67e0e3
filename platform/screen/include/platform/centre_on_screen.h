// Places a window as the form designs ask with "centred on the screen".
#ifndef PLATFORM_CENTRE_ON_SCREEN_H
#define PLATFORM_CENTRE_ON_SCREEN_H

class QWidget;

// Moves the window so that its outer size (frame included, once the window
// system has given it one) stands in the middle of the primary screen; the
// halves are truncated toward zero. A window wider or higher than the screen
// starts at the screen's left or top edge instead. Call it when the window is
// about to be shown, so that it appears there rather than jumps there.
void centre_on_screen(QWidget* window);

#endif
