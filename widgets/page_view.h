// One page of the right-hand pane: matches, players, own page, season
// summary, calculation report, finances, clubs or statistics. The page frame
// creates the eight pages once and shows one at a time.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QFrame;
class QLabel;

namespace scorvane {

class Printable;

class PageView : public QWidget {
  Q_OBJECT

 public:
  // Page numbers, which are also the pages' identities in the frame.
  enum Number {
    kMatches = 1,
    kPlayers = 2,
    kOwnPage = 3,
    kSeasonSummary = 4,
    kCalculationReport = 5,
    kFinances = 6,
    kClubs = 7,
    kStatistics = 8,
  };

  explicit PageView(int number, QWidget* parent = nullptr) : QWidget(parent), number_(number) {}

  int PageNumber() const { return number_; }

  // A document was opened or created: start afresh.
  virtual void InitialUpdate() {}
  // The document changed, or the page is being shown: show the records again.
  virtual void Refresh() {}
  // The content to print, or null when the page has nothing to print.
  virtual Printable* PrintContent() { return nullptr; }
  // The screen colours changed: the page's boxes take the new frame colour
  // and the page is drawn again.
  void ApplyScreenColours();

 signals:
  // The page asks the window to show another page (its number).
  void ShowPageRequested(int number);
  // The page's own print button: print it as the print command would.
  void PrintRequested();

 protected:
  // Fills `box` (one of the page's widgets) with the frame colour, now and
  // whenever the screen colours change.
  void UseFrameColour(QWidget& box);
  // The bold centred title at the top of a page.
  QLabel* NewTitleLabel();
  // A sunken box in the frame colour.
  QFrame* NewSunkenFrame();

 private:
  int number_;
  std::vector<QWidget*> frame_boxes_;
};

}  // namespace scorvane
