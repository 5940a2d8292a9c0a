// "scorvane-cli matches" and the matches page tell the same story: on the
// demo document, for each season and in both languages, the same number of
// lines in the same order with the same texts in the columns the page shows
// by default.
#include <QTest>
#include <sstream>

#include "base/catalogue/messages.h"
#include "cli/cli.h"
#include "pages/matches/matches_page.h"
#include "records/season.h"
#include "tests/support/ui/widget_environment.h"
#include "widgets/listview/list_control.h"

using namespace scorvane;

namespace {

// The fields of RFC 4180 CSV text, line by line.
std::vector<QStringList> ParseCsv(const std::string& text) {
  std::vector<QStringList> lines(1);
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      lines.back() << QString::fromStdString(field);
      field.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      lines.back() << QString::fromStdString(field);
      field.clear();
      lines.emplace_back();
      ++i;
    } else {
      field += c;
    }
  }
  lines.pop_back();
  return lines;
}

std::string RunCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  if (cli::Run(args, out, err) != cli::kOk) qWarning("%s", err.str().c_str());
  return out.str();
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
    RunCli({"demo", path});
    SetLanguage(language);
    const std::vector<QStringList> csv =
        ParseCsv(RunCli({"matches", path, "--season", std::to_string(season), "--csv"}));

    PROJECT_DOC document;
    SetCurrentDocument(&document);
    QVERIFY(document.Read(path).ok());
    QVERIFY(document.AdoptSameSystem());
    document.Owner().SetActiveSeason(document.Owner().FindSeason(season));
    {
      PAGE_PALMARES page;
      const MY_LIST_CONTROL& list = page.List();
      const std::vector<int> shown = list.ShownColumnsInOrder();
      QStringList titles;
      for (const int column : shown)
        titles << list.model()->headerData(column, Qt::Horizontal).toString();
      QCOMPARE(titles, csv.front());
      QCOMPARE(list.RowCount(), static_cast<int>(csv.size()) - 1);
      QVERIFY(list.RowCount() > 10);
      for (int row = 0; row < list.RowCount(); ++row) {
        QStringList texts;
        for (const int column : shown)
          texts << list.ItemText(row, column);
        QCOMPARE(texts, csv[static_cast<size_t>(row) + 1]);
      }
    }
    SetCurrentDocument(nullptr);
  }
};

QTEST_MAIN(MatchesCliAgreementTest)
#include "matches_cli_agreement_test.moc"
