// Reads and writes a list page's column settings in the per-user settings,
// under the section the page names ("Colonnes joueurs", "Colonnes palmarès").
#pragma once

#include <QString>

#include "widgets/listview/list_columns.h"

class QSettings;

namespace scorvane {

// When the page is created: every "col %d" value, then the display order;
// what is absent or unreadable keeps the page's current values.
void ReadColumnSettings(QSettings& settings, const QString& section, ListColumnModel& columns);
// When the page is destroyed: the same values from the current model.
void WriteColumnSettings(QSettings& settings, const QString& section,
                         const ListColumnModel& columns);

// The same in the program's per-user settings.
void ReadColumnSettings(const QString& section, ListColumnModel& columns);
void WriteColumnSettings(const QString& section, const ListColumnModel& columns);

}  // namespace scorvane
