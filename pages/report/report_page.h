// DETAILS_FFT, the calculation report page: the whole report of the active
// system's next-ranking estimate, drawn with its markup and recomputed each
// time it is painted, followed by what it would take to go one grade up.
// Buttons go back to the season summary, print, open the help on the
// estimate and, under the French system, open the tables of its scales.
// Printed pages break only just after the report's rules.
#pragma once

#include <QFont>
#include <array>
#include <string>
#include <vector>

#include "pages/report/report_layout.h"
#include "widgets/page_view.h"
#include "widgets/print/printable.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace scorvane {

class RulesComboBox;
class WhatIfPanel;

// The three report fonts: Arial of lines 14 high, the same in bold, and
// bold of lines 17 high.
struct ReportFonts {
  QFont normal;
  QFont bold;
  QFont large_bold;

  ReportFonts();
  const QFont& Of(ReportFont font) const;
};

// Draws the pieces of a layout whose position lies in [from, to), moved up
// by `shift` (0 on screen).
void PaintReportLayout(QPainter& painter, const ReportLayout& layout, const ReportFonts& fonts,
                       int from, int to, int shift);

class ReportCanvas;

class DETAILS_FFT : public PageView, public Printable {
  Q_OBJECT

 public:
  explicit DETAILS_FFT(QWidget* parent = nullptr);

  void InitialUpdate() override;
  void Refresh() override;
  Printable* PrintContent() override { return this; }

  QString PrintTitle() const override;
  int Paginate(QPainter& painter, const QRectF& area) override;
  void PaintPage(QPainter& painter, const QRectF& area, int index) override;

  // The text drawn: the active system's report for the active season, and
  // under it the next-grade section. Empty when the system cannot estimate.
  std::string ReportText();
  // The layout of the last paint on screen.
  const ReportLayout& ScreenLayout() const;
  // The first position of each printed page of the last pagination.
  const std::vector<int>& PageStarts() const { return page_starts_; }

  // The five scale buttons, in table order (capital, minimum victories,
  // extra victories, victory scale, norms).
  QPushButton* ScaleButton(int table) const { return scales_[static_cast<size_t>(table)]; }
  QLabel* ScalesHeading() const { return scales_heading_; }
  // The choice of the French rules, the "what if" button and its panel.
  RulesComboBox* RulesChoice() const { return rules_; }
  QPushButton* WhatIfButton() const { return what_if_; }
  WhatIfPanel* Panel() const { return panel_; }
  // Opens the "what if" panel (the planned matches are already in place).
  void OpenWhatIf();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  // The scale buttons and their heading exist only under the French system.
  void ShowScaleButtons();
  void OpenScales(int table);
  void OpenHelp();
  // The planned matches changed: estimate again and say what they change.
  void PlanChanged();
  void ShowChanges();

  ReportCanvas* canvas_;
  QScrollArea* scroll_;
  QPushButton* back_;
  QPushButton* print_;
  QPushButton* explain_;
  std::array<QPushButton*, 5> scales_{};
  QLabel* scales_heading_;
  RulesComboBox* rules_;
  QPushButton* what_if_;
  WhatIfPanel* panel_;
  // The next-grade section, worked out again after each change of the
  // document (it runs the estimate a few hundred times).
  std::string advice_section_;
  bool advice_stale_ = true;
  ReportFonts print_fonts_;
  ReportLayout print_layout_;
  std::vector<int> page_starts_;
};

}  // namespace scorvane
