#include "pages/common/rankings/ranking_history_dialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "base/catalogue/messages.h"
#include "base/list.h"
#include "base/user_prompt.h"
#include "pages/common/rankings/ranking_date_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/player.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

QString DateText(const CLASSEMENT_DATE& entry, bool yearly) {
  if (yearly) return QString::number(entry.Date().Year());
  return QString::fromStdString(entry.Date().Format());
}

}  // namespace

DLG_EDIT_CLASSEMENTS::DLG_EDIT_CLASSEMENTS(PROJECT_DOC& document, JOUEUR& player,
                                           const CLASSEMENT_DATE* preselected, QWidget* parent)
    : QDialog(parent),
      document_(document),
      player_(player),
      list_(new MY_LIST_CONTROL(/*multiple_selection=*/false, /*row_height_from_font=*/true, this)),
      new_(new QPushButton(this)),
      modify_(new QPushButton(this)),
      delete_(new QPushButton(this)),
      close_(new QPushButton(this)) {
  setObjectName(QStringLiteral("rankingHistory"));
  FillBackground(*this, ScreenColours::DialogBackground());
  list_->setObjectName(QStringLiteral("historyList"));
  new_->setObjectName(QStringLiteral("newButton"));
  modify_->setObjectName(QStringLiteral("modifyButton"));
  delete_->setObjectName(QStringLiteral("deleteButton"));
  close_->setObjectName(QStringLiteral("okButton"));
  list_->SetShowSelectionAlways(true);
  list_->setMinimumSize(340, 200);
  list_->InsertColumn(0, tr("Date"), ColumnAlignment::kLeft, 70);
  list_->InsertColumn(1, tr("Rank"), ColumnAlignment::kLeft, 70);
  list_->InsertColumn(2, tr("Note"), ColumnAlignment::kLeft, 135);
  // Dates and rankings are shown whole, headings too; the note takes
  // whatever width the dialog gives the list.
  list_->SetColumnsFollowContents(true);
  list_->horizontalHeader()->setStretchLastSection(true);

  auto* side = new QVBoxLayout;
  for (QPushButton* button : {new_, modify_, delete_})
    side->addWidget(button);
  side->addStretch();
  side->addWidget(close_);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(side);
  // Enter on a line changes its entry; it does not close the dialog too.
  for (QPushButton* button : {new_, modify_, delete_, close_})
    button->setAutoDefault(false);

  connect(list_, &MY_LIST_CONTROL::SelectionNotified, this, [this] { FollowSelection(); });
  connect(list_, &MY_LIST_CONTROL::RowActivated, this, [this](int) { ModifySelected(); });
  connect(new_, &QPushButton::clicked, this, &DLG_EDIT_CLASSEMENTS::NewEntry);
  connect(modify_, &QPushButton::clicked, this, &DLG_EDIT_CLASSEMENTS::ModifySelected);
  connect(delete_, &QPushButton::clicked, this, &DLG_EDIT_CLASSEMENTS::DeleteSelected);
  connect(close_, &QPushButton::clicked, this, &DLG_EDIT_CLASSEMENTS::accept);
  Retranslate();
  Rebuild(preselected);
}

void DLG_EDIT_CLASSEMENTS::Rebuild(const CLASSEMENT_DATE* selected) {
  const bool yearly = ActiveSystem().IsYearly();
  std::vector<ListRow> rows;
  int select = -1;
  for (CLASSEMENT_DATE* entry : player_.History().Entries()) {
    if (entry == selected) select = static_cast<int>(rows.size());
    rows.push_back({{DateText(*entry, yearly), QString::fromStdString(entry->Ranking().Text()),
                     QString::fromStdString(entry->Note())},
                    {},
                    entry});
  }
  list_->SetRows(std::move(rows));
  if (select >= 0) {
    list_->SelectItem(select);
    list_->scrollTo(list_->model()->index(select, 0));
  }
  FollowSelection();
}

CLASSEMENT_DATE* DLG_EDIT_CLASSEMENTS::SelectedEntry() const {
  return list_->Item(list_->FirstSelectedRow()).As<CLASSEMENT_DATE>();
}

void DLG_EDIT_CLASSEMENTS::SelectEntry(const CLASSEMENT_DATE* entry) {
  list_->ClearSelection();
  if (const int row = list_->RowOf(entry); row >= 0) list_->SelectItem(row);
  FollowSelection();
}

void DLG_EDIT_CLASSEMENTS::FollowSelection() {
  const bool selected = SelectedEntry() != nullptr;
  modify_->setEnabled(selected);
  // A history is never left empty.
  delete_->setEnabled(selected && player_.History().Count() >= 2);
}

void DLG_EDIT_CLASSEMENTS::Changed() {
  document_.MarkModified();
}

void DLG_EDIT_CLASSEMENTS::NewEntry() {
  CLASSEMENT_DATE entry;
  if (!DLG_EDIT_UN_CLASSEMENT::EditNew(this, entry)) return;
  const CLASSEMENT_DATE* added = nullptr;
  try {
    added = player_.History().Add(entry.Ranking(), entry.Date(), entry.Note());
  } catch (const ListFullError&) {
    MessageBoxes::Warn(this, tr("This history cannot hold more rankings."));
    return;
  }
  Changed();
  Rebuild(added);
}

void DLG_EDIT_CLASSEMENTS::ModifySelected() {
  CLASSEMENT_DATE* entry = SelectedEntry();
  if (!entry) return;
  CLASSEMENT_DATE edited(entry->Ranking(), entry->Date(), entry->Note());
  if (!DLG_EDIT_UN_CLASSEMENT::Edit(this, edited)) return;
  // A new date moves the entry to its place in the history.
  const CLASSEMENT_DATE* changed =
      player_.History().Change(entry, edited.Ranking(), edited.Date(), edited.Note());
  Changed();
  Rebuild(changed);
}

void DLG_EDIT_CLASSEMENTS::DeleteSelected() {
  CLASSEMENT_DATE* entry = SelectedEntry();
  if (!entry || player_.History().Count() < 2) return;
  if (!AskYesNo(Msg(110))) return;
  if (!player_.History().Remove(entry)) return;
  Changed();
  Rebuild(nullptr);
}

void DLG_EDIT_CLASSEMENTS::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void DLG_EDIT_CLASSEMENTS::Retranslate() {
  setWindowTitle(tr("Edit rankings"));
  new_->setText(tr("&New"));
  modify_->setText(tr("&Modify"));
  delete_->setText(tr("&Delete"));
  close_->setText(tr("OK"));
}

}  // namespace scorvane
