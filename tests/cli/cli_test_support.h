// Runs the command-line tool in-process and keeps what it printed, on documents
// the tests save.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/support/test_environment.h"

namespace scorvane::testing {

struct CliResult {
  int code;
  std::string out;
  std::string err;
};

// Base fixture of the tool's tests: a fresh core, and the document saved
// where a command can read it.
class CliTest : public CoreTest {
 protected:
  // Saves the document as it stands in the test's folder; its path.
  std::string SavedAs(const std::string& name) {
    const auto path = Temp() / name;
    EXPECT_TRUE(Doc().Save(path).ok());
    return path.string();
  }
};

inline CliResult RunCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = cli::Run(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace scorvane::testing
