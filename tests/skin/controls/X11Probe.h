#pragma once

// What the window manager would read from our windows, looked up through a
// probe connection: kept apart from the program's headers, whose names
// (Screen) Xlib's would clash with.

struct _XDisplay;

namespace x11probe {

// Whether `window` is marked transient for `owner`.
bool TransientFor(_XDisplay* display, unsigned long window, unsigned long owner);
// Whether `window` is marked transient for any window.
bool HasTransientFor(_XDisplay* display, unsigned long window);
// Whether `window` is typed as a dialog.
bool DialogType(_XDisplay* display, unsigned long window);
// Whether another client holds the pointer.
bool PointerGrabbed(_XDisplay* display);

// A window of another program (the probe's connection) at that place on
// the screen, raised, listening for presses.
unsigned long OtherProgramWindow(_XDisplay* display, int x, int y, int width, int height);
// Whether the display shows `window`.
bool Mapped(_XDisplay* display, unsigned long window);
// Whether a press has reached `window` since the last call.
bool PressArrived(_XDisplay* display, unsigned long window);

}  // namespace x11probe
