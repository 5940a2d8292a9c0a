// Guards start-up: the language rule and where it is stored, the colour texts of
// the settings, the recent-file list, the command line, and the welcome
// dialog's loop, driven through its real buttons.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "shell/app/language.h"
#include "shell/app/program.h"
#include "shell/app/qt_locale_format.h"
#include "shell/app/recent_files.h"
#include "shell/app/welcome_dialog.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/settings.h"

using namespace scorvane;
using namespace scorvane::testing;

class StartupTest : public WindowFixture {
  Q_OBJECT

 private:
  static QSettings User() { return settings::User(); }

 private slots:
  void cleanup() {
    QSettings store = User();
    LanguageSwitch::Instance().Apply(kLanguageEnglish, store);
    WindowFixture::cleanup();
  }

  void LanguageRule_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("installation");
    QTest::addColumn<int>("locale");
    QTest::addColumn<int>("expected");
    QTest::newRow("stored French") << 12 << "English" << int(QLocale::English) << 12;
    QTest::newRow("stored 7 is English") << 7 << "French" << int(QLocale::French) << 9;
    QTest::newRow("stored English") << 9 << "French" << int(QLocale::French) << 9;
    QTest::newRow("installation French") << 0 << "French" << int(QLocale::English) << 12;
    QTest::newRow("installation English") << 0 << "English" << int(QLocale::French) << 9;
    QTest::newRow("unknown installation, French locale")
        << 0 << "Dutch" << int(QLocale::French) << 12;
    QTest::newRow("nothing, French locale") << 0 << "" << int(QLocale::French) << 12;
    QTest::newRow("nothing, German locale") << 0 << "" << int(QLocale::German) << 9;
  }
  void LanguageRule() {
    QFETCH(int, stored);
    QFETCH(QString, installation);
    QFETCH(int, locale);
    QFETCH(int, expected);
    QCOMPARE(ChooseLanguage(stored, installation, QLocale::Language(locale)), expected);
  }

  void StoredSevenStartsInEnglishAndStoresNine() {
    User().setValue(settings::kLanguage, 7);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Prepare());
    QCOMPARE(CurrentLanguage(), kLanguageEnglish);
    QCOMPARE(User().value(settings::kLanguage).toInt(), 9);
  }

  void NothingStoredWithFrenchLocaleStartsInFrench() {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Prepare());
    QCOMPARE(CurrentLanguage(), kLanguageFrench);
    QCOMPARE(User().value(settings::kLanguage).toInt(), 12);
    // Menus and dialogs follow: the built-in translation is installed.
    QCOMPARE(QCoreApplication::translate("scorvane::DLG_QUEST_OUI_NON", "Yes"),
             QStringLiteral("Oui"));
  }

  void MachineWideInstallationLanguageIsRead() {
    settings::Machine().setValue(settings::kInstallationLanguage, QStringLiteral("French"));
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Prepare());
    QCOMPARE(CurrentLanguage(), kLanguageFrench);
  }

  void RankingSystemsFolderFollowsTheProgramFolder() {
    QDir().mkpath(Path("install/bin"));
    QDir().mkpath(Path("install/RankSys"));
    Program beside_parent(Path("install/bin"));
    QVERIFY(beside_parent.Prepare());
    QCOMPARE(FromFsPath(Registry().Folder()), Path("install/RankSys"));
    Program nowhere(Path("elsewhere/bin"));
    QVERIFY(nowhere.Prepare());
    QCOMPARE(FromFsPath(Registry().Folder()), Path("data/Scorvane/RankSys"));
  }

  void LocaleFormatFollowsTheUsersLocale() {
    const QtLocaleFormat french(QLocale(QLocale::French, QLocale::France));
    QCOMPARE(french.ShortDate(15, 6, 2001), std::string("15/06/2001"));
    QVERIFY(QString::fromStdString(french.Number("1234.50")).endsWith(",50"));
    QCOMPARE(french.CurrencySymbol(), std::string("€"));
    const QtLocaleFormat american(QLocale(QLocale::English, QLocale::UnitedStates));
    // Four-digit years even where the locale writes two.
    QCOMPARE(american.ShortDate(15, 6, 2001), std::string("6/15/2001"));
    QCOMPARE(american.Number("1234.50"), std::string("1,234.50"));
    QCOMPARE(american.Currency("1234.50"), std::string("$1,234.50"));
    QCOMPARE(american.Number("not a number"), std::string("not a number"));
  }

  void ColourTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("plain") << "RGB(10,20,30)" << true << QColor(10, 20, 30);
    QTest::newRow("blanks before numbers") << "RGB( 1, 2, 3)" << true << QColor(1, 2, 3);
    QTest::newRow("extremes") << "RGB(0,255,0)" << true << QColor(0, 255, 0);
    QTest::newRow("too large") << "RGB(256,0,0)" << false << QColor();
    QTest::newRow("negative") << "RGB(-1,0,0)" << false << QColor();
    QTest::newRow("missing number") << "RGB(1,2)" << false << QColor();
    QTest::newRow("not a colour") << "blue" << false << QColor();
    QTest::newRow("empty") << "" << false << QColor();
    QTest::newRow("huge number") << "RGB(99999999999,0,0)" << false << QColor();
  }
  void ColourTexts() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QColor, colour);
    const std::optional<QColor> parsed = settings::ParseRgbText(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid) {
      QCOMPARE(*parsed, colour);
      QCOMPARE(
          settings::RgbText(*parsed),
          QStringLiteral("RGB(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue()));
    }
  }

  void UnreadableColourFallsBackToDefault() {
    QSettings store = User();
    store.setValue(settings::kBackgroundColour, QStringLiteral("RGB(oops)"));
    QCOMPARE(settings::ReadColour(store, settings::kBackgroundColour, settings::kDefaultBackground),
             settings::kDefaultBackground);
  }

  void RecentListKeepsThreeMostRecentFirst() {
    QSettings store = User();
    for (const char* name : {"a.ten", "b.ten", "c.ten", "d.ten", "b.ten"})
      RecentFiles::Add(store, Path(QLatin1String(name)));
    QCOMPARE(RecentFiles::Load(store), QStringList({Path("b.ten"), Path("d.ten"), Path("c.ten")}));
    QCOMPARE(store.value("Recent File List/File1").toString(), Path("b.ten"));
    RecentFiles::Remove(store, Path("d.ten"));
    QCOMPARE(RecentFiles::Load(store), QStringList({Path("b.ten"), Path("c.ten")}));
  }

  void CommandLine() {
    StartupOptions plain = ParseCommandLine({"scorvane"});
    QVERIFY(plain.file.isEmpty());
    QVERIFY(plain.splash_allowed);
    StartupOptions file = ParseCommandLine({"scorvane", "--no-splash", "/tmp/Moi.ten"});
    QCOMPARE(file.file, QStringLiteral("/tmp/Moi.ten"));
    QVERIFY(!file.splash_allowed);
    StartupOptions measure = ParseCommandLine({"scorvane", "--measure-startup", "x.ten"});
    QVERIFY(measure.measure_startup);
    QVERIFY(!measure.splash_allowed);
  }

  void CommandLineFileSkipsTheWelcomeDialog() {
    const QString path = Path("Moi.ten");
    WriteSampleDocument(path);
    Program program(QCoreApplication::applicationDirPath());
    StartupOptions options;
    options.file = path;
    options.splash_allowed = false;
    QVERIFY(program.Start(options));
    QVERIFY(program.Window());
    QCOMPARE(program.Document().Title(), std::string("Moi"));
    QCOMPARE(PendingModalAnswers(), 0);
  }

  void UnreadableCommandLineFileEndsWithAMessage() {
    const QString path = Path("broken.ten");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x04\x00junk", 6));
    file.close();
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    Program program(QCoreApplication::applicationDirPath());
    StartupOptions options;
    options.file = path;
    options.splash_allowed = false;
    QVERIFY(!program.Start(options));
    QVERIFY(!program.Window());
    QCOMPARE(MessageBoxes::Said(), QStringList({"Error : bad file format !"}));
  }

  void WelcomeQuitEndsStartUp() {
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Prepare());
    ClickInNextModal("quitButton");
    QVERIFY(!program.WelcomeLoop());
  }

  void WelcomeEscapeIsQuit() {
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Prepare());
    EscapeNextModal();
    QVERIFY(!program.WelcomeLoop());
  }

  void WelcomeOffersTheLastFile() {
    const QString path = Path("Moi.ten");
    WriteSampleDocument(path);
    QSettings store = User();
    RecentFiles::Add(store, path);
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Prepare());
    AnswerNextModal([](QWidget* modal) {
      auto* last = modal->findChild<QPushButton*>("lastFileButton");
      QVERIFY(last && last->isVisible());
      QCOMPARE(modal->findChild<QLabel*>("lastFileLabel")->text(),
               QStringLiteral("Last file: < Moi.ten >"));
      QVERIFY(!modal->findChild<QPushButton*>("readFirstButton")->isVisible());
      QTest::mouseClick(last, Qt::LeftButton);
    });
    QVERIFY(program.WelcomeLoop());
    QCOMPARE(program.Document().Owner().Seasons().Count(), 2);
  }

  void WelcomeWithAMissingLastFileSaysSoOnceAndHidesTheButton() {
    QSettings store = User();
    RecentFiles::Add(store, Path("Gone.ten"));
    const QString good = Path("Moi.ten");
    WriteSampleDocument(good);
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Prepare());
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk, MessageBoxes::Answer::kOk});
    // First showing: the last-file button is hidden; choose a file with a
    // wrong extension (refused with a message), then the dialog comes back
    // and a good file is opened.
    FileChoosers::ScriptPaths({Path("notes.txt"), good});
    AnswerNextModal([](QWidget* modal) {
      QVERIFY(!modal->findChild<QPushButton*>("lastFileButton")->isVisible());
      QVERIFY(modal->findChild<QPushButton*>("readFirstButton")->isVisible());
      QTest::mouseClick(modal->findChild<QPushButton*>("openFileButton"), Qt::LeftButton);
    });
    ClickInNextModal("openFileButton");
    QVERIFY(program.WelcomeLoop());
    QCOMPARE(MessageBoxes::Said(),
             QStringList({"Could not find the last file, Gone.ten", "bad file format !"}));
    QCOMPARE(program.Document().Title(), std::string("Moi"));
    // The opened file now heads the recent list.
    QCOMPARE(RecentFiles::Load(store).front(), good);
  }

  void WelcomeLastFileThatIsNotADocumentLeavesTheList() {
    const QString path = Path("junk.ten");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x04\x00junk", 6));
    file.close();
    QSettings store = User();
    RecentFiles::Add(store, path);
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Prepare());
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    ClickInNextModal("lastFileButton");
    AnswerNextModal([](QWidget* modal) {
      // Back again, without a last file to offer.
      QVERIFY(!modal->findChild<QPushButton*>("lastFileButton")->isVisible());
      QTest::mouseClick(modal->findChild<QPushButton*>("quitButton"), Qt::LeftButton);
    });
    QVERIFY(!program.WelcomeLoop());
    QVERIFY(RecentFiles::Load(store).isEmpty());
    QCOMPARE(MessageBoxes::Said(), QStringList({"Error : bad file format !"}));
  }

  void WelcomeLanguageSwitchTwiceComesBack() {
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Prepare());
    QCOMPARE(CurrentLanguage(), kLanguageEnglish);
    QString french_title;
    ClickInNextModal("languageButton");
    AnswerNextModal([&french_title](QWidget* modal) {
      french_title = modal->windowTitle();
      QTest::mouseClick(modal->findChild<QAbstractButton*>("languageButton"), Qt::LeftButton);
    });
    AnswerNextModal([](QWidget* modal) {
      QCOMPARE(modal->windowTitle(), QStringLiteral("Welcome to Scorvane"));
      QTest::mouseClick(modal->findChild<QPushButton*>("quitButton"), Qt::LeftButton);
    });
    QVERIFY(!program.WelcomeLoop());
    QCOMPARE(french_title, QStringLiteral("Bienvenue dans Scorvane"));
    QCOMPARE(CurrentLanguage(), kLanguageEnglish);
    QCOMPARE(User().value(settings::kLanguage).toInt(), 9);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
