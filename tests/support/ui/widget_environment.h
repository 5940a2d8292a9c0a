// A clean world for each Qt Test case: settings (per-user and machine-wide)
// and the ranking-systems and documents folders in a temporary place, the
// French system active, English texts, today fixed at 15 June 2001, no
// message box or file chooser shown (they take scripted answers, Cancel when
// none is left), no modal answer left over.
#pragma once

#include <QString>
#include <memory>

#include "tests/support/test_environment.h"
#include "widgets/current_document.h"

namespace scorvane::testing {

class WidgetEnvironment {
 public:
  WidgetEnvironment();
  ~WidgetEnvironment();
  WidgetEnvironment(const WidgetEnvironment&) = delete;
  WidgetEnvironment& operator=(const WidgetEnvironment&) = delete;

  // A path inside the temporary folder.
  QString Path(const QString& name) const;
  const TempDir& Temp() const { return *temp_; }

 private:
  std::unique_ptr<TempDir> temp_;
};

// The text of the last message box shown, or an empty text.
QString LastSaid();

// Writes a small valid document (owner "Moi", seasons 2000 and 2001) to
// `path`, leaving the current document as it was.
void WriteSampleDocument(const QString& path);

}  // namespace scorvane::testing
