#include "widgets/listview/list_columns.h"

#include <algorithm>
#include <numeric>

#include "base/dates.h"
#include "base/text_compare.h"
#include "records/season.h"
#include "widgets/current_document.h"

namespace scorvane {

RowComparison RowComparison::ByItems(ItemCompare compare) {
  RowComparison comparison;
  comparison.compare_ = std::move(compare);
  return comparison;
}

RowComparison RowComparison::ByText(ItemText text, bool descending) {
  RowComparison comparison;
  comparison.text_ = std::move(text);
  comparison.descending_ = descending;
  return comparison;
}

int RowComparison::Compare(const RowItem& a, const RowItem& b, int year) const {
  if (compare_) return compare_(a, b, year);
  if (!text_) return 0;
  const int order = CompareListTexts(text_(a), text_(b));
  return descending_ ? -order : order;
}

void ListColumnModel::Add(ListColumn column) {
  columns_.push_back(std::move(column));
  display_order_.push_back(Count() - 1);
}

void ListColumnModel::SetDisplayOrder(std::span<const int> order) {
  const int count = Count();
  std::vector<int> result(static_cast<size_t>(count), -1);
  std::vector<bool> placed(static_cast<size_t>(count), false);
  const size_t given = std::min(order.size(), result.size());
  for (size_t position = 0; position < given; ++position) {
    int column = order[position];
    if (column < 0 || column >= count) column = 0;
    if (placed[static_cast<size_t>(column)]) continue;
    placed[static_cast<size_t>(column)] = true;
    result[position] = column;
  }
  int next_unplaced = 0;
  for (int& column : result) {
    if (column >= 0) continue;
    while (placed[static_cast<size_t>(next_unplaced)])
      ++next_unplaced;
    column = next_unplaced;
    placed[static_cast<size_t>(next_unplaced)] = true;
  }
  display_order_ = std::move(result);
}

int ListColumnModel::PrimaryColumn() const {
  for (int i = 0; i < Count(); ++i) {
    if (Column(i).priority == 0) return i;
  }
  return -1;
}

bool ListColumnModel::MakePrimary(int column) {
  if (column < 0 || column >= Count() || !Column(column).HasComparisons()) return false;
  ListColumn& chosen = Column(column);
  if (chosen.priority == 0) {
    chosen.reverse = !chosen.reverse;
    return true;
  }
  const int old_primary = PrimaryColumn();
  const bool old_reverse = old_primary >= 0 && Column(old_primary).reverse;
  // Columns without a place in the sort count as ranked after every other.
  const int limit = chosen.priority < 0 ? 18 : chosen.priority;
  for (ListColumn& other : columns_) {
    if (other.priority >= 0 && other.priority < limit) ++other.priority;
  }
  chosen.priority = 0;
  if (old_primary >= 0 && chosen.reverse != old_reverse) chosen.reverse = !chosen.reverse;
  return true;
}

void ListColumnModel::SetDirection(bool ascending) {
  const int primary = PrimaryColumn();
  if (primary < 0) return;
  ListColumn& column = Column(primary);
  if (column.reverse == ascending) column.reverse = !column.reverse;
}

std::vector<const RowComparison*> ListColumnModel::SortKeys() const {
  std::vector<const RowComparison*> keys;
  for (int level = 0;; ++level) {
    bool level_held = false;
    for (const ListColumn& column : columns_) {
      if (column.priority != level) continue;
      level_held = true;
      if (column.Current().IsSet()) keys.push_back(&column.Current());
    }
    if (!level_held) break;
  }
  return keys;
}

int ListColumnModel::CompareItems(const RowItem& a, const RowItem& b, int year) const {
  for (const RowComparison* key : SortKeys()) {
    const int order = key->Compare(a, b, year);
    if (order != 0) return order;
  }
  return 0;
}

std::vector<size_t> ListColumnModel::SortedOrder(std::span<const RowItem> items, int year) const {
  const std::vector<const RowComparison*> keys = SortKeys();
  // Text keys of every row for every text comparison, made once.
  std::vector<std::vector<std::string>> text_keys(keys.size());
  for (size_t k = 0; k < keys.size(); ++k) {
    if (!keys[k]->IsText()) continue;
    text_keys[k].reserve(items.size());
    for (const RowItem& item : items)
      text_keys[k].push_back(ListKey(keys[k]->TextOf(item)));
  }
  std::vector<size_t> order(items.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    for (size_t k = 0; k < keys.size(); ++k) {
      int result = 0;
      if (keys[k]->IsText()) {
        result = CompareListKeys(text_keys[k][a], text_keys[k][b]);
        if (keys[k]->IsDescendingText()) result = -result;
      } else {
        result = keys[k]->Compare(items[a], items[b], year);
      }
      if (result != 0) return result < 0;
    }
    return false;
  });
  return order;
}

int ListSortYear() {
  if (const UTILISATEUR* owner = CurrentOwner()) {
    if (const SAISON_JOUEUR* season = owner->GetActiveSeason()) return season->Year();
  }
  return ANNEE::Clamp(Today().Year());
}

}  // namespace scorvane
