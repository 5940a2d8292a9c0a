#include "shell/window/page_frame.h"

#include <QStackedLayout>

#include "pages/page_factory.h"
#include "shell/window/page_rules.h"
#include "widgets/page_view.h"

namespace scorvane {

PageFrame::PageFrame(QWidget* parent, Factory factory) : QWidget(parent) {
  setObjectName(QStringLiteral("pageFrame"));
  if (!factory) factory = &CreatePage;
  stack_ = new QStackedLayout(this);
  for (int number = 1; number <= kPageCount; ++number) {
    PageView* page = factory(number, this);
    pages_[static_cast<size_t>(number - 1)] = page;
    stack_->addWidget(page);
  }
  // Page 1 first, as the frame is built; the document then brings page 3.
  stack_->setCurrentWidget(pages_[0]);
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
  stack_->setCurrentWidget(page);
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
