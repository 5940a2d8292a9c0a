// The clubs page shown on the offscreen platform: the document's clubs in
// its order, refreshed without duplicates, empty codes for code 0.
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <memory>

#include "pages/clubs/clubs_page.h"
#include "records/document.h"
#include "tests/support/ui/widget_environment.h"
#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"
#include "widgets/settings.h"

using namespace scorvane;

class ClubsPageTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void ShowsTheColumnsAndTitle();
  void DocumentWithoutClubsShowsOnlyHeadings();
  void ListsClubsInDocumentOrder();
  void ShowingTwiceDoesNotDuplicate();
  void CodeZeroShowsAnEmptyCell();
  void FollowsTheCurrentDocument();
  void InitialUpdateKeepsFourColumns();
  void HasNoPrinting();
  void PaintsTheScreenColours();

 private:
  CLUB* AddClub(const char* name, int code, const char* phone = "", const char* address = "");
  QStringList Row(int row) const;

  std::unique_ptr<scorvane::testing::WidgetEnvironment> environment_;
  std::unique_ptr<PROJECT_DOC> document_;
  std::unique_ptr<PAGE_CLUBS> page_;
};

void ClubsPageTest::init() {
  environment_ = std::make_unique<scorvane::testing::WidgetEnvironment>();
  document_ = std::make_unique<PROJECT_DOC>();
  SetCurrentDocument(document_.get());
  page_ = std::make_unique<PAGE_CLUBS>();
  page_->resize(700, 400);
  page_->show();
  QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
}

void ClubsPageTest::cleanup() {
  page_.reset();
  SetCurrentDocument(nullptr);
  document_.reset();
  environment_.reset();
}

CLUB* ClubsPageTest::AddClub(const char* name, int code, const char* phone, const char* address) {
  auto club = std::make_unique<CLUB>(name);
  club->SetCode(code);
  club->SetPhone(phone);
  club->SetAddress(address);
  return document_->Owner().AddClub(std::move(club));
}

QStringList ClubsPageTest::Row(int row) const {
  QStringList texts;
  for (int column = 0; column < 4; ++column)
    texts << page_->List().ItemText(row, column);
  return texts;
}

void ClubsPageTest::ShowsTheColumnsAndTitle() {
  const MY_LIST_CONTROL& list = page_->List();
  QCOMPARE(page_->PageNumber(), 7);
  QCOMPARE(list.ColumnCount(), 4);
  const char* titles[] = {"Code club", "Nom du club", "Tél. club", "Adresse du club"};
  const int widths[] = {60, 200, 60, 250};
  for (int column = 0; column < 4; ++column) {
    QCOMPARE(list.model()->headerData(column, Qt::Horizontal).toString(),
             QString::fromUtf8(titles[column]));
    QVERIFY(list.columnWidth(column) >= widths[column]);  // wider when the heading needs it
  }
  QCOMPARE(list.selectionMode(), QAbstractItemView::ExtendedSelection);
  QCOMPARE(list.selectionBehavior(), QAbstractItemView::SelectRows);
  const auto labels = page_->findChildren<QLabel*>();
  QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
    return label->text() == QStringLiteral("Liste des clubs enregistrés");
  }));
}

void ClubsPageTest::DocumentWithoutClubsShowsOnlyHeadings() {
  page_->Refresh();
  QCOMPARE(page_->List().RowCount(), 0);
  QVERIFY(page_->List().horizontalHeader()->isVisible());
}

void ClubsPageTest::ListsClubsInDocumentOrder() {
  // Clubs are added at the front of the document's list.
  CLUB* second = AddClub("TC Lyon", 690012, "0478000000", "1 rue du Lac");
  CLUB* first = AddClub("Racing Club", 750001, "0145000000", "Bois de Boulogne");
  page_->Refresh();
  QCOMPARE(page_->List().RowCount(), 2);
  QCOMPARE(Row(0), (QStringList{"750001", "Racing Club", "0145000000", "Bois de Boulogne"}));
  QCOMPARE(Row(1), (QStringList{"690012", "TC Lyon", "0478000000", "1 rue du Lac"}));
  QCOMPARE(page_->List().ItemData(0), reinterpret_cast<quintptr>(first));
  QCOMPARE(page_->List().ItemData(1), reinterpret_cast<quintptr>(second));
  // Cream rows.
  QCOMPARE(page_->List().CellLookAt(1, 3).background, QColor(254, 252, 222));
}

void ClubsPageTest::ShowingTwiceDoesNotDuplicate() {
  AddClub("A", 1);
  AddClub("B", 2);
  page_->Refresh();
  page_->Refresh();
  QCOMPARE(page_->List().RowCount(), 2);
  // A club added in between appears once.
  AddClub("C", 3);
  page_->Refresh();
  QCOMPARE(page_->List().RowCount(), 3);
}

void ClubsPageTest::CodeZeroShowsAnEmptyCell() {
  AddClub("Coded", 12);
  AddClub("No code", 0);
  AddClub("Negative", -5);
  AddClub("Also coded", 34);
  page_->Refresh();
  QCOMPARE(page_->List().ItemText(0, 0), QStringLiteral("34"));
  QCOMPARE(page_->List().ItemText(1, 0), QStringLiteral("-5"));
  QCOMPARE(page_->List().ItemText(2, 0), QString());
  QCOMPARE(page_->List().ItemText(2, 1), QStringLiteral("No code"));
  QCOMPARE(page_->List().ItemText(3, 0), QStringLiteral("12"));
}

void ClubsPageTest::FollowsTheCurrentDocument() {
  AddClub("Gone", 1);
  page_->Refresh();
  QCOMPARE(page_->List().RowCount(), 1);
  SetCurrentDocument(nullptr);
  page_->Refresh();
  QCOMPARE(page_->List().RowCount(), 0);
}

void ClubsPageTest::InitialUpdateKeepsFourColumns() {
  AddClub("A", 1);
  page_->Refresh();
  page_->InitialUpdate();
  page_->InitialUpdate();
  QCOMPARE(page_->List().ColumnCount(), 4);
  page_->Refresh();
  QCOMPARE(Row(0), (QStringList{"1", "A", "", ""}));
}

void ClubsPageTest::HasNoPrinting() {
  QCOMPARE(page_->PrintContent(), nullptr);
}

void ClubsPageTest::PaintsTheScreenColours() {
  QImage image = page_->grab().toImage();
  QCOMPARE(image.pixelColor(2, 2), QColor(173, 198, 255));
  QCOMPARE(image.pixelColor(page_->width() / 2, page_->height() - 12), QColor(255, 224, 175));
  QSettings store = settings::User();
  ScreenColours::Set(QColor(10, 20, 30), QColor(40, 50, 60), store);
  image = page_->grab().toImage();
  ScreenColours::RestoreDefaults(store);
  QCOMPARE(image.pixelColor(2, 2), QColor(10, 20, 30));
  QCOMPARE(image.pixelColor(page_->width() / 2, page_->height() - 12), QColor(40, 50, 60));
}

QTEST_MAIN(ClubsPageTest)
#include "clubs_page_test.moc"
