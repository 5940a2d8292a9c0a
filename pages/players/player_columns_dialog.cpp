#include "pages/players/player_columns_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <span>

#include "widgets/screen_colours.h"
#include "widgets/translated_texts.h"

namespace scorvane {
namespace {

struct Choice {
  const char* text;
  int column;
};

#define COLUMN_TEXT(text) QT_TRANSLATE_NOOP("scorvane::DLG_COLONNES_JOUEURS", text)

// The boxes in the order shown, with the column each one sets.
constexpr Choice kMainChoices[] = {
    {COLUMN_TEXT("Age"), 5},
    {COLUMN_TEXT("Year of birth"), 4},
    {COLUMN_TEXT("Current ranking"), 8},
    {COLUMN_TEXT("Expected future ranking"), DLG_COLONNES_JOUEURS::kFutureRankColumn},
    {COLUMN_TEXT("Club"), 6},
    {COLUMN_TEXT("Comment"), 16},
    {COLUMN_TEXT("Player counter"), 0},
    {COLUMN_TEXT("Licence number"), 7},
    {COLUMN_TEXT("Sex"), 1},
};
constexpr Choice kContactChoices[] = {
    {COLUMN_TEXT("Address"), 10},    {COLUMN_TEXT("e-mail"), 12},
    {COLUMN_TEXT("Home phone"), 13}, {COLUMN_TEXT("Mobile phone"), 15},
    {COLUMN_TEXT("Work phone"), 14}, {COLUMN_TEXT("Town"), 11},
};
// The owner's record against each player, all seasons.
constexpr Choice kHeadToHeadChoices[] = {
    {COLUMN_TEXT("Matches won against the player"), 17},
    {COLUMN_TEXT("Matches lost against the player"), 18},
};

#undef COLUMN_TEXT

}  // namespace

DLG_COLONNES_JOUEURS::DLG_COLONNES_JOUEURS(std::vector<bool> shown, bool french_system,
                                           QWidget* parent)
    : QDialog(parent), shown_(std::move(shown)), boxes_(kColumnCount, nullptr) {
  setObjectName(QStringLiteral("playerColumnsDialog"));
  shown_.resize(kColumnCount, false);
  FillBackground(*this, ScreenColours::DialogBackground());

  auto* main_group = new QGroupBox(this);
  auto* main_layout = new QVBoxLayout(main_group);
  for (const Choice& choice : kMainChoices)
    AddBox(*main_layout, choice.column);
  auto* contact_group = new QGroupBox(this);
  auto* contact_layout = new QVBoxLayout(contact_group);
  for (const Choice& choice : kContactChoices)
    AddBox(*contact_layout, choice.column);
  auto* record_group = new QGroupBox(this);
  auto* record_layout = new QVBoxLayout(record_group);
  for (const Choice& choice : kHeadToHeadChoices)
    AddBox(*record_layout, choice.column);
  for (QGroupBox* group : {main_group, contact_group, record_group})
    FillBackground(*group, ScreenColours::DialogFrame());
  boxes_[kFutureRankColumn]->setVisible(french_system);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  // The main boxes on the left, the contacts and the head-to-head counts
  // beside them.
  auto* side = new QVBoxLayout;
  side->addWidget(contact_group);
  side->addWidget(record_group);
  side->addStretch();
  auto* groups = new QHBoxLayout;
  groups->addWidget(main_group);
  groups->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addWidget(buttons);
  KeepTranslated(this, [this, contact_group, record_group] {
    setWindowTitle(tr("Information shown for the players"));
    contact_group->setTitle(tr("Contacts"));
    record_group->setTitle(tr("Head-to-head"));
    for (const auto& choices :
         {std::span<const Choice>(kMainChoices), std::span<const Choice>(kContactChoices),
          std::span<const Choice>(kHeadToHeadChoices)}) {
      for (const Choice& choice : choices)
        boxes_[static_cast<size_t>(choice.column)]->setText(tr(choice.text));
    }
  });
}

QCheckBox* DLG_COLONNES_JOUEURS::AddBox(QLayout& layout, int column) {
  auto* box = new QCheckBox(layout.parentWidget());
  box->setChecked(shown_[static_cast<size_t>(column)]);
  layout.addWidget(box);
  boxes_[static_cast<size_t>(column)] = box;
  return box;
}

std::vector<bool> DLG_COLONNES_JOUEURS::ShownFlags() const {
  std::vector<bool> flags = shown_;
  for (int column = 0; column < kColumnCount; ++column) {
    const QCheckBox* box = boxes_[static_cast<size_t>(column)];
    // A hidden box (future rank outside the French system) changes nothing.
    if (box != nullptr && !box->isHidden()) flags[static_cast<size_t>(column)] = box->isChecked();
  }
  flags[kFirstNameColumn] = true;
  flags[kSurnameColumn] = true;
  return flags;
}

std::optional<std::vector<bool>> DLG_COLONNES_JOUEURS::Choose(QWidget* parent,
                                                              const std::vector<bool>& shown,
                                                              bool french_system) {
  DLG_COLONNES_JOUEURS dialog(shown, french_system, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.ShownFlags();
}

}  // namespace scorvane
