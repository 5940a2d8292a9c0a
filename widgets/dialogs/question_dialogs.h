// The three small question dialogs used across the program: yes / no,
// yes / no / yes to all (for series of deletions), and "same player or new
// player" after a player met in other matches was changed.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace scorvane {

// DLG_QUEST_OUI_NON: title "Question", the text, "Yes" and "No !".
class DLG_QUEST_OUI_NON : public QDialog {
  Q_OBJECT

 public:
  explicit DLG_QUEST_OUI_NON(QWidget* parent = nullptr);
  void SetQuestion(const QString& text);
  // Shows the question modally; true unless the answer is No.
  bool Ask(const QString& text);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  QLabel* text_;
  QPushButton* yes_;
  QPushButton* no_;
};

// DLG_QUEST_OUI_NON_TOUS: "Yes", "No !" and "Delete all"; the last one
// closes as Yes and sets the "all" flag.
class DLG_QUEST_OUI_NON_TOUS : public QDialog {
  Q_OBJECT

 public:
  explicit DLG_QUEST_OUI_NON_TOUS(const QString& text, QWidget* parent = nullptr);
  bool All() const { return all_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  QPushButton* yes_;
  QPushButton* no_;
  QPushButton* all_button_;
  bool all_ = false;
};

// DLG_QUEST_NOUVEAU_JOUEUR: "Same player" (rejects: keep editing the
// existing player) or "New player" (accepts: create a new player record).
class DLG_QUEST_NOUVEAU_JOUEUR : public QDialog {
  Q_OBJECT

 public:
  explicit DLG_QUEST_NOUVEAU_JOUEUR(QWidget* parent = nullptr);
  // True when the user asks for a new player.
  static bool AskNewPlayer(QWidget* parent);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  QLabel* text_;
  QPushButton* same_;
  QPushButton* new_player_;
};

}  // namespace scorvane
