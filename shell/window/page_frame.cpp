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

// The scroll area that holds a page (the page sits in its viewport).
QWidget* ScrollAreaOf(PageView* page) {
  return page->parentWidget()->parentWidget();
}

}  // namespace

PageFrame::PageFrame(QWidget* parent, Factory factory)
    : QWidget(parent), factory_(factory ? std::move(factory) : Factory(&CreatePage)) {
  setObjectName(QStringLiteral("pageFrame"));
  stack_ = new QStackedLayout(this);
  // Page 1 first, as the frame is built; the document then brings page 3,
  // and page 1 is only built when it is needed.
  current_ = 1;
}

PageView* PageFrame::Page(int number) {
  if (number < 1 || number > kPageCount) return nullptr;
  const auto index = static_cast<size_t>(number - 1);
  if (!pages_[index]) {
    PageView* page = factory_(number, this);
    pages_[index] = page;
    QScrollArea* area = Scrolling(page);
    stack_->addWidget(area);
    if (number == current_) stack_->setCurrentWidget(area);
    // A page built now has never started on the document: it does when it
    // is shown, as every page does after a document is opened.
    owed_[index] = Owed{true, false};
    emit PageCreated(page);
  }
  return pages_[index];
}

void PageFrame::ApplyScreenColours() {
  for (PageView* page : pages_) {
    if (page) page->ApplyScreenColours();
  }
}

bool PageFrame::ShowPage(int number) {
  if (number < 1 || number > kPageCount || number == current_) return false;
  PageView* page = Page(number);
  Owed& owed = owed_[static_cast<size_t>(number - 1)];
  if (owed.initial_update) page->InitialUpdate();
  if (owed.refresh || RefreshedWhenShown(number)) page->Refresh();
  owed = Owed();
  stack_->setCurrentWidget(ScrollAreaOf(page));
  current_ = number;
  emit PageShown(number);
  return true;
}

void PageFrame::InitialUpdateAll(int shown_next) {
  for (int number = 1; number <= kPageCount; ++number) {
    const auto index = static_cast<size_t>(number - 1);
    if (number == shown_next) {
      Page(number)->InitialUpdate();
      owed_[index] = Owed();
    } else {
      owed_[index] = Owed{true, false};
    }
  }
}

void PageFrame::RefreshAll() {
  for (int number = 1; number <= kPageCount; ++number)
    RefreshPage(number);
}

void PageFrame::RefreshPage(int number) {
  if (number < 1 || number > kPageCount) return;
  const auto index = static_cast<size_t>(number - 1);
  if (!pages_[index]) return;  // it starts on the document when it is built
  if (number == current_ && !owed_[index].initial_update) {
    pages_[index]->Refresh();
  } else {
    owed_[index].refresh = true;
  }
}

}  // namespace scorvane
