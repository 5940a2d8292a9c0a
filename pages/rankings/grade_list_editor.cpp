#include "pages/rankings/grade_list_editor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "ranking/system_definition.h"
#include "widgets/dialogs/message_boxes.h"

namespace scorvane {
namespace {

// Hands every label typed in the list to the editor's rule instead of
// storing it as typed.
class GradeLabelDelegate : public QStyledItemDelegate {
 public:
  GradeLabelDelegate(std::function<void(int, const QString&)> commit, QObject* parent)
      : QStyledItemDelegate(parent), commit_(std::move(commit)) {}

  void setModelData(QWidget* editor, QAbstractItemModel* /*model*/,
                    const QModelIndex& index) const override {
    if (const auto* line = qobject_cast<QLineEdit*>(editor)) commit_(index.row(), line->text());
  }

 private:
  std::function<void(int, const QString&)> commit_;
};

QTreeWidgetItem* MakeLine(const QString& text) {
  auto* item = new QTreeWidgetItem(QStringList{text});
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  return item;
}

}  // namespace

GradeListEditor::GradeListEditor(QWidget* parent)
    : QWidget(parent),
      list_(new QTreeWidget(this)),
      rename_(new QPushButton(this)),
      new_(new QPushButton(this)),
      delete_(new QPushButton(this)),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  list_->setObjectName(QStringLiteral("gradeList"));
  rename_->setObjectName(QStringLiteral("renameGradeButton"));
  new_->setObjectName(QStringLiteral("newGradeButton"));
  delete_->setObjectName(QStringLiteral("deleteGradeButton"));
  up_->setObjectName(QStringLiteral("gradeUpButton"));
  down_->setObjectName(QStringLiteral("gradeDownButton"));

  list_->setColumnCount(1);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked |
                         QAbstractItemView::DoubleClicked);
  list_->header()->setStretchLastSection(true);
  list_->setItemDelegate(new GradeLabelDelegate(
      [this](int line, const QString& typed) { ApplyLabel(line, typed); }, list_));
  list_->installEventFilter(this);
  list_->setMinimumHeight(180);
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  up_->setAutoRepeat(true);
  down_->setAutoRepeat(true);

  connect(list_, &QTreeWidget::itemSelectionChanged, this, &GradeListEditor::UpdateButtons);
  connect(new_, &QPushButton::clicked, this, &GradeListEditor::AppendGrade);
  connect(rename_, &QPushButton::clicked, this, &GradeListEditor::RenameSelected);
  connect(delete_, &QPushButton::clicked, this, &GradeListEditor::DeleteSelected);
  connect(up_, &QToolButton::clicked, this, [this] { MoveSelected(-1); });
  connect(down_, &QToolButton::clicked, this, [this] { MoveSelected(1); });

  auto* arrows = new QVBoxLayout;
  arrows->addStretch();
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  arrows->addStretch();
  auto* top = new QHBoxLayout;
  top->setContentsMargins(0, 0, 0, 0);
  top->addWidget(list_, 1);
  top->addLayout(arrows);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(rename_);
  buttons->addWidget(new_);
  buttons->addWidget(delete_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  Retranslate();
  UpdateButtons();
}

void GradeListEditor::SetGrades(const std::vector<std::string>& grades) {
  list_->clear();
  for (const std::string& grade : grades)
    list_->addTopLevelItem(MakeLine(QString::fromStdString(grade)));
  UpdateButtons();
}

std::vector<std::string> GradeListEditor::Grades() const {
  std::vector<std::string> grades;
  for (int line = 0; line < list_->topLevelItemCount(); ++line)
    grades.push_back(list_->topLevelItem(line)->text(0).toStdString());
  return grades;
}

int GradeListEditor::Count() const {
  return list_->topLevelItemCount();
}

int GradeListEditor::SelectedLine() const {
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.front());
}

void GradeListEditor::SelectLine(int line) {
  list_->clearSelection();
  if (QTreeWidgetItem* item = list_->topLevelItem(line)) {
    list_->setCurrentItem(item);
    item->setSelected(true);
    list_->scrollToItem(item);
  }
}

void GradeListEditor::AppendGrade() {
  if (!isEnabled() || Count() >= kMaxGrades) return;
  QTreeWidgetItem* item = MakeLine(tr("None"));
  list_->addTopLevelItem(item);
  SelectLine(Count() - 1);
  list_->setFocus();
  list_->editItem(item, 0);
}

void GradeListEditor::RenameSelected() {
  if (QTreeWidgetItem* item = list_->topLevelItem(SelectedLine())) {
    list_->setFocus();
    list_->editItem(item, 0);
  }
}

void GradeListEditor::DeleteSelected() {
  const int line = SelectedLine();
  if (!isEnabled() || line < 0) return;
  delete list_->takeTopLevelItem(line);
  // The next grade takes its place; the previous one after the last.
  SelectLine(line < Count() ? line : Count() - 1);
  UpdateButtons();
}

void GradeListEditor::MoveSelected(int step) {
  const int line = SelectedLine();
  if (line < 0) return;
  const int target = std::clamp(line + step, 0, Count() - 1);
  if (target == line) return;
  QTreeWidgetItem* item = list_->takeTopLevelItem(line);
  list_->insertTopLevelItem(target, item);
  SelectLine(target);
}

void GradeListEditor::ApplyLabel(int line, const QString& typed) {
  QTreeWidgetItem* item = list_->topLevelItem(line);
  if (!item) return;
  const GradeLabel label = CheckGradeLabel(typed.toStdString());
  if (label.refused) return;
  item->setText(0, QString::fromStdString(label.text));
  if (label.cut) {
    // Said once the editor has closed, so that the message box does not take
    // the focus from an editor that is still committing.
    QMetaObject::invokeMethod(
        this,
        [this] { MessageBoxes::Warn(this, QString::fromStdString(GradeLabelTooLongMessage())); },
        Qt::QueuedConnection);
  }
}

bool GradeListEditor::eventFilter(QObject* watched, QEvent* event) {
  // Keys typed in a label being edited (the editor has the focus) and not
  // used there are not the list's.
  if (watched == list_ && event->type() == QEvent::KeyPress && list_->hasFocus()) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Insert:
        AppendGrade();
        return true;
      case Qt::Key_Delete:
        DeleteSelected();
        return true;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void GradeListEditor::UpdateButtons() {
  const bool selected = SelectedLine() >= 0;
  rename_->setEnabled(selected);
  delete_->setEnabled(selected);
  up_->setEnabled(selected);
  down_->setEnabled(selected);
  new_->setEnabled(Count() < kMaxGrades);
}

void GradeListEditor::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void GradeListEditor::Retranslate() {
  list_->setHeaderLabels({tr("Grades")});
  rename_->setText(tr("&Rename"));
  new_->setText(tr("&New"));
  delete_->setText(tr("&Delete"));
  up_->setToolTip(tr("Move the grade up"));
  down_->setToolTip(tr("Move the grade down"));
}

}  // namespace scorvane
