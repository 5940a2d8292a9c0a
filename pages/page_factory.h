// Makes the eight pages of the page frame. Each page comes from one function
// here, so a page that is built later replaces its placeholder in one line.
#pragma once

class QWidget;

namespace scorvane {

class PageView;

// Page `number` (1..8), owned by `parent`.
PageView* CreatePage(int number, QWidget* parent);

}  // namespace scorvane
