// "scorvane-cli matches" and the matches page tell the same story: on the
// demo document, for each season and in both languages, the same number of
// lines in the same order with the same texts in the columns the page shows
// by default.
#include <QTest>
#include <sstream>

#include "base/catalogue/messages.h"
#include "cli/cli.h"
#include "cli/match_table.h"
#include "pages/matches/matches_page.h"
#include "records/season.h"
#include "tests/support/ui/widget_environment.h"
#include "widgets/listview/list_control.h"

using namespace scorvane;

namespace {

QStringList Texts(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts)
    list << QString::fromStdString(text);
  return list;
}

}  // namespace

class MatchesCliAgreementTest : public QObject {
  Q_OBJECT

 private slots:
  void PageAndCommandShowTheSameLines_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("season");
    for (const int season : {2001, 2000, 1999}) {
      QTest::addRow("English %d", season) << kLanguageEnglish << season;
      QTest::addRow("French %d", season) << kLanguageFrench << season;
    }
  }
  void PageAndCommandShowTheSameLines() {
    QFETCH(int, language);
    QFETCH(int, season);
    scorvane::testing::WidgetEnvironment env;
    const std::string path = env.Path("Demo.ten").toStdString();
    std::ostringstream out, err;
    QCOMPARE(cli::Run({"demo", path}, out, err), cli::kOk);
    SetLanguage(language);
    PROJECT_DOC document;
    SetCurrentDocument(&document);
    QVERIFY(document.Read(path).ok());
    QVERIFY(document.AdoptSameSystem());
    document.Owner().SetActiveSeason(document.Owner().FindSeason(season));
    // What the command prints for that season.
    const cli::MatchTable table = cli::BuildMatchTable(*document.Owner().GetActiveSeason());
    {
      PAGE_PALMARES page;
      const MY_LIST_CONTROL& list = page.List();
      QCOMPARE(page.TitleText(), QString::fromStdString(table.caption));
      const std::vector<int> shown = list.ShownColumnsInOrder();
      QStringList titles;
      for (const int column : shown)
        titles << list.model()->headerData(column, Qt::Horizontal).toString();
      QCOMPARE(titles, Texts(table.titles));
      QCOMPARE(list.RowCount(), static_cast<int>(table.rows.size()));
      QVERIFY(list.RowCount() > 10);
      for (int row = 0; row < list.RowCount(); ++row) {
        QStringList texts;
        for (const int column : shown)
          texts << list.ItemText(row, column);
        QCOMPARE(texts, Texts(table.rows[static_cast<size_t>(row)]));
      }
    }
    SetCurrentDocument(nullptr);
  }
};

QTEST_MAIN(MatchesCliAgreementTest)
#include "matches_cli_agreement_test.moc"
