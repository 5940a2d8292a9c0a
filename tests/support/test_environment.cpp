#include "tests/support/test_environment.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "base/catalogue/messages.h"
#include "base/currency.h"
#include "base/locale.h"
#include "ranking/ranking_registry.h"

namespace scorvane::testing {

TempDir::TempDir() {
  std::random_device seed;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    path_ = base / ("scorvane-test-" + std::to_string(seed()));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void CoreTest::SetUp() {
  temp_ = std::make_unique<TempDir>();
  std::filesystem::create_directories(temp_->Path() / "RankSys");
  Registry().Reset();
  Registry().SetFolder(temp_->Path() / "RankSys");
  SetLanguage(kLanguageEnglish);
  Currency::Reset();
  SetCurrentLocale(nullptr);
  SetTodayForTesting(DATE_SIMPLE(15, 6, 2001));
  document_ = std::make_unique<PROJECT_DOC>();
}

void CoreTest::TearDown() {
  document_.reset();
  SetTodayForTesting(std::nullopt);
  Registry().Reset();
  SetLanguage(kLanguageEnglish);
  temp_.reset();
}

std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

}  // namespace scorvane::testing
