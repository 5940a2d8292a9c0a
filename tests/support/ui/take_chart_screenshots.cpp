// Takes the pictures of the chart window shown in the documentation: a
// clustered, a stacked, a pie and a line chart as the screen shows them, and
// one chart printed on a PDF page, rendered back to a picture with pdftoppm
// so that the printed look can be judged beside the screen one.
//
//   take_chart_screenshots OUT_FOLDER   (on the offscreen platform)
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "widgets/chart/chart_widget.h"

using namespace scorvane;

namespace {

constexpr Rgb kWon{133, 207, 152};
constexpr Rgb kLost{242, 183, 72};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kPalette[] = {{165, 171, 250}, {128, 207, 144}, {245, 200, 116},
                            {192, 192, 192}, {222, 152, 252}, {84, 190, 5}};

GROUPE_DONNEES* AddSeries(ChartModel& model, const std::vector<int>& values, int first_id,
                          const char* label_format) {
  auto series = std::make_unique<GROUPE_DONNEES>(2, false);
  for (std::size_t i = 0; i < values.size(); ++i) {
    series->AddValue(values[i], first_id + static_cast<int>(i));
    series->AddLabel(
        values[i] == 0 ? std::string() : " " + std::to_string(values[i]) + label_format, false);
  }
  return model.AddSeries(std::move(series));
}

void WonAndLostLegend(ChartModel& model) {
  model.SetLegendPosition(ChartModel::kLegendRight);
  model.AddLegendEntry(INFO_LEGENDE::kColouredBox, kWon, "Matches won", kBlack);
  model.AddLegendEntry(INFO_LEGENDE::kColouredBox, kLost, "Matches lost", kBlack);
}

void Clustered(ChartModel& model) {
  model.SetTitle("Results per surface", ChartModel::kTitleBottom);
  model.SetFractions(0.6, 0.2);
  WonAndLostLegend(model);
  AddSeries(model, {9, 4, 2, 1, 0}, 0, " ")->AddColour(kWon);
  AddSeries(model, {5, 6, 0, 2, 1}, 5, " ")->AddColour(kLost);
  const char* surfaces[] = {"Clay", "Hard", "Grass", "Carpet", "<Unknown>"};
  for (int i = 0; i < 5; ++i)
    model.CategoryAxis().AddLabel(i, surfaces[i], false, i);
  model.CategoryAxis().title_shown = false;
  model.ValueAxis().title = "Matches";
  model.ValueAxis().grid_interval = 2;
}

void Stacked(ChartModel& model) {
  model.SetTitle("Played Ranks", ChartModel::kTitleBottom);
  model.SetArrangement(ChartModel::kStackedByCategory);
  model.SetFractions(0.8, 0.3);
  WonAndLostLegend(model);
  AddSeries(model, {1, 3, 4, 6, 2, 1}, 0, "")->AddColour(kWon);
  GROUPE_DONNEES* lost = AddSeries(model, {0, 1, 2, 3, 4, 2}, 6, "");
  lost->AddColour(kLost);
  const char* ranks[][2] = {{"30/2", "30/1"}, {"30", "30"},     {"15/5", "15/5"},
                            {"15/4", "15/4"}, {"15/3", "15/3"}, {"15/2", "15/1"}};
  for (int i = 0; i < 6; ++i) {
    const std::string first = ranks[i][0];
    const std::string last = ranks[i][1];
    model.CategoryAxis().AddLabel(i, first == last ? first : first + "\n" + last, false, i);
  }
  model.CategoryAxis().title = "ranks";
  model.ValueAxis().title = "Matches";
  model.ValueAxis().grid_interval = 5;
}

void Pie(ChartModel& model) {
  model.SetTitle("Played surfaces", ChartModel::kTitleBottom);
  model.SetKind(ChartModel::kPie, false, true, false);
  model.SetArrangement(ChartModel::kStackedBySeries);
  model.SetFractions(1.0, 0.3);
  model.SetLegendPosition(ChartModel::kLegendRight);
  GROUPE_DONNEES* series = AddSeries(model, {14, 10, 2, 3, 1}, 0, " ");
  const char* surfaces[] = {"Clay", "Hard", "Grass", "Carpet", "<Unknown>"};
  for (int i = 0; i < 5; ++i) {
    const Rgb colour = i == 4 ? Rgb(132, 146, 156) : kPalette[i];
    series->AddColour(colour);
    model.AddLegendEntry(INFO_LEGENDE::kColouredBox, colour, surfaces[i], kBlack);
  }
}

void Line(ChartModel& model) {
  model.SetTitle("Money per season", ChartModel::kTitleTop);
  model.SetKind(ChartModel::kBars, true, false, false);
  model.SetScale(ChartModel::kScaleAutomatic, 0, 0);
  model.SetLegendPosition(ChartModel::kLegendRight);
  model.AddLegendEntry(INFO_LEGENDE::kColouredBox, kLost, "Expenses", kBlack);
  model.AddLegendEntry(INFO_LEGENDE::kColouredBox, kPalette[0], "Gains", kBlack);
  AddSeries(model, {420, 515, 610, 480, 705, 660}, 0, " €")->AddColour(kLost);
  AddSeries(model, {80, 150, 130, 260, 310, 240}, 6, " €")->AddColour(kPalette[0]);
  for (int i = 0; i < 6; ++i)
    model.CategoryAxis().AddLabel(i, std::to_string(1996 + i), false, 1996 + i);
  model.CategoryAxis().title = "Seasons";
  model.ValueAxis().title = "Euros";
  model.ValueAxis().tick_interval = 50;
  model.ValueAxis().grid_interval = 100;
  model.ValueAxis().label_interval = 100;
}

bool SaveScreen(void (*fill)(ChartModel&), const QDir& out, const char* name) {
  ChartWidget chart;
  fill(chart.Model());
  chart.resize(640, 400);
  chart.show();
  QCoreApplication::processEvents();
  return chart.grab().save(out.filePath(QLatin1String(name)));
}

// The stacked chart on the upper half of an A4 page, as a page would print
// it, then that half of the page rendered at 100 dots per inch.
bool SavePrinted(const QDir& out) {
  QTemporaryDir temp;
  const QString pdf = temp.filePath(QStringLiteral("chart_printed.pdf"));
  {
    ChartWidget chart;
    Stacked(chart.Model());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QPainter painter(&printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    chart.Print(painter, QRectF(page.left(), page.top(), page.width(), page.height() / 2));
  }
  const QString stem = out.filePath(QStringLiteral("chart_printed"));
  return QProcess::execute(QStringLiteral("pdftoppm"),
                           {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                            QStringLiteral("-H"), QStringLiteral("620"),
                            QStringLiteral("-singlefile"), pdf, stem}) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: take_chart_screenshots OUT_FOLDER\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  bool saved = SaveScreen(Clustered, out, "chart_clustered.png");
  saved = SaveScreen(Stacked, out, "chart_stacked.png") && saved;
  saved = SaveScreen(Pie, out, "chart_pie.png") && saved;
  saved = SaveScreen(Line, out, "chart_line.png") && saved;
  if (!SavePrinted(out)) {
    std::fprintf(stderr, "the printed chart was not rendered (is pdftoppm installed?)\n");
    saved = false;
  }
  return saved ? 0 : 1;
}
