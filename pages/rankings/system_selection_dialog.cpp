#include "pages/rankings/system_selection_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <system_error>

#include "base/catalogue/messages.h"
#include "base/user_prompt.h"
#include "pages/rankings/system_editor_dialog.h"
#include "ranking/system_definition.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/help_window.h"
#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

// The label column is at least this wide; the system column takes the
// rest of the list.
constexpr int kLabelColumnWidth = 100;
// Room left for the list's scroll bar.
constexpr int kScrollBarReserve = 20;

QString Text(int message) {
  return QString::fromUtf8(Msg(message));
}

QString NativePath(const std::filesystem::path& path) {
  return QDir::toNativeSeparators(QString::fromStdString(path.string()));
}

}  // namespace

DLG_SELECTION_SYSCLASS::DLG_SELECTION_SYSCLASS(Mode mode, QWidget* parent)
    : QDialog(parent),
      mode_(mode),
      list_(new MY_LIST_CONTROL(/*multiple_selection=*/false, /*row_height_from_font=*/true, this)),
      title_(new QLabel(this)),
      description_(new QLabel(this)),
      ok_(new QPushButton(this)),
      cancel_(new QPushButton(this)),
      edit_(new QPushButton(this)),
      new_(new QPushButton(this)),
      delete_(new QPushButton(this)),
      help_(new QPushButton(this)) {
  setObjectName(QStringLiteral("systemSelection"));
  FillBackground(*this, ScreenColours::DialogBackground());
  list_->setObjectName(QStringLiteral("systemList"));
  title_->setObjectName(QStringLiteral("systemTitle"));
  description_->setObjectName(QStringLiteral("systemDescription"));
  ok_->setObjectName(QStringLiteral("okButton"));
  cancel_->setObjectName(QStringLiteral("cancelButton"));
  edit_->setObjectName(QStringLiteral("editButton"));
  new_->setObjectName(QStringLiteral("newButton"));
  delete_->setObjectName(QStringLiteral("deleteButton"));
  help_->setObjectName(QStringLiteral("helpButton"));

  list_->setMinimumSize(440, 260);
  list_->SetShowSelectionAlways(true);
  QFont title_font = title_->font();
  title_font.setBold(true);
  title_->setFont(title_font);
  for (QLabel* label : {title_, description_}) {
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  description_->setMinimumHeight(description_->fontMetrics().lineSpacing() * 4);

  // The title and description of the line selected, in a framed panel.
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::StyledPanel);
  FillBackground(*panel, ScreenColours::DialogFrame());
  auto* panel_layout = new QVBoxLayout(panel);
  panel_layout->addWidget(title_);
  panel_layout->addWidget(description_, 1);

  auto* side = new QVBoxLayout;
  for (QPushButton* button : {edit_, new_, delete_})
    side->addWidget(button);
  side->addStretch();
  side->addWidget(help_);
  auto* top = new QHBoxLayout;
  top->addWidget(list_, 1);
  top->addLayout(side);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(ok_);
  bottom->addWidget(cancel_);
  ok_->setDefault(true);
  // Management has nothing to cancel: its one button closes.
  cancel_->setVisible(mode_ == Mode::kSelection);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(panel);
  layout->addLayout(bottom);

  connect(list_, &MY_LIST_CONTROL::SelectionNotified, this,
          [this](int row) { FollowSelection(row); });
  connect(list_, &MY_LIST_CONTROL::RowActivated, this, [this](int) {
    if (mode_ == Mode::kSelection && chosen_) accept();
  });
  connect(ok_, &QPushButton::clicked, this, &DLG_SELECTION_SYSCLASS::accept);
  connect(cancel_, &QPushButton::clicked, this, &DLG_SELECTION_SYSCLASS::reject);
  connect(edit_, &QPushButton::clicked, this, &DLG_SELECTION_SYSCLASS::EditSelected);
  connect(new_, &QPushButton::clicked, this, &DLG_SELECTION_SYSCLASS::CreateSystem);
  connect(delete_, &QPushButton::clicked, this, &DLG_SELECTION_SYSCLASS::DeleteSelected);
  connect(help_, &QPushButton::clicked, this, &DLG_SELECTION_SYSCLASS::ShowHelp);

  list_->InsertColumn(0, Text(556), ColumnAlignment::kLeft,
                      list_->minimumWidth() - LabelColumnWidth() - kScrollBarReserve);
  list_->InsertColumn(1, tr("Custom"), ColumnAlignment::kLeft, LabelColumnWidth());
  Retranslate();
  Rebuild();
}

SYSTEME_CLASSEMENT* DLG_SELECTION_SYSCLASS::Choose(QWidget* parent,
                                                   const SYSTEME_CLASSEMENT* current) {
  DLG_SELECTION_SYSCLASS dialog(Mode::kSelection, parent);
  if (current) dialog.SelectLine(dialog.LineOf(*current));
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return dialog.Chosen();
}

void DLG_SELECTION_SYSCLASS::Manage(QWidget* parent) {
  DLG_SELECTION_SYSCLASS dialog(Mode::kManagement, parent);
  dialog.exec();
}

void DLG_SELECTION_SYSCLASS::Rebuild(const std::string& title) {
  lines_ = Registry().AvailableSystems();
  std::vector<ListRow> rows;
  int select = -1;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const AvailableSystem& line = lines_[i];
    rows.push_back(
        {{QString::fromStdString(line.title), QString::fromStdString(line.Label())}, {}, {}});
    if (!line.built_in && !title.empty() && line.title == title && select < 0)
      select = static_cast<int>(i);
  }
  list_->SetRows(std::move(rows));
  SelectLine(select);
}

void DLG_SELECTION_SYSCLASS::SelectLine(int line) {
  if (line < 0 || line >= list_->RowCount()) {
    list_->ClearSelection();
  } else {
    list_->SelectItem(line);
    list_->scrollTo(list_->model()->index(line, 0));
  }
  // The list reports changes of its selection; a line selected again after
  // the list was filled anew is followed here.
  if (list_->FirstSelectedRow() != selected_ || line < 0)
    FollowSelection(list_->FirstSelectedRow());
}

int DLG_SELECTION_SYSCLASS::LineOf(const SYSTEME_CLASSEMENT& system) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const AvailableSystem& line = lines_[i];
    const bool same =
        line.built_in ? line.system == &system ||
                            (system.HasCodeName() && line.system->CodeName() == system.CodeName())
                      : !system.HasCodeName() && line.title == system.Title();
    if (same) return static_cast<int>(i);
  }
  return -1;
}

void DLG_SELECTION_SYSCLASS::FollowSelection(int row) {
  selected_ = row;
  chosen_ = nullptr;
  if (row >= 0 && row < static_cast<int>(lines_.size())) {
    const AvailableSystem& line = lines_[static_cast<size_t>(row)];
    if (line.built_in) {
      chosen_ = line.system;
    } else {
      // Read again: the file may have changed since the list was made.
      SYSTEME_CLASSEMENT& working = Registry().FreeWorkingSystem();
      std::string open_error;
      if (working.ReadFile(line.title, &open_error)) {
        chosen_ = &working;
      } else if (!open_error.empty()) {
        MessageBoxes::Warn(this,
                           tr("Cannot open the file %1:\n%2")
                               .arg(NativePath(line.file), QString::fromStdString(open_error)));
      }
    }
  }
  ShowChosen();
}

void DLG_SELECTION_SYSCLASS::ShowChosen() {
  if (chosen_) {
    title_->setText(QString::fromStdString(chosen_->Title()));
    description_->setText(QString::fromStdString(chosen_->Description()));
  } else {
    title_->setText(mode_ == Mode::kSelection ? Text(557) : QString());
    description_->clear();
  }
  const AvailableSystem* user_line = SelectedUserLine();
  ok_->setEnabled(mode_ == Mode::kManagement || chosen_ != nullptr);
  edit_->setEnabled(user_line != nullptr && chosen_ != nullptr);
  delete_->setEnabled(user_line != nullptr);
}

const AvailableSystem* DLG_SELECTION_SYSCLASS::SelectedUserLine() const {
  if (selected_ < 0 || selected_ >= static_cast<int>(lines_.size())) return nullptr;
  const AvailableSystem& line = lines_[static_cast<size_t>(selected_)];
  return line.built_in ? nullptr : &line;
}

void DLG_SELECTION_SYSCLASS::accept() {
  if (mode_ == Mode::kSelection && !chosen_) return;
  QDialog::accept();
}

void DLG_SELECTION_SYSCLASS::EditSelected() {
  const AvailableSystem* line = SelectedUserLine();
  if (!line || !chosen_) return;
  DLG_EDITION_SYSCLASS editor(*chosen_, line->file, this);
  if (editor.exec() == QDialog::Accepted) Rebuild(editor.SavedTitle());
}

void DLG_SELECTION_SYSCLASS::CreateSystem() {
  DLG_EDITION_SYSCLASS editor(NewUserSystem(), {}, this);
  if (editor.exec() == QDialog::Accepted) Rebuild(editor.SavedTitle());
}

void DLG_SELECTION_SYSCLASS::DeleteSelected() {
  const AvailableSystem* line = SelectedUserLine();
  if (!line || !AskYesNo(Msg(110))) return;
  // The file of the line is removed, whatever title the system inside it
  // carries, so that no other system's file goes with it.
  std::error_code error;
  std::filesystem::remove(line->file, error);
  std::error_code ignored;
  if (error && std::filesystem::exists(line->file, ignored)) {
    MessageBoxes::Warn(
        this, tr("The file %1 could not be deleted:\n%2")
                  .arg(NativePath(line->file), QString::fromLocal8Bit(error.message().c_str())));
  }
  Rebuild();
}

void DLG_SELECTION_SYSCLASS::ShowHelp() {
  HelpWindow::Open(HelpTopic::kRankingSystems);
}

void DLG_SELECTION_SYSCLASS::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void DLG_SELECTION_SYSCLASS::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  list_->setColumnWidth(1, LabelColumnWidth());
  list_->setColumnWidth(0, std::max(kLabelColumnWidth, list_->viewport()->width() -
                                                           LabelColumnWidth() - kScrollBarReserve));
}

int DLG_SELECTION_SYSCLASS::LabelColumnWidth() const {
  // Wide enough for both labels in the list's font.
  const QFontMetrics metrics(list_->font());
  int widest = 0;
  for (int message : {554, 555})
    widest = std::max(widest, metrics.horizontalAdvance(Text(message)));
  return std::max(kLabelColumnWidth, widest + 16);
}

void DLG_SELECTION_SYSCLASS::Retranslate() {
  setWindowTitle(Text(mode_ == Mode::kSelection ? 558 : 559));
  ok_->setText(tr("OK"));
  cancel_->setText(tr("Cancel"));
  edit_->setText(tr("E&dit"));
  new_->setText(tr("&New"));
  delete_->setText(tr("&Delete"));
  help_->setText(tr("&Help"));
  ShowChosen();
}

}  // namespace scorvane
