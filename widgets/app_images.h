// The application's image list: the seven small pictures the lists show
// (won, lost, a woman, a man, indoors, an event, a contact) followed by one
// picture per French grade. Every picture is 24 x 16 and drawn by the
// program itself, sharp at twice that size on high-density screens. The list
// is made once, when a page first shows a list (not at start-up: the page
// shown first has none); lists take it whole and show a picture by its
// index.
#pragma once

#include <QList>
#include <QPixmap>

namespace scorvane {

class CLASSEMENT;

// The seven application pictures, in the order of the list.
enum class AppIcon { kWon, kLost, kWoman, kMan, kIndoor, kEvent, kContact };
inline constexpr int kAppIconCount = 7;
// One picture per French grade, "NC" to "1S".
inline constexpr int kGradePictureCount = 25;

class AppImages {
 public:
  // Draws the list; later calls keep the list already made.
  static void Load();
  // Every picture (made on first use when Load was not called).
  static const QList<QPixmap>& List();
  static int IconIndex(AppIcon icon);
  // The picture of a ranking: only under the French system and for a grade
  // of its scale; -1 otherwise.
  static int GradeIndex(const CLASSEMENT& ranking);
  // The size of every picture, in device-independent pixels.
  static QSize PictureSize() { return {24, 16}; }
};

}  // namespace scorvane
