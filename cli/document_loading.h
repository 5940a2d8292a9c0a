// Opening a document for a command, the way the window does but without
// asking: a pending ranking system that is the same as the document's own is
// adopted silently; a different one is declined (the document keeps its own).
#pragma once

#include <string>

#include "cli/command.h"
#include "records/document.h"

namespace scorvane::cli {

// Reads `path` into `document`, the one the command works on. On failure
// prints the document's message (and the detail on a second line when there
// is one), or the system's reason for a file that cannot be opened, on the
// error stream and returns false: the command then exits with kFailure.
bool LoadDocument(Invocation& call, const std::string& path, PROJECT_DOC& document);

}  // namespace scorvane::cli
