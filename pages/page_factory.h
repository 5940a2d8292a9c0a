// Makes the eight pages of the page frame: the one place that knows every
// page's class, so the frame (and the window tests, with their own factory)
// deal only with PageView.
#pragma once

class QWidget;

namespace scorvane {

class PageView;

// Page `number` (1..8), owned by `parent`.
PageView* CreatePage(int number, QWidget* parent);

}  // namespace scorvane
