// The document the desktop program shows. The window holds one document for
// its whole run (opening or creating a file reuses it), and its pages and
// dialogs reach it here; the core never does: its records are handed the
// owner or the document they work on.
#pragma once

#include "records/document.h"

namespace scorvane {

namespace detail {
inline PROJECT_DOC*& ShownDocument() {
  static PROJECT_DOC* document = nullptr;
  return document;
}
}  // namespace detail

// The document shown, or null (set by the program, and by the tests that
// place a document in a window).
inline PROJECT_DOC* CurrentDocument() {
  return detail::ShownDocument();
}
inline void SetCurrentDocument(PROJECT_DOC* document) {
  detail::ShownDocument() = document;
}
// The shown document's owner, or null.
inline UTILISATEUR* CurrentOwner() {
  PROJECT_DOC* document = detail::ShownDocument();
  return document ? &document->Owner() : nullptr;
}

}  // namespace scorvane
