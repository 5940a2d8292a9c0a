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

// "Colonnes joueurs": the players page's columns (one value per column and
// the display order, see column_settings.h).
inline constexpr char kPlayerColumnsSection[] = "Colonnes joueurs";

// "Probas service": the service calculator's four inputs, whole percentages.
inline constexpr char kServiceFirstIn[] = "Probas service/1er service";
inline constexpr char kServiceSecondIn[] = "Probas service/2eme service";
inline constexpr char kServiceFirstWon[] = "Probas service/Gain sur 1er service";
inline constexpr char kServiceSecondWon[] = "Probas service/Gain sur 2eme service";

// "Statistiques": the statistics page's chart and filters, kept for the
// next run. The surface and the event are kept by name; dates as
// "YYYY-MM-DD"; every list as its position; the ranking bounds as values.
inline constexpr char kStatisticsChart[] = "Statistiques/Graphique";
inline constexpr char kStatisticsDatesOn[] = "Statistiques/Dates";
inline constexpr char kStatisticsFirstDate[] = "Statistiques/Première date";
inline constexpr char kStatisticsSecondDate[] = "Statistiques/Seconde date";
inline constexpr char kStatisticsEventType[] = "Statistiques/Type d'épreuve";
inline constexpr char kStatisticsHomologation[] = "Statistiques/Homologation";
inline constexpr char kStatisticsAgeCategory[] = "Statistiques/Catégorie";
inline constexpr char kStatisticsSinglesDoubles[] = "Statistiques/Simples doubles";
inline constexpr char kStatisticsCorporate[] = "Statistiques/Corpo";
inline constexpr char kStatisticsSurface[] = "Statistiques/Surface";
inline constexpr char kStatisticsEvent[] = "Statistiques/Epreuve";
inline constexpr char kStatisticsIndoor[] = "Statistiques/Couvert";
inline constexpr char kStatisticsWonLost[] = "Statistiques/Victoires défaites";
inline constexpr char kStatisticsSex[] = "Statistiques/Sexe";
inline constexpr char kStatisticsHandedness[] = "Statistiques/Gaucher droitier";
inline constexpr char kStatisticsDoublesRule[] = "Statistiques/Règle des doubles";
inline constexpr char kStatisticsAgesOn[] = "Statistiques/Ages";
inline constexpr char kStatisticsAgeMin[] = "Statistiques/Age minimum";
inline constexpr char kStatisticsAgeMax[] = "Statistiques/Age maximum";
inline constexpr char kStatisticsComparisonOn[] = "Statistiques/Comparaison";
inline constexpr char kStatisticsComparison[] = "Statistiques/Type de comparaison";
inline constexpr char kStatisticsRangeOn[] = "Statistiques/Intervalle";
inline constexpr char kStatisticsRangeLeft[] = "Statistiques/Classement gauche";
inline constexpr char kStatisticsRangeRight[] = "Statistiques/Classement droit";

// "Règles FFT"/"Année": the French rules the estimate follows, 2000 for the
// program's 2000 rules or the sports year of a scale; absent means 2000.
inline constexpr char kFrenchRules[] = "Règles FFT/Année";

// The docking state of the tool bars, and whether the status bar is shown.
inline constexpr char kToolbars[] = "Toolbars/State";
inline constexpr char kStatusBarShown[] = "Toolbars/StatusBar";
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
