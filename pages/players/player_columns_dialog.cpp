#include "pages/players/player_columns_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

struct Choice {
  const char* text;
  int column;
};

// The boxes in the order shown, with the column each one sets.
constexpr Choice kMainChoices[] = {
    {"Age", 5},
    {"Année de naissance", 4},
    {"Classement actuel", 8},
    {"Classement futur prévu", DLG_COLONNES_JOUEURS::kFutureRankColumn},
    {"Club", 6},
    {"Commentaire", 16},
    {"Compteur de joueurs", 0},
    {"No de licence", 7},
    {"Sexe", 1},
};
constexpr Choice kContactChoices[] = {
    {"Adresse", 10},       {"e-mail", 12},       {"Tél. personnel", 13},
    {"Tél. portable", 15}, {"Tél. travail", 14}, {"Ville", 11},
};

}  // namespace

DLG_COLONNES_JOUEURS::DLG_COLONNES_JOUEURS(std::vector<bool> shown, bool french_system,
                                           QWidget* parent)
    : QDialog(parent), shown_(std::move(shown)), boxes_(kColumnCount, nullptr) {
  shown_.resize(kColumnCount, false);
  setWindowTitle(QStringLiteral("Informations à afficher pour les joueurs"));
  FillBackground(*this, ScreenColours::DialogBackground());

  auto* main_group = new QGroupBox(this);
  auto* main_layout = new QVBoxLayout(main_group);
  for (const Choice& choice : kMainChoices)
    AddBox(*main_layout, QString::fromUtf8(choice.text), choice.column);
  auto* contact_group = new QGroupBox(QStringLiteral("Contacts"), this);
  auto* contact_layout = new QVBoxLayout(contact_group);
  for (const Choice& choice : kContactChoices)
    AddBox(*contact_layout, QString::fromUtf8(choice.text), choice.column);
  for (QGroupBox* group : {main_group, contact_group})
    FillBackground(*group, ScreenColours::DialogFrame());
  boxes_[kFutureRankColumn]->setVisible(french_system);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(main_group);
  layout->addWidget(contact_group);
  layout->addWidget(buttons);
}

QCheckBox* DLG_COLONNES_JOUEURS::AddBox(QLayout& layout, const QString& text, int column) {
  auto* box = new QCheckBox(text, layout.parentWidget());
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
