// COMBO_CLUBS: the editable drop-down list of the document's clubs wherever
// a player's club is entered. Typing completes with the first club whose
// name begins with the text; a name that is no club is kept as typed and
// becomes a new club when the player is saved.
#pragma once

#include <QComboBox>

namespace scorvane {

class UTILISATEUR;

class COMBO_CLUBS : public QComboBox {
  Q_OBJECT

 public:
  explicit COMBO_CLUBS(QWidget* parent = nullptr);

  // The clubs of the owner's document in list order of names (the first
  // line is empty: no club); each line carries its club.
  void Fill(const UTILISATEUR& owner);
  // The club's name as shown or typed, without the blanks around it.
  QString ClubName() const;
  void SetClubName(const QString& name);
};

}  // namespace scorvane
