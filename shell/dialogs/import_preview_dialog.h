// The preview of File > Import matches...: before anything changes, what
// the file brings (matches, new players, events entered, seasons, surfaces),
// what looks doubtful and every refused line with its reason. The user then
// imports everything, only the good lines when some are refused, or nothing.
#pragma once

#include <QDialog>

#include "records/import/match_import.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace scorvane {

class PROJECT_DOC;

class ImportPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  ImportPreviewDialog(const ImportPlan& plan, const QString& file_name, QWidget* parent = nullptr);

  // File > Import matches...: asks for the file, reads it, shows the
  // preview and, when the user agrees, adds the matches to the document in
  // one batch of changes (it is marked modified, never saved).
  static void ImportInto(PROJECT_DOC& document, QWidget* parent);

  QTreeWidget* Contents() const { return contents_; }
  // "Import" (refused while lines are refused) and "Import the good lines only".
  QPushButton* ImportButton() const { return import_; }
  QPushButton* ImportGoodLinesButton() const { return import_good_; }

 private:
  QTreeWidgetItem* AddSection(const QString& title, const QStringList& lines);

  QTreeWidget* contents_ = nullptr;
  QPushButton* import_ = nullptr;
  QPushButton* import_good_ = nullptr;
};

}  // namespace scorvane
