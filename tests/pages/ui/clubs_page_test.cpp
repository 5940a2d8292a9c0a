// Guards the clubs page on the offscreen platform: the document's clubs in
// its order, refreshed without duplicates, empty codes for code 0, and the
// screen colours it paints.
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <memory>

#include "pages/clubs/clubs_page.h"
#include "pages/common/lists/item_editor_dialog.h"
#include "records/club.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"
#include "widgets/settings.h"

using namespace scorvane;
using namespace scorvane::testing;

class ClubsPageTest : public scorvane::testing::WindowFixture {
  Q_OBJECT

 private:
  std::unique_ptr<PAGE_CLUBS> page_;

  void AddClub(const char* name, int code, const char* phone = "", const char* address = "") {
    auto club = std::make_unique<CLUB>(name);
    club->SetCode(code);
    club->SetPhone(phone);
    club->SetAddress(address);
    Owner().AddClub(std::move(club));
  }
  // The texts of a row, or of the headings for row -1.
  QStringList Row(int row) const {
    QStringList texts;
    for (int column = 0; column < page_->List().ColumnCount(); ++column) {
      texts << (row < 0 ? page_->List().model()->headerData(column, Qt::Horizontal).toString()
                        : page_->List().ItemText(row, column));
    }
    return texts;
  }

 private slots:
  void init() {
    WindowFixture::init();
    page_ = ShownPage<PAGE_CLUBS>({700, 400});
  }
  void cleanup() {
    page_.reset();
    WindowFixture::cleanup();
  }

  // The page has nothing to print. Clubs are added at the front of the
  // document's list; code 0 shows an empty cell.
  void ListsClubsInDocumentOrderAndFollowsTheDocument() {
    QCOMPARE(Row(-1), QStringList({"Club code", "Club name", "Club phone", "Club address"}));
    QCOMPARE(page_->findChild<QLabel*>()->text(), QStringLiteral("Recorded clubs"));
    QCOMPARE(page_->PrintContent(), nullptr);
    page_->Refresh();
    QCOMPARE(page_->List().RowCount(), 0);
    QVERIFY(page_->List().horizontalHeader()->isVisible());
    AddClub("TC Lyon", 690012, "0478000000", "1 rue du Lac");
    AddClub("Negative", -5);
    AddClub("No code", 0);
    AddClub("Racing Club", 750001, "0145000000", "Bois de Boulogne");
    page_->InitialUpdate();
    page_->Refresh();  // building again does not duplicate
    page_->Refresh();
    QCOMPARE(ColumnTexts(page_->List(), 0), QStringList({"750001", "", "-5", "690012"}));
    QCOMPARE(Row(0), QStringList({"750001", "Racing Club", "0145000000", "Bois de Boulogne"}));
    QCOMPARE(Row(3), QStringList({"690012", "TC Lyon", "0478000000", "1 rue du Lac"}));
    QCOMPARE(page_->List().Item(0).As<CLUB>(), Owner().Clubs().Front());
    SetCurrentDocument(nullptr);
    page_->Refresh();
    QCOMPARE(page_->List().RowCount(), 0);
  }

  void DoubleClickAndContextMenuRunTheClubCommands() {
    AddClub("TC Lyon", 1);
    page_->Refresh();
    // A double-click opens the editor on that club.
    AnswerNextModal([](QWidget* modal) {
      auto* editor = qobject_cast<DLG_MODIF_RUBRIQUES*>(modal);
      QVERIFY(editor && editor->Selected());
      QCOMPARE(editor->Selected()->name, std::string("TC Lyon"));
      ClickButton(modal, "cancelButton");
    });
    DoubleClickRow(page_->List(), 0, 1);
    QCOMPARE(PendingModalAnswers(), 0);

    const auto run = [this](const char* entry) {
      std::unique_ptr<QMenu> menu = page_->MakeContextMenu();
      QCOMPARE(MenuTexts(*menu),
               QStringList({"&New club", "&Rename the club", "&Delete the club"}));
      FindAction(*menu, entry)->trigger();
    };
    TypeNameInNextModal("Racing Club");
    run("&New club");
    QCOMPARE(ColumnTexts(page_->List(), 1), QStringList({"Racing Club", "TC Lyon"}));
    ClickRow(page_->List(), 1);
    TypeNameInNextModal("TC Lyon Ouest");
    run("&Rename the club");
    QCOMPARE(ColumnTexts(page_->List(), 1), QStringList({"Racing Club", "TC Lyon Ouest"}));
    page_->List().ClearSelection();
    page_->List().SelectItem(0);
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kYes});
    run("&Delete the club");
    QCOMPARE(ColumnTexts(page_->List(), 1), QStringList({"TC Lyon Ouest"}));
    QCOMPARE(Owner().Clubs().Count(), 1);
    // Without a selection only "new" is offered.
    page_->List().ClearSelection();
    QVERIFY(!FindAction(*page_->MakeContextMenu(), "&Rename the club")->isEnabled());
  }

  void PaintsTheScreenColours() {
    QImage image = page_->grab().toImage();
    QCOMPARE(image.pixelColor(2, 2), QColor(173, 198, 255));
    QCOMPARE(image.pixelColor(page_->width() / 2, page_->height() - 12), QColor(255, 224, 175));
    QSettings store = settings::User();
    ScreenColours::Set(QColor(10, 20, 30), QColor(40, 50, 60), store);
    page_->ApplyScreenColours();
    image = page_->grab().toImage();
    ScreenColours::RestoreDefaults(store);
    page_->ApplyScreenColours();
    QCOMPARE(image.pixelColor(2, 2), QColor(10, 20, 30));
    QCOMPARE(image.pixelColor(page_->width() / 2, page_->height() - 12), QColor(40, 50, 60));
  }
};

QTEST_MAIN(ClubsPageTest)
#include "clubs_page_test.moc"
