#include "ranking/ranking_registry.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "base/catalogue/messages.h"
#include "ranking/builtin_systems.h"

namespace scorvane {

struct RankingRegistry::State {
  int active = -1;   // index: 0..2 working, 10+ built-in, -1 none
  int pending = -1;  // same
  SYSTEME_CLASSEMENT working[kWorkingCount];
};

std::string AvailableSystem::Label() const {
  return Msg(built_in ? 555 : 554);
}

RankingRegistry& Registry() {
  static RankingRegistry registry;
  return registry;
}

RankingRegistry::RankingRegistry() {
  built_ins_.push_back(std::make_unique<SYSTEME_FRANCAIS>());
  built_ins_.push_back(std::make_unique<SYSTEME_SUISSE>());
  built_ins_.push_back(std::make_unique<SYSTEME_NTRP>());
  built_ins_.push_back(std::make_unique<SYSTEME_PAYSBAS>());
  built_ins_.push_back(std::make_unique<SYSTEME_LUXEMBOURG>());
  built_ins_.push_back(std::make_unique<SYSTEME_BELGE>());
  built_ins_.push_back(std::make_unique<SYSTEME_ATP>());
  built_ins_.push_back(std::make_unique<SYSTEME_WTA>());
  for (const auto& system : built_ins_)
    built_in_list_.push_back(system.get());
  folder_ = UserDataFolder();
}

SYSTEME_CLASSEMENT& RankingRegistry::Active() {
  return active_ ? *active_ : French();
}

SYSTEME_CLASSEMENT& RankingRegistry::FreeWorkingSystem() {
  for (SYSTEME_CLASSEMENT& system : working_) {
    if (&system != active_ && &system != pending_) return system;
  }
  return working_[0];  // unreachable: three systems, at most two in use
}

SYSTEME_REFERENCE& RankingRegistry::French() const {
  return *built_in_list_[0];
}
SYSTEME_REFERENCE& RankingRegistry::Belgian() const {
  return *built_in_list_[5];
}

SYSTEME_REFERENCE* RankingRegistry::FindBuiltIn(const std::string& code_name) const {
  for (SYSTEME_REFERENCE* system : built_in_list_) {
    if (system->CodeName() == code_name) return system;
  }
  return nullptr;
}

SYSTEME_REFERENCE* RankingRegistry::Recognise(const SYSTEME_CLASSEMENT& system) const {
  for (SYSTEME_REFERENCE* candidate : built_in_list_) {
    if (candidate->Recognises(system)) return candidate;
  }
  return nullptr;
}

std::vector<AvailableSystem> RankingRegistry::AvailableSystems() const {
  std::vector<AvailableSystem> result;
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    if (entry.path().extension() == ".cla") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    SYSTEME_CLASSEMENT probe;
    const std::string title = file.stem().string();
    if (!probe.ReadFile(title)) continue;
    result.push_back({title, false, nullptr, file});
  }
  for (SYSTEME_REFERENCE* system : built_in_list_) {
    result.push_back({system->Title(), true, system, {}});
  }
  return result;
}

std::filesystem::path RankingRegistry::LocateFolder(const std::filesystem::path& program_folder) {
  std::error_code error;
  const std::filesystem::path beside = program_folder / "RankSys";
  if (std::filesystem::exists(beside, error)) return std::filesystem::absolute(beside, error);
  const std::filesystem::path parent = program_folder.parent_path() / "RankSys";
  if (std::filesystem::exists(parent, error)) return std::filesystem::absolute(parent, error);
  return UserDataFolder();
}

std::filesystem::path RankingRegistry::UserDataFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
    return std::filesystem::path(data) / "Scorvane" / "RankSys";
  }
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : ".") / ".local" / "share" / "Scorvane" /
         "RankSys";
}

std::shared_ptr<RankingRegistry::State> RankingRegistry::SaveState() const {
  auto state = std::make_shared<State>();
  const auto index_of = [this](const SYSTEME_CLASSEMENT* system) {
    for (int i = 0; i < kWorkingCount; ++i) {
      if (system == &working_[i]) return i;
    }
    for (size_t i = 0; i < built_in_list_.size(); ++i) {
      if (system == built_in_list_[i]) return 10 + static_cast<int>(i);
    }
    return -1;
  };
  state->active = index_of(active_);
  state->pending = index_of(pending_);
  for (int i = 0; i < kWorkingCount; ++i)
    state->working[i] = working_[i];
  return state;
}

void RankingRegistry::RestoreState(const State& state) {
  const auto system_at = [this](int index) -> SYSTEME_CLASSEMENT* {
    if (index >= 10) return built_in_list_[static_cast<size_t>(index - 10)];
    if (index >= 0) return &working_[index];
    return nullptr;
  };
  for (int i = 0; i < kWorkingCount; ++i)
    working_[i] = state.working[i];
  active_ = system_at(state.active);
  pending_ = system_at(state.pending);
}

void RankingRegistry::Reset() {
  active_ = nullptr;
  pending_ = nullptr;
}

}  // namespace scorvane
