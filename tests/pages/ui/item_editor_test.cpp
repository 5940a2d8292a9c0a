// Guards the item editor driven through its buttons, keys and name dialogs,
// and the main window's list commands that open it.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include "pages/common/lists/item_editor_dialog.h"
#include "pages/common/lists/item_name_dialogs.h"
#include "records/season.h"
#include "shell/window/main_window.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/listview/list_control.h"
#include "widgets/page_view.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

QPushButton* ButtonIn(QWidget* dialog, const char* name) {
  return dialog->findChild<QPushButton*>(QLatin1String(name));
}

QStringList Rows(const DLG_MODIF_RUBRIQUES& editor, int column = 0) {
  return ColumnTexts(*editor.ListControl(), column);
}

const RUBRIQUE* Named(const ItemEditList& items, const std::string& name) {
  for (const RUBRIQUE* item : items.Shown(false)) {
    if (item->name == name) return item;
  }
  return nullptr;
}

QStringList CategoryNames(const UTILISATEUR& owner) {
  QStringList names;
  for (const CATEGORIE_FINANCIERE* category : owner.Categories())
    names << QString::fromStdString(category->Name());
  return names;
}

// What is wrong with the editor: wider than its screen, OK out of it, a
// heading of its list out of sight; empty when nothing.
QString OffScreen(QWidget* editor) {
  QString wrong;
  if (editor->frameGeometry().width() > editor->screen()->availableGeometry().width())
    wrong += "too wide ";
  auto* ok = editor->findChild<QWidget*>("okButton");
  if (!editor->rect().contains(QRect(ok->mapTo(editor, QPoint()), ok->size()))) wrong += "OK ";
  const QHeaderView* header = editor->findChild<MY_LIST_CONTROL*>()->horizontalHeader();
  for (int column = 0; column < header->count(); ++column) {
    const int middle = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    if (middle > header->viewport()->width()) wrong += "heading ";
  }
  return wrong;
}

}  // namespace

class ItemEditorTest : public WindowFixture {
  Q_OBJECT

 private:
  // Categories Balls, Strings, Shoes (in that list order); Balls is used
  // by an expense of season 2001.
  void ThreeCategories() {
    DocumentBuilder builder(Owner());
    SAISON_JOUEUR* season = builder.Season(2001, "30/1");
    for (const char* name : {"Shoes", "Strings", "Balls"})
      Owner().AddCategory(std::make_unique<CATEGORIE_FINANCIERE>(name));
    auto expense = std::make_unique<OPERATION_FINANCIERE>();
    expense->SetCategory(Owner().Categories().Front());
    season->Finances().AddExpense(std::move(expense));
    Doc().SetModifiedFlag(false);
  }
  // The editor shown on the three categories.
  std::unique_ptr<DLG_MODIF_RUBRIQUES> OpenEditor(ItemEditList& items) {
    ThreeCategories();
    items = ItemsOf(Owner(), ItemKind::kCategories);
    auto editor = std::make_unique<DLG_MODIF_RUBRIQUES>(items, WordsFor(ItemKind::kCategories));
    editor->show();
    return editor;
  }

  // Renames Strings to Grips, deletes Shoes, adds Towels, in the open editor.
  static void EditInEditor(QWidget* modal) {
    auto* editor = static_cast<DLG_MODIF_RUBRIQUES*>(modal);
    const QStringList names = Rows(*editor);
    editor->ListControl()->SelectItem(static_cast<int>(names.indexOf("Strings")));
    TypeNameInNextModal(QStringLiteral("Grips"));
    QTest::mouseClick(ButtonIn(editor, "renameButton"), Qt::LeftButton);
    editor->ListControl()->SelectItem(static_cast<int>(Rows(*editor).indexOf("Shoes")));
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kYes});
    QTest::mouseClick(ButtonIn(editor, "deleteButton"), Qt::LeftButton);
    TypeNameInNextModal(QStringLiteral("Towels"));
    QTest::mouseClick(ButtonIn(editor, "addButton"), Qt::LeftButton);
    QCOMPARE(Rows(*editor), QStringList({"Balls", "Grips", "Towels"}));
  }

 private slots:
  void RenameDeleteAddThenOkOrCancelAll_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("OK") << "okButton" << QStringList({"Balls", "Grips", "Towels"});
    QTest::newRow("Cancel all") << "cancelButton" << QStringList({"Balls", "Strings", "Shoes"});
  }
  void RenameDeleteAddThenOkOrCancelAll() {
    QFETCH(QString, button);
    QFETCH(QStringList, names);
    ThreeCategories();
    CATEGORIE_FINANCIERE* strings = Owner().Categories().At(1);
    AnswerNextModal([button](QWidget* modal) {
      EditInEditor(modal);
      QCOMPARE(ButtonIn(modal, "cancelButton")->text(), QStringLiteral("Cancel all"));
      QTest::mouseClick(ButtonIn(modal, qPrintable(button)), Qt::LeftButton);
    });
    const bool ok = button == "okButton";
    QCOMPARE(EditItemList(nullptr, Doc(), ItemKind::kCategories), ok);
    QCOMPARE(CategoryNames(Owner()), names);
    QVERIFY(Owner().Categories().At(1) == strings);  // renamed in place
    QCOMPARE(Doc().IsModified(), ok);
  }

  void AUsedItemIsRefusedAndCanBeHidden() {
    ItemEditList items;
    const auto editor = OpenEditor(items);
    QCOMPARE(Rows(*editor, 1), QStringList({"used", "not used", "not used"}));
    // Rename and delete wait for a selection.
    QVERIFY(!EnabledButtons(*editor).contains("renameButton"));
    QVERIFY(!EnabledButtons(*editor).contains("deleteButton"));
    editor->SelectItem(Named(items, "Balls"));
    QVERIFY(EnabledButtons(*editor).contains("renameButton"));
    QCOMPARE(editor->findChild<QLabel*>("selectionName")->text(), QStringLiteral("Balls"));
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    QTest::mouseClick(ButtonIn(editor.get(), "deleteButton"), Qt::LeftButton);
    QCOMPARE(MessageBoxes::Said(),
             QStringList{QStringLiteral("Deletion is impossible, this item is used !")});
    QCOMPARE(items.Count(), 3);
    // The filter of unused items hides it.
    QCheckBox* filter = editor->UnusedOnlyBox();
    QCOMPARE(filter->text(), QStringLiteral("Not used categorys only"));
    filter->click();
    QCOMPARE(Rows(*editor), QStringList({"Shoes", "Strings"}));
    filter->click();
    QCOMPARE(Rows(*editor), QStringList({"Balls", "Shoes", "Strings"}));
  }

  void NoToTheDeletionQuestionKeepsTheItem() {
    ItemEditList items;
    const auto editor = OpenEditor(items);
    editor->SelectItem(Named(items, "Shoes"));
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kNo});
    QTest::keyClick(editor->ListControl(), Qt::Key_Delete);
    QCOMPARE(MessageBoxes::Said(), QStringList{"Destroy the selected item permanently?"});
    QCOMPARE(items.Count(), 3);
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kYes});
    QTest::keyClick(editor->ListControl(), Qt::Key_Delete);
    QCOMPARE(items.Count(), 2);
    QVERIFY(editor->Selected() == nullptr);
  }

  void InsertAddsAnItem() {
    ItemEditList items;
    const auto editor = OpenEditor(items);
    AnswerNextModal([](QWidget* modal) {
      QCOMPARE(modal->findChild<QLabel*>("heading")->text(),
               QStringLiteral("Create a new category"));
      QTest::keyClicks(modal->findChild<QLineEdit*>("nameEdit"), "  Lessons ");
      QTest::mouseClick(ButtonIn(modal, "okButton"), Qt::LeftButton);
    });
    QTest::keyClick(editor->ListControl(), Qt::Key_Insert);
    QCOMPARE(Rows(*editor), QStringList({"Balls", "Lessons", "Shoes", "Strings"}));
    QCOMPARE(editor->Selected()->name, std::string("Lessons"));
  }

  void EmptyNamesAreRefused() {
    const std::pair<bool, QString> cases[] = {
        {false, ""}, {false, "   "}, {true, ""}, {true, " \t"}};
    for (const auto& [rename, typed] : cases) {
      std::unique_ptr<QDialog> dialog;
      if (rename) {
        dialog = std::make_unique<DLG_RENOMMAGE>("Balls");
      } else {
        dialog = std::make_unique<DLG_NOUVELLE_RUBRIQUE>("Create a new category");
      }
      dialog->show();
      auto* edit = dialog->findChild<QLineEdit*>("nameEdit");
      edit->setText(typed);
      MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
      QTest::mouseClick(ButtonIn(dialog.get(), "okButton"), Qt::LeftButton);
      QVERIFY(dialog->isVisible());
      QCOMPARE(edit->text(), typed);
      QCOMPARE(MessageBoxes::Said(),
               QStringList{rename ? "You must enter a new name !" : "You must enter a name !"});
      MessageBoxes::Said().clear();
    }
  }

  void TheMainWindowEditsEachList_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("views_start_afresh");
    QTest::newRow("surfaces") << QString("actionEditSurfaces") << "Edit surfaces" << true;
    QTest::newRow("events") << QString("actionEditEvents") << "Edit events" << true;
    QTest::newRow("clubs") << QString("actionEditClubs") << "Edit clubs" << false;
    QTest::newRow("categories") << QString("actionEditCategories") << "Edit financial categories"
                                << false;
  }
  void TheMainWindowEditsEachList() {
    QFETCH(QString, command);
    QFETCH(QString, title);
    QFETCH(bool, views_start_afresh);
    Doc().MakeDefaultDocument();
    Doc().SetModifiedFlag(false);
    MainWindow& window = OpenWindow();
    window.ShowPage(PageView::kMatches);
    AnswerNextModal([title](QWidget* modal) {
      QCOMPARE(modal->windowTitle(), title);
      TypeNameInNextModal(QStringLiteral("Added"));
      QTest::mouseClick(ButtonIn(modal, "addButton"), Qt::LeftButton);
      QTest::mouseClick(ButtonIn(modal, "okButton"), Qt::LeftButton);
    });
    window.Command(command)->trigger();
    QVERIFY(Doc().IsModified());
    QCOMPARE(window.CurrentPage(),
             views_start_afresh ? int(PageView::kOwnPage) : int(PageView::kMatches));
  }

  // Added and opened again, a 500-character name leaves the editor within its
  // screen; its tooltip shows the whole name.
  void AFiveHundredCharacterNameKeepsTheEditorWithinItsScreen() {
    Doc().MakeDefaultDocument();
    MainWindow& window = OpenWindow();
    const QString name = QStringLiteral("Court ").repeated(84).left(500);
    QString added, reopened, tooltip;
    AnswerNextModal([&](QWidget* editor) {
      TypeNameInNextModal(name);
      QTest::mouseClick(ButtonIn(editor, "addButton"), Qt::LeftButton);
      QTest::qWait(20);
      added = OffScreen(editor);
      auto* list = editor->findChild<MY_LIST_CONTROL*>();
      const int row = static_cast<int>(ColumnTexts(*list, 0).indexOf(name));
      const QPoint cell = list->visualRect(list->model()->index(row, 0)).center();
      QHelpEvent help(QEvent::ToolTip, cell, list->viewport()->mapToGlobal(cell));
      QApplication::sendEvent(list->viewport(), &help);
      tooltip = QToolTip::text();
      QTest::mouseClick(ButtonIn(editor, "okButton"), Qt::LeftButton);
    });
    window.Command("actionEditSurfaces")->trigger();
    AnswerNextModal([&reopened](QWidget* editor) {
      QTest::qWait(20);
      reopened = OffScreen(editor);
      QTest::mouseClick(ButtonIn(editor, "cancelButton"), Qt::LeftButton);
    });
    window.Command("actionEditSurfaces")->trigger();
    QCOMPARE(added, QString());
    QCOMPARE(reopened, QString());
    QCOMPARE(tooltip, name);
  }
};

QTEST_MAIN(ItemEditorTest)
#include "item_editor_test.moc"
