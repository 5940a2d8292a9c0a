// PAGE_PERSO, the owner's own page and the first page every document opens
// on: the photo, the description card with the rankings and what it would
// take to go up, the season-by-season charts with their choice list, and
// the buttons that change the description, the photo, the seasons and the
// ranking history. A click on the photo or the card does what their buttons
// do; a click in a chart opens what it shows.
#pragma once

#include <QImage>
#include <QString>
#include <memory>

#include "estimates/next_grade_advice.h"
#include "pages/own/own_card.h"
#include "widgets/page_view.h"
#include "widgets/print/printable.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace scorvane {

class ChartModel;
class ChartWidget;
enum class SeasonChart;
class OwnCardView;
class PhotoView;

class PAGE_PERSO : public PageView, public Printable {
  Q_OBJECT

 public:
  explicit PAGE_PERSO(QWidget* parent = nullptr);
  ~PAGE_PERSO() override;

  void InitialUpdate() override;
  void Refresh() override;
  Printable* PrintContent() override { return this; }

  QString PrintTitle() const override;
  int Paginate(QPainter& painter, const QRectF& area) override;
  void PaintPage(QPainter& painter, const QRectF& area, int index) override;

  // The photo shown: the owner's, the racket picture when none is chosen,
  // or a null image when the owner's does not load.
  const QImage& Photo() const { return photo_; }
  bool ShowsDefaultPhoto() const { return default_photo_; }
  // The card shown, and the next-grade sentence under it.
  const OwnCard& Card() const { return card_; }
  QString AdviceSentence() const { return advice_; }
  SeasonChart Chart() const { return chart_; }
  const ChartModel& ChartData() const;
  ChartWidget* ChartView() const { return chart_view_; }
  QComboBox* ChartChoice() const { return choice_; }
  QLabel* ChartHint() const { return hint_; }
  PhotoView* PhotoFrame() const { return photo_view_; }
  OwnCardView* CardFrame() const { return card_view_; }

  // The folder where the racket picture is and where choosing a photo
  // starts when none is chosen: "Photos" beside the program.
  static QString PhotosFolder();

 public slots:
  // The button actions.
  void EditDescription();
  // The next-grade sentence was clicked: its wins become the report page's
  // planned matches, and the report page is shown.
  void TrySuggestedWins();
  void ChoosePhoto();
  void EditActiveSeason();
  void AddSeason();
  void EditRankings();
  // A click in the chart: the zone's code and id.
  void ChartClicked(int code, qint64 id);

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Retranslate();
  void LoadPhoto();
  void BuildCard();
  void BuildChart();
  void ChooseChart(int index);

  PhotoView* photo_view_;
  OwnCardView* card_view_;
  QComboBox* choice_;
  ChartWidget* chart_view_;
  QLabel* hint_;
  QPushButton* describe_;
  QPushButton* photo_button_;
  QPushButton* edit_season_;
  QPushButton* add_season_;
  QPushButton* print_;
  QPushButton* rankings_;

  QImage photo_;
  bool default_photo_ = true;
  // The photo path that could not be loaded, told once.
  QString refused_path_;
  OwnCard card_;
  QString advice_;
  NextGradeAdvice next_grade_;
  SeasonChart chart_{};  // the ranking evolution first
};

}  // namespace scorvane
