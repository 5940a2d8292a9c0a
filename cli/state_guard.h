// Commands run in-process in the tests: whatever a command changes in the
// application-wide state (current document, ranking systems, language) is
// put back when it ends.
#pragma once

#include <memory>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"

namespace scorvane::cli {

class StateGuard {
 public:
  StateGuard()
      : document_(CurrentDocument()),
        systems_(Registry().SaveState()),
        language_(CurrentLanguage()) {}
  ~StateGuard() {
    SetCurrentDocument(document_);
    Registry().RestoreState(*systems_);
    SetLanguage(language_);
  }
  StateGuard(const StateGuard&) = delete;
  StateGuard& operator=(const StateGuard&) = delete;

 private:
  PROJECT_DOC* document_;
  std::shared_ptr<RankingRegistry::State> systems_;
  int language_;
};

}  // namespace scorvane::cli
