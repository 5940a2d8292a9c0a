#include "shell/window/page_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollArea>
#include <QStackedLayout>

#include "pages/page_factory.h"
#include "shell/window/page_rules.h"
#include "widgets/page_view.h"

namespace scorvane {

namespace {

// Every page fills its frame, but never below its own minimum size: on a
// small screen a page that cannot shrink further scrolls instead of
// making the window larger than the screen.
// A page whose smallest size changes (lists filled, texts translated) asks
// its scroll area to size it again; the area would only notice at its next
// resize.
class PageSizeFollower : public QObject {
 public:
  explicit PageSizeFollower(QScrollArea* area) : QObject(area) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::LayoutRequest)
      QCoreApplication::postEvent(parent(), new QEvent(QEvent::LayoutRequest));
    return false;
  }
};

QScrollArea* Scrolling(PageView* page) {
  auto* area = new QScrollArea;
  page->installEventFilter(new PageSizeFollower(area));
  area->setObjectName(QStringLiteral("pageScroll%1").arg(page->PageNumber()));
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  area->setWidget(page);
  return area;
}

}  // namespace

PageFrame::PageFrame(QWidget* parent, Factory factory) : QWidget(parent) {
  setObjectName(QStringLiteral("pageFrame"));
  if (!factory) factory = &CreatePage;
  stack_ = new QStackedLayout(this);
  for (int number = 1; number <= kPageCount; ++number) {
    PageView* page = factory(number, this);
    pages_[static_cast<size_t>(number - 1)] = page;
    stack_->addWidget(Scrolling(page));
  }
  // Page 1 first, as the frame is built; the document then brings page 3.
  stack_->setCurrentIndex(0);
  current_ = 1;
}

PageView* PageFrame::Page(int number) const {
  if (number < 1 || number > kPageCount) return nullptr;
  return pages_[static_cast<size_t>(number - 1)];
}

bool PageFrame::ShowPage(int number) {
  PageView* page = Page(number);
  if (!page || number == current_) return false;
  if (RefreshedWhenShown(number)) page->Refresh();
  stack_->setCurrentIndex(number - 1);  // the pages were added in their order
  current_ = number;
  emit PageShown(number);
  return true;
}

void PageFrame::InitialUpdateAll() {
  for (PageView* page : pages_)
    page->InitialUpdate();
}

void PageFrame::RefreshAll() {
  for (PageView* page : pages_)
    page->Refresh();
}

}  // namespace scorvane
