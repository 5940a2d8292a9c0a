#include "tests/support/scripted_prompt.h"

namespace scorvane::testing {

ScriptedPrompt::ScriptedPrompt() {
  SetUserPrompt(this);
}
ScriptedPrompt::~ScriptedPrompt() {
  SetUserPrompt(nullptr);
}

ScriptedPrompt::Answer ScriptedPrompt::Next() {
  if (answers_.empty()) return fallback_;
  const Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

bool ScriptedPrompt::AskYesNo(const std::string& text, Style style) {
  asked.push_back(text);
  styles.push_back(style);
  offered_all.push_back(false);
  return Next() != Answer::kNo;
}

bool ScriptedPrompt::AskYesNoAll(const std::string& text, bool& all) {
  asked.push_back(text);
  styles.push_back(Style::kQuestionDialog);
  offered_all.push_back(true);
  const Answer answer = Next();
  all = answer == Answer::kYesToAll;
  return answer != Answer::kNo;
}

void ScriptedPrompt::ShowMessage(const std::string& text, const std::string& detail) {
  messages.push_back(detail.empty() ? text : text + "\n" + detail);
}

int32_t ScriptedPrompt::AskReplacementRanking(const std::string& old_text) {
  ranking_questions.push_back(old_text);
  if (rankings_.empty()) return -1;
  const int value = rankings_.front();
  rankings_.pop_front();
  return value;
}

}  // namespace scorvane::testing
