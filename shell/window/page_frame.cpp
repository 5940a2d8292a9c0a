#include "shell/window/page_frame.h"

#include <QStackedLayout>

#include "pages/page_factory.h"
#include "shell/window/page_rules.h"
#include "widgets/page_view.h"

namespace scorvane {

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
    stack_->addWidget(page);
    if (number == current_) stack_->setCurrentWidget(page);
    // A page built now has never started on the document: it does when it
    // is shown, as every page does after a document is opened.
    owed_[index] = Owed{true, false};
    emit PageCreated(page);
  }
  return pages_[index];
}

bool PageFrame::ShowPage(int number) {
  if (number < 1 || number > kPageCount || number == current_) return false;
  PageView* page = Page(number);
  Owed& owed = owed_[static_cast<size_t>(number - 1)];
  if (owed.initial_update) page->InitialUpdate();
  if (owed.refresh || RefreshedWhenShown(number)) page->Refresh();
  owed = Owed();
  stack_->setCurrentWidget(page);
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
