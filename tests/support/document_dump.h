// Every field of every record of a document as text, references written as
// positions in their lists, so that two documents can be compared record by
// record (a document and the one read back from its file).
#pragma once

#include <string>

#include "records/document.h"

namespace scorvane::testing {

std::string DescribeDocument(const PROJECT_DOC& document);

}  // namespace scorvane::testing
