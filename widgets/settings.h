// The per-user settings the program keeps between runs, and the one
// machine-wide value it reads. Every section and key name lives here so that
// the stored names never drift apart between the places that read and write
// them; the values themselves go through QSettings ("Zezovu", "Scorvane").
#pragma once

#include <QColor>
#include <QSettings>
#include <QString>
#include <optional>

namespace scorvane::settings {

inline constexpr char kOrganisation[] = "Zezovu";
inline constexpr char kApplication[] = "Scorvane";

// "Language"/"Language": 12 French, 9 English, 0 or absent when never chosen.
inline constexpr char kLanguage[] = "Language/Language";
// The machine-wide "Installation language" ("French" or "English").
inline constexpr char kInstallationLanguage[] = "Installation language";

// "Couleurs": the two screen colours, as "RGB(r,g,b)".
inline constexpr char kBackgroundColour[] = "Couleurs/couleur de fond";
inline constexpr char kFrameColour[] = "Couleurs/couleur des cadres";

// "Finances": the display currency and the value of one euro in francs ("%f").
inline constexpr char kCurrencyInUse[] = "Finances/Devise utilisée";
inline constexpr char kEuroValue[] = "Finances/Valeur de l'euro";

// "Tip": the tip of the day.
inline constexpr char kTipStartUp[] = "Tip/StartUp";
inline constexpr char kTipFilePos[] = "Tip/FilePos";
inline constexpr char kTipTimeStamp[] = "Tip/TimeStamp";
inline constexpr char kTipLang[] = "Tip/Lang";

// "Colonnes palmarès": the matches page's columns (one value per column and
// the display order, see column_settings.h) and whether its lines are
// grouped under their events ("oui" / "non").
inline constexpr char kMatchColumnsSection[] = "Colonnes palmarès";
inline constexpr char kMatchesByEvents[] = "Colonnes palmarès/Vue par épreuves";

// "Probas service": the service calculator's four inputs, whole percentages.
inline constexpr char kServiceFirstIn[] = "Probas service/1er service";
inline constexpr char kServiceSecondIn[] = "Probas service/2eme service";
inline constexpr char kServiceFirstWon[] = "Probas service/Gain sur 1er service";
inline constexpr char kServiceSecondWon[] = "Probas service/Gain sur 2eme service";

// The docking state of the tool bars.
inline constexpr char kToolbars[] = "Toolbars/State";
// The recent-file list: "Recent File List/File1" .. "File3".
inline constexpr char kRecentFileSection[] = "Recent File List";

// The per-user settings.
QSettings User();
// The machine-wide settings (read only).
QSettings Machine();

// Default screen colours.
inline const QColor kDefaultBackground{173, 198, 255};
inline const QColor kDefaultFrame{255, 224, 175};

// "RGB(r,g,b)" for a colour.
QString RgbText(const QColor& colour);
// Reads "RGB(r,g,b)" back (blanks allowed before each number, as a C scanf
// would); nothing when the text does not scan or a value is not 0..255.
std::optional<QColor> ParseRgbText(const QString& text);
// A colour setting, or `fallback` when it is absent or unreadable.
QColor ReadColour(QSettings& store, const char* key, const QColor& fallback);
void WriteColour(QSettings& store, const char* key, const QColor& colour);

// An integer setting; `fallback` when absent or not a number.
int ReadInt(QSettings& store, const char* key, int fallback);

}  // namespace scorvane::settings
