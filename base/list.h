// The small container templates every record list of the program lives in.
//
// A List keeps pointers (or plain values) in a fixed order: Add inserts at the
// front, Append at the end, so a list read back from a file keeps the order of
// the file. A list never owns what it points to (see OwningList for the lists
// that do). The element count is a signed 16-bit number in the file format, so
// a list holds at most 32767 elements; adding one more is refused with a
// ListFullError instead of wrapping the count.
//
// Walking a list with a ListIterator captures the next element before the
// current one is visited, so the element under the iterator may be removed
// during the walk.
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
class Iterator {
 public:
  virtual ~Iterator() = default;
  virtual void Next() = 0;
  virtual T& CurrentItem() = 0;
  virtual bool IsDone() const = 0;
};

template <class T>
class Collection {
 public:
  virtual ~Collection() = default;
  virtual int16_t Count() const = 0;
  virtual bool IsEmpty() const = 0;
  virtual void RemoveAll() = 0;
  virtual void Add(T element) = 0;
  virtual bool Remove(const T& element) = 0;
  virtual bool Contains(const T& element) const = 0;
  virtual std::unique_ptr<Iterator<T>> CreateIterator() = 0;
};

template <class T>
class ListIterator;

template <class T>
class List : public Collection<T> {
 public:
  static constexpr int16_t kMaxCount = 32767;

  List() = default;
  List(const List&) = default;
  List& operator=(const List&) = default;
  List(List&&) noexcept = default;
  List& operator=(List&&) noexcept = default;

  int16_t Count() const override { return static_cast<int16_t>(nodes_.size()); }
  bool IsEmpty() const override { return nodes_.empty(); }
  void RemoveAll() override { nodes_.clear(); }

  // Inserts at the front: a list built only with Add holds its elements in
  // the reverse order of insertion.
  void Add(T element) override {
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
  bool Remove(const T& element) override {
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

  bool Contains(const T& element) const override {
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

  std::unique_ptr<Iterator<T>> CreateIterator() override {
    return std::make_unique<ListIterator<T>>(*this);
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
  friend class ListIterator<T>;

  void CheckRoom() const {
    if (nodes_.size() >= static_cast<size_t>(kMaxCount)) throw ListFullError();
  }

  std::list<T> nodes_;
};

// Walks a List; the next node is captured before the current element is
// visited, so removing the current element during the walk is safe.
template <class T>
class ListIterator : public Iterator<T> {
 public:
  explicit ListIterator(List<T>& list)
      : list_(&list), current_(list.nodes_.begin()), next_(current_) {
    if (next_ != list_->nodes_.end()) ++next_;
  }

  void Next() override {
    current_ = next_;
    if (current_ != list_->nodes_.end()) ++next_;
  }
  T& CurrentItem() override { return *current_; }
  bool IsDone() const override { return current_ == list_->nodes_.end(); }

 private:
  List<T>* list_;
  typename std::list<T>::iterator current_;
  typename std::list<T>::iterator next_;
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
