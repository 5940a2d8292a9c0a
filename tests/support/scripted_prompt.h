// A UserPrompt that answers from a script and records every question, so a
// test can check both what was asked and what followed.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/user_prompt.h"

namespace scorvane::testing {

class ScriptedPrompt : public UserPrompt {
 public:
  enum class Answer { kYes, kNo, kYesToAll };

  ScriptedPrompt();
  ~ScriptedPrompt() override;

  // Answers given in order; once they run out, `fallback` is used.
  void Script(std::initializer_list<Answer> answers) { answers_.assign(answers); }
  void SetFallback(Answer answer) { fallback_ = answer; }
  // Rankings returned to AskReplacementRanking, in order (-1 = cancel).
  void ScriptRankings(std::initializer_list<int> values) { rankings_.assign(values); }

  bool AskYesNo(const std::string& text, Style style) override;
  bool AskYesNoAll(const std::string& text, bool& all) override;
  void ShowMessage(const std::string& text, const std::string& detail) override;
  int32_t AskReplacementRanking(const std::string& old_text) override;

  // Every question and message, in order.
  std::vector<std::string> asked;
  std::vector<Style> styles;
  // For each question: whether "yes to all" was offered.
  std::vector<bool> offered_all;
  std::vector<std::string> messages;
  std::vector<std::string> ranking_questions;

 private:
  Answer Next();

  std::deque<Answer> answers_;
  std::deque<int> rankings_;
  Answer fallback_ = Answer::kYes;
};

}  // namespace scorvane::testing
