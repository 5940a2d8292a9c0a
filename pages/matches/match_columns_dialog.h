// DLG_COLONNES_PALMARES: which columns the matches list shows, one box per
// column. The future-rank box is offered only under the French system, the
// only one that gives next season's rankings.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

class QCheckBox;

namespace scorvane {

class ListColumnModel;

class DLG_COLONNES_PALMARES : public QDialog {
  Q_OBJECT

 public:
  // The boxes start on the columns' shown flags.
  DLG_COLONNES_PALMARES(const ListColumnModel& columns, bool french_system,
                        QWidget* parent = nullptr);

  // One flag per column; a hidden box keeps its column's flag.
  std::vector<bool> ShownFlags() const;
  QCheckBox* Box(int column) const { return boxes_.at(static_cast<size_t>(column)); }

  // Runs the dialog and, on OK, sets the columns' shown flags; true then.
  static bool Choose(QWidget* parent, ListColumnModel& columns, bool french_system);

 private:
  std::vector<QCheckBox*> boxes_;
  std::vector<bool> shown_;
};

}  // namespace scorvane
