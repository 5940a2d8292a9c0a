#include "records/item_editing.h"

#include <algorithm>

#include "base/catalogue/messages.h"
#include "base/list.h"
#include "base/text_compare.h"
#include "base/text_format.h"
#include "records/document.h"

namespace scorvane {
namespace {

// The catalogue gives the gendered texts in pairs: the masculine form, then
// the feminine one (used / not used come as two pairs side by side).
const char* Gendered(int masculine, bool feminine, int feminine_offset = 1) {
  return Msg(feminine ? masculine + feminine_offset : masculine);
}

// What ItemsOf and ApplyItemEdits need to know of one kind of record.
template <class Record>
struct RecordKind {
  const List<Record*>& (UTILISATEUR::*records)() const;
  bool (UTILISATEUR::*is_used)(const Record*) const;
  void (UTILISATEUR::*remove)(Record*);
  Record* (UTILISATEUR::*add)(std::unique_ptr<Record>);
};

constexpr RecordKind<SURFACE> kSurfaceKind{&UTILISATEUR::Surfaces, &UTILISATEUR::IsSurfaceUsed,
                                           &UTILISATEUR::RemoveSurface, &UTILISATEUR::AddSurface};
constexpr RecordKind<EPREUVE> kEventKind{&UTILISATEUR::Events, &UTILISATEUR::IsEventUsed,
                                         &UTILISATEUR::RemoveEvent, &UTILISATEUR::AddEvent};
constexpr RecordKind<CLUB> kClubKind{&UTILISATEUR::Clubs, &UTILISATEUR::IsClubUsed,
                                     &UTILISATEUR::RemoveClub, &UTILISATEUR::AddClub};
constexpr RecordKind<CATEGORIE_FINANCIERE> kCategoryKind{
    &UTILISATEUR::Categories, &UTILISATEUR::IsCategoryUsed, &UTILISATEUR::RemoveCategory,
    &UTILISATEUR::AppendCategory};

template <class Record>
ItemEditList MakeItems(const UTILISATEUR& owner, const RecordKind<Record>& kind) {
  ItemEditList items;
  for (Record* record : (owner.*kind.records)())
    items.Add(record->Name(), (owner.*kind.is_used)(record), record);
  return items;
}

template <class Record>
void Apply(UTILISATEUR& owner, const RecordKind<Record>& kind, const ItemEditList& items) {
  // Walk a copy: removing a record changes the owner's list.
  const std::vector<Record*> records((owner.*kind.records)().begin(),
                                     (owner.*kind.records)().end());
  for (Record* record : records) {
    if (const RUBRIQUE* item = items.ItemFor(record)) {
      record->SetName(item->name);
    } else if (!(owner.*kind.is_used)(record)) {
      (owner.*kind.remove)(record);
    }
  }
  for (const RUBRIQUE* item : items.Created())
    (owner.*kind.add)(std::make_unique<Record>(item->name));
}

}  // namespace

std::string ItemWords::NewItemButton() const {
  return FormatText("%s %s", {Gendered(490, feminine), word});
}

std::string ItemWords::UnusedOnlyFilter() const {
  return FormatText(Gendered(492, feminine), {word});
}

std::string ItemWords::CreateHeading() const {
  return FormatText(Gendered(495, feminine), {word});
}

std::string ItemWords::UseText(bool used) const {
  return Gendered(used ? 499 : 500, feminine, 2);
}

ItemWords WordsFor(ItemKind kind) {
  switch (kind) {
    case ItemKind::kSurfaces:
      return {Msg(127), Msg(128), true};
    case ItemKind::kEvents:
      return {Msg(129), Msg(130), true};
    case ItemKind::kClubs:
      return {Msg(131), Msg(132), false};
    case ItemKind::kCategories:
      break;
  }
  return {Msg(330), Msg(331), true};
}

RUBRIQUE* ItemEditList::Add(std::string name, bool used, CObject* record) {
  if (items_.size() >= static_cast<size_t>(List<RUBRIQUE*>::kMaxCount)) return nullptr;
  auto item = std::make_unique<RUBRIQUE>();
  item->name = std::move(name);
  item->used = used;
  item->record = record;
  items_.push_back(std::move(item));
  return items_.back().get();
}

void ItemEditList::Rename(RUBRIQUE* item, std::string name) {
  if (item) item->name = std::move(name);
}

bool ItemEditList::Remove(const RUBRIQUE* item) {
  const auto found = std::find_if(items_.begin(), items_.end(),
                                  [item](const auto& owned) { return owned.get() == item; });
  if (found == items_.end() || (*found)->used) return false;
  items_.erase(found);
  return true;
}

std::vector<RUBRIQUE*> ItemEditList::Shown(bool unused_only) const {
  std::vector<RUBRIQUE*> shown;
  for (const auto& item : items_) {
    if (!unused_only || !item->used) shown.push_back(item.get());
  }
  std::stable_sort(shown.begin(), shown.end(), [](const RUBRIQUE* a, const RUBRIQUE* b) {
    return CompareListTexts(a->name, b->name) < 0;
  });
  return shown;
}

const RUBRIQUE* ItemEditList::ItemFor(const CObject* record) const {
  if (!record) return nullptr;
  for (const auto& item : items_) {
    if (item->record == record) return item.get();
  }
  return nullptr;
}

std::vector<const RUBRIQUE*> ItemEditList::Created() const {
  std::vector<const RUBRIQUE*> created;
  for (const auto& item : items_) {
    if (!item->record) created.push_back(item.get());
  }
  return created;
}

ItemEditList ItemsOf(const UTILISATEUR& owner, ItemKind kind) {
  switch (kind) {
    case ItemKind::kSurfaces:
      return MakeItems(owner, kSurfaceKind);
    case ItemKind::kEvents:
      return MakeItems(owner, kEventKind);
    case ItemKind::kClubs:
      return MakeItems(owner, kClubKind);
    case ItemKind::kCategories:
      break;
  }
  return MakeItems(owner, kCategoryKind);
}

void ApplyItemEdits(PROJECT_DOC& document, ItemKind kind, const ItemEditList& items) {
  UTILISATEUR& owner = document.Owner();
  document.BeginUpdate();
  switch (kind) {
    case ItemKind::kSurfaces:
      Apply(owner, kSurfaceKind, items);
      break;
    case ItemKind::kEvents:
      Apply(owner, kEventKind, items);
      break;
    case ItemKind::kClubs:
      Apply(owner, kClubKind, items);
      break;
    case ItemKind::kCategories:
      Apply(owner, kCategoryKind, items);
      break;
  }
  document.MarkModified();
  document.EndUpdate();
}

std::string CleanItemName(std::string_view typed) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const size_t first = typed.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const size_t last = typed.find_last_not_of(kBlanks);
  return std::string(typed.substr(first, last - first + 1));
}

}  // namespace scorvane
