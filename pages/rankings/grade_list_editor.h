// The grade list of the ranking-system editor: the grades from the strongest
// (top) to the weakest, with labels edited in place (at most five
// characters), a new grade appended with "New" or the Insert key, the
// selected one removed with "Delete" or the Delete key, and moved up or down
// with the two arrows.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QModelIndex;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace scorvane {

class GradeListEditor : public QWidget {
  Q_OBJECT

 public:
  // A system holds at most this many grades.
  static constexpr int kMaxGrades = 300;

  explicit GradeListEditor(QWidget* parent = nullptr);

  // The grades, strongest first.
  void SetGrades(const std::vector<std::string>& grades);
  std::vector<std::string> Grades() const;
  int Count() const;
  // The selected line, or -1.
  int SelectedLine() const;
  void SelectLine(int line);

  // The actions of the buttons and keys.
  void AppendGrade();
  void RenameSelected();
  void DeleteSelected();
  // Moves the selected grade `step` lines down (up when negative), kept
  // within the list.
  void MoveSelected(int step);
  // A label typed for a line: an empty one is refused, a long one is cut
  // with a message.
  void ApplyLabel(int line, const QString& typed);

  QTreeWidget* List() const { return list_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void UpdateButtons();
  void Retranslate();

  QTreeWidget* list_;
  QPushButton* rename_;
  QPushButton* new_;
  QPushButton* delete_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace scorvane
