// Guards the run-time language switch: the window, every page (shown or
// not) and an open dialog turn into the other language at once, and back.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "pages/finances/currency_dialog.h"
#include "records/club.h"
#include "shell/window/main_window.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/page_view.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Every text a user reads in a widget and its children: labels, buttons,
// commands, drop lists, group titles, list headings and the window title.
QStringList ShownTexts(const QWidget& root) {
  QStringList texts{root.windowTitle()};
  for (const QAction* action : root.findChildren<QAction*>())
    texts << action->text();
  for (const QComboBox* box : root.findChildren<QComboBox*>()) {
    for (int i = 0; i < box->count(); ++i)
      texts << box->itemText(i);
  }
  for (const QLabel* label : root.findChildren<QLabel*>())
    texts << label->text();
  for (const QAbstractButton* button : root.findChildren<QAbstractButton*>())
    texts << button->text();
  for (const QGroupBox* group : root.findChildren<QGroupBox*>())
    texts << group->title();
  for (const QAbstractItemView* view : root.findChildren<QAbstractItemView*>()) {
    const QAbstractItemModel* model = view->model();
    for (int column = 0; model && column < model->columnCount(); ++column)
      texts << model->headerData(column, Qt::Horizontal).toString();
  }
  return texts;
}

struct Expected {
  int page;  // 0: the open dialog, -1: the main window
  const char* english;
  const char* french;
};

// One text of each page (and of the dialog) written out in both languages.
const Expected kTexts[] = {
    {-1, "Scorvane - File : Moi - Own page", "Scorvane - Fichier : Moi - Page personnelle"},
    {-1, "&Open...", "&Ouvrir..."},
    {-1, "Matches", "Palmarès"},
    {PageView::kMatches, "New &match", "Nouvelle &rencontre"},
    {PageView::kPlayers, "&New player", "&Nouveau joueur"},
    {PageView::kOwnPage, "Edit &description", "Mo&difier la fiche"},
    {PageView::kSeasonSummary, "Singles", "Simples"},
    {PageView::kCalculationReport, "&Back to the summary", "&Retour au BILAN"},
    {PageView::kFinances, "&New expense", "&Nouvelle dépense"},
    {PageView::kFinances, "2001 gains", "Gains de la saison 2001"},
    {PageView::kFinances, "Debtor", "Tiers"},
    {PageView::kClubs, "Recorded clubs", "Liste des clubs enregistrés"},
    {PageView::kClubs, "Club name", "Nom du club"},
    {PageView::kStatistics, "Reset filters", "Réinitialiser les filtres"},
    {0, "Currency", "Monnaie"},
    {0, "Value of the euro", "Valeur de l'Euro"},
};

}  // namespace

class LanguageSwitchTest : public WindowFixture {
  Q_OBJECT

 private slots:
  void EveryPageAndTheOpenDialogFollowTheSwitch() {
    Doc().MakeDefaultDocument();
    Doc().SetTitle("Moi");
    DocumentBuilder(Owner()).Season(2001, "30/1");
    Owner().AddClub(std::make_unique<CLUB>("TC Lyon"));
    Doc().SetModifiedFlag(false);
    MainWindow& window = OpenWindow();
    DLG_DEVISE dialog(&window);
    dialog.show();

    const auto texts_of = [&](int page) {
      if (page < 0) return ShownTexts(window);
      return ShownTexts(page ? static_cast<const QWidget&>(*window.Frame().Page(page))
                             : static_cast<const QWidget&>(dialog));
    };
    const auto check = [&](bool french) {
      for (const Expected& e : kTexts) {
        const QStringList texts = texts_of(e.page);
        const QString wanted = QString::fromUtf8(french ? e.french : e.english);
        const QString left = QString::fromUtf8(french ? e.english : e.french);
        QVERIFY2(texts.contains(wanted), qPrintable(QString::number(e.page) + ": " + wanted));
        QVERIFY2(!texts.contains(left), qPrintable(QString::number(e.page) + ": " + left));
      }
    };
    check(false);
    for (const bool french : {true, false}) {
      window.Command("actionLanguage")->trigger();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
      check(french);
    }
  }
};

QTEST_MAIN(LanguageSwitchTest)
#include "language_switch_test.moc"
