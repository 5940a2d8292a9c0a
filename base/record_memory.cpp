// Arenas of records: a bump pointer in large blocks, and a count of the
// pieces still in use so that the blocks go back with the last one.
#include "base/record_memory.h"

#include <algorithm>
#include <memory>
#include <new>
#include <utility>
#include <vector>

// Under AddressSanitizer the pieces of an arena are poisoned until made and
// once freed, so that a record used after its deletion is caught there as
// it is on the heap.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SCORVANE_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SCORVANE_ASAN 1
#endif
#ifdef SCORVANE_ASAN
#include <sanitizer/asan_interface.h>
#define POISON(at, size) ASAN_POISON_MEMORY_REGION(at, size)
#define UNPOISON(at, size) ASAN_UNPOISON_MEMORY_REGION(at, size)
#else
#define POISON(at, size) static_cast<void>(at), static_cast<void>(size)
#define UNPOISON(at, size) static_cast<void>(at), static_cast<void>(size)
#endif

namespace scorvane::record_memory {

namespace {

constexpr std::size_t kAlignment = __STDCPP_DEFAULT_NEW_ALIGNMENT__;

// Precedes every piece: the arena it came from (null for the heap) and its
// size. Its own size keeps the alignment operator new gives.
struct alignas(kAlignment) Header {
  Arena* arena;
  std::size_t size;
};

constexpr std::size_t kSmallestBlock = std::size_t{64} << 10;
constexpr std::size_t kLargestFirstBlock = std::size_t{64} << 20;

constexpr std::size_t RoundUp(std::size_t bytes) {
  return (bytes + kAlignment - 1) / kAlignment * kAlignment;
}

struct Block {
  std::unique_ptr<std::byte[]> bytes;
  std::size_t size = 0;
};

thread_local Arena* current_arena = nullptr;
// The largest block of the last arena to go, kept for the next one: a
// program that reads one document after another pays for fresh memory (a
// page fault per page) once, not at every reading.
thread_local Block spare_block;

}  // namespace

class Arena {
 public:
  explicit Arena(std::size_t expected_bytes)
      : next_block_(std::clamp(RoundUp(expected_bytes), kSmallestBlock, kLargestFirstBlock)) {}

  ~Arena() {
    for (Block& block : blocks_) {
      UNPOISON(block.bytes.get(), block.size);
      if (block.size > spare_block.size) spare_block = std::move(block);
    }
  }

  std::byte* Allocate(std::size_t bytes) {
    if (bytes > left_) AddBlock(bytes);
    std::byte* piece = cursor_;
    cursor_ += bytes;
    left_ -= bytes;
    ++users_;
    UNPOISON(piece, bytes);
    return piece;
  }

  // True when nothing uses the arena any more: the caller deletes it.
  bool Release() { return --users_ == 0; }

 private:
  void AddBlock(std::size_t at_least) {
    if (spare_block.size >= at_least) {
      blocks_.push_back(std::exchange(spare_block, Block{}));
    } else {
      const std::size_t size = std::max(next_block_, at_least);
      // Not zeroed: the untouched end of the last block costs no memory.
      blocks_.push_back({std::make_unique_for_overwrite<std::byte[]>(size), size});
    }
    cursor_ = blocks_.back().bytes.get();
    left_ = blocks_.back().size;
    next_block_ = left_ * 2;
    POISON(cursor_, left_);
  }

  std::vector<Block> blocks_;
  std::byte* cursor_ = nullptr;
  std::size_t left_ = 0;
  std::size_t next_block_;
  // The pieces not freed, plus one while the scope is open.
  std::size_t users_ = 1;
};

void* Allocate(std::size_t bytes) {
  const std::size_t size = sizeof(Header) + RoundUp(std::max<std::size_t>(bytes, 1));
  Arena* arena = current_arena;
  std::byte* piece = arena ? arena->Allocate(size) : static_cast<std::byte*>(::operator new(size));
  ::new (static_cast<void*>(piece)) Header{arena, size};
  return piece + sizeof(Header);
}

void Free(void* memory) noexcept {
  if (!memory) return;
  std::byte* piece = static_cast<std::byte*>(memory) - sizeof(Header);
  const Header header = *std::launder(reinterpret_cast<Header*>(piece));
  if (!header.arena) {
    ::operator delete(piece);
    return;
  }
  POISON(piece, header.size);
  if (header.arena->Release()) delete header.arena;
}

ArenaScope::ArenaScope(std::size_t expected_bytes)
    : arena_(new Arena(expected_bytes)), previous_(current_arena) {
  current_arena = arena_;
}

ArenaScope::~ArenaScope() {
  current_arena = previous_;
  if (arena_->Release()) delete arena_;
}

}  // namespace scorvane::record_memory
