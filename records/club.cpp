#include "records/club.h"

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(CLUB, CObject);
SCORVANE_IMPLEMENT_RECORD(SURFACE, CObject);

std::string CLUB::CodeText() const {
  return code_ == 0 ? std::string() : std::to_string(code_);
}

void CLUB::Serialize(Archive& ar) {
  ar.Version(0);
  ar.Value(id_);
  if (ar.IsLoading() && id_ < 0) throw ArchiveError::BadFormat("Negative club identifier");
  ar.Text(name_);
  ar.Text(second_text_);
  ar.Text(phone_);
  ar.Text(address_);
  ar.Value(code_);
}

void SURFACE::Serialize(Archive& ar) {
  ar.Version(0);
  ar.Value(id_);
  if (ar.IsLoading() && id_ < 0) throw ArchiveError::BadFormat("Negative surface identifier");
  ar.Text(name_);
}

}  // namespace scorvane
