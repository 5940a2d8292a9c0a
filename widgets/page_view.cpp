// The frame colour of the pages' boxes, set when a box joins its page and
// again when the user changes the screen colours, never while painting.
#include "widgets/page_view.h"

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

}  // namespace scorvane
