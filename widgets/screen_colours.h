// The two screen colours every page paints with: the background and the
// colour of boxes and frames. Read from the settings when the main window is
// created, changed with the colour commands of the View menu. Dialogs keep
// the two default colours whatever the user chose.
#pragma once

#include <QColor>
#include <QSettings>

class QWidget;

namespace scorvane {

class ScreenColours {
 public:
  static QColor Background();
  static QColor Frame();
  // The fixed colours of dialogs (the defaults).
  static QColor DialogBackground();
  static QColor DialogFrame();

  // "Couleurs"/"couleur de fond" and "couleur des cadres" (defaults when absent).
  static void Load(QSettings& store);
  // Sets both and writes both.
  static void Set(const QColor& background, const QColor& frame, QSettings& store);
  static void RestoreDefaults(QSettings& store);
};

// Makes a widget fill its background with a colour (dialogs and frames).
void FillBackground(QWidget& widget, const QColor& colour);

}  // namespace scorvane
