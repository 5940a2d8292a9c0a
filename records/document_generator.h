// Makes whole tennis records through the owner's own operations: the demo
// document of the command-line tool, the large documents of the benchmarks
// and the random documents of the round-trip tests all come from here, so
// they hold only what a user of the program could have entered.
#pragma once

#include <cstdint>

#include "records/document.h"

namespace scorvane {

struct GeneratorOptions {
  // Seeds the choices; the same options always give the same document.
  uint32_t seed = 1;
  // Sports years, the last one active.
  int seasons = 3;
  int first_season = 1999;
  // Matches in all (singles and doubles), spread over the seasons.
  int matches = 60;
  // Players met; 0 lets the generator choose from the number of matches.
  int players = 0;
  // Financial operations per season.
  int operations_per_season = 6;
};

// Fills the document (which must be current and empty) under the active
// ranking system, which must have grades or numbers to rank players with.
// The owner is "Julien Morel"; the default surfaces and categories are added
// in the interface language. The document is left marked modified.
void GenerateDocument(PROJECT_DOC& document, const GeneratorOptions& options);

}  // namespace scorvane
