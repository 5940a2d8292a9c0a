// The small container templates every record list of the program lives in.
//
// A List keeps pointers (or plain values) in a fixed order: Add inserts at the
// front, Append at the end, so a list read back from a file keeps the order of
// the file. A list never owns what it points to (see OwningList for the lists
// that do). The element count is a signed 16-bit number in the file format, so
// a list holds at most 32767 elements; adding one more is refused with a
// ListFullError instead of wrapping the count.
//
// Walks that remove elements use RemoveIf (or OwningList::DeleteIf), which
// removes them in the same single pass.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <new>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

#include "base/record_memory.h"

namespace scorvane {

// Thrown when an element would be added to a list that already holds kMaxCount elements.
class ListFullError : public std::length_error {
 public:
  ListFullError() : std::length_error("A list cannot hold more than 32767 elements.") {}
};

template <class T>
class List;

namespace list_detail {

// The links of a node; a list's own Links is the end of its ring.
struct Links {
  Links* prev;
  Links* next;
};

template <class T>
struct Node : Links {
  T value;
};

// Walks the ring of a List in either direction.
template <class T, class Value>
class RingIterator {
 public:
  using iterator_category = std::bidirectional_iterator_tag;
  using value_type = std::remove_const_t<Value>;
  using difference_type = std::ptrdiff_t;
  using pointer = Value*;
  using reference = Value&;

  RingIterator() = default;
  explicit RingIterator(Links* at) : at_(at) {}
  // A walk over a list that may change converts to one that may not.
  template <class Other, class = std::enable_if_t<!std::is_same_v<Other, Value>>>
  RingIterator(const RingIterator<T, Other>& other) : at_(other.at_) {}

  reference operator*() const { return static_cast<Node<T>*>(at_)->value; }
  pointer operator->() const { return &**this; }
  RingIterator& operator++() {
    at_ = at_->next;
    return *this;
  }
  RingIterator operator++(int) {
    RingIterator before = *this;
    at_ = at_->next;
    return before;
  }
  RingIterator& operator--() {
    at_ = at_->prev;
    return *this;
  }
  RingIterator operator--(int) {
    RingIterator before = *this;
    at_ = at_->prev;
    return before;
  }
  friend bool operator==(const RingIterator& a, const RingIterator& b) { return a.at_ == b.at_; }

 private:
  template <class, class>
  friend class RingIterator;
  template <class>
  friend class scorvane::List;

  Links* at_ = nullptr;
};

}  // namespace list_detail

// The nodes of a list are carved from blocks the list owns, each twice the
// size of the one before: a list read from a large file costs a few dozen
// allocations instead of one per element, and its nodes lie close together
// for the walks. The blocks are chained through their first slot, so that a
// short list (a document holds thousands) costs a single allocation. A
// removed node is kept for the next insertion; the blocks go with the list
// (or with RemoveAll). Blocks come from record_memory, like the records: a
// list made while a document is read lies in the document's arena.
template <class T>
class List {
 public:
  static constexpr int16_t kMaxCount = 32767;

  using iterator = list_detail::RingIterator<T, T>;
  using const_iterator = list_detail::RingIterator<T, const T>;

  List() { Reset(); }
  List(const List& other) : List() {
    for (const T& value : other)
      Append(value);
  }
  List& operator=(const List& other) {
    if (this != &other) {
      RemoveAll();
      for (const T& value : other)
        Append(value);
    }
    return *this;
  }
  List(List&& other) noexcept : List() { Swap(other); }
  List& operator=(List&& other) noexcept {
    if (this != &other) {
      RemoveAll();
      Swap(other);
    }
    return *this;
  }
  ~List() { DestroyAll(); }

  int16_t Count() const { return static_cast<int16_t>(count_); }
  bool IsEmpty() const { return count_ == 0; }
  void RemoveAll() {
    DestroyAll();
    Reset();
  }

  // Inserts at the front: a list built only with Add holds its elements in
  // the reverse order of insertion.
  void Add(T element) { LinkBefore(end_.next, std::move(element)); }

  // Inserts at the end; used by every reader so that the file order is kept.
  void Append(T element) { LinkBefore(&end_, std::move(element)); }

  // Makes room for this many elements in all without further allocation
  // (a reader that knows how many follow).
  void Reserve(int count) {
    const size_t room = free_count_ + count_;
    if (count > 0 && static_cast<size_t>(count) > room) AddBlock(static_cast<size_t>(count) - room);
  }

  // Inserts so that the element ends up at the given position (0 = front);
  // a position at or past the end appends.
  void Insert(int position, T element) {
    list_detail::Links* at = end_.next;
    for (int i = 0; i < position && at != &end_; ++i)
      at = at->next;
    LinkBefore(at, std::move(element));
  }

  // Removes the first node holding the element; the element itself is untouched.
  bool Remove(const T& element) {
    for (auto it = begin(); it != end(); ++it) {
      if (*it == element) {
        Unlink(it.at_);
        return true;
      }
    }
    return false;
  }

  // Puts `replacement` in the first node holding `element`, so it keeps its
  // place; false when the element is absent.
  bool Replace(const T& element, T replacement) {
    for (T& value : *this) {
      if (value == element) {
        value = std::move(replacement);
        return true;
      }
    }
    return false;
  }

  bool Contains(const T& element) const {
    for (const T& value : *this) {
      if (value == element) return true;
    }
    return false;
  }

  // Removes every element for which `remove` is true, in one walk; returns
  // how many went.
  template <class Predicate>
  int RemoveIf(Predicate&& remove) {
    int removed = 0;
    for (list_detail::Links* at = end_.next; at != &end_;) {
      list_detail::Links* next = at->next;
      if (remove(NodeAt(at)->value)) {
        Unlink(at);
        ++removed;
      }
      at = next;
    }
    return removed;
  }

  // First element; the list must not be empty.
  T& Front() { return NodeAt(end_.next)->value; }
  const T& Front() const { return NodeAt(end_.next)->value; }

  // Element at a position (0 = first), linear in the position.
  const T& At(int index) const {
    auto it = begin();
    std::advance(it, index);
    return *it;
  }

  // Range-for support for walks that do not change the list.
  iterator begin() { return iterator(end_.next); }
  iterator end() { return iterator(&end_); }
  const_iterator begin() const { return const_iterator(end_.next); }
  const_iterator end() const { return const_iterator(const_cast<list_detail::Links*>(&end_)); }

 private:
  using Node = list_detail::Node<T>;

  static constexpr size_t kFirstBlock = 4;
  static constexpr size_t kLargestBlock = 1024;

  static Node* NodeAt(list_detail::Links* at) { return static_cast<Node*>(at); }
  static const Node* NodeAt(const list_detail::Links* at) { return static_cast<const Node*>(at); }

  void Reset() {
    end_.prev = end_.next = &end_;
    count_ = 0;
  }

  void LinkBefore(list_detail::Links* at, T&& element) {
    if (count_ >= static_cast<size_t>(kMaxCount)) throw ListFullError();
    if (!free_) AddBlock(std::min(kLargestBlock, std::max(kFirstBlock, count_)));
    list_detail::Links* spare = free_;
    free_ = spare->next;
    --free_count_;
    Node* node = new (static_cast<void*>(spare)) Node{{at->prev, at}, std::move(element)};
    at->prev->next = node;
    at->prev = node;
    ++count_;
  }

  void Unlink(list_detail::Links* at) {
    at->prev->next = at->next;
    at->next->prev = at->prev;
    NodeAt(at)->~Node();
    free_ = new (static_cast<void*>(at)) list_detail::Links{nullptr, free_};
    ++free_count_;
    --count_;
  }

  // A block of `size` unused nodes, put on the free chain, behind a first
  // slot that points to the block made before it.
  void AddBlock(size_t size) {
    auto* block = static_cast<Storage*>(record_memory::Allocate(sizeof(Storage) * (size + 1)));
    ::new (static_cast<void*>(block->bytes)) Storage*(blocks_);
    blocks_ = block;
    for (size_t i = size; i > 0; --i)
      free_ = new (static_cast<void*>(&block[i])) list_detail::Links{nullptr, free_};
    free_count_ += size;
  }

  void DestroyAll() {
    for (list_detail::Links* at = end_.next; at != &end_;) {
      list_detail::Links* next = at->next;
      NodeAt(at)->~Node();
      at = next;
    }
    while (blocks_) {
      Storage* previous = *std::launder(reinterpret_cast<Storage**>(blocks_->bytes));
      record_memory::Free(blocks_);
      blocks_ = previous;
    }
    free_ = nullptr;
    free_count_ = 0;
  }

  // Exchanges the contents; the ring ends are relinked to their new owner.
  void Swap(List& other) noexcept {
    std::swap(end_, other.end_);
    std::swap(count_, other.count_);
    std::swap(free_, other.free_);
    std::swap(free_count_, other.free_count_);
    std::swap(blocks_, other.blocks_);
    for (List* list : {this, &other}) {
      if (list->count_ == 0) {
        list->end_.prev = list->end_.next = &list->end_;
      } else {
        list->end_.next->prev = &list->end_;
        list->end_.prev->next = &list->end_;
      }
    }
  }

  struct Storage {
    alignas(Node) std::byte bytes[sizeof(Node)];
  };
  static_assert(sizeof(Storage) >= sizeof(Storage*) && alignof(Storage) >= alignof(Storage*));
  static_assert(alignof(Storage) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);

  list_detail::Links end_;
  size_t count_ = 0;
  list_detail::Links* free_ = nullptr;
  size_t free_count_ = 0;
  // The block made last (null before the first), owned with the ones before it.
  Storage* blocks_ = nullptr;
};

// A list that owns its elements: the holder of a list of records (the owner's
// players, an event's played instances, ...) deletes them with it. The
// ordering and limits are those of List; the pointers are exposed as a
// read-only List<T*> so that code walking records reads the same everywhere.
template <class T>
class OwningList {
 public:
  OwningList() = default;
  OwningList(const OwningList&) = delete;
  OwningList& operator=(const OwningList&) = delete;
  ~OwningList() { DeleteAll(); }

  int16_t Count() const { return items_.Count(); }
  bool IsEmpty() const { return items_.IsEmpty(); }
  bool Contains(const T* element) const { return items_.Contains(const_cast<T*>(element)); }

  // Takes ownership and inserts at the front; returns the raw pointer.
  T* Add(std::unique_ptr<T> element) {
    T* raw = element.get();
    items_.Add(raw);
    element.release();
    return raw;
  }
  // Takes ownership and inserts at the end; returns the raw pointer.
  T* Append(std::unique_ptr<T> element) {
    T* raw = element.get();
    items_.Append(raw);
    element.release();
    return raw;
  }

  // Takes ownership and inserts at a position (see List::Insert).
  T* Insert(int position, std::unique_ptr<T> element) {
    T* raw = element.get();
    items_.Insert(position, raw);
    element.release();
    return raw;
  }

  // Unlinks the element and hands its ownership back; null when absent.
  std::unique_ptr<T> Release(T* element) {
    if (!items_.Remove(element)) return nullptr;
    return std::unique_ptr<T>(element);
  }
  // Takes ownership of `replacement`, puts it where `element` was and hands
  // `element` back; null (and `replacement` deleted) when it is absent.
  std::unique_ptr<T> Replace(T* element, std::unique_ptr<T> replacement) {
    if (!items_.Replace(element, replacement.get())) return nullptr;
    replacement.release();
    return std::unique_ptr<T>(element);
  }
  // Unlinks and deletes the element; false when it is not in the list.
  bool Delete(T* element) { return Release(element) != nullptr; }
  // Unlinks and deletes every element for which `remove` is true, in one
  // walk (deleting many elements one by one would walk the list each time);
  // returns how many went.
  template <class Predicate>
  int DeleteIf(Predicate&& remove) {
    return items_.RemoveIf([&remove](T* element) {
      if (!remove(static_cast<const T*>(element))) return false;
      delete element;
      return true;
    });
  }

  void DeleteAll() {
    for (T* element : items_)
      delete element;
    items_.RemoveAll();
  }

  // Moves an element of the list to the front; false when it is absent.
  bool MoveToFront(T* element) {
    if (!items_.Remove(element)) return false;
    items_.Add(element);
    return true;
  }

  const List<T*>& Items() const { return items_; }

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  List<T*> items_;
};

}  // namespace scorvane
