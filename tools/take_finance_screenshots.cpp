// Takes the pictures of the finances shown in the documentation: the
// finances page on a document, its first printed page (rendered back from
// PDF with pdftoppm), the entry dialog of a new expense, the two finance
// charts and the currency dialog.
//
//   take_finance_screenshots DOCUMENT.ten OUT_FOLDER [--lang fr]   (on the offscreen platform)
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "base/catalogue/messages.h"
#include "base/dates.h"
#include "finances/operation_entry.h"
#include "pages/finances/currency_dialog.h"
#include "pages/finances/finance_charts_dialog.h"
#include "pages/finances/operation_dialog.h"
#include "records/document.h"
#include "records/season.h"
#include "shell/app/program.h"
#include "shell/window/main_window.h"
#include "tests/support/ui/widget_environment.h"
#include "tools/screenshot_language.h"
#include "widgets/catalogue_text.h"
#include "widgets/page_view.h"
#include "widgets/print/page_printer.h"

using namespace scorvane;

namespace {

void Save(QWidget& widget, const QDir& out, const char* name) {
  widget.show();
  QCoreApplication::processEvents();
  widget.grab().save(out.filePath(QLatin1String(name)));
}

// The first printed page of the page shown, at 60 dots per inch.
bool SavePrinted(MainWindow& window, const QDir& out) {
  QTemporaryDir temp;
  const QString pdf = temp.filePath(QStringLiteral("finances.pdf"));
  Printable* content = window.Frame().CurrentView()->PrintContent();
  if (!content || !ExportPdf(*content, pdf)) return false;
  return QProcess::execute(QStringLiteral("pdftoppm"),
                           {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                            QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                            QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
                            out.filePath(QStringLiteral("finances_printed"))}) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool french = tools::TakeFrenchOption(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: take_finance_screenshots DOCUMENT.ten OUT_FOLDER [--lang fr]\n");
    return 2;
  }
  const QString document = QString::fromLocal8Bit(argv[1]);
  const QDir out(QString::fromLocal8Bit(argv[2]));
  scorvane::testing::WidgetEnvironment environment;
  SetTodayForTesting(std::nullopt);
  tools::UseLanguage(french);

  Program program(QCoreApplication::applicationDirPath());
  if (!program.Prepare()) return 1;
  StartupOptions options;
  options.file = document;
  options.splash_allowed = false;
  if (!program.Start(options)) return 1;
  MainWindow& window = *program.Window();
  window.showNormal();
  window.resize(1100, 760);
  window.ShowPage(PageView::kFinances);
  QCoreApplication::processEvents();
  window.grab().save(out.filePath("finances_page.png"));
  bool saved = SavePrinted(window, out);

  UTILISATEUR& owner = program.Document().Owner();
  if (const SAISON_JOUEUR* season = owner.GetActiveSeason()) {
    OperationEntry entry = NewExpenseEntry(season->Year(), Today());
    entry.payee = "Tennis Shop";
    entry.purpose = french ? "Deux tubes de balles" : "Two tubes of balls";
    entry.amount = french ? "14,90" : "14.90";
    entry.category = owner.Categories().IsEmpty() ? "" : owner.Categories().At(0)->Name();
    DLG_SAISIE_OPERATION dialog(owner, CatalogueText(525, {season->Year()}), entry, &window);
    Save(dialog, out, "operation_dialog.png");

    DLG_GRAPHIQUE_FINANCES charts(&window);
    charts.resize(820, 460);
    Save(charts, out, "finance_chart_expenses.png");
    charts.Choose(FinanceChart::kExpensesPerCategory);
    Save(charts, out, "finance_chart_categories.png");
  }
  DLG_DEVISE currency(&window);
  Save(currency, out, "currency_dialog.png");
  program.Document().SetModifiedFlag(false);
  if (!saved) std::fprintf(stderr, "the printed page was not rendered (is pdftoppm installed?)\n");
  return saved ? 0 : 1;
}
