// Guards MY_LIST_CONTROL driven as a user and a page drive it, on the offscreen
// platform: the colours and fonts actually drawn, the highlight, the
// selection notification, columns from the settings and header clicks.
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/ui/widget_input.h"
#include "widgets/listview/column_settings_store.h"
#include "widgets/listview/list_control.h"

using namespace scorvane;

namespace {

struct Person {
  std::string name;
  int age;
};

QColor ToColor(const Rgb& rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

// Columns 0 name (text order), 1 age, 2 comment (no comparison), 3 town.
ListColumnModel PeopleColumns() {
  ListColumnModel columns;
  ListColumn name;
  name.title = "Name";
  name.width = 120;
  SetRecordTextOrder<Person>(name, [](const Person& person) { return person.name; });
  columns.Add(name);
  ListColumn age;
  age.title = "Age";
  age.width = 50;
  age.alignment = ColumnAlignment::kCentre;
  SetRecordOrder<Person>(age, [](const Person& a, const Person& b, int) { return a.age - b.age; });
  columns.Add(age);
  ListColumn comment;
  comment.title = "Comment";
  comment.width = 90;
  columns.Add(comment);
  ListColumn town;
  town.title = "Town";
  town.width = 80;
  columns.Add(town);
  return columns;
}

}  // namespace

class ListControlTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MY_LIST_CONTROL> list_;
  std::unique_ptr<QAbstractItemModelTester> tester_;
  QTemporaryDir settings_folder_;
  // The item of each row of MakeList: 1000 + its row.
  std::vector<int> row_numbers_;

  // A list shown on screen with four columns and `rows` rows named "row N".
  MY_LIST_CONTROL& MakeList(int rows, bool multiple = true) {
    list_ = std::make_unique<MY_LIST_CONTROL>(multiple, true);
    tester_ = std::make_unique<QAbstractItemModelTester>(
        &list_->Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int column = 0; column < 4; ++column)
      list_->InsertColumn(column, QStringLiteral("Column %1").arg(column), ColumnAlignment::kLeft,
                          100);
    row_numbers_.resize(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row) {
      row_numbers_[static_cast<size_t>(row)] = 1000 + row;
      list_->InsertItem(row, QStringLiteral("row %1").arg(row), -1,
                        &row_numbers_[static_cast<size_t>(row)]);
    }
    list_->resize(500, 600);
    list_->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(list_.get());
    return *list_;
  }
  // The colour drawn at the right end of a cell, where no text reaches.
  QColor PixelBehind(int row, int column) {
    const QImage image = list_->viewport()->grab().toImage();
    const QRect cell = list_->visualRect(list_->Model().index(row, column));
    return image.pixelColor(cell.right() - 3, cell.center().y());
  }
  void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
    testing::ClickRow(*list_, row, modifiers);
  }

 private slots:
  void initTestCase() {
    // The per-user settings go to a temporary folder, never the user's own.
    QCoreApplication::setOrganizationName(QStringLiteral("Zezovu"));
    QCoreApplication::setApplicationName(QStringLiteral("Scorvane"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_folder_.path());
  }
  void cleanup() {
    tester_.reset();
    list_.reset();
  }

  // The colour rules are tested on their own; here, that the list paints them.
  void RowsAreWhiteThenAlternateThenTakeTheGroupColoursAndFonts() {
    MY_LIST_CONTROL& list = MakeList(8);
    QCOMPARE(PixelBehind(1, 0), QColor(Qt::white));
    const QColor cream_a = ToColor(list_pairs::kCream.a), cream_b = ToColor(list_pairs::kCream.b);
    list.SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
    QCOMPARE(PixelBehind(0, 2), cream_a);
    QCOMPARE(PixelBehind(1, 2), cream_b);
    list.AddGroupStart(0);
    list.AddGroupStart(3);
    QCOMPARE(PixelBehind(1, 3), ToColor(list_pairs::kGreen.b));
    QCOMPARE(PixelBehind(3, 3), cream_a);
    // Group start rows are drawn in the larger font.
    QList<int> sizes;
    for (int row = 0; row < 5; ++row)
      sizes << list.CellLookAt(row, 2).font.pixelSize();
    QCOMPARE(sizes, QList<int>({20, 14, 14, 20, 14}));
    // Refilled without groups: back to the default pair.
    list.ClearGroupStarts();
    QCOMPARE(PixelBehind(0, 3), cream_a);
  }

  void FittingWidthShowsEveryTextUncut() {
    MY_LIST_CONTROL& list = MakeList(4);
    list.SetImageList({QPixmap(24, 16)});
    list.AddGroupStart(2);
    const QStringList texts = {"short", "a rather longer text of a list", "group heading text",
                               "x"};
    for (int row = 0; row < 4; ++row)
      list.SetItemText(row, 1, texts[row]);
    list.SetItemImage(3, 1, 0);
    list.setColumnWidth(1, list.FittingWidth(1));
    for (int row = 0; row < 4; ++row) {
      // The room the painter leaves for the text, as it draws it.
      const CellLook look = list.CellLookAt(row, 1);
      int room = list.columnWidth(1) - 2 * kListTextMargin;
      if (!look.image.isNull()) room -= look.image.width() + kListTextMargin;
      QCOMPARE(QFontMetrics(look.font).elidedText(look.text, Qt::ElideRight, room), texts[row]);
    }
    // The heading counts too, and an empty column is as wide as it.
    QVERIFY(list.FittingWidth(3) >= list.horizontalHeader()->sectionSizeHint(3));
  }

  void SelectedRowsShowTheFixedHighlight() {
    MY_LIST_CONTROL& list = MakeList(4);
    list.SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
    list.SelectItem(1);
    // Without the focus a selection is shown only when the list always shows it.
    list.clearFocus();
    QCOMPARE(PixelBehind(1, 2), ToColor(list_pairs::kCream.b));
    list.SetShowSelectionAlways(true);
    QCOMPARE(PixelBehind(1, 2), kHighlightBackground);
    QCOMPARE(PixelBehind(0, 2), ToColor(list_pairs::kCream.a));
    QCOMPARE(list.CellLookAt(1, 0).foreground, QColor(0, 0, 230));
  }

  // The first selected row (and its item) is reported when it changes, an
  // empty selection once.
  void SelectionNotifiesTheFirstSelectedRow() {
    MY_LIST_CONTROL& list = MakeList(6);
    QSignalSpy spy(&list, &MY_LIST_CONTROL::SelectionNotified);
    const auto notified = [&spy] {
      QStringList rows;
      for (const QList<QVariant>& signal : spy) {
        const int* item = signal.at(1).value<RowItem>().As<int>();
        rows << QStringLiteral("%1:%2").arg(signal.at(0).toInt()).arg(item ? *item : 0);
      }
      spy.clear();
      return rows;
    };
    ClickRow(2);
    ClickRow(2, Qt::ControlModifier);
    QCOMPARE(list.FirstSelectedRow(), -1);
    list.ClearSelection();
    list.viewport()->repaint();
    QCOMPARE(notified(), QStringList({"2:1002", "-1:0"}));
    ClickRow(3);
    ClickRow(1, Qt::ControlModifier);
    ClickRow(5, Qt::ControlModifier);  // below the first: nothing to report
    QCOMPARE(list.SelectedRows(), (std::vector<int>{1, 3, 5}));
    ClickRow(1, Qt::ControlModifier);
    QCOMPARE(notified(), QStringList({"3:1003", "1:1001", "3:1003"}));
    ClickRow(3);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(notified(), QStringList({"4:1004"}));
  }

  void SingleSelectionKeepsOneRow() {
    MY_LIST_CONTROL& list = MakeList(5, /*multiple=*/false);
    ClickRow(1);
    ClickRow(3, Qt::ControlModifier);
    QCOMPARE(list.SelectedRows(), std::vector<int>{3});
    list.SelectItem(4);
    QCOMPARE(list.SelectedRows(), std::vector<int>{4});
  }

  void ClearingOrSortingTheListNotifies() {
    MY_LIST_CONTROL& list = MakeList(0);
    std::vector<Person> people{{"Martin", 30}, {"Abel", 40}, {"Zoe", 20}};
    ListColumnModel columns = PeopleColumns();
    list.ApplyColumns(columns);
    std::vector<ListRow> rows;
    for (Person& person : people)
      rows.push_back(ListRow{{QString::fromStdString(person.name)}, {}, &person});
    list.SetRows(std::move(rows));
    QSignalSpy spy(&list, &MY_LIST_CONTROL::SelectionNotified);
    ClickRow(0);  // Martin
    QCOMPARE(spy.count(), 1);
    // Sorting by name moves Martin to row 1: the selection follows him.
    columns.MakePrimary(0);
    list.SortRows(columns, 2001);
    QCOMPARE(list.ItemText(1, 0), QStringLiteral("Martin"));
    QCOMPARE(list.SelectedRows(), std::vector<int>{1});
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last().at(0).toInt(), 1);
    QCOMPARE(spy.last().at(1).value<RowItem>().As<Person>(), &people[0]);
    // Emptying the list empties the selection.
    list.DeleteAllItems();
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.last().at(0).toInt(), -1);
  }

  void ReorderTakesOnlyAPermutation() {
    MY_LIST_CONTROL& list = MakeList(3);
    auto texts = [&] {
      return QStringList{list.ItemText(0, 0), list.ItemText(1, 0), list.ItemText(2, 0)}.join(',');
    };
    list.Model().Reorder({2, 0, 1});
    QCOMPARE(texts(), QStringLiteral("row 2,row 0,row 1"));
    list.Model().Reorder({0, 0, 1});
    list.Model().Reorder({0, 1});
    list.Model().Reorder({0, 1, 7});
    QCOMPARE(texts(), QStringLiteral("row 2,row 0,row 1"));
  }

  void ColumnsFollowTheColumnModelAndTheUsersLayoutIsReadBack() {
    MY_LIST_CONTROL& list = MakeList(0);
    ListColumnModel columns = PeopleColumns();
    columns.Column(2).shown = false;
    const int order[] = {3, 0, 2, 1};
    columns.SetDisplayOrder(order);
    list.ApplyColumns(columns);
    QCOMPARE(list.ColumnCount(), 4);
    QCOMPARE(list.model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Town"));
    QVERIFY(list.isColumnHidden(2));
    QCOMPARE(list.columnWidth(0), 120);
    QCOMPARE(list.ShownColumnsInOrder(), (std::vector<int>{3, 0, 1}));
    QCOMPARE(list.Model().data(list.Model().index(0, 1), Qt::TextAlignmentRole).isValid(), false);
    list.InsertItem(0, QStringLiteral("x"));
    const auto alignment =
        list.Model().data(list.Model().index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>();
    QVERIFY(alignment & Qt::AlignHCenter);
    // The user drags the name column to the front and widens it; the
    // hidden column keeps its width.
    QHeaderView* header = list.horizontalHeader();
    header->moveSection(header->visualIndex(0), 0);
    header->resizeSection(0, 150);
    list.ReadColumnLayout(columns);
    QCOMPARE(columns.DisplayOrder(), (std::vector<int>{0, 3, 2, 1}));
    QCOMPARE(columns.Column(0).width, 150);
    QCOMPARE(columns.Column(2).width, 90);
  }

  void ColumnSettingsAreStoredPerUserAndReadBack() {
    ListColumnModel written = PeopleColumns();
    written.Column(0).width = 133;
    written.Column(2).shown = false;
    written.MakePrimary(1);
    written.MakePrimary(0);
    written.MakePrimary(0);
    const int order[] = {1, 3, 0, 2};
    written.SetDisplayOrder(order);
    WriteColumnSettings(QStringLiteral("Colonnes palmarès"), written);
    ListColumnModel read = PeopleColumns();
    ReadColumnSettings(QStringLiteral("Colonnes palmarès"), read);
    // The texts' format has its own tests; here they reach the user's settings.
    QVERIFY(read.Column(0).width == 133 && !read.Column(2).shown && read.Column(0).reverse);
    QCOMPARE(read.DisplayOrder(), written.DisplayOrder());
    // Another page's section is left alone.
    ListColumnModel other = PeopleColumns();
    ReadColumnSettings(QStringLiteral("Colonnes joueurs"), other);
    QCOMPARE(other.Column(0).width, 120);
  }

  void AHeaderClickIsReportedWithItsColumn() {
    MY_LIST_CONTROL& list = MakeList(2);
    QSignalSpy clicked(&list, &MY_LIST_CONTROL::HeaderClicked);
    testing::ClickHeading(list, 2);
    testing::ClickHeading(list, 0);
    QCOMPARE(QList<QList<QVariant>>(clicked), (QList<QList<QVariant>>{{2}, {0}}));
  }
};

QTEST_MAIN(ListControlTest)
#include "list_control_test.moc"
