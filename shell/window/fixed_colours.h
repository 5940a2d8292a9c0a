// The two screen colours' defaults, which are also the fixed colours of
// every dialog (background and frames), and the way pages and dialogs
// paint a widget's background with one of them.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace scorvane {

inline const QColor kDefaultBackgroundColour{173, 198, 255};
inline const QColor kDefaultFrameColour{255, 224, 175};
inline const QColor kDialogBackgroundColour = kDefaultBackgroundColour;
inline const QColor kDialogFrameColour = kDefaultFrameColour;

inline void FillBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace scorvane
