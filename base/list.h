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

#include <cstdint>
#include <list>
#include <memory>
#include <stdexcept>
#include <utility>

namespace scorvane {

// Thrown when an element would be added to a list that already holds kMaxCount elements.
class ListFullError : public std::length_error {
 public:
  ListFullError() : std::length_error("A list cannot hold more than 32767 elements.") {}
};

template <class T>
class List {
 public:
  static constexpr int16_t kMaxCount = 32767;

  List() = default;
  List(const List&) = default;
  List& operator=(const List&) = default;
  List(List&&) noexcept = default;
  List& operator=(List&&) noexcept = default;

  int16_t Count() const { return static_cast<int16_t>(nodes_.size()); }
  bool IsEmpty() const { return nodes_.empty(); }
  void RemoveAll() { nodes_.clear(); }

  // Inserts at the front: a list built only with Add holds its elements in
  // the reverse order of insertion.
  void Add(T element) {
    CheckRoom();
    nodes_.push_front(std::move(element));
  }

  // Inserts at the end; used by every reader so that the file order is kept.
  void Append(T element) {
    CheckRoom();
    nodes_.push_back(std::move(element));
  }

  // Inserts so that the element ends up at the given position (0 = front);
  // a position at or past the end appends.
  void Insert(int position, T element) {
    CheckRoom();
    auto it = nodes_.begin();
    for (int i = 0; i < position && it != nodes_.end(); ++i)
      ++it;
    nodes_.insert(it, std::move(element));
  }

  // Removes the first node holding the element; the element itself is untouched.
  bool Remove(const T& element) {
    for (auto it = nodes_.begin(); it != nodes_.end(); ++it) {
      if (*it == element) {
        nodes_.erase(it);
        return true;
      }
    }
    return false;
  }

  // Puts `replacement` in the first node holding `element`, so it keeps its
  // place; false when the element is absent.
  bool Replace(const T& element, T replacement) {
    for (T& value : nodes_) {
      if (value == element) {
        value = std::move(replacement);
        return true;
      }
    }
    return false;
  }

  bool Contains(const T& element) const {
    for (const T& value : nodes_) {
      if (value == element) return true;
    }
    return false;
  }

  // Removes every element for which `remove` is true, in one walk; returns
  // how many went.
  template <class Predicate>
  int RemoveIf(Predicate&& remove) {
    return static_cast<int>(nodes_.remove_if(std::forward<Predicate>(remove)));
  }

  // First element; the list must not be empty.
  T& Front() { return nodes_.front(); }
  const T& Front() const { return nodes_.front(); }

  // Element at a position (0 = first), linear in the position.
  const T& At(int index) const {
    auto it = nodes_.begin();
    std::advance(it, index);
    return *it;
  }

  // Range-for support for walks that do not change the list.
  auto begin() { return nodes_.begin(); }
  auto end() { return nodes_.end(); }
  auto begin() const { return nodes_.begin(); }
  auto end() const { return nodes_.end(); }

 private:
  void CheckRoom() const {
    if (nodes_.size() >= static_cast<size_t>(kMaxCount)) throw ListFullError();
  }

  std::list<T> nodes_;
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
