// Guards the program on an 800 x 600 screen (given to the offscreen platform
// by a file): pages and dialogs fit it or scroll, controls whole, dialogs
// over the window.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "records/season.h"
#include "shell/dialogs/dialog_prompt.h"
#include "shell/window/main_window.h"
#include "tests/support/document_builder.h"
#include "tests/support/finance_document.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/chart/chart_widget.h"
#include "widgets/listview/list_control.h"
#include "widgets/page_view.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

constexpr QSize kScreen(800, 600);

// What is wrong with a page's controls: one squeezed below its smallest
// size, or standing outside the page (where no scrolling reaches it).
QStringList ControlFaults(PageView& page) {
  QStringList faults;
  const QList<QWidget*> controls = page.findChildren<QWidget*>();
  for (QWidget* control : controls) {
    // Lists count, not their headings, which scroll with them.
    const bool list =
        qobject_cast<QAbstractItemView*>(control) && !qobject_cast<QHeaderView*>(control);
    const bool main_control = list || qobject_cast<QAbstractButton*>(control) ||
                              qobject_cast<QComboBox*>(control) ||
                              qobject_cast<ChartWidget*>(control);
    if (!main_control || !control->isVisibleTo(&page)) continue;
    const QRect place(control->mapTo(&page, QPoint()), control->size());
    const QSize smallest = control->minimumSizeHint().expandedTo(control->minimumSize());
    const QString name = control->objectName().isEmpty()
                             ? QString::fromLatin1(control->metaObject()->className())
                             : control->objectName();
    if (!page.rect().contains(place)) faults << name + " outside";
    if (control->width() < smallest.width() || control->height() < smallest.height())
      faults << name + " squeezed";
  }
  return faults;
}

// Whether the scroll area showing a page reaches all of it.
bool WhollyReachable(PageView& page) {
  auto* area = qobject_cast<QScrollArea*>(page.parentWidget()->parentWidget());
  if (!area) return false;
  const QSize view = area->viewport()->size();
  return area->horizontalScrollBar()->maximum() >= page.width() - view.width() &&
         area->verticalScrollBar()->maximum() >= page.height() - view.height();
}

// The cells drawn cut in the columns of the page's lists that are kept
// whole (dates, points, short numbers).
QStringList CutWholeCells(PageView& page) {
  QStringList cut;
  for (MY_LIST_CONTROL* list : page.findChildren<MY_LIST_CONTROL*>()) {
    if (!list->isVisibleTo(&page)) continue;
    for (int column = 0; column < list->ColumnCount(); ++column) {
      if (!list->ColumnKeptWhole(column) || list->isColumnHidden(column)) continue;
      for (int row = 0; row < list->RowCount(); ++row) {
        if (!list->CutCellText(row, column).isEmpty())
          cut << list->objectName() + ": " + list->CutCellText(row, column);
      }
    }
  }
  return cut;
}

}  // namespace

class SmallScreenTest : public WindowFixture {
  Q_OBJECT

 private:
  void FillDocument() {
    Owner().SetFirstName("Jean-Christophe");
    Owner().SetLastName("de La Villemarqué-Beauregard");
    Owner().AddSeason(2000);  // a season that may be deleted
    BuildFinanceDocument(Owner());
    DocumentBuilder b(Owner());
    EPREUVE_JOUEE* open = b.Tournament("Open international de la ville de Lyon",
                                       DATE_SIMPLE(3, 5, Owner().GetActiveSeason()->Year()));
    for (int i = 0; i < 12; ++i) {
      b.Singles(open, b.Player("Paul", "Joueur" + std::to_string(i), {}), i % 3 != 0,
                "6/4 3/6 7/6");
    }
  }

 private slots:
  void TheScreenIsSmall() {
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), kScreen);
  }

  void EveryPageFitsTheScreenOrScrolls() {
    FillDocument();
    MainWindow& window = OpenWindow();
    window.showMaximized();
    for (int page = 1; page <= 8; ++page) {
      window.ShowPage(page);
      QTest::qWait(20);  // the page, then its scroll area, lay out again
      const QRect frame = window.frameGeometry();
      QVERIFY2(frame.width() <= kScreen.width() && frame.height() <= kScreen.height(),
               qPrintable(QStringLiteral("page %1 makes the window %2 x %3")
                              .arg(page)
                              .arg(frame.width())
                              .arg(frame.height())));
      PageView& view = *window.Frame().Page(page);
      QVERIFY2(WhollyReachable(view), qPrintable(QString::number(page)));
      // Pages reflow to the screen's width rather than scroll sideways.
      const auto* area = qobject_cast<QScrollArea*>(view.parentWidget()->parentWidget());
      QVERIFY2(area->horizontalScrollBar()->maximum() == 0, qPrintable(QString::number(page)));
      QStringList faults = ControlFaults(view);
      faults << CutWholeCells(view);
      QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("page %1: ").arg(page) +
                                            faults.join(QStringLiteral(", "))));
    }
  }

  // Every dialog a command opens (one may open another) fits the screen and
  // stands over the window, never behind it.
  void EveryCommandsDialogFitsTheScreenOverTheWindow() {
    FillDocument();
    DialogPrompt prompt;
    SetUserPrompt(&prompt);
    MainWindow& window = OpenWindow();
    prompt.SetParentWindow(&window);
    window.showMaximized();
    QStringList faults, seen;
    QHash<QString, QString> first_title;  // of the first dialog each command opened
    const QStringList skipped = {"actionQuit", "actionLanguage", "actionHelp", "actionContextHelp"};
    for (QAction* action : window.findChildren<QAction*>()) {
      const QString name = action->objectName();
      if (!name.startsWith("action") || action->isCheckable() || skipped.contains(name)) continue;
      for (int i = 0; i < 3; ++i) {
        AnswerNextModal([&, name](QWidget* modal) {
          seen << name;
          if (!first_title.contains(name)) first_title[name] = modal->windowTitle();
          const QSize size = modal->frameGeometry().size();
          if (size.width() > kScreen.width() || size.height() > kScreen.height())
            faults << QStringLiteral("%1: %2 x %3").arg(name).arg(size.width()).arg(size.height());
          if (!StandsOver(modal, &window)) faults << name + ": behind the window";
          modal->close();
        });
      }
      action->trigger();
      ClearModalAnswers();
    }
    SetUserPrompt(nullptr);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    for (const char* name :
         {"actionNew", "actionDocInfo", "actionNewSeason", "actionDeleteSeason",
          "actionServiceCalculator", "actionEditSurfaces", "actionEditCategories",
          "actionEditEvents", "actionEditClubs", "actionRankingSystems",
          "actionChangeRankingSystem", "actionRankingHistory", "actionCurrency", "actionTip",
          "actionAbout", "actionBackgroundColour"})
      QVERIFY2(seen.contains(name), name);
    QCOMPARE(first_title.value("actionCurrency"), QStringLiteral("Currency"));
    QCOMPARE(first_title.value("actionServiceCalculator"),
             QStringLiteral("Influence of service success"));
  }
};

int main(int argc, char** argv) {
  // The offscreen platform reads its screens from a file named in its options.
  QTemporaryDir folder;
  const QString config = folder.filePath(QStringLiteral("screen.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(QStringLiteral("{\"screens\": [{\"name\": \"small\", \"x\": 0, \"y\": 0, "
                            "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                            "\"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                 .arg(kScreen.width())
                 .arg(kScreen.height())
                 .toUtf8());
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
  QApplication app(argc, argv);
  SmallScreenTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "small_screen_test.moc"
