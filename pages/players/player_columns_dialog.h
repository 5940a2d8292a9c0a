// DLG_COLONNES_JOUEURS: which columns the players list shows. One box per
// optional column; the first name and surname columns are always shown.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

class QCheckBox;

namespace scorvane {

class DLG_COLONNES_JOUEURS : public QDialog {
  Q_OBJECT

 public:
  // The players list's columns: the seventeen of the directory and the
  // two head-to-head counts.
  static constexpr int kColumnCount = 19;
  static constexpr int kFirstNameColumn = 2;
  static constexpr int kSurnameColumn = 3;
  static constexpr int kFutureRankColumn = 9;

  // `shown`: the current flags, one per column (missing ones count as not
  // shown). `french_system`: the future-rank box is offered only then.
  DLG_COLONNES_JOUEURS(std::vector<bool> shown, bool french_system, QWidget* parent = nullptr);

  // The flags the boxes give now; columns without a box keep their flag,
  // and the first name and surname are always shown.
  std::vector<bool> ShownFlags() const;

  // Runs the dialog: the new flags on OK, nothing on Cancel.
  static std::optional<std::vector<bool>> Choose(QWidget* parent, const std::vector<bool>& shown,
                                                 bool french_system);

 private:
  QCheckBox* AddBox(class QLayout& layout, int column);

  std::vector<bool> shown_;
  std::vector<QCheckBox*> boxes_;  // by column; null where a column has no box
};

}  // namespace scorvane
