// Guards scorvane-cli finances: the three lists and the totals as the page
// shows them, the JSON and CSV forms in either currency, and a season the
// document does not have.
#include <gtest/gtest.h>

#include "base/currency.h"
#include "tests/cli/cli_test_support.h"
#include "tests/support/finance_document.h"

namespace scorvane {
namespace {

using testing::RunCli;

class FinancesCommandTest : public testing::CliTest {
 protected:
  std::string Saved() {
    testing::BuildFinanceDocument(Owner());
    return SavedAs("Money.ten");
  }
};

TEST_F(FinancesCommandTest, TextListsTheSeasonAsThePageDoes) {
  const std::string path = Saved();
  const auto result = RunCli({"finances", path});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out,
            "Financial season 2001\n"
            "\n"
            "2001 gains\n"
            "Amount F  Event\n"
            "500.00 F  Strings\n"
            "300.00 F  Open de Lyon\n"
            "Gains total: 800.00 F\n"
            "\n"
            "Prizes season 2001\n"
            "Event         Prizes\n"
            "Open de Lyon  Une coupe\n"
            "\n"
            "2001 expenses\n"
            "Amount F  Date        Category             Purchase         Debtor\n"
            "60.00 F   12/02/2001  EVENTS COSTS         Tournoi de Caen  -\n"
            "80.00 F   03/05/2001  EVENTS COSTS         Open de Lyon     -\n"
            "20.00 F   03/05/2001  TRAVELLING EXPENSES  Open de Lyon     -\n"
            "120.00 F  10/03/2001  Balls                Tubes            MARTINEZ\n"
            "45.00 F   01/04/2001  Strings              Cordage          MARTIN\n"
            "Expenses total: 325.00 F\n");
  EXPECT_EQ(Currency::Current(), Currency::kFrancs);
  EXPECT_NE(RunCli({"finances", path, "--euros"}).out.find("Expenses total: 49.55 Euros\n"),
            std::string::npos);
  const auto none = RunCli({"finances", path, "--season", "1999"});
  EXPECT_EQ(none.code, 1);
  EXPECT_EQ(none.err, "The document has no season 1999.\n");
}

TEST_F(FinancesCommandTest, JsonAndCsvGiveEveryAmountInTheChosenCurrency) {
  const std::string path = Saved();
  const auto json = RunCli({"finances", path, "--euros", "--json", "--season", "2001"});
  EXPECT_EQ(json.code, 0) << json.err;
  EXPECT_EQ(json.out,
            "{\"season\":2001,\"currency\":\"euros\",\"gains\":["
            "{\"amount\":76.22,\"category\":\"Strings\",\"date\":\"2001-01-01\"},"
            "{\"amount\":45.73,\"event\":\"Open de Lyon\",\"date\":\"2001-05-03\"}],"
            "\"prizes\":[{\"event\":\"Open de Lyon\",\"prizes\":\"Une coupe\"}],\"expenses\":["
            "{\"amount\":9.15,\"date\":\"2001-02-12\",\"category\":\"EVENTS COSTS\","
            "\"purchase\":\"Tournoi de Caen\",\"debtor\":\"-\"},"
            "{\"amount\":12.20,\"date\":\"2001-05-03\",\"category\":\"EVENTS COSTS\","
            "\"purchase\":\"Open de Lyon\",\"debtor\":\"-\"},"
            "{\"amount\":3.05,\"date\":\"2001-05-03\",\"category\":\"TRAVELLING EXPENSES\","
            "\"purchase\":\"Open de Lyon\",\"debtor\":\"-\"},"
            "{\"amount\":18.29,\"date\":\"2001-03-10\",\"category\":\"Balls\","
            "\"purchase\":\"Tubes\",\"debtor\":\"MARTINEZ\"},"
            "{\"amount\":6.86,\"date\":\"2001-04-01\",\"category\":\"Strings\","
            "\"purchase\":\"Cordage\",\"debtor\":\"MARTIN\"}],"
            "\"gains_total\":121.95,\"expenses_total\":49.55}\n");

  // The next command counts in francs again.
  const auto csv = RunCli({"finances", path, "--csv"});
  EXPECT_EQ(csv.code, 0) << csv.err;
  EXPECT_EQ(csv.out,
            "season,kind,date,category,purpose,payee,amount\r\n"
            "2001,gain,2001-01-01,Strings,Sponsor,Club,500.00\r\n"
            "2001,gain,2001-05-03,,Open de Lyon,,300.00\r\n"
            "2001,expense,2001-02-12,EVENTS COSTS,Tournoi de Caen,,60.00\r\n"
            "2001,expense,2001-05-03,EVENTS COSTS,Open de Lyon,,80.00\r\n"
            "2001,expense,2001-05-03,TRAVELLING EXPENSES,Open de Lyon,,20.00\r\n"
            "2001,expense,2001-03-10,Balls,Tubes,MARTINEZ,120.00\r\n"
            "2001,expense,2001-04-01,Strings,Cordage,MARTIN,45.00\r\n");
}

}  // namespace
}  // namespace scorvane
