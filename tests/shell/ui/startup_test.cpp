// Guards start-up: the language rule and where it is stored, the colour texts
// of the settings, the recent-file list, the command line, and the welcome
// dialog's loop, driven through its real buttons.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "base/catalogue/messages.h"
#include "base/dates.h"
#include "base/locale.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "shell/app/language.h"
#include "shell/app/program.h"
#include "shell/app/qt_locale_format.h"
#include "shell/app/recent_files.h"
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

  // A program prepared in the test's folder, its welcome dialog not shown yet.
  static std::unique_ptr<Program> Prepared() {
    auto program = std::make_unique<Program>(QCoreApplication::applicationDirPath());
    if (!program->Prepare()) qWarning("the program was not prepared");
    return program;
  }

  // A file that is not a document.
  QString Junk(const QString& name) {
    QFile file(Path(name));
    if (file.open(QIODevice::WriteOnly)) file.write(QByteArray("\x04\x00junk", 6));
    return Path(name);
  }

 private slots:
  void cleanup() {
    QSettings store = User();
    LanguageSwitch::Instance().Apply(kLanguageEnglish, store);
    WindowFixture::cleanup();
  }

  // Stored setting (7 means English), installation language, locale: the language.
  void LanguageRule() {
    const struct {
      int stored;
      const char* installation;
      QLocale::Language locale;
      int expected;
    } cases[] = {{12, "English", QLocale::English, 12}, {7, "French", QLocale::French, 9},
                 {9, "French", QLocale::French, 9},     {0, "French", QLocale::English, 12},
                 {0, "English", QLocale::French, 9},    {0, "Dutch", QLocale::French, 12},
                 {0, "", QLocale::French, 12},          {0, "", QLocale::German, 9}};
    for (const auto& c : cases)
      QCOMPARE(ChooseLanguage(c.stored, c.installation, c.locale), c.expected);
  }

  // Start-up stores the language it chose and installs its translation.
  void StartsInTheLanguageTheSettingsGive_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("installation");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("yes");
    QTest::newRow("stored 7, French locale") << 7 << QString() << 9 << "Yes";
    QTest::newRow("nothing stored, French locale") << 0 << QString() << 12 << "Oui";
    QTest::newRow("French installation") << 0 << QString("French") << 12 << "Oui";
  }
  void StartsInTheLanguageTheSettingsGive() {
    QFETCH(int, stored);
    QFETCH(QString, installation);
    QFETCH(int, expected);
    QFETCH(QString, yes);
    if (stored) User().setValue(settings::kLanguage, stored);
    if (!installation.isEmpty())
      settings::Machine().setValue(settings::kInstallationLanguage, installation);
    QLocale::setDefault(QLocale(installation.isEmpty() ? QLocale::French : QLocale::German));
    const auto program = Prepared();
    QCOMPARE(CurrentLanguage(), expected);
    QCOMPARE(User().value(settings::kLanguage).toInt(), expected);
    QCOMPARE(QCoreApplication::translate("scorvane::DLG_QUEST_OUI_NON", "Yes"), yes);
  }

  void RankingSystemsFolderFollowsTheProgramFolder() {
    QDir().mkpath(Path("install/bin"));
    QDir().mkpath(Path("install/RankSys"));
    QVERIFY(Program(Path("install/bin")).Prepare());
    QCOMPARE(FromFsPath(Registry().Folder()), Path("install/RankSys"));
    QVERIFY(Program(Path("elsewhere/bin")).Prepare());
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
    // Lists keep the user's locale; a date inside a sentence follows the
    // interface language, month names included.
    SetCurrentLocale(&american);
    const DATE_SIMPLE date(19, 7, 2000);
    const std::pair<int, const char*> cases[] = {{kLanguageFrench, "19 juil. 2000"},
                                                 {kLanguageEnglish, "19 Jul 2000"}};
    for (const auto& [language, written] : cases) {
      SetLanguage(language);
      QCOMPARE(DateInSentence(date), std::string(written));
      QCOMPARE(date.Format(), std::string("7/19/2000"));
    }
    QCOMPARE(DateInSentence(DATE_SIMPLE(31, 2, 2000)), std::string());
    SetCurrentLocale(nullptr);
  }

  // A colour text that cannot be read gives way to the default.
  void ColourTexts() {
    const std::pair<QString, QColor> cases[] = {{"RGB(10,20,30)", QColor(10, 20, 30)},
                                                {"RGB( 1, 2, 3)", QColor(1, 2, 3)},
                                                {"RGB(0,255,0)", QColor(0, 255, 0)},
                                                {"RGB(256,0,0)", QColor()},
                                                {"RGB(-1,0,0)", QColor()},
                                                {"RGB(1,2)", QColor()},
                                                {"blue", QColor()},
                                                {"", QColor()},
                                                {"RGB(99999999999,0,0)", QColor()}};
    QSettings store = User();
    for (const auto& [text, colour] : cases) {
      QCOMPARE(settings::ParseRgbText(text).value_or(QColor()), colour);
      store.setValue(settings::kBackgroundColour, text);
      QCOMPARE(settings::ReadColour(store, settings::kBackgroundColour, Qt::red),
               colour.isValid() ? colour : QColor(Qt::red));
    }
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
    const StartupOptions plain = ParseCommandLine({"scorvane"});
    QVERIFY(plain.file.isEmpty() && plain.splash_allowed && !plain.measure_startup);
    const StartupOptions file = ParseCommandLine({"scorvane", "--no-splash", "/tmp/Moi.ten"});
    QCOMPARE(file.file, QStringLiteral("/tmp/Moi.ten"));
    QVERIFY(!file.splash_allowed);
    const StartupOptions measure = ParseCommandLine({"scorvane", "--measure-startup", "x.ten"});
    QVERIFY(measure.measure_startup && !measure.splash_allowed);
  }

  // A file on the command line skips the welcome dialog; one that cannot be
  // read ends start-up with the reason, told once, and exit code 1; quitting
  // the welcome dialog ends it with 0.
  void CommandLineFileSkipsTheWelcomeDialog() {
    WriteSampleDocument(Path("Moi.ten"));
    StartupOptions options;
    options.splash_allowed = false;
    options.file = Path("Moi.ten");
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Start(options));
    QVERIFY(program.Window());
    QCOMPARE(program.Document().Title(), std::string("Moi"));

    for (const auto& [file, said] :
         {std::pair{
              Junk("broken.ten"),
              QStringLiteral("Error : bad file format !\nbroken.ten: Unexpected end of file")},
          {Path("Missing.ten"),
           "Cannot open " + Path("Missing.ten") + ": No such file or directory"}}) {
      options.file = file;
      MessageBoxes::Said().clear();
      MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
      Program refused(QCoreApplication::applicationDirPath());
      QVERIFY(!refused.Start(options));
      QVERIFY(!refused.Window());
      QCOMPARE(refused.ExitCode(), 1);
      QCOMPARE(MessageBoxes::Said(), QStringList({said}));
    }
    Program quitting(QCoreApplication::applicationDirPath());
    ClickInNextModal("quitButton");
    QVERIFY(!quitting.Start(StartupOptions{}));
    QCOMPARE(quitting.ExitCode(), 0);
  }

  void WelcomeOffersTheLastFile() {
    WriteSampleDocument(Path("Moi.ten"));
    QSettings store = User();
    RecentFiles::Add(store, Path("Moi.ten"));
    const auto program = Prepared();
    AnswerNextModal([](QWidget* modal) {
      auto* last = modal->findChild<QPushButton*>("lastFileButton");
      QVERIFY(last && last->isVisible());
      QCOMPARE(modal->findChild<QLabel*>("lastFileLabel")->text(),
               QStringLiteral("Last file: < Moi.ten >"));
      QVERIFY(!modal->findChild<QPushButton*>("readFirstButton")->isVisible());
      QTest::mouseClick(last, Qt::LeftButton);
    });
    QVERIFY(program->WelcomeLoop());
    QCOMPARE(program->Document().Owner().Seasons().Count(), 2);
  }

  void WelcomeWithAMissingLastFileSaysSoOnceAndHidesTheButton() {
    QSettings store = User();
    RecentFiles::Add(store, Path("Gone.ten"));
    const QString good = Path("Moi.ten");
    WriteSampleDocument(good);
    const auto program = Prepared();
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk, MessageBoxes::Answer::kOk});
    // First showing: the last-file button is hidden; a file with a wrong
    // extension is refused, then the dialog comes back and a good file opens.
    FileChoosers::ScriptPaths({Path("notes.txt"), good});
    AnswerNextModal([](QWidget* modal) {
      QVERIFY(!modal->findChild<QPushButton*>("lastFileButton")->isVisible());
      QVERIFY(modal->findChild<QPushButton*>("readFirstButton")->isVisible());
      QTest::mouseClick(modal->findChild<QPushButton*>("openFileButton"), Qt::LeftButton);
    });
    ClickInNextModal("openFileButton");
    QVERIFY(program->WelcomeLoop());
    QCOMPARE(MessageBoxes::Said(),
             QStringList({"Could not find the last file, Gone.ten", "bad file format !"}));
    QCOMPARE(program->Document().Title(), std::string("Moi"));
    // The opened file now heads the recent list.
    QCOMPARE(RecentFiles::Load(store).front(), good);
  }

  void WelcomeLastFileThatIsNotADocumentLeavesTheList() {
    QSettings store = User();
    RecentFiles::Add(store, Junk("junk.ten"));
    const auto program = Prepared();
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    ClickInNextModal("lastFileButton");
    AnswerNextModal([](QWidget* modal) {
      // Back again, without a last file to offer.
      QVERIFY(!modal->findChild<QPushButton*>("lastFileButton")->isVisible());
      QTest::mouseClick(modal->findChild<QPushButton*>("quitButton"), Qt::LeftButton);
    });
    QVERIFY(!program->WelcomeLoop());
    QVERIFY(RecentFiles::Load(store).isEmpty());
    QCOMPARE(MessageBoxes::Said(),
             QStringList({"Error : bad file format !\njunk.ten: Unexpected end of file"}));
  }

  void WelcomeLanguageSwitchTwiceComesBack() {
    const auto program = Prepared();
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
    QVERIFY(!program->WelcomeLoop());
    QCOMPARE(french_title, QStringLiteral("Bienvenue dans Scorvane"));
    QCOMPARE(CurrentLanguage(), kLanguageEnglish);
    QCOMPARE(User().value(settings::kLanguage).toInt(), 9);
    EscapeNextModal();  // Escape ends start-up as Quit does
    QVERIFY(!program->WelcomeLoop());
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
