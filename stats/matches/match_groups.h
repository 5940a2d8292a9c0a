// The matches behind one clickable value of a chart. A statistics chart is
// built together with its groups, so that a click on a bar or a slice opens
// exactly the matches that were counted in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scorvane {

class RENCONTRE;

struct GROUPE_RENCONTRES {
  std::string label;    // the title of the match list it opens
  std::int64_t id = 0;  // the id of the chart value it stands behind
  // The document owns the matches; the group only lists them.
  std::vector<RENCONTRE*> matches;
};

using MatchGroups = std::vector<GROUPE_RENCONTRES>;

// The group with this id, or null (a "no match" slice has none).
const GROUPE_RENCONTRES* FindGroup(const MatchGroups& groups, std::int64_t id);

}  // namespace scorvane
