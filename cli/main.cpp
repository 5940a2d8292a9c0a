// scorvane-cli: the command-line front end of the core library.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli.h"
#include "ranking/ranking_registry.h"

int main(int argc, char** argv) {
  // Ranking-system files live beside the program (or in its parent folder),
  // else in the user's data folder.
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    scorvane::Registry().SetFolder(scorvane::RankingRegistry::LocateFolder(program.parent_path()));
  }
  const std::vector<std::string> args(argv + 1, argv + argc);
  return scorvane::cli::Run(args, std::cout, std::cerr);
}
