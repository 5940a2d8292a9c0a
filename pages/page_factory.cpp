#include "pages/page_factory.h"

#include "pages/placeholder_page.h"

namespace scorvane {
namespace {

PageView* CreateClubsPage(QWidget* parent) {
  return new PlaceholderPage(PageView::kClubs, parent);
}

}  // namespace

PageView* CreatePage(int number, QWidget* parent) {
  switch (number) {
    case PageView::kClubs:
      return CreateClubsPage(parent);
    default:
      return new PlaceholderPage(number, parent);
  }
}

}  // namespace scorvane
