// DLG_NOUVELLE_SAISON, the season dialog: in new mode it shows the year of
// the season to create, in change mode the year of an existing season; the
// year steps with the spin arrows or the Up and Down keys to the next year
// that fits the mode; under a yearly ranking system it also asks the
// owner's ranking for the season; and it holds the season's comment.
//
// The dialog only collects the values; OpenNewSeasonDialog and
// OpenChangeSeasonDialog (season_commands.h) store them.
#pragma once

#include <QDialog>
#include <string>

#include "pages/common/seasons/season_rules.h"

class QLabel;
class QPlainTextEdit;
class QSpinBox;

namespace scorvane {

class RankingEntry;

class DLG_NOUVELLE_SAISON : public QDialog {
  Q_OBJECT

 public:
  // Opens on `year` with `ranking` shown; in change mode the comment is the
  // season's.
  DLG_NOUVELLE_SAISON(const UTILISATEUR& owner, SeasonDialogMode mode, int year,
                      const CLASSEMENT& ranking, QWidget* parent = nullptr);

  SeasonDialogMode Mode() const { return mode_; }
  int Year() const { return year_; }
  // The ranking entered (no ranking when the entry is empty).
  CLASSEMENT Ranking();
  // The comment to store for the season shown.
  std::string Comment() const;

  // One step of the year: up for a positive step, down for a negative one.
  // In change mode the ranking and comment of the year shown are loaded
  // again, dropping what was typed.
  // The year typed or stepped to, refused with a word when out of range or
  // not fitting the mode.
  bool YearIsValid();
  void YearTyped();
  void Step(int step);

  QSpinBox* YearBox() const { return year_box_; }
  RankingEntry* Entry() const { return ranking_; }
  QPlainTextEdit* CommentEdit() const { return comment_; }
  QLabel* Heading() const { return heading_; }

 public slots:
  // Checks the ranking first; the dialog stays open when it is not valid.
  void accept() override;

 private:
  void ShowYear();
  void LoadSeasonOfYear();

  const UTILISATEUR& owner_;
  SeasonDialogMode mode_;
  int year_;
  // The comment stored for the season shown ("" in new mode).
  std::string stored_comment_;
  QLabel* heading_;
  QSpinBox* year_box_;
  QLabel* ranking_label_;
  RankingEntry* ranking_;
  QPlainTextEdit* comment_;
};

}  // namespace scorvane
