#include "shell/window/document_session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "base/user_prompt.h"
#include "pages/common/rules_choice.h"
#include "ranking/ranking_registry.h"
#include "records/ranking_translation.h"
#include "shell/app/recent_files.h"
#include "shell/window/new_document_wizard.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/settings.h"

namespace scorvane {
namespace {

QString Text(int message) {
  return QString::fromUtf8(Msg(message));
}

}  // namespace

std::filesystem::path ToFsPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString FromFsPath(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

DocumentSession::DocumentSession(PROJECT_DOC& document, QString program_folder)
    : document_(document), program_folder_(std::move(program_folder)) {}

bool DocumentSession::OpenPath(const QString& path) {
  const FileResult result = document_.Read(ToFsPath(path));
  if (!result.ok()) {
    // The reason of a file error names the file; a damaged file's message
    // gets its name and the reason.
    MessageBoxes::Warn(
        parent_,
        QString::fromStdString(result.MessageForFile(QFileInfo(path).fileName().toStdString())));
    return false;
  }
  QSettings store = settings::User();
  RecentFiles::Add(store, path);
  if (!result.notice.empty()) MessageBoxes::Inform(parent_, QString::fromStdString(result.notice));
  if (!document_.AdoptSameSystem() && Registry().Pending()) {
    if (!AdaptToModifiedSystem()) document_.SetKeepsOwnSystem(true);
    Registry().SetPending(nullptr);
  }
  emit DocumentReplaced();
  return true;
}

bool DocumentSession::AdaptToModifiedSystem() {
  // The shared file of the document's system changed since the document was
  // saved: adapting translates every ranking of the document into it. A No,
  // or a cancelled translation, leaves the document with its own copy.
  if (!AskYesNo(FormatText(Msg(561), {ActiveSystem().Title()}))) return false;
  return SwitchToPendingSystem(document_);
}

bool DocumentSession::OpenWithChooser() {
  const QString path =
      FileChoosers::ChooseOpen(parent_, QDir(program_folder_).filePath(QStringLiteral("*.ten")));
  if (path.isEmpty()) return false;
  if (!path.right(4).toLower().endsWith(QLatin1String(".ten"))) {
    MessageBoxes::Warn(parent_, Text(137));
    return false;
  }
  if (!SaveModified()) return false;
  return OpenPath(path);
}

QString DocumentSession::ProposedSavePath() const {
  if (!document_.Path().empty()) return FromFsPath(document_.Path());
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  return QDir(folder).filePath(QString::fromStdString(document_.ProposedFileName()));
}

bool DocumentSession::Save() {
  if (!document_.Path().empty()) return SaveTo(FromFsPath(document_.Path()));
  return SaveAs();
}

bool DocumentSession::SaveAs() {
  QString path = FileChoosers::ChooseSave(parent_, ProposedSavePath(), tr("Zezovu files (*.ten)"));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".ten");
  return SaveTo(path);
}

bool DocumentSession::SaveTo(const QString& path) {
  const EncodedDocument encoded = document_.Encode();
  if (!encoded.result.ok()) {
    MessageBoxes::Warn(parent_, tr("The document was not saved:\n%1")
                                    .arg(QString::fromStdString(encoded.result.Message())));
    return false;
  }
  if (!encoded.replaced_texts.empty() &&
      MessageBoxes::Ask(parent_, ReplacedTextsQuestion(encoded.replaced_texts),
                        MessageBoxes::Buttons::kOkCancel) != MessageBoxes::Answer::kOk) {
    return false;
  }
  const FileResult result = document_.Write(ToFsPath(path), encoded);
  if (!result.ok()) {
    // The reason names the file.
    MessageBoxes::Warn(
        parent_,
        tr("The document was not saved:\n%1").arg(QString::fromStdString(result.Message())));
    return false;
  }
  QSettings store = settings::User();
  RecentFiles::Add(store, path);
  return true;
}

QString DocumentSession::ReplacedTextsQuestion(const std::vector<std::string>& texts) {
  // A few examples on a line each, cut when long, so that the question stays
  // a small box whatever the document holds.
  constexpr size_t kExamples = 3;
  constexpr int kExampleLength = 60;
  QStringList lines;
  for (size_t i = 0; i < std::min(kExamples, texts.size()); ++i) {
    QString text = QString::fromStdString(texts[i]).simplified();
    if (text.size() > kExampleLength) {
      int cut = kExampleLength - 1;
      if (text.at(cut - 1).isHighSurrogate()) --cut;
      text = text.left(cut) + QChar(0x2026);
    }
    lines << QStringLiteral("  ") + text;
  }
  if (texts.size() > kExamples)
    lines << QStringLiteral("  ") + tr("... and %1 more").arg(texts.size() - kExamples);
  return tr("Some characters cannot be stored in a Scorvane file and will be saved as \"?\" in:\n"
            "%1\n\nSave anyway?")
      .arg(lines.join(u'\n'));
}

bool DocumentSession::SaveModified() {
  if (!document_.IsModified()) return true;
  QString name = document_.Path().empty() ? QString::fromStdString(document_.Title())
                                          : QFileInfo(FromFsPath(document_.Path())).fileName();
  if (name.isEmpty()) name = tr("Untitled");
  switch (MessageBoxes::Ask(parent_, tr("Save changes to %1?").arg(name),
                            MessageBoxes::Buttons::kYesNoCancel)) {
    case MessageBoxes::Answer::kYes:
      return Save();
    case MessageBoxes::Answer::kNo:
      return true;
    default:
      return false;
  }
}

bool DocumentSession::NewDocument(bool from_welcome) {
  if (!from_welcome) {
    if (!AskYesNo(Msg(138))) return false;
    if (!SaveModified()) return false;
  }
  document_.StartNewDocument();
  Registry().SetPending(nullptr);
  // The views let go of the records just deleted before any question shows,
  // and wait for the answers before they are refreshed.
  emit DocumentReplaced();
  document_.BeginUpdate();
  const bool answered = AskNewDocumentQuestions(parent_, document_);
  if (!answered && from_welcome) {
    document_.EndUpdate();
    document_.SetModifiedFlag(false);
    return false;
  }
  if (!answered) document_.GiveOwnerDefaults();
  document_.FinishNewDocument();
  // A new French record starts on today's rules; an opened one keeps the choice.
  if (answered && ActiveSystem().IsFrench()) ChooseLatestFrenchRules();
  document_.EndUpdate();
  emit DocumentReplaced();
  return true;
}

}  // namespace scorvane
