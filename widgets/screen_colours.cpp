#include "widgets/screen_colours.h"

#include <QPalette>
#include <QWidget>

#include "widgets/settings.h"

namespace scorvane {
namespace {

QColor g_background = settings::kDefaultBackground;
QColor g_frame = settings::kDefaultFrame;

}  // namespace

QColor ScreenColours::Background() {
  return g_background;
}

QColor ScreenColours::Frame() {
  return g_frame;
}

QColor ScreenColours::DialogBackground() {
  return settings::kDefaultBackground;
}

QColor ScreenColours::DialogFrame() {
  return settings::kDefaultFrame;
}

void ScreenColours::Load(QSettings& store) {
  g_background =
      settings::ReadColour(store, settings::kBackgroundColour, settings::kDefaultBackground);
  g_frame = settings::ReadColour(store, settings::kFrameColour, settings::kDefaultFrame);
}

void ScreenColours::Set(const QColor& background, const QColor& frame, QSettings& store) {
  g_background = background;
  g_frame = frame;
  settings::WriteColour(store, settings::kBackgroundColour, background);
  settings::WriteColour(store, settings::kFrameColour, frame);
}

void ScreenColours::RestoreDefaults(QSettings& store) {
  Set(settings::kDefaultBackground, settings::kDefaultFrame, store);
}

void FillBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace scorvane
