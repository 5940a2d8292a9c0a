#include "pages/own/owner_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "base/catalogue/messages.h"
#include "base/text_compare.h"
#include "records/document.h"
#include "records/item_editing.h"
#include "records/player_entry.h"
#include "widgets/date_field.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {}  // namespace

DLG_SAISIE_UTILISATEUR::DLG_SAISIE_UTILISATEUR(PROJECT_DOC& document, QWidget* parent)
    : QDialog(parent), document_(document) {
  setObjectName(QStringLiteral("ownerDialog"));
  setWindowTitle(tr("Your description"));
  FillBackground(*this, ScreenColours::DialogBackground());
  const UTILISATEUR& owner = document_.Owner();

  auto* heading = new QLabel(tr("Please enter your details"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);

  auto* frame = new QGroupBox(this);
  FillBackground(*frame, ScreenColours::DialogFrame());
  first_name_ = new QLineEdit(QString::fromStdString(owner.GetRawFirstName()), frame);
  first_name_->setObjectName(QStringLiteral("firstNameEdit"));
  last_name_ = new QLineEdit(QString::fromStdString(owner.GetRawLastName()), frame);
  last_name_->setObjectName(QStringLiteral("lastNameEdit"));

  man_ = new QRadioButton(QStringLiteral("M"), frame);
  man_->setObjectName(QStringLiteral("manButton"));
  woman_ = new QRadioButton(QStringLiteral("F"), frame);
  woman_->setObjectName(QStringLiteral("womanButton"));
  auto* sexes = new QButtonGroup(this);
  sexes->addButton(man_);
  sexes->addButton(woman_);
  (owner.IsWoman() ? woman_ : man_)->setChecked(true);
  auto* sex_row = new QHBoxLayout;
  sex_row->addWidget(man_);
  sex_row->addWidget(woman_);
  sex_row->addStretch();

  birth_date_ = new DateField(frame);
  birth_date_->SetDate(owner.BirthDate());
  birth_date_->setObjectName(QStringLiteral("birthDateEdit"));

  club_ = new QComboBox(frame);
  club_->setObjectName(QStringLiteral("clubBox"));
  club_->setEditable(true);
  club_->setInsertPolicy(QComboBox::NoInsert);
  club_->setMinimumWidth(200);
  std::vector<const CLUB*> clubs(owner.Clubs().begin(), owner.Clubs().end());
  std::stable_sort(clubs.begin(), clubs.end(), [](const CLUB* a, const CLUB* b) {
    return CompareListTexts(a->Name(), b->Name()) < 0;
  });
  club_->addItem(QString());
  for (const CLUB* club : clubs)
    club_->addItem(QString::fromStdString(club->Name()));
  club_->setCurrentText(owner.Club() ? QString::fromStdString(owner.Club()->Name()) : QString());

  auto* form = new QFormLayout(frame);
  form->addRow(tr("First name"), first_name_);
  form->addRow(tr("Last name"), last_name_);
  form->addRow(tr("Sex"), sex_row);
  form->addRow(tr("Birth date"), birth_date_);
  form->addRow(tr("Club"), club_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &DLG_SAISIE_UTILISATEUR::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(frame);
  layout->addWidget(buttons);
  setMinimumWidth(380);
  first_name_->setFocus();
}

void DLG_SAISIE_UTILISATEUR::accept() {
  QLineEdit* missing = nullptr;
  if (CleanItemName(last_name_->text().toStdString()).empty()) missing = last_name_;
  if (CleanItemName(first_name_->text().toStdString()).empty()) missing = first_name_;
  if (missing) {
    MessageBoxes::Warn(this, QString::fromUtf8(Msg(524)));
    missing->setFocus();
    return;
  }
  Store();
  QDialog::accept();
}

void DLG_SAISIE_UTILISATEUR::Store() {
  UTILISATEUR& owner = document_.Owner();
  document_.BeginUpdate();
  owner.SetFirstName(CleanItemName(first_name_->text().toStdString()));
  owner.SetLastName(CleanItemName(last_name_->text().toStdString()));
  // A sex code other than man or woman read from a file stays as it was
  // unless the user picks one.
  if (woman_->isChecked()) {
    owner.SetSex(JOUEUR::kWoman);
  } else if (owner.IsWoman()) {
    owner.SetSex(JOUEUR::kMan);
  }
  // An empty field keeps the date the file held.
  owner.SetBirthDate(birth_date_->Date());
  owner.SetClub(ClubNamed(owner, club_->currentText().toStdString(), owner.Club()));
  document_.MarkModified();
  document_.EndUpdate();
}

bool EditOwner(QWidget* parent, PROJECT_DOC& document) {
  DLG_SAISIE_UTILISATEUR dialog(document, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace scorvane
