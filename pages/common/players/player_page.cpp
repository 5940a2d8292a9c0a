#include "pages/common/players/player_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "base/catalogue/messages.h"
#include "pages/common/players/player_dialog.h"
#include "pages/common/players/player_selection_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/player.h"
#include "widgets/catalogue_text.h"
#include "widgets/club_combo.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/leave_check.h"
#include "widgets/ranking_entry.h"

namespace scorvane {
namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

std::string Text(const QString& text) {
  return text.toStdString();
}

// Puts the widgets in the Tab order after `before`; a ranking entry takes
// its place through the list or box it shows. Returns the last one.
QWidget* Chain(QWidget* before, const QList<QWidget*>& widgets) {
  for (QWidget* next : widgets) {
    if (next->focusProxy()) next = next->focusProxy();
    if (before) QWidget::setTabOrder(before, next);
    before = next;
  }
  return before;
}

QLineEdit* Field(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QLatin1String(name));
  return field;
}

}  // namespace

PAGE_PROPRIETE_JOUEUR::PAGE_PROPRIETE_JOUEUR(UTILISATEUR& owner, QWidget* parent)
    : QWidget(parent), owner_(owner) {
  setObjectName(QStringLiteral("playerPage"));
  first_name_ = Field(this, "firstNameEdit");
  last_name_ = Field(this, "lastNameEdit");
  man_ = new QRadioButton(QStringLiteral("M"), this);
  man_->setObjectName(QStringLiteral("manButton"));
  woman_ = new QRadioButton(QStringLiteral("F"), this);
  woman_->setObjectName(QStringLiteral("womanButton"));
  sexes_ = new QButtonGroup(this);
  sexes_->addButton(man_);
  sexes_->addButton(woman_);
  connect(woman_, &QRadioButton::toggled, this, &PAGE_PROPRIETE_JOUEUR::SexChanged);
  licence_ = Field(this, "licenceEdit");
  licence_->setMaximumWidth(110);
  anonymous_ = new QCheckBox(tr("Anonymous"), this);
  anonymous_->setObjectName(QStringLiteral("anonymousBox"));
  connect(anonymous_, &QCheckBox::toggled, this, &PAGE_PROPRIETE_JOUEUR::AnonymousToggled);
  left_handed_ = new QCheckBox(tr("Left-handed"), this);
  left_handed_->setObjectName(QStringLiteral("leftHandedBox"));
  club_ = new COMBO_CLUBS(this);
  club_->setObjectName(QStringLiteral("clubBox"));
  club_->setMinimumWidth(160);
  club_->Fill(owner_);
  birth_year_ = Field(this, "birthYearEdit");
  birth_year_->setMaximumWidth(70);
  ranking_label_ = new QLabel(this);
  ranking_ = new RankingEntry(this);
  ranking_->setObjectName(QStringLiteral("rankingEntry"));
  ranking_->setMinimumWidth(80);
  ranking_label_->setBuddy(ranking_);
  next_box_ = new QCheckBox(this);
  next_box_->setObjectName(QStringLiteral("nextRankingBox"));
  next_ranking_ = new RankingEntry(this);
  next_ranking_->setObjectName(QStringLiteral("nextRankingEntry"));
  next_ranking_->setMinimumWidth(80);
  next_ranking_->setEnabled(false);
  strengths_ = Field(this, "strengthsEdit");
  weaknesses_ = Field(this, "weaknessesEdit");
  comment_ = Field(this, "playerCommentEdit");
  list_button_ = new QPushButton(tr("&List"), this);
  list_button_->setObjectName(QStringLiteral("listButton"));
  details_button_ = new QPushButton(tr("&Details"), this);
  details_button_->setObjectName(QStringLiteral("detailsButton"));

  connect(ranking_, &RankingEntry::ValueChanged, this, [this] {
    rankings_touched_ = true;
    if (!next_box_->isChecked()) next_ranking_->SetValue(ranking_->Value());
  });
  connect(next_ranking_, &RankingEntry::ValueChanged, this, [this] { rankings_touched_ = true; });
  connect(next_box_, &QCheckBox::toggled, this, [this](bool on) {
    rankings_touched_ = true;
    next_ranking_->setEnabled(on);
    if (!on) next_ranking_->SetValue(ranking_->Value());
  });
  connect(list_button_, &QPushButton::clicked, this, &PAGE_PROPRIETE_JOUEUR::PickFromList);
  connect(details_button_, &QPushButton::clicked, this, &PAGE_PROPRIETE_JOUEUR::OpenDetails);
  CheckOnLeaving(licence_, [this] { CheckLicenceField(); });
  CheckOnLeaving(birth_year_, [this] { CheckBirthYearField(); });

  auto label = [this](const QString& text, QWidget* buddy) {
    auto* shown = new QLabel(text, this);
    shown->setBuddy(buddy);
    return shown;
  };
  auto* sex_row = new QHBoxLayout;
  sex_row->addWidget(man_);
  sex_row->addWidget(woman_);
  sex_row->addStretch();
  auto* boxes_row = new QHBoxLayout;
  boxes_row->addWidget(anonymous_);
  boxes_row->addWidget(left_handed_);
  boxes_row->addStretch();
  auto* next_row = new QHBoxLayout;
  next_row->addWidget(next_box_);
  next_row->addWidget(next_ranking_, 1);
  auto* buttons_row = new QHBoxLayout;
  buttons_row->addStretch();
  buttons_row->addWidget(list_button_);
  buttons_row->addWidget(details_button_);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 6, 6, 6);
  grid->addWidget(label(tr("&First name"), first_name_), 0, 0);
  grid->addWidget(first_name_, 0, 1);
  grid->addWidget(label(tr("Sur&name"), last_name_), 0, 2);
  grid->addWidget(last_name_, 0, 3);
  grid->addWidget(label(tr("Sex"), man_), 1, 0);
  grid->addLayout(sex_row, 1, 1);
  grid->addWidget(label(tr("Licence"), licence_), 1, 2);
  grid->addWidget(licence_, 1, 3);
  grid->addLayout(boxes_row, 2, 1, 1, 3);
  grid->addWidget(label(tr("Club"), club_), 3, 0);
  grid->addWidget(club_, 3, 1);
  grid->addWidget(label(tr("Year of birth"), birth_year_), 3, 2);
  grid->addWidget(birth_year_, 3, 3);
  grid->addWidget(ranking_label_, 4, 0);
  grid->addWidget(ranking_, 4, 1);
  grid->addLayout(next_row, 4, 3);
  grid->addWidget(label(tr("Strengths"), strengths_), 5, 0);
  grid->addWidget(strengths_, 5, 1);
  grid->addWidget(label(tr("Weaknesses"), weaknesses_), 5, 2);
  grid->addWidget(weaknesses_, 5, 3);
  grid->addWidget(label(tr("Comment"), comment_), 6, 0);
  grid->addWidget(comment_, 6, 1, 1, 3);
  grid->addLayout(buttons_row, 7, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(8, 1);
}

void PAGE_PROPRIETE_JOUEUR::SetPlayer(PlayerSlot slot, int season_year, const DATE_SIMPLE& date) {
  slot_ = std::move(slot);
  season_year_ = season_year;
  dates_ = RankingDatesFor(season_year, date);
  rankings_touched_ = false;
  ShowRankingLabels();
  ShowValues(slot_.player ? ValuesOfPlayer(*slot_.player, dates_) : PlayerValues());
}

void PAGE_PROPRIETE_JOUEUR::SetValues(const PlayerValues& values) {
  ShowValues(values);
}

void PAGE_PROPRIETE_JOUEUR::SetDate(const DATE_SIMPLE& date) {
  const RankingDates dates = RankingDatesFor(season_year_, date);
  if (dates.current == dates_.current && dates.next == dates_.next) return;
  dates_ = dates;
  ShowRankingLabels();
  if (rankings_touched_ || !slot_.player) return;
  const PlayerValues shown = ValuesOfPlayer(*slot_.player, dates_);
  ranking_->SetValue(shown.ranking);
  next_box_->setChecked(shown.has_next_ranking);
  next_ranking_->SetValue(shown.next_ranking);
  rankings_touched_ = false;
}

void PAGE_PROPRIETE_JOUEUR::SetPlayerButtonsShown(bool shown) {
  list_button_->setVisible(shown);
  details_button_->setVisible(shown);
}

void PAGE_PROPRIETE_JOUEUR::ShowRankingLabels() {
  if (ActiveSystem().IsYearly()) {
    ranking_label_->setText(CatalogueText(78) + QStringLiteral(" %1").arg(dates_.current.Year()));
    next_box_->setText(CatalogueText(78) + QStringLiteral(" %1").arg(dates_.next.Year()));
  } else {
    ranking_label_->setText(CatalogueText(78));
    next_box_->setText(CatalogueText(278));
  }
}

void PAGE_PROPRIETE_JOUEUR::ShowValues(const PlayerValues& values) {
  first_name_->setText(Text(values.first_name));
  last_name_->setText(Text(values.last_name));
  (values.sex == JOUEUR::kWoman ? woman_ : man_)->setChecked(true);
  licence_->setText(Text(values.licence));
  anonymous_->setChecked(values.anonymous);
  AnonymousToggled();
  left_handed_->setChecked(values.left_handed);
  club_->SetClubName(Text(values.club));
  birth_year_->setText(Text(values.birth_year));
  ranking_->SetValue(values.ranking);
  next_box_->setChecked(values.has_next_ranking);
  next_ranking_->SetValue(values.has_next_ranking ? values.next_ranking : values.ranking);
  next_ranking_->setEnabled(next_box_->isChecked());
  strengths_->setText(Text(values.strengths));
  weaknesses_->setText(Text(values.weaknesses));
  comment_->setText(Text(values.comment));
  contact_ = values.contact;
}

PlayerValues PAGE_PROPRIETE_JOUEUR::Values() {
  PlayerValues values;
  values.first_name = Text(first_name_->text());
  values.last_name = Text(last_name_->text());
  values.sex = woman_->isChecked() ? JOUEUR::kWoman : JOUEUR::kMan;
  values.licence = Text(licence_->text());
  values.anonymous = anonymous_->isChecked();
  values.left_handed = left_handed_->isChecked();
  values.club = Text(club_->ClubName());
  values.birth_year = Text(birth_year_->text());
  values.ranking = ranking_->Value();
  values.has_next_ranking = next_box_->isChecked();
  values.next_ranking = values.has_next_ranking ? next_ranking_->Value() : values.ranking;
  values.strengths = Text(strengths_->text());
  values.weaknesses = Text(weaknesses_->text());
  values.comment = Text(comment_->text());
  values.contact = contact_;
  return values;
}

void PAGE_PROPRIETE_JOUEUR::CheckLicenceField() {
  const FieldCheck check = CheckLicence(Text(licence_->text()), ActiveSystem().IsFrench());
  if (Text(check.text) != licence_->text()) licence_->setText(Text(check.text));
  if (check.message) MessageBoxes::Warn(this, CatalogueText(check.message));
}

void PAGE_PROPRIETE_JOUEUR::CheckBirthYearField() {
  const FieldCheck check = CheckBirthYear(Text(birth_year_->text()));
  if (Text(check.text) != birth_year_->text()) birth_year_->setText(Text(check.text));
  if (check.message) MessageBoxes::Warn(this, CatalogueText(check.message));
}

bool PAGE_PROPRIETE_JOUEUR::Validate() {
  // An anonymous player keeps no licence: there is nothing to check.
  const FieldCheck licence = anonymous_->isChecked()
                                 ? FieldCheck{}
                                 : CheckLicence(Text(licence_->text()), ActiveSystem().IsFrench());
  if (licence.message) {
    CheckLicenceField();
    licence_->setFocus();
    return false;
  }
  if (!anonymous_->isChecked()) licence_->setText(Text(licence.text));
  const FieldCheck year = CheckBirthYear(Text(birth_year_->text()));
  if (year.message) {
    CheckBirthYearField();
    birth_year_->setFocus();
    return false;
  }
  birth_year_->setText(Text(year.text));
  if (!ranking_->Validate()) return false;
  if (next_box_->isChecked() && !next_ranking_->Validate()) return false;
  return true;
}

JOUEUR* PAGE_PROPRIETE_JOUEUR::Save(bool in_match, const RENCONTRE* match,
                                    PlayerQuestions& questions) {
  PlayerSaveContext context;
  context.in_match = in_match;
  context.match = match;
  context.dates = dates_;
  return SavePlayer(owner_, slot_, Values(), context, questions);
}

void PAGE_PROPRIETE_JOUEUR::AnonymousToggled() {
  const bool named = !anonymous_->isChecked();
  first_name_->setEnabled(named);
  last_name_->setEnabled(named);
  licence_->setEnabled(named);
}

void PAGE_PROPRIETE_JOUEUR::PickFromList() {
  JOUEUR* chosen = SelectPlayer(this, owner_);
  if (!chosen) return;
  slot_.Choose(chosen);
  rankings_touched_ = false;
  ShowValues(ValuesOfPlayer(*chosen, dates_));
}

void PAGE_PROPRIETE_JOUEUR::OpenDetails() {
  const PlayerValues values = Values();
  DLG_SAISIE_JOUEUR dialog(owner_, PlayerSlot::Of(slot_.player), season_year_, dates_.current, this,
                           &values);
  if (dialog.exec() != QDialog::Accepted) return;
  ShowValues(dialog.Values());
  rankings_touched_ = true;
}

QWidget* PAGE_PROPRIETE_JOUEUR::ChainMainTabOrder(QWidget* before) {
  return Chain(before, {first_name_, last_name_, ranking_});
}

QWidget* PAGE_PROPRIETE_JOUEUR::ChainOtherTabOrder(QWidget* before) {
  const QList<QWidget*> chain = {man_,          woman_,         licence_,    anonymous_,
                                 left_handed_,  club_,          birth_year_, next_box_,
                                 next_ranking_, strengths_,     weaknesses_, comment_,
                                 list_button_,  details_button_};
  return Chain(before, chain);
}

}  // namespace scorvane
