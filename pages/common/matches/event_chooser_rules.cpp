#include "pages/common/matches/event_chooser_rules.h"

#include <algorithm>

#include "base/text_compare.h"
#include "base/text_format.h"
#include "records/event.h"

namespace scorvane {
namespace {

const std::string& NameOf(const EPREUVE_JOUEE& played) {
  static const std::string kNone;
  return played.Event() ? played.Event()->Name() : kNone;
}

int CompareDates(const DATE_SIMPLE& a, const DATE_SIMPLE& b) {
  if (a.IsEqual(b)) return 0;
  return a.IsBefore(b) ? -1 : 1;
}

}  // namespace

std::string ChooserCellText(const EPREUVE_JOUEE& played, ChooserColumn column) {
  switch (column) {
    case ChooserColumn::kEvent:
      return FormatText(" %s ", {NameOf(played)});
    case ChooserColumn::kStart:
      return played.StartDate().Format();
    case ChooserColumn::kEnd:
      return played.EndDate().Format();
  }
  return {};
}

void SortChooserEvents(std::vector<EPREUVE_JOUEE*>& events, ChooserColumn column, bool descending) {
  std::stable_sort(events.begin(), events.end(),
                   [column, descending](const EPREUVE_JOUEE* a, const EPREUVE_JOUEE* b) {
                     int order = 0;
                     switch (column) {
                       case ChooserColumn::kEvent:
                         order = CompareListTexts(NameOf(*a), NameOf(*b));
                         break;
                       case ChooserColumn::kStart:
                         order = CompareDates(a->StartDate(), b->StartDate());
                         break;
                       case ChooserColumn::kEnd:
                         order = CompareDates(a->EndDate(), b->EndDate());
                         break;
                     }
                     return descending ? order > 0 : order < 0;
                   });
}

}  // namespace scorvane
