// Guards the chart window: clicks report what is under the pointer, and the
// picture copied, saved, printed and painted in any colours or size.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <numbers>

#include "tests/support/ui/window_fixture.h"
#include "widgets/chart/chart_painting.h"
#include "widgets/chart/chart_widget.h"
#include "widgets/dialogs/message_boxes.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

const QColor kColours[] = {{200, 40, 40}, {40, 160, 60}, {50, 70, 210}, {230, 170, 20}};

void AddSeries(ChartModel& model, std::initializer_list<std::pair<int, std::int64_t>> values,
               std::initializer_list<QColor> colours) {
  auto series = std::make_unique<GROUPE_DONNEES>();
  for (const auto& [value, id] : values)
    series->AddValue(value, id);
  for (const QColor& colour : colours)
    series->AddColour(Rgb(colour.red(), colour.green(), colour.blue()));
  model.AddSeries(std::move(series));
}

// Two series over "Clay" and "Grass", clustered: values 3 and 5 (ids 11,
// 12), then 4 and 2 (ids 21, 22), each value in a colour of its own.
void FillBars(ChartModel& model) {
  model.SetTitle("Results per surface", ChartModel::kTitleBottom);
  AddSeries(model, {{3, 11}, {5, 12}}, {kColours[0], kColours[1]});
  AddSeries(model, {{4, 21}, {2, 22}}, {kColours[2], kColours[3]});
  model.CategoryAxis().AddLabel(0, "Clay", false, 100);
  model.CategoryAxis().AddLabel(1, "Grass", false, 101);
}

// The pixels of exactly this colour: antialiased edges are left out.
QRect BoundsOf(const QImage& image, const QColor& colour) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == colour) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

}  // namespace

class ChartWidgetTest : public WindowFixture {
  Q_OBJECT

 private:
  std::unique_ptr<ChartWidget> chart_;

  // Shows the chart at 600 x 400 and returns what it painted.
  QImage Shown() {
    chart_->resize(600, 400);
    chart_->show();
    if (!QTest::qWaitForWindowExposed(chart_.get())) qWarning("the chart was not shown");
    return chart_->grab().toImage();
  }

 private slots:
  void init() {
    WindowFixture::init();
    chart_ = std::make_unique<ChartWidget>();
  }
  void cleanup() {
    chart_.reset();
    WindowFixture::cleanup();
  }

  void ClicksOnBarsReportTheirIdsAndTheBarsAreSharp() {
    FillBars(chart_->Model());
    const QImage image = Shown();
    const QColor background = image.pixelColor(2, 2);
    QSignalSpy clicks(chart_.get(), &ChartWidget::zoneClicked);
    const qint64 ids[] = {11, 12, 21, 22};
    for (int bar = 0; bar < 4; ++bar) {
      const QRect bounds = BoundsOf(image, kColours[bar]);
      QVERIFY(bounds.width() > 10 && bounds.height() > 10);
      // Sharp: the background right beside each side, no blend between.
      QCOMPARE(image.pixelColor(bounds.left() - 1, bounds.center().y()), background);
      QCOMPARE(image.pixelColor(bounds.right() + 1, bounds.center().y()), background);
      QTest::mouseClick(chart_.get(), Qt::RightButton, {}, bounds.center());
      QTest::mouseClick(chart_.get(), Qt::LeftButton, {}, bounds.center());
      QCOMPARE(clicks.count(), 1);  // the left button only
      QCOMPARE(clicks.takeFirst(), (QList<QVariant>{2, QVariant::fromValue(ids[bar])}));
    }
    QTest::mouseClick(chart_.get(), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(chart_.get(), Qt::LeftButton, {}, QPoint(598, 200));
    QCOMPARE(clicks.count(), 0);
  }

  void ClicksOnSlicesFollowTheirAngles() {
    // 3 and 1: the first slice from 3 o'clock round to 6 o'clock
    // counter-clockwise (270 degrees), the second the last quarter. Built
    // apart and handed over whole, as the pages do.
    ChartModel model;
    model.SetKind(ChartModel::kPie, false, true, false);
    model.SetArrangement(ChartModel::kStackedBySeries);
    model.SetFractions(1.0, 0.3);
    AddSeries(model, {{3, 7}, {1, 8}}, {kColours[0], kColours[1]});
    chart_->SetModel(std::move(model));
    const QImage image = Shown();
    const QRect pie = BoundsOf(image, kColours[0]) | BoundsOf(image, kColours[1]);
    QVERIFY(pie.width() > 200 && std::abs(pie.width() - pie.height()) <= 2);
    QSignalSpy clicks(chart_.get(), &ChartWidget::zoneClicked);
    const struct {
      double degrees;
      int colour;
    } points[] = {{45, 0}, {135, 0}, {225, 0}, {260, 0}, {280, 1}, {315, 1}};
    for (const auto& p : points) {
      const double reach = pie.width() / 4.0;
      const double radians = p.degrees * std::numbers::pi / 180;
      const QPoint at(qRound(pie.center().x() + reach * std::cos(radians)),
                      qRound(pie.center().y() - reach * std::sin(radians)));
      QCOMPARE(image.pixelColor(at), kColours[p.colour]);
      QTest::mouseClick(chart_.get(), Qt::LeftButton, {}, at);
      QCOMPARE(clicks.takeFirst().at(1).value<qint64>(), p.colour == 0 ? 7 : 8);
    }
    QTest::mouseClick(chart_.get(), Qt::LeftButton, {}, pie.topLeft() + QPoint(3, 3));
    QCOMPARE(clicks.count(), 0);
  }

  void ARefilledChartAnswersClicksBeforeItIsPainted() {
    FillBars(chart_->Model());
    const QPoint bar = BoundsOf(Shown(), kColours[1]).center();
    // Refilled and clicked before the next paint: the new chart answers.
    chart_->Model().Clear();
    AddSeries(chart_->Model(), {{3, 91}, {5, 92}}, {kColours[0]});
    QSignalSpy clicks(chart_.get(), &ChartWidget::zoneClicked);
    QTest::mouseClick(chart_.get(), Qt::LeftButton, {}, bar);
    QCOMPARE(clicks.first().at(1).value<qint64>(), 92);
  }

  void CopiedAndSavedPicturesAndTheFailureToSave() {
    FillBars(chart_->Model());
    Shown();
    chart_->CopyAction()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(600, 400));
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied->data(QStringLiteral("image/svg+xml")).contains("Results per surface"));

    const QString png = Path(QStringLiteral("chart.png"));
    const QString svg = Path(QStringLiteral("chart.svg"));
    const QString bare = Path(QStringLiteral("chart two"));
    FileChoosers::ScriptPaths({png, svg, bare, QString()});
    for (int save = 0; save < 4; ++save)
      chart_->SaveAction()->trigger();
    QVERIFY(FileChoosers::Offered().first().endsWith(QStringLiteral("/Results per surface.png")));
    QVERIFY(!BoundsOf(QImage(png), kColours[3]).isEmpty());
    QCOMPARE(QImage(bare + QStringLiteral(".png")).size(), QSize(600, 400));
    QFile drawing(svg);
    QVERIFY(drawing.open(QIODevice::ReadOnly) && drawing.readAll().contains("<svg"));
    QVERIFY(MessageBoxes::Said().isEmpty());

    const QString nowhere = Path(QStringLiteral("missing/chart.png"));
    FileChoosers::ScriptPaths({nowhere});
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    chart_->SaveAction()->trigger();
    QCOMPARE(MessageBoxes::Said(),
             QStringList{QStringLiteral("The picture %1 could not be written.").arg(nowhere)});
    QVERIFY(!QFile::exists(nowhere));
  }

  void HighDensityPicturesAreDrawnAtTheirOwnPixelsAndStaySharp() {
    FillBars(chart_->Model());
    const QtTextMeasurer measurer;
    const QImage single = ChartImage(chart_->Model(), QSize(300, 200), 1, measurer);
    const QImage twice = ChartImage(chart_->Model(), QSize(300, 200), 2, measurer);
    QCOMPARE(twice.size(), QSize(600, 400));
    const QRect bar = BoundsOf(single, kColours[1]);
    const QRect fine = BoundsOf(twice, kColours[1]);
    QCOMPARE(fine, QRect(bar.topLeft() * 2, bar.size() * 2));  // no blend at the edges
  }

  void PrintingFillsTheDestinationOnOnlyTheSheet() {
    FillBars(chart_->Model());
    // A 300 dpi page: the 1200 x 900 destination is a 384 x 288 chart.
    QImage page(1800, 1500, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(300 / 0.0254));
    page.setDotsPerMeterY(qRound(300 / 0.0254));
    page.fill(Qt::white);
    const QRect destination(300, 300, 1200, 900);
    {
      QPainter painter(&page);
      chart_->Print(painter, destination);
    }
    // On the sheet itself, without the window's grey.
    for (const QPoint paper : {QPoint(299, 299), destination.topLeft(), destination.bottomRight(),
                               QPoint(1500, 1200), QPoint(900, 1201)})
      QCOMPARE(page.pixelColor(paper), QColor(Qt::white));
    for (const QColor& colour : kColours) {
      const QRect bar = BoundsOf(page, colour);
      QVERIFY(destination.contains(bar) && bar.width() > 60);
    }
  }

  void TheChartTakesTheWindowColoursUnlessTheyAreDark() {
    const struct {
      QColor face;
      QColor background;
    } themes[] = {{QColor(250, 245, 230), QColor(250, 245, 230)},
                  {QColor(50, 50, 55), QColor(240, 240, 240)}};
    for (const auto& theme : themes) {
      QPalette palette = chart_->palette();
      palette.setColor(QPalette::Button, theme.face);
      chart_->setPalette(palette);
      chart_->resize(300, 200);
      QCOMPARE(chart_->grab().toImage().pixelColor(1, 1), theme.background);
    }
  }

  void ChartsWithNothingToShowPaintTheirBackgroundAtAnySize() {
    const std::function<void(ChartModel&)> charts[] = {
        [](ChartModel&) {},
        [](ChartModel& m) {
          AddSeries(m, {{0, 1}, {0, 2}}, {kColours[0]});
        },
        [](ChartModel& m) {
          m.SetFractions(std::numeric_limits<double>::quiet_NaN(), -1);
          AddSeries(m, {{-2, 1}}, {kColours[0]});
        },
        [](ChartModel& m) {
          m.SetKind(ChartModel::kPie, false, true, false);
          m.SetLegendPosition(ChartModel::kLegendRight);
          AddSeries(m, {{0, 1}}, {kColours[0]});
        },
    };
    const QColor background = chart_->palette().color(QPalette::Button);
    for (const auto& fill : charts) {
      ChartWidget widget;
      fill(widget.Model());
      for (const QSize size : {QSize(0, 0), QSize(1, 1), QSize(300, 200)}) {
        widget.resize(size);
        const QImage image = widget.grab().toImage();
        QVERIFY(size.isEmpty() || image.pixelColor(0, 0) == background);
        QVERIFY(BoundsOf(image, kColours[0]).isEmpty());
      }
    }
  }
};

QTEST_MAIN(ChartWidgetTest)
#include "chart_widget_test.moc"
