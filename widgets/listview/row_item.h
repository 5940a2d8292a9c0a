// The record a list row stands for, kept with the type it was given as. A
// page puts a record in each row and later asks for it back by type: the
// answer is the record when the type matches and null otherwise, so a list
// whose rows show records of several kinds (events and matches) tells them
// apart without any bookkeeping of its own. Qt-free, so that the column
// model's comparisons see the same items as the list.
#pragma once

#include <cstddef>
#include <functional>
#include <type_traits>
#include <typeinfo>

namespace scorvane {

class RowItem {
 public:
  // No record (a row that stands for nothing).
  RowItem() = default;
  // A row stands for `record` (a null record makes an empty item). A record
  // given as const comes back only as const.
  template <class T>
  RowItem(T* record)  // NOLINT(google-explicit-constructor): a record is a row item
      : record_(record), type_(record ? &typeid(T) : nullptr), read_only_(std::is_const_v<T>) {}

  // The record when it was given as a T (the same static type), else null.
  template <class T>
  T* As() const {
    if (!type_ || *type_ != typeid(T) || (read_only_ && !std::is_const_v<T>)) return nullptr;
    return static_cast<T*>(const_cast<void*>(record_));
  }
  bool IsEmpty() const { return record_ == nullptr; }

  // The same record (whatever the constness it was given with).
  friend bool operator==(const RowItem& a, const RowItem& b) { return a.record_ == b.record_; }

  struct Hash {
    std::size_t operator()(const RowItem& item) const {
      return std::hash<const void*>()(item.record_);
    }
  };

 private:
  const void* record_ = nullptr;
  const std::type_info* type_ = nullptr;
  bool read_only_ = false;
};

}  // namespace scorvane
