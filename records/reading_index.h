// The matches and played events a document reading makes, in file order,
// with the identifiers they were read with.
//
// A large document holds tens of thousands of matches inside the lists of
// its played events, whose nodes lie apart in memory. Resolving references
// once the whole file is read walks these arrays instead, and learns each
// record's identifier without touching the record.
#pragma once

#include <cstdint>
#include <vector>

namespace scorvane {

class EPREUVE_JOUEE;
class RENCONTRE;

// A record with the identifier it was read with.
template <class T>
struct IdentifiedRecord {
  int16_t id;
  T* record;
};

// With what the reading knew of the match as it made it, so that resolving
// needs not read it back.
struct ReadMatch {
  int16_t id;
  bool singles;
  int32_t surface_ref;
  RENCONTRE* record;
  EPREUVE_JOUEE* played_event;
};

class ReadingIndex {
 public:
  // Records made on this thread go to this index until it is destroyed.
  ReadingIndex();
  ~ReadingIndex();
  ReadingIndex(const ReadingIndex&) = delete;
  ReadingIndex& operator=(const ReadingIndex&) = delete;

  // The innermost index open on this thread, or null outside a reading.
  static ReadingIndex* Current();

  // Room for the counts the file declares: 16-bit numbers, so trusting them
  // costs little even when a damaged file claims more than it holds.
  void Reserve(int16_t match_count, int16_t played_event_count);

  std::vector<ReadMatch> matches;
  std::vector<IdentifiedRecord<EPREUVE_JOUEE>> played_events;

 private:
  ReadingIndex* previous_;
};

}  // namespace scorvane
