#include "pages/common/matches/event_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/amount_text.h"
#include "base/catalogue/messages.h"
#include "base/currency.h"
#include "ranking/ranking_registry.h"
#include "records/owner.h"
#include "widgets/amount_validator.h"
#include "widgets/catalogue_text.h"
#include "widgets/date_field.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/leave_check.h"
#include "widgets/ranking_entry.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

// The kinds of event as the dialog lists them: code 0 reads "None" here.
constexpr int kTypeNames[] = {15, 17, 18, 19};

DateField* NamedDateField(QWidget* parent, const char* name) {
  auto* field = new DateField(parent);
  field->setObjectName(QLatin1String(name));
  return field;
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

DLG_SAISIE_EPREUVE::DLG_SAISIE_EPREUVE(const UTILISATEUR& owner, int season_year,
                                       const EventEntry& entry, QWidget* parent)
    : QDialog(parent), owner_(owner), season_year_(season_year) {
  setObjectName(QStringLiteral("eventDialog"));
  setWindowTitle(tr("Event"));
  FillBackground(*this, ScreenColours::DialogBackground());
  const bool french = ActiveSystem().IsFrench();

  auto* event_frame = new QGroupBox(tr("The event"), this);
  FillBackground(*event_frame, ScreenColours::DialogFrame());
  name_ = new QComboBox(event_frame);
  name_->setObjectName(QStringLiteral("nameBox"));
  name_->setEditable(true);
  name_->setInsertPolicy(QComboBox::NoInsert);
  name_->setMinimumWidth(260);
  for (EPREUVE* event : owner_.Events())
    name_->addItem(Text(event->Name()), QVariant::fromValue(event));
  name_->completer()->setCompletionMode(QCompleter::InlineCompletion);
  name_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
  type_ = new QComboBox(event_frame);
  type_->setObjectName(QStringLiteral("typeBox"));
  for (const int name : kTypeNames)
    type_->addItem(CatalogueText(name));
  age_ = new QComboBox(event_frame);
  age_->setObjectName(QStringLiteral("ageBox"));
  for (int code = 0; code < EPREUVE::kAgeCategoryCount; ++code)
    age_->addItem(Text(AgeCategoryName(code)));
  homologation_ = new QComboBox(event_frame);
  homologation_->setObjectName(QStringLiteral("homologationBox"));
  for (int code = EPREUVE::kFriendly; code <= EPREUVE::kNonHomologated; ++code)
    homologation_->addItem(Text(HomologationName(code)));
  corporate_ = new QCheckBox(tr("Corporate"), event_frame);
  corporate_->setObjectName(QStringLiteral("corporateBox"));

  auto* name_label = new QLabel(tr("Event &name"), event_frame);
  name_label->setBuddy(name_);
  auto* event_grid = new QGridLayout(event_frame);
  event_grid->addWidget(name_label, 0, 0);
  event_grid->addWidget(name_, 0, 1, 1, 3);
  event_grid->addWidget(new QLabel(tr("Kind"), event_frame), 1, 0);
  event_grid->addWidget(type_, 1, 1);
  event_grid->addWidget(new QLabel(tr("Age category"), event_frame), 1, 2);
  event_grid->addWidget(age_, 1, 3);
  event_grid->addWidget(new QLabel(tr("Homologation"), event_frame), 2, 0);
  event_grid->addWidget(homologation_, 2, 1);
  event_grid->addWidget(corporate_, 2, 3);

  auto* period = new QGroupBox(tr("Period"), this);
  FillBackground(*period, ScreenColours::DialogFrame());
  start_ = NamedDateField(period, "startDate");
  end_ = NamedDateField(period, "endDate");
  won_ = new QCheckBox(tr("Event won"), period);
  won_->setObjectName(QStringLiteral("wonBox"));
  best_frame_ = new QGroupBox(period);
  best_label_ = new QLabel(tr("Best ranking of the event (having lost)"), best_frame_);
  best_label_->setWordWrap(true);
  best_ranking_ = new RankingEntry(best_frame_);
  best_ranking_->setObjectName(QStringLiteral("bestRankingEntry"));
  best_label_->setBuddy(best_ranking_);
  auto* best_layout = new QVBoxLayout(best_frame_);
  best_layout->addWidget(best_label_);
  best_layout->addWidget(best_ranking_);
  auto* period_grid = new QGridLayout(period);
  auto* start_label = new QLabel(tr("&Start"), period);
  start_label->setBuddy(start_);
  auto* end_label = new QLabel(tr("&End"), period);
  end_label->setBuddy(end_);
  period_grid->addWidget(start_label, 0, 0);
  period_grid->addWidget(start_, 0, 1);
  period_grid->addWidget(end_label, 1, 0);
  period_grid->addWidget(end_, 1, 1);
  if (french) {
    period_grid->addWidget(won_, 0, 2);
    period_grid->addWidget(best_frame_, 1, 2, 2, 1);
  } else {
    // Without the best ranking, the box sits alone in the middle.
    best_frame_->hide();
    period_grid->addWidget(won_, 2, 0, 1, 2, Qt::AlignHCenter);
  }

  auto* money = new QGroupBox(tr("Money"), this);
  FillBackground(*money, ScreenColours::DialogFrame());
  prize_money_ = AmountField("prizeMoneyEdit");
  entry_fee_ = AmountField("entryFeeEdit");
  travel_ = AmountField("travelEdit");
  prizes_ = new QLineEdit(money);
  prizes_->setObjectName(QStringLiteral("prizesEdit"));
  auto* money_grid = new QGridLayout(money);
  const QList<std::pair<QString, QLineEdit*>> amounts = {{tr("Prize money"), prize_money_},
                                                         {tr("Entry fee"), entry_fee_},
                                                         {tr("Travel costs"), travel_}};
  for (int row = 0; row < amounts.size(); ++row) {
    money_grid->addWidget(new QLabel(amounts[row].first, money), row, 0);
    money_grid->addWidget(amounts[row].second, row, 1);
    auto* currency = new QLabel(Text(Currency::Name()), money);
    currency->setObjectName(QStringLiteral("currencyLabel"));
    currency_labels_.append(currency);
    money_grid->addWidget(currency, row, 2);
  }
  money_grid->addWidget(new QLabel(tr("Prizes"), money), 0, 3);
  money_grid->addWidget(prizes_, 0, 4);
  money_grid->setColumnStretch(4, 1);

  auto* comments_label = new QLabel(tr("Comments on how the event went"), this);
  comments_ = new QPlainTextEdit(this);
  comments_->setObjectName(QStringLiteral("commentsEdit"));
  comments_->setTabChangesFocus(true);
  comments_->setMaximumHeight(70);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &DLG_SAISIE_EPREUVE::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(event_frame);
  layout->addWidget(period);
  layout->addWidget(money);
  layout->addWidget(comments_label);
  layout->addWidget(comments_);
  layout->addWidget(buttons);

  connect(name_, &QComboBox::activated, this,
          [this](int index) { LoadEvent(name_->itemData(index).value<EPREUVE*>()); });
  CheckOnLeaving(name_, [this] { NameLeft(); });
  connect(type_, &QComboBox::currentIndexChanged, this, &DLG_SAISIE_EPREUVE::ShowWonParts);
  connect(won_, &QCheckBox::toggled, this, &DLG_SAISIE_EPREUVE::ShowWonParts);
  connect(start_, &QDateEdit::editingFinished, this, &DLG_SAISIE_EPREUVE::StartLeft);
  connect(end_, &QDateEdit::editingFinished, this, &DLG_SAISIE_EPREUVE::EndLeft);
  connect(end_, &QDateEdit::dateChanged, this, [this] {
    if (!showing_) end_changed_ = true;
  });

  event_ = entry.event;
  played_ = entry.played;
  opened_played_ = entry.played;
  ShowValues(entry.values);
  name_->setFocus();
}

// Hiding the dialog on its way out takes the focus from its fields, and a
// field that loses it reports its editing finished; by then this part of
// the dialog is gone, so none of its checks may answer.
DLG_SAISIE_EPREUVE::~DLG_SAISIE_EPREUVE() {
  start_->disconnect(this);
  end_->disconnect(this);
}

QLineEdit* DLG_SAISIE_EPREUVE::AmountField(const char* name) {
  auto* field = new QLineEdit(this);
  field->setObjectName(QLatin1String(name));
  field->setAlignment(Qt::AlignRight);
  field->setMaximumWidth(110);
  field->setValidator(new AmountValidator(field));
  CheckOnLeaving(field,
                 [field] { field->setText(Text(RewriteAmountText(field->text().toStdString()))); });
  return field;
}

void DLG_SAISIE_EPREUVE::ShowValues(const EventValues& values) {
  showing_ = true;
  name_->setCurrentIndex(name_->findData(QVariant::fromValue(event_)));
  name_->setEditText(Text(event_ ? event_->Name() : values.name));
  type_->setCurrentIndex(std::clamp(values.type, 0, static_cast<int32_t>(type_->count() - 1)));
  age_->setCurrentIndex(
      std::clamp(values.age_category, 0, static_cast<int32_t>(age_->count() - 1)));
  homologation_->setCurrentIndex(
      std::clamp(values.homologation, 0, static_cast<int32_t>(homologation_->count() - 1)));
  corporate_->setChecked(values.corporate);
  start_->SetDate(values.start);
  shown_start_ = start_->Date();
  end_->SetDate(values.end.IsBefore(values.start) ? values.start : values.end);
  won_->setChecked(values.won);
  best_ranking_->SetValue(values.best_ranking);
  prize_money_->setText(Text(values.prize_money.text));
  entry_fee_->setText(Text(values.entry_fee.text));
  travel_->setText(Text(values.travel.text));
  loaded_amounts_[0] = values.prize_money;
  loaded_amounts_[1] = values.entry_fee;
  loaded_amounts_[2] = values.travel;
  prizes_->setText(Text(values.prizes));
  comments_->setPlainText(Text(values.comments));
  end_changed_ = false;
  showing_ = false;
  ShowWonParts();
}

void DLG_SAISIE_EPREUVE::LoadEvent(EPREUVE* event) {
  if (!event || event == event_) return;
  event_ = event;
  EPREUVE_JOUEE* in_season = event->FindPlayedInSeason(season_year_);
  if (opened_played_ && !in_season) {
    // The played event on show joins the event chosen: it keeps its own
    // period and money and takes the event's properties.
    played_ = opened_played_;
    EventValues values = Entry().values;
    const EventValues properties = ValuesOfEvent(*event, season_year_, nullptr);
    values.type = properties.type;
    values.age_category = properties.age_category;
    values.homologation = properties.homologation;
    values.corporate = properties.corporate;
    ShowValues(values);
    return;
  }
  ShowValues(ValuesOfEvent(*event, season_year_, &played_));
}

void DLG_SAISIE_EPREUVE::NameLeft() {
  EPREUVE* found = FindEventByName(owner_, name_->currentText().toStdString());
  if (found) {
    LoadEvent(found);
    name_->setEditText(Text(found->Name()));
  } else if (event_) {
    ForgetLoadedEvent();
  }
}

// A name of no event: a new event (or the played event on show renamed),
// with the values typed so far but none of the money loaded from another
// event.
void DLG_SAISIE_EPREUVE::ForgetLoadedEvent() {
  const QString typed = name_->currentText();
  const bool other_loaded = played_ != opened_played_;
  event_ = nullptr;
  played_ = opened_played_;
  if (!other_loaded) return;
  if (opened_played_) {
    EventValues values = ValuesOfPlayed(*opened_played_);
    values.name = typed.toStdString();
    ShowValues(values);
    return;
  }
  QLineEdit* const fields[3] = {prize_money_, entry_fee_, travel_};
  for (int i = 0; i < 3; ++i) {
    const AmountEntry none = AmountEntry::FromFrancs(0);
    if (fields[i]->text().toStdString() == loaded_amounts_[i].text)
      fields[i]->setText(Text(none.text));
    loaded_amounts_[i] = none;
  }
}

void DLG_SAISIE_EPREUVE::StartLeft() {
  const DATE_SIMPLE typed = start_->Date();
  if (typed == shown_start_) return;
  const DATE_SIMPLE start = StartDateInSeason(typed, season_year_);
  showing_ = true;
  if (!(start == typed)) start_->SetDate(start);
  if ((!end_changed_ && !played_) || end_->Date().IsBefore(start)) end_->setDate(start_->date());
  showing_ = false;
  shown_start_ = start;
}

void DLG_SAISIE_EPREUVE::EndLeft() {
  if (end_->date() < start_->date()) {
    showing_ = true;
    end_->setDate(start_->date());
    showing_ = false;
  }
}

void DLG_SAISIE_EPREUVE::ShowWonParts() {
  const bool french = ActiveSystem().IsFrench();
  const bool won_enabled = WonBoxEnabled(french, type_->currentIndex());
  won_->setEnabled(won_enabled);
  if (!won_enabled) won_->setChecked(false);
  const bool best_enabled = french && won_->isChecked();
  best_label_->setEnabled(best_enabled);
  best_ranking_->setEnabled(best_enabled);
}

EventEntry DLG_SAISIE_EPREUVE::Entry() {
  EventEntry entry;
  entry.event = event_;
  entry.played = played_;
  EventValues& values = entry.values;
  values.name = name_->currentText().toStdString();
  values.type = type_->currentIndex();
  values.age_category = age_->currentIndex();
  values.homologation = homologation_->currentIndex();
  values.corporate = corporate_->isChecked();
  values.won = won_->isChecked();
  const CLASSEMENT best = best_ranking_->Value();
  values.best_ranking = best.IsNone() ? CLASSEMENT::Worst() : best;
  values.start = start_->Date();
  values.end = end_->Date();
  QLineEdit* const fields[3] = {prize_money_, entry_fee_, travel_};
  AmountEntry* const amounts[3] = {&values.prize_money, &values.entry_fee, &values.travel};
  for (int i = 0; i < 3; ++i) {
    *amounts[i] = loaded_amounts_[i];
    amounts[i]->text = fields[i]->text().toStdString();
  }
  values.prizes = prizes_->text().toStdString();
  values.comments = comments_->toPlainText().toStdString();
  return entry;
}

void DLG_SAISIE_EPREUVE::accept() {
  // A name typed and confirmed at once is checked as if left: when it names
  // another event, that event is shown first, to be confirmed in turn.
  const EPREUVE* shown = event_;
  NameLeft();
  if (event_ && event_ != shown) return;
  StartLeft();
  for (QLineEdit* field : {prize_money_, entry_fee_, travel_})
    field->setText(Text(RewriteAmountText(field->text().toStdString())));
  if (name_->currentText().trimmed().isEmpty()) {
    MessageBoxes::Warn(this, CatalogueText(507));
    name_->setFocus();
    return;
  }
  if (!AmountsAreValid() || !PeriodIsConfirmed()) return;
  if (best_ranking_->isEnabled() && !best_ranking_->Validate()) return;
  QDialog::accept();
}

bool DLG_SAISIE_EPREUVE::AmountsAreValid() {
  const EventAmountCheck check = CheckEventAmounts(Entry().values);
  if (check.field < 0) return true;
  const QString names[3] = {tr("Prize money"), tr("Entry fee"), tr("Travel costs")};
  QLineEdit* const fields[3] = {prize_money_, entry_fee_, travel_};
  MessageBoxes::Warn(this, tr("%1: enter an amount from 0 to %2 %3, for example 1 500,50.")
                               .arg(names[check.field], Text(CentsText(kLargestEventAmountCents)),
                                    Text(Currency::Name())));
  fields[check.field]->setFocus();
  fields[check.field]->selectAll();
  return false;
}

bool DLG_SAISIE_EPREUVE::PeriodIsConfirmed() {
  const DATE_SIMPLE start = start_->Date();
  const DATE_SIMPLE end = end_->Date();
  if (!PeriodStraysFromSeason(start, end, season_year_)) return true;
  const QString question = tr("The event runs from %1 to %2, far from season %3 (1 November %4 "
                              "to 31 October %3). Is this period right?")
                               .arg(Text(start.Format()), Text(end.Format()))
                               .arg(season_year_)
                               .arg(season_year_ - 1);
  if (MessageBoxes::Ask(this, question, MessageBoxes::Buttons::kNoYes) ==
      MessageBoxes::Answer::kYes)
    return true;
  end_->setFocus();
  return false;
}

}  // namespace scorvane
