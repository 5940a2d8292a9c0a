#include "records/import/name_key.h"

#include "base/text_compare.h"

namespace scorvane {

std::string NameKey(std::string_view utf8) {
  std::string key;
  bool blank = false;
  for (const char c : SearchKey(utf8)) {
    if (c == ' ' || c == '\t') {
      blank = !key.empty();
      continue;
    }
    if (blank) key += ' ';
    blank = false;
    key += c;
  }
  return key;
}

}  // namespace scorvane
