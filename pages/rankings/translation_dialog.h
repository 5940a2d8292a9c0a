// DLG_TRADUCTION_CLASSEMENT: while a document moves to another ranking
// system, asks which ranking of the new system replaces a grade the new
// system does not have. The answer is reused for every value of that grade.
#pragma once

#include <QDialog>
#include <string>

#include "ranking/ranking_value.h"

class QLabel;

namespace scorvane {

class RankingEntry;

class DLG_TRADUCTION_CLASSEMENT : public QDialog {
  Q_OBJECT

 public:
  // `old_text`: the grade (or number) of the old system, as shown there.
  // The ranking entry lists the rankings of the active system.
  explicit DLG_TRADUCTION_CLASSEMENT(const std::string& old_text, QWidget* parent = nullptr);

  // The ranking chosen on OK; no ranking (-1) on Cancel.
  static CLASSEMENT Ask(QWidget* parent, const std::string& old_text);

  QString Question() const;
  RankingEntry* Ranking() const { return ranking_; }

 public slots:
  void accept() override;

 private:
  QLabel* question_;
  RankingEntry* ranking_;
  CLASSEMENT chosen_;
};

}  // namespace scorvane
