#include "pages/common/matches/event_chooser_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "pages/common/matches/event_dialog.h"
#include "pages/common/matches/match_entry_flow.h"
#include "records/document.h"
#include "records/match_event_choice.h"
#include "records/season.h"
#include "widgets/catalogue_text.h"
#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

struct ColumnLook {
  int title;  // catalogue number
  int width;
  ColumnAlignment alignment;
};

constexpr ColumnLook kColumns[kChooserColumnCount] = {
    {298, 220, ColumnAlignment::kLeft},
    {299, 80, ColumnAlignment::kCentre},
    {300, 80, ColumnAlignment::kCentre},
};

QPushButton* WideButton(const QString& text, QWidget* parent, const char* name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  // Enter belongs to the list: it opens the event of the row.
  button->setAutoDefault(false);
  return button;
}

}  // namespace

DLG_NOUVELLE_RENCONTRE::DLG_NOUVELLE_RENCONTRE(PROJECT_DOC& document, SAISON_JOUEUR& season,
                                               QWidget* parent)
    : QDialog(parent), document_(document), season_(season) {
  setObjectName(QStringLiteral("newMatchDialog"));
  setWindowTitle(tr("Creating a new match"));
  FillBackground(*this, ScreenColours::DialogBackground());

  auto* heading = new QLabel(tr("Choose the event of the new match (double-click on it):"), this);
  list_ = new MY_LIST_CONTROL(/*multiple_selection=*/false, /*row_height_from_font=*/true, this);
  list_->setObjectName(QStringLiteral("eventList"));
  list_->SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
  list_->SetShowSelectionAlways(true);
  list_->horizontalHeader()->setSectionsMovable(false);
  for (int column = 0; column < kChooserColumnCount; ++column) {
    const ColumnLook& look = kColumns[column];
    list_->InsertColumn(column, CatalogueText(look.title), look.alignment, look.width);
  }
  list_->setMinimumSize(400, 200);
  // Dates and event names are shown whole while the dialog has room.
  list_->SetColumnsFollowContents(true);
  connect(list_, &MY_LIST_CONTROL::HeaderClicked, this, &DLG_NOUVELLE_RENCONTRE::HeaderClicked);
  connect(list_, &MY_LIST_CONTROL::RowActivated, this, &DLG_NOUVELLE_RENCONTRE::OpenRow);

  friendly_ =
      WideButton(tr("Add the new match to the season's &friendly matches"), this, "friendlyButton");
  new_event_ = WideButton(tr("Add a &new event to the season to add the match to it"), this,
                          "newEventButton");
  connect(friendly_, &QPushButton::clicked, this, &DLG_NOUVELLE_RENCONTRE::AddToFriendlyMatches);
  connect(new_event_, &QPushButton::clicked, this, &DLG_NOUVELLE_RENCONTRE::AddToNewEvent);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  auto* cancel = buttons->button(QDialogButtonBox::Cancel);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  cancel->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(list_, 1);
  layout->addWidget(friendly_);
  layout->addWidget(new_event_);
  layout->addWidget(buttons);

  events_ = ChoosableEvents(season_);
  Fill();
  list_->SelectItem(0);
  list_->setFocus();
}

void DLG_NOUVELLE_RENCONTRE::Fill() {
  SortChooserEvents(events_, sort_column_, descending_);
  std::vector<ListRow> rows;
  rows.reserve(events_.size());
  for (EPREUVE_JOUEE* played : events_) {
    ListRow row;
    for (int column = 0; column < kChooserColumnCount; ++column) {
      row.texts.push_back(
          QString::fromStdString(ChooserCellText(*played, static_cast<ChooserColumn>(column))));
    }
    row.item = played;
    rows.push_back(std::move(row));
  }
  const int kept = list_->FirstSelectedRow();
  const RowItem kept_item = list_->Item(kept);
  list_->SetRows(std::move(rows));
  if (const int row = list_->RowOf(kept_item); row >= 0) list_->SelectItem(row);
}

void DLG_NOUVELLE_RENCONTRE::HeaderClicked(int column) {
  if (column < 0 || column >= kChooserColumnCount) return;
  const auto clicked = static_cast<ChooserColumn>(column);
  descending_ = clicked == sort_column_ ? !descending_ : false;
  sort_column_ = clicked;
  Fill();
}

void DLG_NOUVELLE_RENCONTRE::OpenRow(int row) {
  if (row < 0 || row >= list_->RowCount()) return;
  Run(MatchEventChoice::Played(list_->Item(row).As<EPREUVE_JOUEE>()));
}

void DLG_NOUVELLE_RENCONTRE::AddToFriendlyMatches() {
  Run(MatchEventChoice::Friendly(document_.Owner(), season_.Year()));
}

void DLG_NOUVELLE_RENCONTRE::AddToNewEvent() {
  const int year = season_.Year();
  EventEntry entry;
  entry.values = NewEventValues(year, Today());
  DLG_SAISIE_EPREUVE dialog(document_.Owner(), year, entry, this);
  if (dialog.exec() != QDialog::Accepted) return;
  Run(MatchEventChoice::Entered(dialog.Entry()));
}

void DLG_NOUVELLE_RENCONTRE::Run(const MatchEventChoice& choice) {
  added_ = EnterNewMatch(this, document_, season_, choice);
  if (added_) accept();
}

}  // namespace scorvane
