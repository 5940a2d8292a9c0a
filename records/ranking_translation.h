// Moving a document to another ranking system. Every ranking value stored in
// the document is rewritten for the new system: grades are carried over by
// name, a name the new system lacks is asked once (through the question
// interface) and the answer reused, numbers are kept within the new range.
// The switch is all-or-nothing: when a question is cancelled no value
// changes and the old system stays active.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace scorvane {

class PROJECT_DOC;
class UTILISATEUR;

// One old value and the new value chosen for it.
struct ELEMENT_TRADUCTION {
  int32_t old_value = -1;
  int32_t new_value = -1;
};

// The values of one switch, in the order they were met.
class TABLE_TRADUCTION_CLASSEMENTS {
 public:
  // The new value recorded for an old one, or -1.
  int32_t Lookup(int32_t old_value) const;
  bool Holds(int32_t old_value) const { return index_.count(old_value) != 0; }
  // Records a pair; a value already recorded keeps its first answer.
  void Add(int32_t old_value, int32_t new_value);
  void Clear();
  const std::vector<ELEMENT_TRADUCTION>& Entries() const { return entries_; }

 private:
  std::vector<ELEMENT_TRADUCTION> entries_;
  std::map<int32_t, std::size_t> index_;
};

// Makes the registry's pending system active and rewrites every ranking of
// the document's owner for it. Values walked, in this order: the owner's
// history, every player's history in list order, then for every season in
// order the best ranking of each played event of its palmares marked won,
// then the best ranking of every other played event of the document. Each
// value is rewritten once.
//
// Returns false, with the old system active and nothing changed, when there
// is no pending system or a question is cancelled. On success the document
// is marked modified. The pending system is cleared in every case.
bool SwitchToPendingSystem(PROJECT_DOC& document);

}  // namespace scorvane
