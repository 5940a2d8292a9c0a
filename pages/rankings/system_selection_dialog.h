// DLG_SELECTION_SYSCLASS: the ranking systems on offer, the user's own files
// first, then the built-ins, with the title and description of the line
// selected. In selection form it hands the chosen system to its caller (the
// change of a document's system, the new-document questions); in management
// form it only creates, edits and deletes the user's own systems.
#pragma once

#include <QDialog>
#include <vector>

#include "ranking/ranking_registry.h"

class QLabel;
class QPushButton;

namespace scorvane {

class MY_LIST_CONTROL;

class DLG_SELECTION_SYSCLASS : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { kSelection, kManagement };

  explicit DLG_SELECTION_SYSCLASS(Mode mode, QWidget* parent = nullptr);

  // Selection form: the system chosen, or null when the dialog was
  // cancelled. A user's system is read into a free working system of the
  // registry, which holds it until the caller makes it pending or active.
  // The line of `current`, when given and listed, is selected at first.
  static SYSTEME_CLASSEMENT* Choose(QWidget* parent, const SYSTEME_CLASSEMENT* current = nullptr);
  // Management form.
  static void Manage(QWidget* parent);

  // The system the selected line gives: a built-in, or the user's file read
  // into a working system; null when nothing is selected or the file does
  // not read.
  SYSTEME_CLASSEMENT* Chosen() const { return chosen_; }
  // The lines of the list, in order.
  const std::vector<AvailableSystem>& Lines() const { return lines_; }
  // Selects a line (-1: none), as a click does.
  void SelectLine(int line);
  // The line that gives `system` (the same built-in, or the user's file of
  // its title), or -1.
  int LineOf(const SYSTEME_CLASSEMENT& system) const;
  // Fills the list again (after a system was saved or deleted); `title`:
  // the user's system to select then, if listed.
  void Rebuild(const std::string& title = {});

  MY_LIST_CONTROL* List() const { return list_; }
  QLabel* TitleText() const { return title_; }
  QLabel* DescriptionText() const { return description_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* EditButton() const { return edit_; }
  QPushButton* NewButton() const { return new_; }
  QPushButton* DeleteButton() const { return delete_; }

 public slots:
  void accept() override;

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FollowSelection(int row);
  void ShowChosen();
  void EditSelected();
  void CreateSystem();
  void DeleteSelected();
  void ShowHelp();
  void Retranslate();
  // The user's line selected, or null.
  const AvailableSystem* SelectedUserLine() const;
  int LabelColumnWidth() const;

  Mode mode_;
  std::vector<AvailableSystem> lines_;
  int selected_ = -1;
  SYSTEME_CLASSEMENT* chosen_ = nullptr;
  MY_LIST_CONTROL* list_;
  QLabel* title_;
  QLabel* description_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QPushButton* edit_;
  QPushButton* new_;
  QPushButton* delete_;
  QPushButton* help_;
};

}  // namespace scorvane
