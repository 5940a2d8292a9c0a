// The command-line tool: inspection, estimates and conversion of documents
// without the window. Every command writes to the streams it is given, so
// tests run it in-process.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace scorvane::cli {

// Exit codes.
inline constexpr int kOk = 0;
inline constexpr int kFailure = 1;  // a file that cannot be read or written
inline constexpr int kUsage = 2;    // a command line that makes no sense

// Runs one command line (without the program name).
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace scorvane::cli
