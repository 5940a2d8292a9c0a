// Puts the process-wide state of the core (current document, ranking
// systems, language, currency, ask flags, clock, folders) in a known state
// for each test, and back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "records/document.h"

namespace scorvane::testing {

// A temporary folder removed with its contents at destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Base fixture: a fresh current document, the French system active, English
// texts, francs, the ranking-systems folder in a temporary place and today
// fixed at 15 June 2001.
class CoreTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  PROJECT_DOC& Doc() { return *document_; }
  UTILISATEUR& Owner() { return document_->Owner(); }
  const TempDir& Temp() const { return *temp_; }

 private:
  std::unique_ptr<TempDir> temp_;
  std::unique_ptr<PROJECT_DOC> document_;
};

// Reads a whole file into bytes (test helper).
std::vector<uint8_t> FileBytes(const std::filesystem::path& path);
// Writes bytes to a file (test helper).
void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

}  // namespace scorvane::testing
