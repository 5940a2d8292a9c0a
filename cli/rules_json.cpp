#include "cli/rules_json.h"

#include <cstdio>

#include "cli/json.h"
#include "estimates/modern/rules_estimate.h"

namespace scorvane::cli {
namespace {

using namespace modern;

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

const char* Bool(bool value) {
  return value ? "true" : "false";
}

class Writer {
 public:
  explicit Writer(const RulesEstimate& estimate)
      : estimate_(estimate), scale_(*estimate.scale), facts_(estimate.facts) {}

  std::string Echelon(int echelon) const { return JsonString(EchelonText(echelon, facts_.woman)); }
  std::string Matches() const {
    std::string json = "[";
    for (size_t m = 0; m < facts_.matches.size(); ++m) {
      const RuleMatch& match = facts_.matches[m];
      json += std::string(m ? "," : "") + "{\"date\":" + JsonString(match.date) +
              ",\"opponent\":" + Echelon(OpponentOf(scale_, match)) +
              ",\"won\":" + Bool(match.won) + ",\"walkover\":" + Bool(match.walkover) +
              ",\"coefficient\":" + Number(Coefficient(scale_, match)) +
              ",\"championship\":" + Bool(match.championship) +
              ",\"doubles\":" + Bool(match.doubles) +
              ",\"doubles_points\":" + Number(DoublesValue(scale_, match)) + "}";
    }
    return json + "]";
  }

  std::string Trial(const EchelonTrial& trial) const {
    std::string json = "{\"echelon\":" + Echelon(trial.echelon) + ",\"v\":" + Number(trial.v) +
                       ",\"e\":" + Number(trial.e) + ",\"i\":" + Number(trial.i) +
                       ",\"g\":" + Number(trial.g) + ",\"delta\":" + Number(trial.delta) +
                       ",\"kept\":" + std::to_string(trial.kept) + ",\"wins\":[";
    for (size_t w = 0; w < trial.wins.size(); ++w) {
      const KeptWin& win = trial.wins[w];
      json += std::string(w ? "," : "") +
              "{\"opponent\":" + Echelon(OpponentOf(scale_, facts_.matches[win.match])) +
              ",\"points\":" + Number(win.points) + ",\"coefficient\":" + Number(win.share) + "}";
    }
    return json + "],\"championship_bonus\":" + Number(trial.championship_bonus) +
           ",\"no_defeat_bonus\":" + Number(trial.no_defeat_bonus) +
           ",\"doubles_bonus\":" + Number(trial.doubles_bonus) +
           ",\"total\":" + Number(trial.total) + ",\"norm\":" + std::to_string(trial.norm) +
           ",\"held\":" + Bool(trial.held) + "}";
  }

  std::string Whole() const {
    std::string json = "{\"rules\":" + JsonString(std::to_string(scale_.year)) + ",\"assumed\":[";
    for (size_t a = 0; a < scale_.assumed.size(); ++a)
      json += (a ? "," : "") + JsonString(scale_.assumed[a].section + ": " + scale_.assumed[a].why);
    json += "],\"ranking\":" + Echelon(facts_.original) +
            ",\"sex\":" + JsonString(facts_.woman ? "F" : "M") +
            ",\"mode\":" + JsonString(scale_.mode) + ",\"matches\":" + Matches() +
            ",\"start\":" + Echelon(estimate_.outcome.start) + ",\"passes\":[";
    bool first = true;
    for (const RulePass& pass : estimate_.outcome.passes) {
      for (const EchelonTrial& trial : pass.trials) {
        json += (first ? "" : ",") + Trial(trial);
        first = false;
      }
    }
    return json + "],\"result\":" + Echelon(estimate_.outcome.result) + "}";
  }

 private:
  const RulesEstimate& estimate_;
  const Scale& scale_;
  const RuleFacts& facts_;
};

}  // namespace

std::string RulesJson(const RulesEstimate& estimate) {
  return Writer(estimate).Whole();
}

}  // namespace scorvane::cli
