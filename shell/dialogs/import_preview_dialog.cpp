#include "shell/dialogs/import_preview_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "pages/common/players/similar_player_dialog.h"
#include "records/document.h"
#include "records/import/csv_reader.h"
#include "widgets/dialogs/message_boxes.h"

namespace scorvane {
namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QString PlayerName(const ImportedPlayer& player) {
  QString name =
      Text(player.first_name.empty() ? player.surname : player.first_name + " " + player.surname);
  if (!player.licence.empty())
    name += QCoreApplication::translate("scorvane::ImportPreviewDialog", " (licence %1)")
                .arg(Text(player.licence));
  return name;
}

}  // namespace

ImportPreviewDialog::ImportPreviewDialog(const ImportPlan& plan, const QString& file_name,
                                         QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Import matches"));
  auto* heading =
      new QLabel(tr("%1: matches to import: %2").arg(file_name).arg(plan.matches.size()), this);
  heading->setObjectName(QStringLiteral("importHeading"));

  contents_ = new QTreeWidget(this);
  contents_->setObjectName(QStringLiteral("importContents"));
  contents_->setHeaderHidden(true);
  contents_->setMinimumSize(560, 320);

  QStringList matches;
  for (const PlannedMatch& match : plan.matches) {
    const ImportedMatch& values = match.values;
    QString opponents = PlayerName(values.opponent);
    if (values.doubles) opponents += QStringLiteral(" / ") + PlayerName(values.second_opponent);
    matches << tr("line %1: %2, %3 against %4, %5")
                   .arg(values.line)
                   .arg(Text(values.date.Format()), values.won ? tr("won") : tr("lost"), opponents,
                        Text(values.score));
  }
  AddSection(tr("Matches"), matches);
  QStringList players;
  for (const ImportedPlayer& player : plan.new_players)
    players << PlayerName(player);
  for (int i = 0; i < plan.anonymous_players; ++i)
    players << tr("an anonymous partner");
  AddSection(tr("New players"), players);
  QStringList events;
  for (const PlannedEvent& event : plan.events) {
    if (event.played_in_season) continue;
    QString line = tr("%1, season %2").arg(Text(event.name)).arg(event.season);
    if (!event.existing && !event.friendly) line += tr(" (new event)");
    events << line;
  }
  AddSection(tr("Events entered"), events);
  QStringList seasons;
  for (const int year : plan.new_seasons)
    seasons << QString::number(year);
  AddSection(tr("New seasons"), seasons);
  QStringList texts;
  for (const std::string& surface : plan.new_surfaces)
    texts << Text(surface);
  AddSection(tr("New surfaces"), texts);
  texts.clear();
  for (const std::string& column : plan.ignored_columns)
    texts << Text(column);
  AddSection(tr("Ignored columns"), texts);
  texts.clear();
  for (const ImportPlan::Resemblance& resemblance : plan.resemblances)
    texts << Text(ResemblanceText(plan, resemblance));
  for (const std::string& warning : plan.warnings)
    texts << Text(warning);
  if (QTreeWidgetItem* warnings = AddSection(tr("Warnings"), texts)) warnings->setExpanded(true);
  texts.clear();
  for (const std::string& refusal : plan.refused)
    texts << Text(refusal);
  if (QTreeWidgetItem* refused = AddSection(tr("Refused lines"), texts)) {
    refused->setExpanded(true);
    refused->setForeground(0, Qt::darkRed);
  }

  auto* buttons = new QDialogButtonBox(this);
  import_ = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
  import_->setObjectName(QStringLiteral("importButton"));
  import_->setEnabled(plan.refused.empty() && !plan.matches.empty());
  import_good_ =
      buttons->addButton(tr("Import the &good lines only"), QDialogButtonBox::AcceptRole);
  import_good_->setObjectName(QStringLiteral("importGoodLinesButton"));
  import_good_->setVisible(!plan.refused.empty() && !plan.matches.empty());
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(contents_);
  layout->addWidget(new QLabel(tr("The matches are added to the open document, which is not "
                                  "saved: closing without saving leaves the file as it was."),
                               this));
  layout->addWidget(buttons);
}

QTreeWidgetItem* ImportPreviewDialog::AddSection(const QString& title, const QStringList& lines) {
  if (lines.isEmpty()) return nullptr;
  auto* section =
      new QTreeWidgetItem(contents_, {QStringLiteral("%1 (%2)").arg(title).arg(lines.size())});
  for (const QString& line : lines)
    new QTreeWidgetItem(section, {line});
  // Short sections are open; a long list of matches waits for a click.
  section->setExpanded(lines.size() <= 20);
  return section;
}

void ImportPreviewDialog::ImportInto(PROJECT_DOC& document, QWidget* parent) {
  const QString path =
      FileChoosers::ChoosePicture(parent, tr("Import matches"), QDir::homePath(),
                                  tr("Lists of matches (*.csv *.txt);;All files (*)"));
  if (path.isEmpty()) return;
  QFile file(path);
  const size_t limit = CsvLimits{}.max_bytes;
  if (file.size() > static_cast<qint64>(limit)) {
    MessageBoxes::Warn(parent, tr("The file %1 is larger than %2 MB; a list of matches is far "
                                  "smaller. The document was not changed.")
                                   .arg(QDir::toNativeSeparators(path))
                                   .arg(limit >> 20));
    return;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    MessageBoxes::Warn(
        parent, tr("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return;
  }
  const QByteArray bytes = file.readAll();
  ImportPlan plan = PlanMatchImport(
      document.Owner(), std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
      ImportOptions{});
  if (!plan.Readable()) {
    MessageBoxes::Warn(
        parent, Text(plan.error) + QStringLiteral("\n") + tr("The document was not changed."));
    return;
  }
  // The question the match dialog asks about a player that looks like a
  // recorded one, for each such new player of the file.
  for (size_t i = 0; i < plan.resemblances.size();) {
    const ImportPlan::Resemblance& resemblance = plan.resemblances[i];
    const ImportedPlayer& player = plan.new_players[static_cast<size_t>(resemblance.created)];
    DLG_JOUEURS_SEMBLABLES question(*resemblance.recorded, parent);
    question.setWindowTitle(tr("Line %1: %2 %3")
                                .arg(resemblance.line)
                                .arg(Text(player.first_name), Text(player.surname)));
    if (question.exec() == DLG_JOUEURS_SEMBLABLES::kSame) {
      TakeRecordedPlayer(plan, i);
    } else {
      ++i;
    }
  }
  ImportPreviewDialog preview(plan, QFileInfo(path).fileName(), parent);
  if (preview.exec() != QDialog::Accepted) return;
  document.BeginUpdate();
  ApplyMatchImport(document.Owner(), plan);
  document.EndUpdate();
}

}  // namespace scorvane
