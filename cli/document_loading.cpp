#include "cli/document_loading.h"

#include <ostream>

#include "ranking/ranking_registry.h"

namespace scorvane::cli {

bool LoadDocument(Invocation& call, const std::string& path, PROJECT_DOC& document) {
  const FileResult result = document.Read(path);
  if (!result.ok()) {
    call.err << result.Message() << "\n";
    if (result.status != FileResult::Status::kFileError && !result.detail.empty()) {
      call.err << result.detail << "\n";
    }
    return false;
  }
  if (!document.AdoptSameSystem() && Registry().Pending()) {
    Registry().SetPending(nullptr);
    document.SetKeepsOwnSystem(true);
  }
  return true;
}

}  // namespace scorvane::cli
