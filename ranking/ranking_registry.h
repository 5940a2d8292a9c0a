// The application-wide set of ranking systems: the eight built-ins, three
// working systems that hold a system read from a document or a ".cla" file,
// the active system every ranking value is read in, and the pending system
// waiting to replace it.
//
// The active system is the one setting of the whole process that the core
// reads without being handed it, and this registry is the only place that
// holds it: a ranking value is a bare number that means something only in
// the active system, and every comparison, text and validity test of one
// reads it here (handing the system to each of them would weigh on every
// line that compares two rankings). Reading a document makes its system
// active; the owner, the document and everything else are passed.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ranking/builtin_systems.h"
#include "ranking/ranking_system.h"

namespace scorvane {

// One line of the list of systems offered to the user.
struct AvailableSystem {
  std::string title;
  bool built_in = false;
  // The built-in, for built-in lines.
  SYSTEME_REFERENCE* system = nullptr;
  // The ".cla" file, for user-defined lines.
  std::filesystem::path file;

  // "[built-in]" or "[user-defined]" in the interface language.
  std::string Label() const;
};

class RankingRegistry {
 public:
  static constexpr int kWorkingCount = 3;

  RankingRegistry(const RankingRegistry&) = delete;
  RankingRegistry& operator=(const RankingRegistry&) = delete;

  // The active system; the French built-in when none was set.
  SYSTEME_CLASSEMENT& Active();
  void SetActive(SYSTEME_CLASSEMENT* system) { active_ = system; }
  // Null when no system is waiting.
  SYSTEME_CLASSEMENT* Pending() const { return pending_; }
  void SetPending(SYSTEME_CLASSEMENT* system) { pending_ = system; }

  // The first working system that is neither active nor pending.
  SYSTEME_CLASSEMENT& FreeWorkingSystem();

  // French, Swiss, NTRP, Netherlands, Luxembourg, Belgian, ATP, WTA.
  const std::vector<SYSTEME_REFERENCE*>& BuiltIns() const { return built_in_list_; }
  SYSTEME_REFERENCE& French() const;
  SYSTEME_REFERENCE& Belgian() const;
  // The built-in with this code name, or null.
  SYSTEME_REFERENCE* FindBuiltIn(const std::string& code_name) const;
  // The first built-in, in registry order, that recognises the system, or null.
  SYSTEME_REFERENCE* Recognise(const SYSTEME_CLASSEMENT& system) const;

  // User files of the ranking-systems folder that read as systems (sorted by
  // file name), then the built-ins.
  std::vector<AvailableSystem> AvailableSystems() const;

  // The folder that holds ".cla" files.
  const std::filesystem::path& Folder() const { return folder_; }
  void SetFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
  // The folder rule: "RankSys" beside the program, else in its parent folder,
  // else the per-user data folder (which may not exist yet).
  static std::filesystem::path LocateFolder(const std::filesystem::path& program_folder);
  // $XDG_DATA_HOME/Scorvane/RankSys, or ~/.local/share/Scorvane/RankSys.
  static std::filesystem::path UserDataFolder();

  // Snapshot of the active and pending systems and the working systems'
  // contents, so that a failed document read can put everything back.
  struct State;
  std::shared_ptr<State> SaveState() const;
  void RestoreState(const State& state);

  // Back to the start-up state: French active, nothing pending.
  void Reset();

 private:
  friend RankingRegistry& Registry();
  RankingRegistry();

  std::vector<std::unique_ptr<SYSTEME_REFERENCE>> built_ins_;
  std::vector<SYSTEME_REFERENCE*> built_in_list_;
  SYSTEME_CLASSEMENT working_[kWorkingCount];
  SYSTEME_CLASSEMENT* active_ = nullptr;
  SYSTEME_CLASSEMENT* pending_ = nullptr;
  std::filesystem::path folder_;
};

// The application's registry, created with the built-ins on first use.
RankingRegistry& Registry();
// The system every ranking value is read in: shorthand for Registry().Active().
inline SYSTEME_CLASSEMENT& ActiveSystem() {
  return Registry().Active();
}

}  // namespace scorvane
