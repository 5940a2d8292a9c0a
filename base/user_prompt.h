// The questions and messages that core operations put to the user.
//
// Deleting a match or a player, or translating rankings to another system,
// may have to ask the user. The core asks through this small interface; the
// desktop program answers with dialogs, the tests with scripted answers, and
// the command-line tool with the default, which answers No and Cancel.
#pragma once

#include <cstdint>
#include <string>

namespace scorvane {

class UserPrompt {
 public:
  virtual ~UserPrompt() = default;

  enum class Style {
    kQuestionDialog,  // the program's Yes / "No !" question dialog
    kMessageBox,      // a plain Yes/No message box
  };
  // True unless the answer is No.
  virtual bool AskYesNo(const std::string& text, Style style) = 0;
  // Yes, No or "yes to all": true unless No; *all is set for "yes to all".
  virtual bool AskYesNoAll(const std::string& text, bool& all) = 0;
  // A plain message, followed by a line break and the detail when not empty.
  virtual void ShowMessage(const std::string& text, const std::string& detail) = 0;
  // A grade of the old system that the new one lacks: the ranking value to
  // use instead in the new system, or -1 (no ranking) when the user cancels.
  virtual int32_t AskReplacementRanking(const std::string& old_text) = 0;
};

// The prompt in force; the default answers No to questions and Cancel to the
// ranking question, and ignores messages.
UserPrompt& Prompt();
// Installs a prompt (not owned); null restores the default.
void SetUserPrompt(UserPrompt* prompt);

bool AskYesNo(const std::string& text,
              UserPrompt::Style style = UserPrompt::Style::kQuestionDialog);
bool AskYesNoAll(const std::string& text, bool& all);
void ShowMessage(const std::string& text, const std::string& detail = {});

}  // namespace scorvane
