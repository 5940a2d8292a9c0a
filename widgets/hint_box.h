// The small advice box of the season dialogs: the bulb, an optional bold
// heading and a line of advice on a light cream background.
#pragma once

#include <QString>

class QFrame;
class QWidget;

namespace scorvane {

// The box, owned by `parent`; no heading when `heading` is empty.
QFrame* MakeHintBox(QWidget* parent, const QString& heading, const QString& text);

}  // namespace scorvane
