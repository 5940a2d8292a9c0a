#include "shell/window/system_locks.h"

#include <QGuiApplication>

#ifdef SCORVANE_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace scorvane {
namespace {

#ifdef SCORVANE_HAVE_X11
// The state of a keyboard indicator that X names ("Caps Lock"...); *known
// turns false when the server has no such indicator.
bool IndicatorOn(Display* display, const char* name, bool* known) {
  const Atom atom = XInternAtom(display, name, True);
  int on = 0;
  if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) {
    *known = false;
    return false;
  }
  return on != 0;
}
#endif

}  // namespace

bool ReadSystemLocks(LockStates& states) {
#ifdef SCORVANE_HAVE_X11
  const auto* x11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return false;
  bool known = true;
  states.caps = IndicatorOn(display, "Caps Lock", &known);
  states.num = IndicatorOn(display, "Num Lock", &known);
  states.scroll = IndicatorOn(display, "Scroll Lock", &known);
  return known;
#else
  (void)states;
  return false;
#endif
}

}  // namespace scorvane
