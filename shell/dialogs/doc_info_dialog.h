// DLG_DOC_INFO: the counts of the open document (seasons, events, matches,
// players...) and its ranking system, read-only.
#pragma once

#include <QDialog>
#include <array>

#include "records/document.h"

class QLabel;
class QLineEdit;

namespace scorvane {

class DLG_DOC_INFO : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kFieldCount = 9;

  DLG_DOC_INFO(const DocumentInfo& info, QWidget* parent = nullptr);
  // The value shown in field `index` (0..8, in the order of the labels).
  QString FieldText(int index) const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  std::array<QLabel*, kFieldCount> labels_{};
  std::array<QLineEdit*, kFieldCount> fields_{};
};

}  // namespace scorvane
