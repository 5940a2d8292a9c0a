#include "pages/common/players/player_selection_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "records/player.h"
#include "widgets/catalogue_text.h"
#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"

namespace scorvane {

DLG_SELECTION_JOUEUR::DLG_SELECTION_JOUEUR(const UTILISATEUR& owner, QWidget* parent)
    : QDialog(parent), owner_(owner) {
  setObjectName(QStringLiteral("playerSelectionDialog"));
  setWindowTitle(tr("Select a player"));
  FillBackground(*this, ScreenColours::DialogBackground());

  contacts_only_ = new QCheckBox(tr("Contacts only"), this);
  contacts_only_->setObjectName(QStringLiteral("contactsOnlyBox"));
  my_club_only_ = new QCheckBox(tr("Players of my club only"), this);
  my_club_only_->setObjectName(QStringLiteral("myClubOnlyBox"));
  by_first_names_ = new QRadioButton(tr("First names"), this);
  by_first_names_->setObjectName(QStringLiteral("byFirstNamesButton"));
  by_surnames_ = new QRadioButton(tr("Surnames"), this);
  by_surnames_->setObjectName(QStringLiteral("bySurnamesButton"));
  auto* sort_group = new QButtonGroup(this);
  sort_group->addButton(by_first_names_);
  sort_group->addButton(by_surnames_);
  by_surnames_->setChecked(true);
  ascending_ = new QCheckBox(tr("Ascending"), this);
  ascending_->setObjectName(QStringLiteral("ascendingBox"));
  ascending_->setChecked(true);

  list_ = new MY_LIST_CONTROL(/*multiple_selection=*/false, /*row_height_from_font=*/true, this);
  list_->setObjectName(QStringLiteral("playerList"));
  list_->SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
  list_->SetShowSelectionAlways(true);
  list_->horizontalHeader()->setSectionsMovable(false);
  list_->InsertColumn(0, CatalogueText(271), ColumnAlignment::kLeft, 100);
  list_->InsertColumn(1, CatalogueText(272), ColumnAlignment::kLeft, 140);
  list_->setMinimumHeight(220);

  auto* search_label = new QLabel(tr("&Go to"), this);
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("searchEdit"));
  search_label->setBuddy(search_);
  search_column_ = new QComboBox(this);
  search_column_->setObjectName(QStringLiteral("searchColumnBox"));
  search_column_->addItem(CatalogueText(271));
  search_column_->addItem(CatalogueText(272));
  search_column_->setCurrentIndex(1);
  selection_ = new QLabel(this);
  selection_->setObjectName(QStringLiteral("selectionLabel"));
  QFont bold = selection_->font();
  bold.setBold(true);
  selection_->setFont(bold);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  // Enter belongs to the list and the search field, which choose the player.
  for (QAbstractButton* button : buttons->buttons())
    static_cast<QPushButton*>(button)->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &DLG_SELECTION_JOUEUR::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  connect(contacts_only_, &QCheckBox::toggled, this, &DLG_SELECTION_JOUEUR::Fill);
  connect(my_club_only_, &QCheckBox::toggled, this, &DLG_SELECTION_JOUEUR::Fill);
  connect(sort_group, &QButtonGroup::buttonClicked, this, &DLG_SELECTION_JOUEUR::Sort);
  connect(ascending_, &QCheckBox::toggled, this, &DLG_SELECTION_JOUEUR::Sort);
  connect(list_, &MY_LIST_CONTROL::HeaderClicked, this, &DLG_SELECTION_JOUEUR::HeaderClicked);
  connect(list_, &MY_LIST_CONTROL::SelectionNotified, this, &DLG_SELECTION_JOUEUR::ShowSelection);
  connect(list_, &MY_LIST_CONTROL::RowActivated, this, &DLG_SELECTION_JOUEUR::accept);
  connect(search_, &QLineEdit::textChanged, this, &DLG_SELECTION_JOUEUR::Search);
  connect(search_, &QLineEdit::returnPressed, this, &DLG_SELECTION_JOUEUR::accept);
  connect(search_column_, &QComboBox::currentIndexChanged, this, &DLG_SELECTION_JOUEUR::Search);

  auto* filters = new QHBoxLayout;
  filters->addWidget(contacts_only_);
  filters->addWidget(my_club_only_);
  filters->addStretch();
  auto* sorting = new QHBoxLayout;
  sorting->addWidget(new QLabel(tr("Sort by:"), this));
  sorting->addWidget(by_first_names_);
  sorting->addWidget(by_surnames_);
  sorting->addWidget(ascending_);
  sorting->addStretch();
  auto* searching = new QHBoxLayout;
  searching->addWidget(search_label);
  searching->addWidget(search_, 1);
  searching->addWidget(new QLabel(tr("in"), this));
  searching->addWidget(search_column_);
  auto* chosen = new QHBoxLayout;
  chosen->addWidget(new QLabel(tr("Selection :"), this));
  chosen->addWidget(selection_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filters);
  layout->addLayout(sorting);
  layout->addWidget(list_, 1);
  layout->addLayout(searching);
  layout->addLayout(chosen);
  layout->addWidget(buttons);
  resize(340, 460);

  Fill();
  search_->setFocus();
}

JOUEUR* DLG_SELECTION_JOUEUR::Selected() const {
  return list_->Item(list_->FirstSelectedRow()).As<JOUEUR>();
}

void DLG_SELECTION_JOUEUR::accept() {
  if (!Selected()) return;
  QDialog::accept();
}

void DLG_SELECTION_JOUEUR::Fill() {
  PlayerSelectionFilter filter;
  filter.contacts_only = contacts_only_->isChecked();
  filter.my_club_only = my_club_only_->isChecked();
  players_ = SelectablePlayers(owner_, filter);
  Sort();
}

void DLG_SELECTION_JOUEUR::Sort() {
  const JOUEUR* kept = Selected();
  const auto column =
      by_first_names_->isChecked() ? PlayerNameColumn::kFirstName : PlayerNameColumn::kSurname;
  SortPlayers(players_, column, ascending_->isChecked());
  std::vector<ListRow> rows;
  rows.reserve(players_.size());
  for (JOUEUR* player : players_) {
    rows.push_back({{QString::fromStdString(player->GetRawFirstName()),
                     QString::fromStdString(player->GetRawLastName())},
                    {},
                    player});
  }
  list_->SetRows(std::move(rows));
  for (size_t i = 0; i < players_.size(); ++i) {
    if (players_[i] == kept) list_->SelectItem(static_cast<int>(i));
  }
  ShowSelection();
}

void DLG_SELECTION_JOUEUR::HeaderClicked(int column) {
  QRadioButton* clicked = column == 0 ? by_first_names_ : by_surnames_;
  if (clicked->isChecked()) {
    ascending_->setChecked(!ascending_->isChecked());  // sorts again
  } else {
    clicked->setChecked(true);
    Sort();
  }
}

void DLG_SELECTION_JOUEUR::Search() {
  const auto column = static_cast<PlayerNameColumn>(search_column_->currentIndex());
  const int row = FindPlayerByPrefix(players_, column, search_->text().toStdString());
  if (row < 0) return;
  list_->SelectItem(row);
  list_->scrollTo(list_->Model().index(row, 0));
}

void DLG_SELECTION_JOUEUR::ShowSelection() {
  selection_->setText(QString::fromStdString(SelectedPlayerText(Selected())));
  ok_->setEnabled(Selected() != nullptr);
}

JOUEUR* SelectPlayer(QWidget* parent, const UTILISATEUR& owner) {
  DLG_SELECTION_JOUEUR dialog(owner, parent);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return dialog.Selected();
}

}  // namespace scorvane
