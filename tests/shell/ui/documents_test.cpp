// Guards opening and saving the document in the window: what the user is
// told, and what is left of the document, whatever goes wrong.
#include <sys/stat.h>

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "base/safe_file.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "shell/app/recent_files.h"
#include "shell/window/document_session.h"
#include "tests/support/document_builder.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/settings.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FailingStep : public SaveFaultInjector {
 public:
  explicit FailingStep(SaveStep step) : step_(step) {}
  bool ShouldFail(SaveStep step) override { return step == step_; }

 private:
  SaveStep step_;
};

}  // namespace

class DocumentsTest : public WindowFixture {
  Q_OBJECT

 private:
  // A user-defined system saved with the document, whose shared file then
  // gained a grade on top: the program asks whether to adapt the document.
  void SaveLadderDocumentThenChangeItsSystem(const QString& path) {
    SYSTEME_CLASSEMENT& own = Registry().FreeWorkingSystem();
    own = SYSTEME_CLASSEMENT();
    own.SetTitle("Club ladder");
    for (const char* grade : {"C", "B", "A"})
      own.AddGrade(grade);
    Registry().SetActive(&own);
    Doc().MakeDefaultDocument();
    Doc().Owner().History().Add(CLASSEMENT(1), DATE_SIMPLE(1, 1, 2000), "B");
    QVERIFY2(Doc().Save(ToFsPath(path)).ok(), "saving the ladder document");
    SYSTEME_CLASSEMENT changed = own;
    changed.AddGrade("A+");
    QVERIFY(changed.WriteFile());
  }

  int replaced_ = 0;

  // The open document: "Moi" with the seasons 2000 and 2001, one change not saved.
  void OpenModifiedDocument() {
    Doc().MakeDefaultDocument();
    DocumentBuilder(Doc().Owner()).Season(2000, "30/1");
    Doc().MarkModified();
  }

 private slots:
  void init() {
    WindowFixture::init();
    replaced_ = 0;
    connect(&Session(), &DocumentSession::DocumentReplaced, this, [this] { ++replaced_; });
  }
  void cleanup() {
    SetSaveFaultInjector(nullptr);
    WindowFixture::cleanup();
  }

  // The window names the file and the reason on a second line.
  void FailedOpenKeepsTheDocumentThatWasOpen() {
    const QString bad_format = "Error : bad file format !\nbroken.ten: Unexpected end of file";
    const std::pair<QByteArray, QString> cases[] = {
        {QByteArray("\x04\x00junk", 6), bad_format},  // bad format
        {QByteArray("\x05\x00", 2),
         "The document was saved by a future version of this program. To load it, you must get "
         "the lastest version of this program on its website\nbroken.ten: Document from a newer "
         "version"},
        {QByteArray(""), bad_format},                        // empty file
        {QByteArray("\x04\x00\x09\x00SYS", 7), bad_format},  // truncated document
        {QByteArray(), "Cannot open " + Path("broken.ten") + ": No such file or directory"}};
    for (const auto& [bytes, message] : cases) {
      OpenModifiedDocument();
      MessageBoxes::Said().clear();
      const QString path = Path("broken.ten");
      QFile::remove(path);
      if (!bytes.isNull()) WriteFile(path, bytes);
      QVERIFY(!Session().OpenPath(path));
      QCOMPARE(MessageBoxes::Said(), QStringList({message}));
      QCOMPARE(Doc().Owner().Seasons().Count(), 2);
      QCOMPARE(Doc().Title(), std::string("Moi"));
      QVERIFY(Doc().IsModified());
      QCOMPARE(replaced_, 0);
      QSettings store = settings::User();
      QVERIFY(RecentFiles::Load(store).isEmpty());
    }
  }

  // Only ".ten", in any case, at the very end of the name opens.
  void OpenChecksTheExtension() {
    for (const auto& [name, accepted] : {std::pair{"Moi.ten", true},
                                         {"MOI.TEN", true},
                                         {"Moi.txt", false},
                                         {"Moi", false},
                                         {"Moi.ten.bak", false}}) {
      const QString path = Path(name);
      WriteSampleDocument(path);
      FileChoosers::ScriptPaths({path});
      MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
      MessageBoxes::Said().clear();
      FileChoosers::Offered().clear();
      const int replaced_before = replaced_;
      QCOMPARE(Session().OpenWithChooser(), accepted);
      QCOMPARE(FileChoosers::Offered(), QStringList({Path("program/*.ten")}));
      QCOMPARE(MessageBoxes::Said(), accepted ? QStringList() : QStringList({"bad file format !"}));
      QCOMPARE(replaced_ - replaced_before, accepted ? 1 : 0);
    }
  }

  void OpenAsksToSaveChangesFirstAndCancelStops() {
    OpenModifiedDocument();
    const QString path = Path("Other.ten");
    WriteSampleDocument(path);
    FileChoosers::ScriptPaths({path});
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kCancel});
    QVERIFY(!Session().OpenWithChooser());
    QCOMPARE(MessageBoxes::Said(), QStringList({QStringLiteral("Save changes to Moi?")}));
    QCOMPARE(Doc().Owner().Seasons().Count(), 2);
    QVERIFY(Doc().IsModified());
  }

  // A long title gives a name a file system holds: 250 bytes and the extension.
  void FirstSaveProposesTheTitleInTheDocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::pair<QString, QString> cases[] = {
        {"Jean Paul#2", "Jean.ten"},
        {QString(200, QChar(0xE9)) + "_Dupont", QString(125, QChar(0xE9)) + ".ten"}};
    for (const auto& [title, offered] : cases) {
      OpenModifiedDocument();
      Doc().SetTitle(title.toStdString());
      FileChoosers::Offered().clear();
      FileChoosers::ScriptPaths({QString()});
      QVERIFY(!Session().Save());
      QCOMPARE(FileChoosers::Offered(), QStringList({documents + "/" + offered}));
      QVERIFY(Doc().IsModified());
      QVERIFY(Doc().Path().empty());
    }
  }

  void SaveAsWritesAndRemembers() {
    OpenModifiedDocument();
    const QString path = Path("Saved");
    FileChoosers::ScriptPaths({path});
    QVERIFY(Session().SaveAs());
    QVERIFY(!Doc().IsModified());
    QCOMPARE(FromFsPath(Doc().Path()), path + ".ten");
    QCOMPARE(Doc().Title(), std::string("Saved"));
    QSettings store = settings::User();
    QCOMPARE(RecentFiles::Load(store), QStringList({path + ".ten"}));
    // A second save goes to the same file without asking.
    Doc().MarkModified();
    QVERIFY(Session().Save());
    QCOMPARE(FileChoosers::Offered().size(), 1);
    PROJECT_DOC reread;
    QVERIFY(reread.Read(ToFsPath(path + ".ten")).ok());
    QCOMPARE(reread.Owner().Seasons().Count(), 2);
    SetCurrentDocument(&Doc());
  }

  void FailedSaveSaysSoAndLeavesTheDocumentModified() {
    const QString path = Path("Moi.ten");
    WriteSampleDocument(path);
    const QByteArray before = ReadFile(path);
    for (const SaveStep step : {SaveStep::kCreateTemporary, SaveStep::kRename}) {
      OpenModifiedDocument();
      MessageBoxes::Said().clear();
      FailingStep failing(step);
      SetSaveFaultInjector(&failing);
      QVERIFY(!Session().SaveTo(path));
      SetSaveFaultInjector(nullptr);
      QCOMPARE(MessageBoxes::Said().size(), 1);
      QVERIFY(MessageBoxes::Said().front().startsWith("The document was not saved:\nCannot "));
      QVERIFY(Doc().IsModified());
      QCOMPARE(ReadFile(path), before);
    }
  }

  void SaveIntoAMissingFolderFails() {
    OpenModifiedDocument();
    QVERIFY(!Session().SaveTo(Path("no/such/folder/Moi.ten")));
    QCOMPARE(MessageBoxes::Said().size(), 1);
    QVERIFY(Doc().IsModified());
  }

  // Listed (the first three, cut to 60 characters) and asked about before
  // writing; once accepted, the records hold the "?" written, so the next
  // save asks nothing.
  void CharactersAFileCannotHoldAreListedBeforeWriting() {
    OpenModifiedDocument();
    UTILISATEUR& owner = Owner();
    owner.SetLastName("Żak");
    owner.SetFirstName("Łukasz");
    owner.SetComment("Ł" + std::string(99, 'a'));
    owner.FindSeason(2000)->SetComment("Łódź");
    owner.FindSeason(2001)->SetComment("Gdańsk");
    const QString path = Path("Moi.ten");
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kCancel, MessageBoxes::Answer::kOk});
    QVERIFY(!Session().SaveTo(path));
    QVERIFY(!QFile::exists(path));
    QVERIFY(Doc().IsModified());
    QVERIFY(Session().SaveTo(path));
    QVERIFY(!Doc().IsModified());
    const QString asked =
        "Some characters cannot be stored in a Scorvane file and will be saved as \"?\" in:\n  "
        "Żak\n  Łukasz\n  Ł" +
        QString(58, u'a') + "…\n  ... and 2 more\n\nSave anyway?";
    QCOMPARE(MessageBoxes::Said(), QStringList({asked, asked}));
    QCOMPARE(owner.GetRawFirstName(), std::string("?ukasz"));
    QCOMPARE(owner.FindSeason(2000)->Comment(), std::string("?ód?"));
    Doc().MarkModified();
    QVERIFY(Session().SaveTo(path));
    QCOMPARE(MessageBoxes::Said().size(), 2);
  }

  // Neither Save nor Save As replaces a read-only file.
  void SaveAndSaveAsNeverReplaceAReadOnlyFile() {
    const QString path = Path("Protected.ten");
    WriteSampleDocument(path);
    const QByteArray before = ReadFile(path);
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    OpenModifiedDocument();
    FileChoosers::ScriptPaths({path});
    QVERIFY(!Session().SaveAs());
    Doc().SetPath(ToFsPath(path));
    QVERIFY(!Session().Save());
    const QString refusal = "The document was not saved:\nCannot write over the read-only file " +
                            path + ": Permission denied";
    QCOMPARE(MessageBoxes::Said(), QStringList({refusal, refusal}));
    QVERIFY(Doc().IsModified());
    QCOMPARE(ReadFile(path), before);
  }

  // Yes saves and goes on, No goes on unsaved, Cancel stops.
  void SaveQuestion() {
    QVERIFY(Session().SaveModified());  // an unmodified document is not questioned
    QVERIFY(MessageBoxes::Said().isEmpty());
    OpenModifiedDocument();
    const QString path = Path("Moi.ten");
    QVERIFY(Doc().Save(ToFsPath(path)).ok());
    for (const auto& [answer, goes_on, saved] : {std::tuple{MessageBoxes::Answer::kYes, true, true},
                                                 {MessageBoxes::Answer::kNo, true, false},
                                                 {MessageBoxes::Answer::kCancel, false, false}}) {
      Doc().MarkModified();
      MessageBoxes::Said().clear();
      MessageBoxes::ScriptAnswers({answer});
      QCOMPARE(Session().SaveModified(), goes_on);
      QCOMPARE(MessageBoxes::Said(), QStringList({QStringLiteral("Save changes to Moi.ten?")}));
      QCOMPARE(!Doc().IsModified(), saved);
    }
  }

  void NewDocumentAsksFirst() {
    OpenModifiedDocument();
    ScriptedPrompt prompt;
    SetUserPrompt(&prompt);
    prompt.Script({ScriptedPrompt::Answer::kNo});
    QVERIFY(!Session().NewDocument(false));
    QCOMPARE(prompt.asked, std::vector<std::string>({"Do you really want to close the current "
                                                     "document to create a new one ?"}));
    QCOMPARE(Doc().Owner().Seasons().Count(), 2);

    prompt.Script({ScriptedPrompt::Answer::kYes});
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kNo});
    EscapeNextModal();
    QVERIFY(Session().NewDocument(false));
    SetUserPrompt(nullptr);
    QCOMPARE(Doc().Owner().Seasons().Count(), 1);
    QCOMPARE(Doc().Owner().History().Count(), 1);
    QCOMPARE(Doc().Title(), std::string("Moi"));
    // Once before the questions, once the new document made.
    QCOMPARE(replaced_, 2);
  }

  // Declined, the document keeps the system it was saved with; accepted, its
  // rankings are translated to the changed system.
  void ModifiedSystemQuestion_data() {
    QTest::addColumn<bool>("accepted");
    QTest::newRow("declined") << false;
    QTest::newRow("accepted") << true;
  }
  void ModifiedSystemQuestion() {
    QFETCH(bool, accepted);
    const QString path = Path("Ladder.ten");
    SaveLadderDocumentThenChangeItsSystem(path);
    if (QTest::currentTestFailed()) return;
    ScriptedPrompt prompt;
    prompt.Script({accepted ? ScriptedPrompt::Answer::kYes : ScriptedPrompt::Answer::kNo});
    QVERIFY(Session().OpenPath(path));
    QCOMPARE(prompt.asked.size(), size_t{1});
    QVERIFY(prompt.asked[0].find("<Club ladder>") != std::string::npos);
    QCOMPARE(Doc().KeepsOwnSystem(), !accepted);
    QVERIFY(!Registry().Pending());
    QCOMPARE(ActiveSystem().Highest(), accepted ? 3 : 2);
    QCOMPARE(Doc().Owner().History().RankingForYear(2000).Text(), std::string("B"));
    QVERIFY(prompt.ranking_questions.empty());
    QCOMPARE(Doc().IsModified(), accepted);
    QCOMPARE(replaced_, 1);
  }
};

QTEST_MAIN(DocumentsTest)
#include "documents_test.moc"
