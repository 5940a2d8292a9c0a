// Commands run in-process in the tests: whatever a command changes in the
// application-wide state (current document, ranking systems, language,
// display currency) is put back when it ends.
#pragma once

#include <memory>

#include "base/catalogue/messages.h"
#include "base/currency.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"

namespace scorvane::cli {

class StateGuard {
 public:
  StateGuard()
      : document_(CurrentDocument()),
        systems_(Registry().SaveState()),
        language_(CurrentLanguage()),
        currency_(Currency::Current()) {}
  ~StateGuard() {
    SetCurrentDocument(document_);
    Registry().RestoreState(*systems_);
    SetLanguage(language_);
    Currency::SetCurrent(currency_);
  }
  StateGuard(const StateGuard&) = delete;
  StateGuard& operator=(const StateGuard&) = delete;

 private:
  PROJECT_DOC* document_;
  std::shared_ptr<RankingRegistry::State> systems_;
  int language_;
  int currency_;
};

}  // namespace scorvane::cli
