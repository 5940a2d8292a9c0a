#include "pages/common/matches/match_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "pages/common/matches/event_dialog.h"
#include "pages/common/players/player_page.h"
#include "ranking/ranking_registry.h"
#include "records/owner.h"
#include "records/score_text.h"
#include "records/season.h"
#include "widgets/catalogue_text.h"
#include "widgets/date_field.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/leave_check.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

// The extra width of the result group holding the Belgian walk-over boxes.
constexpr int kWalkoverBoxesWidth = 150;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QPlainTextEdit* CommentField(QWidget* parent, const char* name) {
  auto* field = new QPlainTextEdit(parent);
  field->setObjectName(QLatin1String(name));
  field->setTabChangesFocus(true);
  field->setMaximumHeight(60);
  return field;
}

QCheckBox* Box(const QString& text, QWidget* parent, const char* name) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(QLatin1String(name));
  return box;
}

// The event dialog opens on the event chosen so far.
EventEntry EntryOfChoice(const MatchEventChoice& choice, const UTILISATEUR& owner,
                         int season_year) {
  if (const EventEntry* entry = choice.Entry()) return *entry;
  if (EPREUVE_JOUEE* played = choice.ExistingPlayed())
    return {played->Event(), played, ValuesOfPlayed(*played)};
  EventEntry entry;
  entry.values = NewEventValues(season_year, Today());
  if (choice.GetKind() == MatchEventChoice::Kind::kFriendly) {
    entry.event = FindFriendlyGroup(owner);
    entry.values.name = choice.Name(owner);
    entry.values.start = choice.Start();
    entry.values.end = choice.End();
  }
  return entry;
}

}  // namespace

DLG_SAISIE_RENCONTRE::DLG_SAISIE_RENCONTRE(UTILISATEUR& owner, SAISON_JOUEUR& season,
                                           MatchEventChoice choice, QWidget* parent)
    : DLG_SAISIE_RENCONTRE(owner, season, nullptr, std::move(choice), parent) {}

DLG_SAISIE_RENCONTRE::DLG_SAISIE_RENCONTRE(UTILISATEUR& owner, SAISON_JOUEUR& season,
                                           RENCONTRE& match, QWidget* parent)
    : DLG_SAISIE_RENCONTRE(owner, season, &match, MatchEventChoice::Played(match.GetPlayedEvent()),
                           parent) {}

DLG_SAISIE_RENCONTRE::DLG_SAISIE_RENCONTRE(UTILISATEUR& owner, SAISON_JOUEUR& season,
                                           RENCONTRE* match, MatchEventChoice choice,
                                           QWidget* parent)
    : QDialog(parent), owner_(owner), season_(season), match_(match), choice_(std::move(choice)) {
  Build();
  const int year = season_.Year();
  const MatchValues values =
      match_ ? ValuesOfMatch(*match_) : NewMatchValues(choice_, year, Today());
  // The forms: the match's players, and new players for the places still
  // empty (a singles match turned into doubles needs two more).
  std::array<JOUEUR*, 3> players{};
  if (match_ && match_->IsSingles()) {
    players[kOpponent1] = static_cast<RENCONTRE_SIMPLE*>(match_)->Opponent();
  } else if (match_) {
    const auto* doubles = static_cast<RENCONTRE_DOUBLE*>(match_);
    players = {doubles->FirstOpponent(), doubles->SecondOpponent(), doubles->Partner()};
  }
  for (size_t role = 0; role < pages_.size(); ++role) {
    pages_[role]->SetPlayer(
        players[role] ? PlayerSlot::Of(players[role]) : TemporaryPlayer(owner_, year, values.date),
        year, values.date);
  }
  ShowValues(values);
  ShowEventLines();
  ShowSystemParts();
  ChainTabOrder();
  date_->setFocus();
}

void DLG_SAISIE_RENCONTRE::Build() {
  setObjectName(QStringLiteral("matchDialog"));
  setWindowTitle(tr("Match"));
  FillBackground(*this, ScreenColours::DialogBackground());

  auto* top = new QGroupBox(this);
  FillBackground(*top, ScreenColours::DialogFrame());
  date_ = new DateField(top);
  date_->setObjectName(QStringLiteral("dateEdit"));
  auto* date_label = new QLabel(tr("&Date"), top);
  date_label->setBuddy(date_);
  event_button_ = new QPushButton(tr("&Event..."), top);
  event_button_->setObjectName(QStringLiteral("eventButton"));
  event_button_->setAutoDefault(false);
  for (size_t line = 0; line < event_lines_.size(); ++line) {
    event_lines_[line] = new QLabel(top);
    event_lines_[line]->setObjectName(QStringLiteral("eventLine%1").arg(line + 1));
    event_lines_[line]->setTextFormat(Qt::PlainText);
  }
  QFont bold = event_lines_[0]->font();
  bold.setBold(true);
  event_lines_[0]->setFont(bold);
  place_ = new QLineEdit(top);
  place_->setObjectName(QStringLiteral("placeEdit"));
  auto* place_label = new QLabel(tr("&Place"), top);
  place_label->setBuddy(place_);
  surface_ = new QComboBox(top);
  surface_->setObjectName(QStringLiteral("surfaceBox"));
  surface_->setEditable(true);
  surface_->setInsertPolicy(QComboBox::NoInsert);
  surface_->addItem(QString());
  for (const SURFACE* surface : owner_.Surfaces())
    surface_->addItem(Text(surface->Name()));
  auto* surface_label = new QLabel(tr("S&urface"), top);
  surface_label->setBuddy(surface_);
  indoor_ = Box(tr("&Indoor court"), top, "indoorBox");
  doubles_ = Box(tr("Dou&bles"), top, "doublesBox");

  auto* top_grid = new QGridLayout(top);
  top_grid->addWidget(date_label, 0, 0);
  top_grid->addWidget(date_, 0, 1);
  top_grid->addWidget(event_button_, 0, 2);
  top_grid->addWidget(event_lines_[0], 0, 3, 1, 3);
  top_grid->addWidget(event_lines_[1], 1, 3, 1, 3);
  top_grid->addWidget(place_label, 2, 0);
  top_grid->addWidget(place_, 2, 1, 1, 2);
  top_grid->addWidget(surface_label, 2, 3);
  top_grid->addWidget(surface_, 2, 4);
  top_grid->addWidget(indoor_, 3, 1);
  top_grid->addWidget(doubles_, 3, 3);
  top_grid->setColumnStretch(3, 1);

  sheet_ = new QTabWidget(this);
  sheet_->setObjectName(QStringLiteral("playerSheet"));
  for (PAGE_PROPRIETE_JOUEUR*& page : pages_) {
    page = new PAGE_PROPRIETE_JOUEUR(owner_, this);
    page->hide();
  }

  result_group_ = new QGroupBox(tr("Result"), this);
  FillBackground(*result_group_, ScreenColours::DialogFrame());
  victory_ = new QRadioButton(tr("&Victory"), result_group_);
  victory_->setObjectName(QStringLiteral("victoryButton"));
  defeat_ = new QRadioButton(tr("Defea&t"), result_group_);
  defeat_->setObjectName(QStringLiteral("defeatButton"));
  auto* outcomes = new QButtonGroup(this);
  outcomes->addButton(victory_);
  outcomes->addButton(defeat_);
  score_ = new QLineEdit(result_group_);
  score_->setObjectName(QStringLiteral("scoreEdit"));
  auto* score_label = new QLabel(tr("&Score"), result_group_);
  score_label->setBuddy(score_);
  retirement_ = Box(tr("Retirement"), result_group_, "retirementBox");
  excused_ = Box(tr("Excused W.O."), result_group_, "excusedWalkoverBox");
  not_excused_ = Box(tr("Not excused W.O."), result_group_, "notExcusedWalkoverBox");
  walkover_ = Box(QStringLiteral("wo"), result_group_, "walkoverBox");
  walkover_->hide();
  // One walk-over at a time.
  connect(excused_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) not_excused_->setChecked(false);
  });
  connect(not_excused_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) excused_->setChecked(false);
  });
  // The hidden box keeps the walk-over of a match read from the file; once
  // the score is typed again, the score says whether it is a walk-over.
  connect(score_, &QLineEdit::textEdited, this, [this] { walkover_->setChecked(false); });
  CheckOnLeaving(score_, [this] { CheckScoreField(); });
  auto* result_grid = new QGridLayout(result_group_);
  result_grid->addWidget(victory_, 0, 0);
  result_grid->addWidget(defeat_, 0, 1);
  result_grid->addWidget(retirement_, 0, 2);
  result_grid->addWidget(score_label, 1, 0);
  result_grid->addWidget(score_, 1, 1, 1, 2);
  result_grid->addWidget(excused_, 2, 0, 1, 2);
  result_grid->addWidget(not_excused_, 2, 2);

  options_group_ = new QGroupBox(tr("New FFT rules"), this);
  FillBackground(*options_group_, ScreenColours::DialogFrame());
  four_games_ = Box(tr("4 games/set"), options_group_, "fourGamesBox");
  no_advantage_ = Box(tr("no ad."), options_group_, "noAdvantageBox");
  tie_break_ = Box(tr("3rd set: tie-break"), options_group_, "tieBreakBox");
  no_let_ = Box(tr("no let"), options_group_, "noLetBox");
  auto* options_grid = new QGridLayout(options_group_);
  options_grid->addWidget(four_games_, 0, 0);
  options_grid->addWidget(no_advantage_, 0, 1);
  options_grid->addWidget(tie_break_, 1, 0);
  options_grid->addWidget(no_let_, 1, 1);
  result_row_ = new QHBoxLayout;

  comment_ = CommentField(this, "commentEdit");
  strong_points_ = CommentField(this, "strongPointsEdit");
  weak_points_ = CommentField(this, "weakPointsEdit");
  auto* comments = new QGridLayout;
  comments->addWidget(new QLabel(tr("General comment"), this), 0, 0);
  comments->addWidget(new QLabel(tr("My strong points in the match"), this), 0, 1);
  comments->addWidget(new QLabel(tr("My weak points in the match"), this), 0, 2);
  comments->addWidget(comment_, 1, 0);
  comments->addWidget(strong_points_, 1, 1);
  comments->addWidget(weak_points_, 1, 2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setObjectName(QStringLiteral("okButton"));
  ok_->setDefault(true);
  cancel_ = buttons->button(QDialogButtonBox::Cancel);
  cancel_->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &DLG_SAISIE_RENCONTRE::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(top);
  layout->addWidget(sheet_, 1);
  layout->addLayout(result_row_);
  layout->addLayout(comments);
  layout->addWidget(buttons);

  connect(event_button_, &QPushButton::clicked, this, &DLG_SAISIE_RENCONTRE::ChooseEvent);
  connect(doubles_, &QCheckBox::toggled, this, &DLG_SAISIE_RENCONTRE::ShowSheet);
  connect(date_, &QDateEdit::dateChanged, this, &DLG_SAISIE_RENCONTRE::DateChanged);
}

void DLG_SAISIE_RENCONTRE::ChainTabOrder() {
  QWidget* last = event_button_;
  setTabOrder(date_, event_button_);
  for (PAGE_PROPRIETE_JOUEUR* page : pages_)
    last = page->ChainMainTabOrder(last);
  const QList<QWidget*> result = {victory_,     defeat_,     score_,        retirement_, excused_,
                                  not_excused_, four_games_, no_advantage_, tie_break_,  no_let_};
  for (QWidget* next : result) {
    setTabOrder(last, next);
    last = next;
  }
  for (PAGE_PROPRIETE_JOUEUR* page : pages_)
    last = page->ChainOtherTabOrder(last);
  const QList<QWidget*> rest = {place_,   surface_,       indoor_,      doubles_, sheet_,
                                comment_, strong_points_, weak_points_, ok_,      cancel_};
  for (QWidget* next : rest) {
    setTabOrder(last, next);
    last = next;
  }
}

void DLG_SAISIE_RENCONTRE::ShowValues(const MatchValues& values) {
  date_->SetDate(values.date);
  place_->setText(Text(values.place));
  surface_->setCurrentIndex(-1);
  surface_->setEditText(Text(values.surface));
  indoor_->setChecked(values.indoor);
  doubles_->setChecked(values.doubles);
  (values.won ? victory_ : defeat_)->setChecked(true);
  score_->setText(Text(values.score));
  retirement_->setChecked(values.retirement);
  excused_->setChecked(values.walkover_excused);
  not_excused_->setChecked(values.walkover_not_excused);
  walkover_->setChecked(values.walkover);
  four_games_->setChecked(values.four_games);
  no_advantage_->setChecked(values.no_advantage);
  tie_break_->setChecked(values.tie_break_third_set);
  no_let_->setChecked(values.no_let);
  comment_->setPlainText(Text(values.comment));
  strong_points_->setPlainText(Text(values.strong_points));
  weak_points_->setPlainText(Text(values.weak_points));
  ShowSheet();
}

MatchValues DLG_SAISIE_RENCONTRE::Values() const {
  MatchValues values;
  values.date = date_->Date();
  values.place = place_->text().toStdString();
  values.surface = surface_->currentText().toStdString();
  values.indoor = indoor_->isChecked();
  values.doubles = doubles_->isChecked();
  values.won = victory_->isChecked();
  values.score = score_->text().toStdString();
  values.retirement = retirement_->isChecked();
  values.walkover_excused = excused_->isChecked();
  values.walkover_not_excused = not_excused_->isChecked();
  values.walkover = walkover_->isChecked();
  values.four_games = four_games_->isChecked();
  values.no_advantage = no_advantage_->isChecked();
  values.tie_break_third_set = tie_break_->isChecked();
  values.no_let = no_let_->isChecked();
  values.comment = comment_->toPlainText().toStdString();
  values.strong_points = strong_points_->toPlainText().toStdString();
  values.weak_points = weak_points_->toPlainText().toStdString();
  return values;
}

void DLG_SAISIE_RENCONTRE::ShowSheet() {
  // The forms live on with what was typed; only the tabs change.
  while (sheet_->count() > 0)
    sheet_->removeTab(0);
  if (doubles_->isChecked()) {
    sheet_->addTab(pages_[kOpponent1], CatalogueText(528));
    sheet_->addTab(pages_[kOpponent2], CatalogueText(529));
    sheet_->addTab(pages_[kPartner], CatalogueText(530));
  } else {
    pages_[kOpponent2]->hide();
    pages_[kPartner]->hide();
    sheet_->addTab(pages_[kOpponent1], CatalogueText(531));
  }
}

void DLG_SAISIE_RENCONTRE::ShowSystemParts() {
  const bool belgian = ActiveSystem().IsBelgian();
  const bool french = ActiveSystem().IsFrench();
  excused_->setVisible(belgian);
  not_excused_->setVisible(belgian);
  options_group_->setVisible(french);
  while (result_row_->count() > 0)
    delete result_row_->takeAt(0);
  if (french) {
    result_row_->addWidget(result_group_, 1);
    result_row_->addWidget(options_group_);
  } else {
    // Alone, the result sits in the middle (wider with the walk-over boxes).
    result_group_->setMinimumWidth(result_group_->sizeHint().width() +
                                   (belgian ? kWalkoverBoxesWidth : 0));
    result_row_->addStretch();
    result_row_->addWidget(result_group_);
    result_row_->addStretch();
  }
}

void DLG_SAISIE_RENCONTRE::ShowEventLines() {
  const EventLines lines = EventDescription(choice_, owner_);
  event_lines_[0]->setText(Text(lines.first));
  event_lines_[1]->setText(Text(lines.second));
}

void DLG_SAISIE_RENCONTRE::ChooseEvent() {
  DLG_SAISIE_EPREUVE dialog(owner_, season_.Year(), EntryOfChoice(choice_, owner_, season_.Year()),
                            this);
  if (dialog.exec() != QDialog::Accepted) return;
  choice_ = MatchEventChoice::Entered(dialog.Entry());
  date_->SetDate(DateWithinPeriod(date_->Date(), choice_.Start(), choice_.End()));
  if (const EPREUVE_JOUEE* played = choice_.ExistingPlayed()) {
    MatchValues court;
    TakeCourtOfEvent(*played, court);
    if (!court.surface.empty()) {
      surface_->setEditText(Text(court.surface));
      indoor_->setChecked(court.indoor);
    }
    if (!court.place.empty()) place_->setText(Text(court.place));
  }
  ShowEventLines();
}

void DLG_SAISIE_RENCONTRE::DateChanged() {
  const DATE_SIMPLE date = date_->Date();
  for (PAGE_PROPRIETE_JOUEUR* page : pages_)
    page->SetDate(date);
}

void DLG_SAISIE_RENCONTRE::CheckScoreField() {
  if (!IsScoreWellWritten(score_->text().toStdString())) {
    WarnBadScore();
    return;
  }
  // The usual "6-4" shows as the "/" it is kept with.
  const QString slashes = Text(ScoreWithSlashes(score_->text().toStdString()));
  if (slashes != score_->text()) score_->setText(slashes);
}

void DLG_SAISIE_RENCONTRE::WarnBadScore() {
  MessageBoxes::Warn(this, CatalogueText(584) + QLatin1Char('\n') +
                               tr("Accepted: 6/4 7/6(5) or 6-4 7-6(5), comments in brackets."));
  FocusField(score_);
}

void DLG_SAISIE_RENCONTRE::FocusField(QWidget* field) {
  field->setFocus();
  if (auto* line = qobject_cast<QLineEdit*>(field)) line->selectAll();
}

bool DLG_SAISIE_RENCONTRE::ScoreIsConfirmed() {
  const MatchValues values = Values();
  const bool walkover = WalkoverKind(values, ActiveSystem().IsBelgian()) != 0;
  QString doubt;
  switch (DoubtAboutScore(values.score, values.won, walkover)) {
    case ScoreDoubt::kNone:
      return true;
    case ScoreDoubt::kWonWithFewerSets:
      doubt = tr("The match is recorded as won, but the score gives your opponent more sets.");
      break;
    case ScoreDoubt::kLostWithMoreSets:
      doubt = tr("The match is recorded as lost, but the score gives you more sets.");
      break;
    case ScoreDoubt::kNoSet:
      doubt = tr("The score gives no set for a match that was played (not a walk-over).");
      break;
    case ScoreDoubt::kTiedSet:
      doubt = tr("The score has a set with as many games on both sides.");
      break;
    case ScoreDoubt::kNotAGameCount:
      doubt = tr("The score has a number that cannot be the games of a set.");
      break;
    case ScoreDoubt::kTooManySets:
      doubt = tr("The score goes on after one side has won three sets.");
      break;
  }
  const QString question = doubt + QLatin1Char('\n') + tr("Store the score as it is?");
  if (MessageBoxes::Ask(this, question, MessageBoxes::Buttons::kNoYes) ==
      MessageBoxes::Answer::kYes)
    return true;
  FocusField(score_);
  return false;
}

void DLG_SAISIE_RENCONTRE::FocusMissingPlayer(int message) {
  // The first player the message names, in the order the forms are checked.
  Role role = kOpponent1;
  if (message == 536 || message == 539) role = kOpponent2;
  if (message == 537) role = kPartner;
  sheet_->setCurrentWidget(pages_[role]);
  FocusField(pages_[role]->FirstName());
}

bool DLG_SAISIE_RENCONTRE::PagesAreValid() {
  // The form on show first, then the other forms of the match.
  PAGE_PROPRIETE_JOUEUR* current = qobject_cast<PAGE_PROPRIETE_JOUEUR*>(sheet_->currentWidget());
  if (current && !current->Validate()) return false;
  for (int tab = 0; tab < sheet_->count(); ++tab) {
    auto* page = static_cast<PAGE_PROPRIETE_JOUEUR*>(sheet_->widget(tab));
    if (page == current) continue;
    sheet_->setCurrentIndex(tab);
    if (!page->Validate()) return false;
  }
  if (current) sheet_->setCurrentWidget(current);
  return true;
}

void DLG_SAISIE_RENCONTRE::accept() {
  // After a message the focus goes back to the field at fault, never to a
  // button that a key typed next would press.
  if (!IsScoreWellWritten(score_->text().toStdString())) {
    WarnBadScore();
    return;
  }
  if (!choice_.IsSet()) {
    MessageBoxes::Warn(this, CatalogueText(532));
    FocusField(date_);
    return;
  }
  if (!PagesAreValid()) return;
  const bool doubles = doubles_->isChecked();
  const MissingPlayers missing =
      CheckMatchPlayers(doubles, IsEmptyPlayer(pages_[kOpponent1]->Values()),
                        doubles && IsEmptyPlayer(pages_[kOpponent2]->Values()),
                        doubles && IsEmptyPlayer(pages_[kPartner]->Values()));
  if (missing.Any()) {
    MessageBoxes::Warn(this, Text(missing.Text()));
    FocusMissingPlayer(missing.message);
    return;
  }
  if (!ScoreIsConfirmed()) return;
  QDialog::accept();
}

RENCONTRE* DLG_SAISIE_RENCONTRE::Store(PlayerQuestions& questions) {
  EPREUVE_JOUEE* played = choice_.Resolve(owner_);
  if (!played) return nullptr;
  const MatchValues values = Values();
  MatchPlayers players;
  players.opponent1 = pages_[kOpponent1]->Save(true, match_, questions);
  if (values.doubles) {
    players.opponent2 = pages_[kOpponent2]->Save(true, match_, questions);
    players.partner = pages_[kPartner]->Save(true, match_, questions);
  }
  return StoreMatch(owner_, season_, match_, *played, values, players);
}

}  // namespace scorvane
