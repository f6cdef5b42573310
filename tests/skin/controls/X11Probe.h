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

}  // namespace x11probe
