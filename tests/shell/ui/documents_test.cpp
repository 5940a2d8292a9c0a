// The document in the window: opening (with every kind of bad file), saving
// (first save, failures, characters a file cannot hold), the save question
// and a new document, each checked for what the user is told and for what
// is left of the document afterwards.
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "base/catalogue/messages.h"
#include "base/safe_file.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "shell/app/recent_files.h"
#include "shell/window/document_session.h"
#include "tests/support/document_builder.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_environment.h"
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

class FailingStep : public SaveFaultInjector {
 public:
  explicit FailingStep(SaveStep step) : step_(step) {}
  bool ShouldFail(SaveStep step) override { return step == step_; }

 private:
  SaveStep step_;
};

}  // namespace

class DocumentsTest : public QObject {
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
    doc_->MakeDefaultDocument();
    doc_->Owner().History().Add(CLASSEMENT(1), DATE_SIMPLE(1, 1, 2000), "B");
    QVERIFY2(doc_->Save(ToFsPath(path)).ok(), "saving the ladder document");
    SYSTEME_CLASSEMENT changed = own;
    changed.AddGrade("A+");
    QVERIFY(changed.WriteFile());
  }

  std::unique_ptr<WidgetEnvironment> env_;
  std::unique_ptr<PROJECT_DOC> doc_;
  std::unique_ptr<DocumentSession> session_;
  int replaced_ = 0;

  // The open document: "Moi" with the seasons 2000 and 2001, one change not saved.
  void OpenModifiedDocument() {
    doc_->MakeDefaultDocument();
    DocumentBuilder(doc_->Owner()).Season(2000, "30/1");
    doc_->MarkModified();
  }

 private slots:
  void init() {
    env_ = std::make_unique<WidgetEnvironment>();
    doc_ = std::make_unique<PROJECT_DOC>();
    SetCurrentDocument(doc_.get());
    session_ = std::make_unique<DocumentSession>(*doc_, env_->Path("program"));
    replaced_ = 0;
    connect(session_.get(), &DocumentSession::DocumentReplaced, this, [this] { ++replaced_; });
  }
  void cleanup() {
    SetSaveFaultInjector(nullptr);
    session_.reset();
    SetCurrentDocument(nullptr);
    doc_.reset();
    env_.reset();
  }

  void FailedOpenKeepsTheDocumentThatWasOpen_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("message");
    QTest::newRow("bad format") << QByteArray("\x04\x00junk", 6) << 134;
    QTest::newRow("future version") << QByteArray("\x05\x00", 2) << 133;
    QTest::newRow("empty file") << QByteArray() << 134;
    QTest::newRow("truncated document") << QByteArray("\x04\x00\x09\x00SYS", 7) << 134;
  }
  void FailedOpenKeepsTheDocumentThatWasOpen() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, message);
    OpenModifiedDocument();
    const QString path = env_->Path("broken.ten");
    WriteFile(path, bytes);
    QVERIFY(!session_->OpenPath(path));
    QCOMPARE(MessageBoxes::Said(), QStringList({QString::fromUtf8(Msg(message))}));
    QCOMPARE(doc_->Owner().Seasons().Count(), 2);
    QCOMPARE(doc_->Title(), std::string("Moi"));
    QVERIFY(doc_->IsModified());
    QCOMPARE(replaced_, 0);
    QSettings store = settings::User();
    QVERIFY(RecentFiles::Load(store).isEmpty());
  }

  void MissingFileSaysWhichAndWhy() {
    OpenModifiedDocument();
    QVERIFY(!session_->OpenPath(env_->Path("nowhere.ten")));
    QCOMPARE(MessageBoxes::Said().size(), 1);
    QVERIFY(MessageBoxes::Said().front().contains("nowhere.ten"));
    QCOMPARE(doc_->Owner().Seasons().Count(), 2);
  }

  void OpenChecksTheExtension_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("lower case") << "Moi.ten" << true;
    QTest::newRow("upper case") << "MOI.TEN" << true;
    QTest::newRow("other extension") << "Moi.txt" << false;
    QTest::newRow("no extension") << "Moi" << false;
    QTest::newRow("extension inside the name") << "Moi.ten.bak" << false;
  }
  void OpenChecksTheExtension() {
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    const QString path = env_->Path(name);
    WriteSampleDocument(path);
    FileChoosers::ScriptPaths({path});
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    QCOMPARE(session_->OpenWithChooser(), accepted);
    QCOMPARE(FileChoosers::Offered(), QStringList({env_->Path("program/*.ten")}));
    if (accepted) {
      QVERIFY(MessageBoxes::Said().isEmpty());
      QCOMPARE(replaced_, 1);
    } else {
      QCOMPARE(MessageBoxes::Said(), QStringList({QString::fromUtf8(Msg(137))}));
      QCOMPARE(replaced_, 0);
    }
  }

  void OpenAsksToSaveChangesFirstAndCancelStops() {
    OpenModifiedDocument();
    const QString path = env_->Path("Other.ten");
    WriteSampleDocument(path);
    FileChoosers::ScriptPaths({path});
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kCancel});
    QVERIFY(!session_->OpenWithChooser());
    QCOMPARE(MessageBoxes::Said(), QStringList({QStringLiteral("Save changes to Moi?")}));
    QCOMPARE(doc_->Owner().Seasons().Count(), 2);
    QVERIFY(doc_->IsModified());
  }

  void FirstSaveProposesTheTitleInTheDocumentsFolder() {
    OpenModifiedDocument();
    doc_->SetTitle("Jean Paul#2");
    FileChoosers::ScriptPaths({QString()});
    QVERIFY(!session_->Save());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(FileChoosers::Offered(), QStringList({documents + QStringLiteral("/Jean.ten")}));
    QVERIFY(doc_->IsModified());
    QVERIFY(doc_->Path().empty());
  }

  void SaveAsWritesAndRemembers() {
    OpenModifiedDocument();
    const QString path = env_->Path("Saved");
    FileChoosers::ScriptPaths({path});
    QVERIFY(session_->SaveAs());
    QVERIFY(!doc_->IsModified());
    QCOMPARE(FromFsPath(doc_->Path()), path + ".ten");
    QCOMPARE(doc_->Title(), std::string("Saved"));
    QSettings store = settings::User();
    QCOMPARE(RecentFiles::Load(store), QStringList({path + ".ten"}));
    // A second save goes to the same file without asking.
    doc_->MarkModified();
    QVERIFY(session_->Save());
    QCOMPARE(FileChoosers::Offered().size(), 1);
    PROJECT_DOC reread;
    QVERIFY(reread.Read(ToFsPath(path + ".ten")).ok());
    QCOMPARE(reread.Owner().Seasons().Count(), 2);
    SetCurrentDocument(doc_.get());
  }

  void FailedSaveSaysSoAndLeavesTheDocumentModified_data() {
    QTest::addColumn<int>("step");
    QTest::newRow("create") << int(SaveStep::kCreateTemporary);
    QTest::newRow("write") << int(SaveStep::kWrite);
    QTest::newRow("flush") << int(SaveStep::kFlush);
    QTest::newRow("rename") << int(SaveStep::kRename);
  }
  void FailedSaveSaysSoAndLeavesTheDocumentModified() {
    QFETCH(int, step);
    const QString path = env_->Path("Moi.ten");
    WriteSampleDocument(path);
    const QByteArray before = [&path] {
      QFile file(path);
      file.open(QIODevice::ReadOnly);
      return file.readAll();
    }();
    OpenModifiedDocument();
    FailingStep failing(static_cast<SaveStep>(step));
    SetSaveFaultInjector(&failing);
    QVERIFY(!session_->SaveTo(path));
    SetSaveFaultInjector(nullptr);
    QCOMPARE(MessageBoxes::Said().size(), 1);
    QVERIFY(MessageBoxes::Said().front().startsWith("The document was not saved:\nCannot "));
    QVERIFY(doc_->IsModified());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
  }

  void SaveIntoAMissingFolderFails() {
    OpenModifiedDocument();
    QVERIFY(!session_->SaveTo(env_->Path("no/such/folder/Moi.ten")));
    QCOMPARE(MessageBoxes::Said().size(), 1);
    QVERIFY(doc_->IsModified());
  }

  void CharactersAFileCannotHoldAreListedBeforeWriting() {
    OpenModifiedDocument();
    doc_->Owner().SetFirstName("Zoë 😀");
    const QString path = env_->Path("Moi.ten");
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kCancel, MessageBoxes::Answer::kOk});
    QVERIFY(!session_->SaveTo(path));
    QVERIFY(!QFile::exists(path));
    QVERIFY(doc_->IsModified());
    QVERIFY(session_->SaveTo(path));
    QCOMPARE(MessageBoxes::Said().size(), 2);
    QVERIFY(MessageBoxes::Said().front().contains(QStringLiteral("Zoë 😀")));
    QVERIFY(!doc_->IsModified());
  }

  void SaveQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goes_on");
    QTest::addColumn<bool>("saved");
    QTest::newRow("yes") << int(MessageBoxes::Answer::kYes) << true << true;
    QTest::newRow("no") << int(MessageBoxes::Answer::kNo) << true << false;
    QTest::newRow("cancel") << int(MessageBoxes::Answer::kCancel) << false << false;
  }
  void SaveQuestion() {
    QFETCH(int, answer);
    QFETCH(bool, goes_on);
    QFETCH(bool, saved);
    OpenModifiedDocument();
    const QString path = env_->Path("Moi.ten");
    QVERIFY(doc_->Save(ToFsPath(path)).ok());
    doc_->MarkModified();
    MessageBoxes::ScriptAnswers({static_cast<MessageBoxes::Answer>(answer)});
    QCOMPARE(session_->SaveModified(), goes_on);
    QCOMPARE(MessageBoxes::Said(), QStringList({QStringLiteral("Save changes to Moi.ten?")}));
    QCOMPARE(!doc_->IsModified(), saved);
  }

  void UnmodifiedDocumentIsNotQuestioned() {
    QVERIFY(session_->SaveModified());
    QVERIFY(MessageBoxes::Said().isEmpty());
  }

  void NewDocumentAsksFirst() {
    OpenModifiedDocument();
    ScriptedPrompt prompt;
    SetUserPrompt(&prompt);
    prompt.Script({ScriptedPrompt::Answer::kNo});
    QVERIFY(!session_->NewDocument(false));
    QCOMPARE(prompt.asked, std::vector<std::string>({Msg(138)}));
    QCOMPARE(doc_->Owner().Seasons().Count(), 2);

    prompt.Script({ScriptedPrompt::Answer::kYes});
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kNo});
    EscapeNextModal();
    QVERIFY(session_->NewDocument(false));
    SetUserPrompt(nullptr);
    QCOMPARE(doc_->Owner().Seasons().Count(), 1);
    QCOMPARE(doc_->Owner().History().Count(), 1);
    QCOMPARE(doc_->Title(), std::string("Moi"));
    // Once before the questions, once the new document made.
    QCOMPARE(replaced_, 2);
  }

  void ModifiedSystemDeclinedKeepsTheDocumentsOwnSystem() {
    const QString path = env_->Path("Ladder.ten");
    SaveLadderDocumentThenChangeItsSystem(path);
    if (QTest::currentTestFailed()) return;
    ScriptedPrompt prompt;
    prompt.Script({ScriptedPrompt::Answer::kNo});
    QVERIFY(session_->OpenPath(path));
    QCOMPARE(prompt.asked.size(), size_t{1});
    QVERIFY(prompt.asked[0].find("<Club ladder>") != std::string::npos);
    QVERIFY(doc_->KeepsOwnSystem());
    QVERIFY(!Registry().Pending());
    QCOMPARE(ActiveSystem().Highest(), 2);
    QVERIFY(!doc_->IsModified());
    QCOMPARE(replaced_, 1);
  }

  void ModifiedSystemAcceptedTranslatesTheRankings() {
    const QString path = env_->Path("Ladder.ten");
    SaveLadderDocumentThenChangeItsSystem(path);
    if (QTest::currentTestFailed()) return;
    ScriptedPrompt prompt;
    prompt.Script({ScriptedPrompt::Answer::kYes});
    QVERIFY(session_->OpenPath(path));
    QVERIFY(!doc_->KeepsOwnSystem());
    QCOMPARE(ActiveSystem().Highest(), 3);
    QCOMPARE(doc_->Owner().History().RankingForYear(2000).Text(), std::string("B"));
    QVERIFY(prompt.ranking_questions.empty());
    QVERIFY(doc_->IsModified());
  }
};

QTEST_MAIN(DocumentsTest)
#include "documents_test.moc"
