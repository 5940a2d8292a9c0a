// DLG_SAISIE_UTILISATEUR, the owner's description: first and last name,
// sex, birth date and club. Opened from the own page and by the
// new-document questions; both names are required.
#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace scorvane {

class DateField;
class PROJECT_DOC;

class DLG_SAISIE_UTILISATEUR : public QDialog {
  Q_OBJECT

 public:
  // Opens filled from the document's owner.
  explicit DLG_SAISIE_UTILISATEUR(PROJECT_DOC& document, QWidget* parent = nullptr);

  QLineEdit* FirstName() const { return first_name_; }
  QLineEdit* LastName() const { return last_name_; }
  QRadioButton* Man() const { return man_; }
  QRadioButton* Woman() const { return woman_; }
  DateField* BirthDate() const { return birth_date_; }
  QComboBox* Club() const { return club_; }

 public slots:
  // Refuses a missing first or last name and stays open; otherwise the
  // owner takes the values and the document is marked modified.
  void accept() override;

 private:
  void Store();

  PROJECT_DOC& document_;
  QLineEdit* first_name_;
  QLineEdit* last_name_;
  QRadioButton* man_;
  QRadioButton* woman_;
  DateField* birth_date_;
  QComboBox* club_;
};

// Runs the owner dialog; true when the user pressed OK.
bool EditOwner(QWidget* parent, PROJECT_DOC& document);

}  // namespace scorvane
