// scorvane-cli finances: a season's money as the finances page lists it
// (gains, prizes in kind, expenses, with the two totals), as aligned text,
// as JSON, or as CSV with one row per amount for a spreadsheet.
#include <charconv>
#include <cstdio>
#include <ostream>

#include "base/amount_text.h"
#include "base/catalogue/messages.h"
#include "base/currency.h"
#include "base/text_format.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/document_loading.h"
#include "cli/json.h"
#include "cli/text_table.h"
#include "finances/finance_lists.h"

namespace scorvane::cli {
namespace {

// An amount in the display currency as a plain number with two decimals,
// rounded as the rows show it.
std::string PlainAmount(const SOMME& amount) {
  return CentsText(Currency::DisplayCents(amount));
}

// A date as YYYY-MM-DD, which spreadsheets and scripts read in any locale.
std::string IsoDate(const DATE_SIMPLE& date) {
  if (!date.IsValidCalendarDate()) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year(), date.Month(), date.Day());
  return text;
}

std::vector<std::vector<std::string>> CellsOf(const std::vector<FinanceRow>& rows) {
  std::vector<std::vector<std::string>> cells;
  cells.reserve(rows.size());
  for (const FinanceRow& row : rows)
    cells.push_back(row.Cells());
  return cells;
}

std::string TotalText(int message, std::int64_t total_cents) {
  return FormatText(Msg(message), {Currency::FormatCents(total_cents, Currency::Style::kNumber),
                                   Currency::Name()});
}

void WriteText(std::ostream& out, const SeasonFinances& money) {
  out << FormatText(Msg(321), {money.year}) << "\n\n";
  out << FormatText(Msg(318), {money.year}) << "\n";
  WriteAlignedTable(out, FinanceColumnTitles(FinanceListKind::kGains), CellsOf(money.gains));
  out << TotalText(324, money.gains_total) << "\n\n";
  out << FormatText(Msg(320), {money.year}) << "\n";
  WriteAlignedTable(out, FinanceColumnTitles(FinanceListKind::kPrizes), CellsOf(money.prizes));
  out << "\n" << FormatText(Msg(319), {money.year}) << "\n";
  WriteAlignedTable(out, FinanceColumnTitles(FinanceListKind::kExpenses), CellsOf(money.expenses));
  out << TotalText(325, money.expenses_total) << "\n";
}

void WriteJson(std::ostream& out, const SeasonFinances& money) {
  out << "{\"season\":" << money.year << ",\"currency\":"
      << JsonString(Currency::Current() == Currency::kEuros ? "euros" : "francs") << ",\"gains\":[";
  const char* separator = "";
  for (const FinanceRow& row : money.gains) {
    out << separator << "{\"amount\":" << PlainAmount(row.amount) << ","
        << (row.element.IsEventRow() ? "\"event\":" : "\"category\":") << JsonString(row.category)
        << ",\"date\":" << JsonString(IsoDate(row.date)) << "}";
    separator = ",";
  }
  out << "],\"prizes\":[";
  separator = "";
  for (const FinanceRow& row : money.prizes) {
    out << separator << "{\"event\":" << JsonString(row.category)
        << ",\"prizes\":" << JsonString(row.purpose) << "}";
    separator = ",";
  }
  out << "],\"expenses\":[";
  separator = "";
  for (const FinanceRow& row : money.expenses) {
    out << separator << "{\"amount\":" << PlainAmount(row.amount)
        << ",\"date\":" << JsonString(IsoDate(row.date))
        << ",\"category\":" << JsonString(row.category)
        << ",\"purchase\":" << JsonString(row.purpose) << ",\"debtor\":" << JsonString(row.payee)
        << "}";
    separator = ",";
  }
  out << "],\"gains_total\":" << CentsText(money.gains_total)
      << ",\"expenses_total\":" << CentsText(money.expenses_total) << "}\n";
}

// One row per amount: the gains, then the expenses (prizes in kind are no
// amount). An event's money has the event as its purpose and no payee.
void WriteCsv(std::ostream& out, const SeasonFinances& money) {
  WriteCsvRow(out, {"season", "kind", "date", "category", "purpose", "payee", "amount"});
  const std::string season = std::to_string(money.year);
  for (const FinanceRow& row : money.gains) {
    const OPERATION_FINANCIERE* operation = row.element.operation;
    WriteCsvRow(out, {season, "gain", IsoDate(row.date), operation ? row.category : std::string(),
                      operation ? operation->Purpose() : row.category,
                      operation ? operation->Payee() : std::string(), PlainAmount(row.amount)});
  }
  for (const FinanceRow& row : money.expenses) {
    WriteCsvRow(out,
                {season, "expense", IsoDate(row.date), row.category, row.purpose,
                 row.element.IsEventRow() ? std::string() : row.payee, PlainAmount(row.amount)});
  }
}

int RunFinances(Invocation& call) {
  const bool euros = call.TakeFlag("--euros");
  const bool csv = call.TakeFlag("--csv");
  const bool json = call.TakeFlag("--json");
  int language = kLanguageEnglish;
  if (!TakeLanguage(call, &language)) return kUsage;
  std::optional<int> year;
  if (!TakeSeason(call, &year)) return kUsage;
  if (const auto unknown = call.UnknownOption())
    return UsageError(call, "unknown option " + *unknown);
  if (csv && json) return UsageError(call, "choose --csv or --json, not both");
  if (call.args.size() != 1) return UsageError(call, "finances takes one FILE");

  SetLanguage(language);
  PROJECT_DOC document;
  if (!LoadDocument(call, call.args[0], document)) return kFailure;
  const SAISON_JOUEUR* season =
      year ? document.Owner().FindSeason(*year) : document.Owner().GetActiveSeason();
  if (!season) {
    call.err << (year ? "The document has no season " + std::to_string(*year) + "."
                      : std::string("The document has no season."))
             << "\n";
    return kFailure;
  }
  Currency::SetCurrent(euros ? Currency::kEuros : Currency::kFrancs);
  const SeasonFinances money = BuildSeasonFinances(*season);
  if (json) {
    WriteJson(call.out, money);
  } else if (csv) {
    WriteCsv(call.out, money);
  } else {
    WriteText(call.out, money);
  }
  return kOk;
}

}  // namespace

std::vector<Command> FinanceCommands() {
  return {{"finances", "FILE [--season YEAR] [--euros] [--csv|--json] [--lang fr|en]",
           "List the money of the active season (or of YEAR) as the finances page does: gains, "
           "prizes and expenses with their totals, in francs or with --euros in euros; --json for "
           "scripts, --csv with one row per amount for a spreadsheet; --lang fr writes the text "
           "in French.",
           RunFinances}};
}

}  // namespace scorvane::cli
