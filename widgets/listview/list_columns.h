// The column model of the list pages (players, matches): each column's
// title, width, visibility, alignment and place in the multi-key sort, the
// order in which the columns are displayed, and the sort itself. The list
// control shows what this model says; the page keeps the model and its
// settings. Kept free of Qt so that the rules are tested on their own.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "widgets/listview/row_item.h"

namespace scorvane {

enum class ColumnAlignment { kLeft, kCentre };

// One way of ordering two rows of a list, from the item each row carries
// (its record). Either a function of the two items and the sort year,
// or the list text order applied to a text taken from each item.
class RowComparison {
 public:
  using ItemCompare = std::function<int(const RowItem& a, const RowItem& b, int year)>;
  using ItemText = std::function<std::string(const RowItem& item)>;

  // No comparison: the column cannot be sorted on.
  RowComparison() = default;
  static RowComparison ByItems(ItemCompare compare);
  // The texts in the list text order (CompareListTexts), or its reverse.
  static RowComparison ByText(ItemText text, bool descending = false);

  bool IsSet() const { return compare_ != nullptr || text_ != nullptr; }
  bool IsText() const { return text_ != nullptr; }
  bool IsDescendingText() const { return descending_; }
  // The item's text (text comparisons only).
  std::string TextOf(const RowItem& item) const { return text_(item); }
  // Negative, zero or positive.
  int Compare(const RowItem& a, const RowItem& b, int year) const;

 private:
  ItemCompare compare_;
  ItemText text_;
  bool descending_ = false;
};

struct ListColumn {
  std::string title;
  int width = 60;
  bool shown = true;
  ColumnAlignment alignment = ColumnAlignment::kLeft;
  // 0 = first sort key, 1 = second...; negative = not a sort key.
  int priority = -1;
  bool reverse = false;
  RowComparison ascending;
  RowComparison descending;

  bool HasComparisons() const { return ascending.IsSet() && descending.IsSet(); }
  // The comparison in force: the descending one when reversed.
  const RowComparison& Current() const { return reverse ? descending : ascending; }
};

// Both directions of a column from one ascending order of the records of
// type T the rows hold; rows that hold no T come last (first when reversed),
// as empty texts do.
template <class T>
void SetRecordOrder(ListColumn& column,
                    std::function<int(const T& a, const T& b, int year)> order) {
  const auto ascending = [order](const RowItem& a, const RowItem& b, int year) {
    const T* first = a.As<const T>();
    const T* second = b.As<const T>();
    if (!first || !second) return int{first == nullptr} - int{second == nullptr};
    return order(*first, *second, year);
  };
  column.ascending = RowComparison::ByItems(ascending);
  column.descending = RowComparison::ByItems(
      [ascending](const RowItem& a, const RowItem& b, int year) { return ascending(b, a, year); });
}

// Both directions of a column from a text of each record of type T, in the
// list text order; rows that hold no T have an empty text.
template <class T>
void SetRecordTextOrder(ListColumn& column, std::function<std::string(const T& record)> text) {
  const auto of_item = [text](const RowItem& item) {
    const T* record = item.As<const T>();
    return record ? text(*record) : std::string();
  };
  column.ascending = RowComparison::ByText(of_item);
  column.descending = RowComparison::ByText(of_item, /*descending=*/true);
}

class ListColumnModel {
 public:
  // Appends a column; it is displayed last.
  void Add(ListColumn column);

  int Count() const { return static_cast<int>(columns_.size()); }
  ListColumn& Column(int index) { return columns_.at(static_cast<size_t>(index)); }
  const ListColumn& Column(int index) const { return columns_.at(static_cast<size_t>(index)); }

  // For each display position, the column shown there (a permutation of the
  // column indices).
  const std::vector<int>& DisplayOrder() const { return display_order_; }
  // Takes an order as given; entries outside the columns stand for column
  // 0, and a column named twice keeps its first place while the places left
  // over go to the columns not named, in increasing order.
  void SetDisplayOrder(std::span<const int> order);

  // The column with priority 0 (the first in index order), or -1.
  int PrimaryColumn() const;
  // Makes a column the first sort key (header click, sort commands). False,
  // and nothing changes, for a column without comparisons. Choosing the
  // primary column again reverses it; otherwise the columns ranked before
  // the chosen one move one place down and the new primary key keeps the
  // direction of the old one.
  bool MakePrimary(int column);
  // Puts the primary column in the asked direction.
  void SetDirection(bool ascending);

  // Algorithm of the multi-key comparison: for sort level 0, 1, 2... in
  // turn, the current comparison of every column at that level in column
  // order, the first non-zero result deciding; a level held by no column
  // ends the comparison.
  int CompareItems(const RowItem& a, const RowItem& b, int year) const;
  // The rows' new order (indices into `items`), sorted with CompareItems;
  // rows that compare equal keep their order. Texts are prepared once per
  // row rather than once per comparison.
  std::vector<size_t> SortedOrder(std::span<const RowItem> items, int year) const;

 private:
  // The comparisons in the order they are tried.
  std::vector<const RowComparison*> SortKeys() const;

  std::vector<ListColumn> columns_;
  std::vector<int> display_order_;
};

// The year the comparisons work in: the owner's active season's, or the
// current calendar year (within 1900..2100) when there is no season.
int ListSortYear();

}  // namespace scorvane
