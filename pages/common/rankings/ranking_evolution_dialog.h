// DLG_EVOLUTION_CLASSEMENT: any player's ranking history as a line chart,
// titled with the player's name. "Edit" opens the ranking history editor
// and draws the chart again on return; so does a click on a point, with
// that entry selected. The player dialog and the players page open it
// through ShowRankingEvolution.
#pragma once

#include <QDialog>

class QPushButton;

namespace scorvane {

class ChartModel;
class ChartWidget;
class JOUEUR;
class PROJECT_DOC;

class DLG_EVOLUTION_CLASSEMENT : public QDialog {
  Q_OBJECT

 public:
  DLG_EVOLUTION_CLASSEMENT(PROJECT_DOC& document, JOUEUR& player, QWidget* parent = nullptr);
  ~DLG_EVOLUTION_CLASSEMENT() override;

  const ChartModel& ChartData() const;
  ChartWidget* ChartView() const { return chart_; }
  QPushButton* EditButton() const { return edit_; }

 public slots:
  // "Edit": the history editor, then the chart again.
  void EditHistory();
  // A click in the chart: a point or label opens the editor on its entry.
  void ChartClicked(int code, qint64 id);

 private:
  void Rebuild();
  void OpenEditor(qint64 entry);

  PROJECT_DOC& document_;
  JOUEUR& player_;
  ChartWidget* chart_;
  QPushButton* edit_;
};

// Shows the ranking evolution of `player` of the current document.
void ShowRankingEvolution(QWidget* parent, JOUEUR& player);

}  // namespace scorvane
