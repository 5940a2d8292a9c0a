// The keyboard locks (caps, num, scroll) as the window system tells them.
// Apart from the rest because the X11 headers it needs define names such as
// KeyPress that Qt code uses.
#pragma once

namespace scorvane {

struct LockStates {
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

// True when the window system could tell every state (on X11).
bool ReadSystemLocks(LockStates& states);

}  // namespace scorvane
