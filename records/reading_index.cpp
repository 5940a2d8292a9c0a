#include "records/reading_index.h"

#include <algorithm>

namespace scorvane {
namespace {

thread_local ReadingIndex* current_index = nullptr;

}  // namespace

ReadingIndex::ReadingIndex() : previous_(current_index) {
  current_index = this;
}

ReadingIndex::~ReadingIndex() {
  current_index = previous_;
}

ReadingIndex* ReadingIndex::Current() {
  return current_index;
}

void ReadingIndex::Reserve(int16_t match_count, int16_t played_event_count) {
  matches.reserve(static_cast<size_t>(std::max<int16_t>(match_count, 0)));
  played_events.reserve(static_cast<size_t>(std::max<int16_t>(played_event_count, 0)));
}

}  // namespace scorvane
