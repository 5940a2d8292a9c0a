#include "widgets/elided_label.h"

#include <QFontMetrics>
#include <algorithm>

namespace scorvane {
namespace {

// The widest the label asks to be; it takes more only when the layout has it.
constexpr int kPreferredWidth = 260;

}  // namespace

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
}

void ElidedLabel::SetFullText(const QString& text) {
  full_text_ = text;
  updateGeometry();
  Elide();
}

QSize ElidedLabel::sizeHint() const {
  const QFontMetrics metrics(font());
  const int width = std::min(metrics.horizontalAdvance(full_text_), kPreferredWidth);
  return {width + 2 * margin() + 2 * frameWidth(), QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const {
  return {fontMetrics().averageCharWidth() * 4, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Elide();
}

void ElidedLabel::showEvent(QShowEvent* event) {
  QLabel::showEvent(event);
  Elide();
}

void ElidedLabel::Elide() {
  // Until it is shown the label has no width of its own: it holds the text.
  const QString shown =
      isVisible() ? fontMetrics().elidedText(full_text_, Qt::ElideRight, contentsRect().width())
                  : full_text_;
  setText(shown);
  setToolTip(shown == full_text_ ? QString() : full_text_);
}

}  // namespace scorvane
