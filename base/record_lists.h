// The two list encodings of the file format.
//
// A list of owned records is a run of entries, each the marker 0x0000 and
// the record's own layout, closed by 0xFFFF; the reader appends each record
// so that the file order is kept. A list of references is the 16-bit
// identifiers in order, closed by 0xFFFF.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/archive.h"
#include "base/list.h"

namespace scorvane {

inline constexpr uint16_t kListEntryMarker = 0x0000;
inline constexpr uint16_t kListEndMarker = 0xFFFF;

// Reading one more element into a list that is full is a bad-format error:
// no document the program writes holds more than List::kMaxCount of a kind.
inline void CheckListRoom(int count) {
  if (count >= List<int>::kMaxCount) throw ArchiveError::BadFormat("Too many records in a list");
}

// Writes or reads a list of owned records. `make` creates an empty record
// to read into (default: T's default constructor).
template <class T, class Make>
void SerializeRecordList(Archive& ar, OwningList<T>& list, Make make) {
  if (ar.IsStoring()) {
    for (T* element : list) {
      ar.WriteU16(kListEntryMarker);
      element->Serialize(ar);
    }
    ar.WriteU16(kListEndMarker);
    return;
  }
  while (ar.ReadU16() != kListEndMarker) {
    CheckListRoom(list.Count());
    std::unique_ptr<T> element = make();
    element->Serialize(ar);
    list.Append(std::move(element));
  }
}

template <class T>
void SerializeRecordList(Archive& ar, OwningList<T>& list) {
  SerializeRecordList(ar, list, [] { return std::make_unique<T>(); });
}

// Writes a list of identifiers and its end marker.
inline void WriteIdList(Archive& ar, const std::vector<int16_t>& ids) {
  for (int16_t id : ids)
    ar.WriteU16(static_cast<uint16_t>(id));
  ar.WriteU16(kListEndMarker);
}

// Reads identifiers up to the end marker.
inline std::vector<int16_t> ReadIdList(Archive& ar) {
  std::vector<int16_t> ids;
  for (uint16_t raw = ar.ReadU16(); raw != kListEndMarker; raw = ar.ReadU16()) {
    CheckListRoom(static_cast<int>(ids.size()));
    ids.push_back(static_cast<int16_t>(raw));
  }
  return ids;
}

}  // namespace scorvane
