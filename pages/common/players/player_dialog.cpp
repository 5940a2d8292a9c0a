#include "pages/common/players/player_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "pages/common/matches/match_viewer.h"
#include "pages/common/players/player_dialog_rules.h"
#include "pages/common/players/player_page.h"
#include "pages/common/rankings/ranking_evolution_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/owner.h"
#include "widgets/catalogue_text.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

// The contact fields in the order of the form, and where each one is kept.
std::string ContactValues::*const kContactMembers[6] = {
    &ContactValues::address,      &ContactValues::town,       &ContactValues::home_phone,
    &ContactValues::mobile_phone, &ContactValues::work_phone, &ContactValues::email,
};

}  // namespace

DLG_SAISIE_JOUEUR::DLG_SAISIE_JOUEUR(UTILISATEUR& owner, PlayerSlot slot, int season_year,
                                     const DATE_SIMPLE& date, QWidget* parent,
                                     const PlayerValues* values)
    : QDialog(parent), owner_(owner) {
  setObjectName(QStringLiteral("playerDialog"));
  FillBackground(*this, ScreenColours::DialogBackground());
  JOUEUR* player = slot.player;
  const bool known = player && owner.Players().Contains(player);
  setWindowTitle(CatalogueText(known ? 518 : 516));

  page_ = new PAGE_PROPRIETE_JOUEUR(owner, this);
  page_->SetPlayerButtonsShown(false);
  page_->SetPlayer(std::move(slot), season_year, date);
  if (values) page_->SetValues(*values);
  const PlayerValues shown = page_->Values();

  auto* contact_frame = new QGroupBox(this);
  FillBackground(*contact_frame, ScreenColours::DialogFrame());
  contact_box_ = new QCheckBox(contact_frame);
  contact_box_->setObjectName(QStringLiteral("contactBox"));
  const QString labels[6] = {tr("Address"),      tr("Town"),       tr("Home phone"),
                             tr("Mobile phone"), tr("Work phone"), tr("E-mail")};
  static const char* const kNames[6] = {"addressEdit",     "townEdit",      "homePhoneEdit",
                                        "mobilePhoneEdit", "workPhoneEdit", "emailEdit"};
  auto* contact_form = new QFormLayout;
  for (size_t i = 0; i < contact_fields_.size(); ++i) {
    auto* field = new QLineEdit(contact_frame);
    field->setObjectName(QLatin1String(kNames[i]));
    if (shown.contact) field->setText(QString::fromStdString((*shown.contact).*kContactMembers[i]));
    contact_form->addRow(labels[i], field);
    contact_fields_[i] = field;
  }
  auto* contact_layout = new QVBoxLayout(contact_frame);
  contact_layout->addWidget(contact_box_);
  contact_layout->addLayout(contact_form);
  contact_box_->setChecked(shown.contact.has_value());
  ContactToggled(contact_box_->isChecked());
  connect(contact_box_, &QCheckBox::toggled, this, &DLG_SAISIE_JOUEUR::ContactToggled);
  connect(page_, &PAGE_PROPRIETE_JOUEUR::SexChanged, this, &DLG_SAISIE_JOUEUR::ShowSexTexts);

  match_count_value_ = known ? CountMatchesWith(owner, player) : 0;
  match_count_ = new QLabel(this);
  match_count_->setObjectName(QStringLiteral("matchCountLine"));
  best_ranking_ = new QLabel(this);
  best_ranking_->setObjectName(QStringLiteral("bestRankingLine"));
  if (player) {
    best_ranking_->setText(QString::fromStdString(
        scorvane::BestRankingLine(player->History(), ActiveSystem().IsYearly())));
  }
  matches_button_ = new QPushButton(tr("See the matches played"), this);
  matches_button_->setObjectName(QStringLiteral("matchesButton"));
  matches_button_->setEnabled(match_count_value_ > 0);
  evolution_button_ = new QPushButton(tr("Ranking evolution"), this);
  evolution_button_->setObjectName(QStringLiteral("evolutionButton"));
  evolution_button_->setEnabled(known);
  connect(matches_button_, &QPushButton::clicked, this, &DLG_SAISIE_JOUEUR::ShowMatches);
  connect(evolution_button_, &QPushButton::clicked, this, &DLG_SAISIE_JOUEUR::ShowEvolution);
  ShowSexTexts();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &DLG_SAISIE_JOUEUR::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* record_row = new QHBoxLayout;
  record_row->addWidget(matches_button_);
  record_row->addWidget(evolution_button_);
  record_row->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(page_);
  layout->addWidget(contact_frame);
  layout->addWidget(match_count_);
  layout->addWidget(best_ranking_);
  layout->addLayout(record_row);
  layout->addWidget(buttons);
  page_->FirstName()->setFocus();
}

PlayerValues DLG_SAISIE_JOUEUR::Values() {
  PlayerValues values = page_->Values();
  values.contact.reset();
  if (contact_box_->isChecked()) {
    ContactValues contact;
    for (size_t i = 0; i < contact_fields_.size(); ++i)
      contact.*kContactMembers[i] = contact_fields_[i]->text().toStdString();
    values.contact = contact;
  }
  return values;
}

void DLG_SAISIE_JOUEUR::accept() {
  if (!page_->Validate()) return;
  if (IsEmptyPlayer(page_->Values())) {
    MessageBoxes::Warn(this, CatalogueText(519));
    page_->FirstName()->setFocus();
    return;
  }
  QDialog::accept();
}

void DLG_SAISIE_JOUEUR::ShowSexTexts() {
  const bool woman = page_->Woman()->isChecked();
  contact_box_->setText(CatalogueText(woman ? 514 : 513));
  match_count_->setText(
      QString::fromStdString(scorvane::MatchCountLine(match_count_value_, woman)));
}

void DLG_SAISIE_JOUEUR::ContactToggled(bool on) {
  for (QLineEdit* field : contact_fields_)
    field->setEnabled(on);
}

void DLG_SAISIE_JOUEUR::ShowMatches() {
  const JOUEUR* player = page_->Slot().player;
  if (!player) return;
  DLG_VISU_RENCONTRES viewer(QString::fromStdString(MatchesWithTitle(*player)),
                             MatchesWith(owner_, player), this);
  viewer.exec();
}

void DLG_SAISIE_JOUEUR::ShowEvolution() {
  if (JOUEUR* player = page_->Slot().player) ShowRankingEvolution(this, *player);
}

}  // namespace scorvane
