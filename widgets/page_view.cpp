// What the pages share: their bold title, their sunken boxes, and the frame
// colour of those boxes, set when a box joins its page and again when the
// user changes the screen colours, never while painting.
#include "widgets/page_view.h"

#include <QFrame>
#include <QLabel>

#include "widgets/screen_colours.h"

namespace scorvane {

void PageView::ApplyScreenColours() {
  for (QWidget* box : frame_boxes_)
    FillBackground(*box, ScreenColours::Frame());
  update();
}

void PageView::UseFrameColour(QWidget& box) {
  frame_boxes_.push_back(&box);
  FillBackground(box, ScreenColours::Frame());
}

QLabel* PageView::NewTitleLabel() {
  auto* title = new QLabel(this);
  title->setObjectName(QStringLiteral("pageTitle"));
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(17);
  font.setBold(true);
  title->setFont(font);
  title->setAlignment(Qt::AlignCenter);
  title->setFixedHeight(32);
  return title;
}

QFrame* PageView::NewSunkenFrame() {
  auto* frame = new QFrame(this);
  frame->setFrameShape(QFrame::Panel);
  frame->setFrameShadow(QFrame::Sunken);
  UseFrameColour(*frame);
  return frame;
}

}  // namespace scorvane
