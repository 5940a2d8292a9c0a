#include "base/user_prompt.h"

namespace scorvane {
namespace {

// Never destroys anything on its own: every question is answered No.
class SilentPrompt : public UserPrompt {
 public:
  bool AskYesNo(const std::string&, Style) override { return false; }
  bool AskYesNoAll(const std::string&, bool& all) override {
    all = false;
    return false;
  }
  void ShowMessage(const std::string&, const std::string&) override {}
  int32_t AskReplacementRanking(const std::string&) override { return -1; }
};

SilentPrompt g_silent;
UserPrompt* g_prompt = &g_silent;

}  // namespace

UserPrompt& Prompt() {
  return *g_prompt;
}
void SetUserPrompt(UserPrompt* prompt) {
  g_prompt = prompt ? prompt : &g_silent;
}

bool AskYesNo(const std::string& text, UserPrompt::Style style) {
  return g_prompt->AskYesNo(text, style);
}

bool AskYesNoAll(const std::string& text, bool& all) {
  all = false;
  return g_prompt->AskYesNoAll(text, all);
}

void ShowMessage(const std::string& text, const std::string& detail) {
  g_prompt->ShowMessage(text, detail);
}

}  // namespace scorvane
