// The working list behind the item editor, the dialog in which the user
// renames, deletes and creates the owner's surfaces, events, clubs and
// financial categories.
//
// The editor never works on the records themselves: it copies their names
// into items, lets the user change the items freely, and only when the user
// confirms are the records renamed, deleted and created to match. A cancel
// therefore leaves the document exactly as it was. Items that stand for a
// record still referenced elsewhere are marked used and cannot be deleted,
// so no reference is ever left pointing at a deleted record.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/record.h"

namespace scorvane {

class PROJECT_DOC;
class UTILISATEUR;

// One item of the editor.
struct RUBRIQUE {
  std::string name;
  // The record is referenced elsewhere: the item cannot be deleted.
  bool used = false;
  // The record the item stands for; null for an item created in the editor.
  CObject* record = nullptr;
};

// The four lists the editor serves.
enum class ItemKind { kSurfaces, kEvents, kClubs, kCategories };

// What the editor says about one kind of item, in the interface language:
// its caption, the word for one item, and whether that word is feminine
// (the French texts agree with it).
struct ItemWords {
  std::string title;
  std::string word;
  bool feminine = false;

  // "&New category", the button that creates an item.
  std::string NewItemButton() const;
  // "Not used categorys only", the filter box (the plural is the word + "s").
  std::string UnusedOnlyFilter() const;
  // "Create a new category", the heading of the name dialog.
  std::string CreateHeading() const;
  // "used" / "not used", the second column of the list.
  std::string UseText(bool used) const;
};
ItemWords WordsFor(ItemKind kind);

// The editor's private items, owned here and valid until the list dies.
class ItemEditList {
 public:
  ItemEditList() = default;
  ItemEditList(const ItemEditList&) = delete;
  ItemEditList& operator=(const ItemEditList&) = delete;
  ItemEditList(ItemEditList&&) = default;
  ItemEditList& operator=(ItemEditList&&) = default;

  // A new item; null when the list is full (a document list holds at most
  // 32767 records, so the editor cannot promise more).
  RUBRIQUE* Add(std::string name, bool used = false, CObject* record = nullptr);
  // Gives an item of this list a new name.
  void Rename(RUBRIQUE* item, std::string name);
  // Removes an item; refused (false) for a used item or one not in the list.
  bool Remove(const RUBRIQUE* item);

  int Count() const { return static_cast<int>(items_.size()); }
  // The items to show, in the list order of names (upper case, a name that
  // begins a longer one after it); only the unused ones when asked.
  std::vector<RUBRIQUE*> Shown(bool unused_only) const;
  // The item standing for a record, or null when the record was dropped.
  const RUBRIQUE* ItemFor(const CObject* record) const;
  // The items created in the editor, in the order they were created.
  std::vector<const RUBRIQUE*> Created() const;

 private:
  std::vector<std::unique_ptr<RUBRIQUE>> items_;
};

// One item per record of the kind, in the document's order, marked used
// when the owner's use test says so.
ItemEditList ItemsOf(const UTILISATEUR& owner, ItemKind kind);

// Makes the document's records match the items, as one change of the
// document (the views refresh once): every record whose item is gone is
// removed, every other record takes its item's name, and every item created
// in the editor becomes a new record with the defaults of a new record.
// New categories go to the end of their list (in the order they were
// created); new surfaces, events and clubs are added at the front, as the
// owner adds every record. A record whose item is marked used is never
// removed, whatever the list says.
void ApplyItemEdits(PROJECT_DOC& document, ItemKind kind, const ItemEditList& items);

// A name as typed, with the blanks around it removed; empty when nothing
// else was typed (the dialogs then refuse it).
std::string CleanItemName(std::string_view typed);

}  // namespace scorvane
