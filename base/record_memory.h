// Where records and list nodes are made.
//
// A large document holds a hundred thousand small records; made one by one,
// reading it spends more time in the allocator than in the file. While an
// ArenaScope is open on a thread, the records (and list blocks) made there
// are carved in order from a few large blocks: reading costs a pointer bump
// per record, and the records of a season lie side by side for the walks.
//
// Each piece of memory remembers where it came from, so whoever deletes a
// record needs not know. An arena's blocks go back when its last piece is
// freed and its scope has closed: records may outlive the reading (kept by
// an edit, moved to another list) without care. A freed piece is not reused
// before then, so an arena never holds more than was made in its scope.
//
// Pieces of an arena belong to the thread that opened its scope: the counts
// are not atomic, which suits a program whose documents live on one thread.
#pragma once

#include <cstddef>

namespace scorvane::record_memory {

class Arena;

// Memory for an object of `bytes` bytes, aligned as operator new aligns it:
// from the arena of the innermost open scope on this thread, else the heap.
void* Allocate(std::size_t bytes);
// Gives back memory from Allocate; null is ignored.
void Free(void* memory) noexcept;

// Makes what Allocate gives on this thread, until it closes, come from one
// new arena. `expected_bytes` sizes its first block; more are added as needed.
class ArenaScope {
 public:
  explicit ArenaScope(std::size_t expected_bytes);
  ~ArenaScope();
  ArenaScope(const ArenaScope&) = delete;
  ArenaScope& operator=(const ArenaScope&) = delete;

 private:
  Arena* arena_;
  Arena* previous_;
};

}  // namespace scorvane::record_memory
