// DLG_EDITION_SYSCLASS: defines a user's ranking system, as a list of grades
// or a range of numbers, and saves it as a ".cla" file of the ranking-systems
// folder. The rules (opening values, checks, the system built) live in
// ranking/system_definition.h; this dialog shows the values and calls them.
#pragma once

#include <QDialog>
#include <filesystem>

#include "ranking/ranking_system.h"
#include "ranking/system_definition.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace scorvane {

class GradeListEditor;

// The whole number typed in a number field; false when it is not one.
bool ReadNumberField(const QString& text, int32_t& value);

class DLG_EDITION_SYSCLASS : public QDialog {
  Q_OBJECT

 public:
  // `system`: the system to edit (copied). `file`: the ".cla" file it was
  // read from, empty for a new system; saving under another name leaves
  // that file in place.
  DLG_EDITION_SYSCLASS(const SYSTEME_CLASSEMENT& system, std::filesystem::path file,
                       QWidget* parent = nullptr);

  // The values now in the dialog.
  SystemDefinition Definition() const;
  // The title of the system saved by OK.
  const std::string& SavedTitle() const { return saved_title_; }

  QLineEdit* NameField() const { return name_; }
  QPlainTextEdit* DescriptionField() const { return description_; }
  QCheckBox* YearlyBox() const { return yearly_; }
  QRadioButton* NumbersChoice() const { return numbers_; }
  QRadioButton* GradesChoice() const { return grades_; }
  QLineEdit* StrongestField() const { return strongest_; }
  QLineEdit* WeakestField() const { return weakest_; }
  GradeListEditor* GradeList() const { return grade_list_; }

 public slots:
  // Checks the values in order, saves the file, and closes on success.
  void accept() override;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void FollowKind();
  void Retranslate();
  // False (with the message shown) when a number field holds no number.
  bool ReadNumbers(SystemDefinition& definition);
  // True when the file may be written: it is the edited system's own file,
  // or no file has that name, or the user agrees to replace it.
  bool MayWriteFile(const SYSTEME_CLASSEMENT& system) const;

  SYSTEME_CLASSEMENT edited_;
  std::filesystem::path file_;
  std::string saved_title_;
  QLineEdit* name_;
  QPlainTextEdit* description_;
  QCheckBox* yearly_;
  QGroupBox* kind_box_;
  QButtonGroup* kind_;
  QRadioButton* numbers_;
  QRadioButton* grades_;
  QLineEdit* strongest_;
  QLineEdit* weakest_;
  GradeListEditor* grade_list_;
  QLabel* name_label_;
  QLabel* description_label_;
  QLabel* strongest_label_;
  QLabel* weakest_label_;
};

}  // namespace scorvane
