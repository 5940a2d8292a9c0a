// Long texts and narrow columns: a 500-character name keeps the list editor
// (and its name dialogs) within the screen, its headings in sight and the
// whole name in a tooltip; the ranking history and the clubs page show
// dates, rankings, codes and telephone numbers whole while they have room.
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include "base/catalogue/messages.h"
#include "base/locale.h"
#include "pages/clubs/clubs_page.h"
#include "pages/lists/item_editor_dialog.h"
#include "pages/rankings/ranking_history_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "shell/app/language.h"
#include "shell/app/qt_locale_format.h"
#include "shell/window/document_session.h"
#include "shell/window/main_window.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_environment.h"
#include "tests/support/ui/widget_input.h"
#include "widgets/listview/list_control.h"
#include "widgets/settings.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// What is wrong with a dialog on its screen: larger than the screen, a
// button out of the dialog, or a heading of its list out of sight; empty
// when nothing.
QString OffScreen(QWidget* dialog) {
  const QRect screen = dialog->screen()->availableGeometry();
  QString wrong;
  if (dialog->frameGeometry().width() > screen.width() ||
      dialog->frameGeometry().height() > screen.height())
    wrong += "dialog ";
  for (const char* name : {"okButton", "cancelButton"}) {
    auto* button = dialog->findChild<QPushButton*>(name);
    if (button && !dialog->rect().contains(QRect(button->mapTo(dialog, QPoint()), button->size())))
      wrong += QString::fromLatin1(name) + " ";
  }
  if (auto* list = dialog->findChild<MY_LIST_CONTROL*>()) {
    const QHeaderView* header = list->horizontalHeader();
    for (int column = 0; column < list->ColumnCount(); ++column) {
      const int middle = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
      if (middle < 0 || middle > header->viewport()->width())
        wrong += QStringLiteral("heading %1 ").arg(column);
    }
  }
  return wrong;
}

// The tooltip of a cell, as the list shows it to a pointer resting there.
QString CellTooltip(MY_LIST_CONTROL* list, int row, int column) {
  const QPoint at = list->visualRect(list->model()->index(row, column)).center();
  QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
  QApplication::sendEvent(list->viewport(), &help);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Whether every cell of the column shows its whole text, and its heading.
bool ShownWhole(const MY_LIST_CONTROL& list, int column) {
  return list.columnWidth(column) >= list.FittingWidth(column);
}

}  // namespace

class LongTextsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WidgetEnvironment> env_;
  std::unique_ptr<PROJECT_DOC> doc_;

 private slots:
  void init() {
    env_ = std::make_unique<WidgetEnvironment>();
    doc_ = std::make_unique<PROJECT_DOC>();
    SetCurrentDocument(doc_.get());
    doc_->MakeDefaultDocument();
  }
  void cleanup() {
    QCOMPARE(PendingModalAnswers(), 0);
    QSettings store = settings::User();
    LanguageSwitch::Instance().Apply(kLanguageEnglish, store);
    doc_->SetModifiedFlag(false);
    SetCurrentLocale(nullptr);
    SetCurrentDocument(nullptr);
    doc_.reset();
    env_.reset();
  }

  void AFiveHundredCharacterNameKeepsTheEditorWithinItsScreen() {
    DocumentSession session(*doc_, env_->Path("program"));
    MainWindow window(session, env_->Path("program"));
    window.show();
    QString name;
    for (int i = 0; name.size() < 500; ++i)
      name += QStringLiteral("Court%1 ").arg(i);
    name = name.left(500);
    QString added_wrong, renamed_wrong, reopened_wrong, tooltip;
    AnswerNextModal([&](QWidget* editor) {
      AnswerNextModal([&name](QWidget* dialog) {
        ReplaceText(dialog->findChild<QLineEdit*>("nameEdit"), name);
        QVERIFY(ClickButton(dialog, "okButton"));
      });
      QVERIFY(ClickButton(editor, "addButton"));
      QTest::qWait(20);
      added_wrong = OffScreen(editor);
      auto* list = editor->findChild<MY_LIST_CONTROL*>();
      for (int row = 0; row < list->RowCount(); ++row) {
        if (list->ItemText(row, 0).size() == 500) tooltip = CellTooltip(list, row, 0);
      }
      AnswerNextModal([&renamed_wrong](QWidget* dialog) {
        renamed_wrong = OffScreen(dialog);
        QVERIFY(ClickButton(dialog, "cancelButton"));
      });
      QVERIFY(ClickButton(editor, "renameButton"));
      QVERIFY(ClickButton(editor, "okButton"));
    });
    window.Command("actionEditSurfaces")->trigger();
    AnswerNextModal([&](QWidget* editor) {
      QTest::qWait(20);
      reopened_wrong = OffScreen(editor);
      QVERIFY(ClickButton(editor, "cancelButton"));
    });
    window.Command("actionEditSurfaces")->trigger();
    QCOMPARE(added_wrong, QString());
    QCOMPARE(renamed_wrong, QString());
    QCOMPARE(reopened_wrong, QString());
    QCOMPARE(tooltip, name);
  }

  void HistoryDatesRankingsAndHeadingsShowWhole() {
    QSettings store = settings::User();
    LanguageSwitch::Instance().Apply(kLanguageFrench, store);
    const QtLocaleFormat french(QLocale(QLocale::French, QLocale::France));
    SetCurrentLocale(&french);
    Registry().SetActive(Registry().FindBuiltIn("ATP"));
    HISTORIQUE_CLASSEMENTS& history = doc_->Owner().History();
    history.Add(CLASSEMENT(1200), DATE_SIMPLE(6, 12, 2000), "");
    history.Add(CLASSEMENT(950), DATE_SIMPLE(6, 12, 2001), "A note long enough to need room");
    DLG_EDIT_CLASSEMENTS dialog(*doc_, doc_->Owner(), nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const auto& list = *dialog.findChild<MY_LIST_CONTROL*>("historyList");
    QCOMPARE(list.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Classement"));
    QVERIFY(ShownWhole(list, 0));
    QVERIFY(ShownWhole(list, 1));
  }

  void ClubCodesAndTelephonesShowWholeWhileThePageHasRoom() {
    auto club = std::make_unique<CLUB>("Tennis Club de Villeurbanne");
    club->SetCode(60690123);
    club->SetPhone("04 78 12 34 56");
    club->SetAddress(std::string(40, 'x') + " " + std::string(300, 'y'));
    doc_->Owner().AddClub(std::move(club));
    PAGE_CLUBS page;
    page.resize(760, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.Refresh();
    const MY_LIST_CONTROL& list = page.List();
    for (int column : {0, 1, 2})
      QVERIFY2(ShownWhole(list, column), qPrintable(QString::number(column)));
    int total = 0;
    for (int column = 0; column < list.ColumnCount(); ++column)
      total += list.columnWidth(column);
    QVERIFY(total <= list.viewport()->width());
  }
};

QTEST_MAIN(LongTextsTest)
#include "long_texts_test.moc"
