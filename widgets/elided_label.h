// A one-line label for a text of any length, such as a name the user typed:
// it never makes its dialog wider than the dialog would be without it, cuts
// the text with an ellipsis to the width it is given, and then shows the
// whole text in its tooltip.
#pragma once

#include <QLabel>

namespace scorvane {

class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  void SetFullText(const QString& text);
  const QString& FullText() const { return full_text_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Elide();

  QString full_text_;
};

}  // namespace scorvane
