#include "widgets/club_combo.h"

#include <QCompleter>
#include <QLineEdit>
#include <algorithm>
#include <vector>

#include "base/text_compare.h"
#include "records/owner.h"

namespace scorvane {

COMBO_CLUBS::COMBO_CLUBS(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setMaxVisibleItems(20);
  completer()->setCompletionMode(QCompleter::InlineCompletion);
  completer()->setCaseSensitivity(Qt::CaseInsensitive);
}

void COMBO_CLUBS::Fill(const UTILISATEUR& owner) {
  const QString shown = currentText();
  std::vector<const CLUB*> clubs(owner.Clubs().begin(), owner.Clubs().end());
  std::stable_sort(clubs.begin(), clubs.end(), [](const CLUB* a, const CLUB* b) {
    return CompareListTexts(a->Name(), b->Name()) < 0;
  });
  clear();
  addItem(QString());
  for (const CLUB* club : clubs)
    addItem(QString::fromStdString(club->Name()), QVariant::fromValue(club));
  SetClubName(shown);
}

QString COMBO_CLUBS::ClubName() const {
  return currentText().trimmed();
}

void COMBO_CLUBS::SetClubName(const QString& name) {
  const int line = findText(name, Qt::MatchExactly);
  if (line >= 0) {
    setCurrentIndex(line);
  } else {
    setCurrentIndex(-1);
    setEditText(name);
  }
}

}  // namespace scorvane
