#include "pages/common/lists/item_editor_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/catalogue/messages.h"
#include "pages/common/lists/item_name_dialogs.h"
#include "records/document.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/elided_label.h"
#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

constexpr int kNameWidth = 100;
constexpr int kUseWidth = 122;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QPushButton* Button(QWidget* parent, const QString& text, const char* name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

DLG_MODIF_RUBRIQUES::DLG_MODIF_RUBRIQUES(ItemEditList& items, ItemWords words, QWidget* parent)
    : QDialog(parent), items_(items), words_(std::move(words)) {
  setObjectName(QStringLiteral("itemEditor"));
  setWindowTitle(Text(words_.title));
  FillBackground(*this, ScreenColours::DialogBackground());

  list_ = new MY_LIST_CONTROL(/*multiple_selection=*/false, /*row_height_from_font=*/true, this);
  list_->setObjectName(QStringLiteral("itemList"));
  list_->SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
  list_->SetShowSelectionAlways(true);
  list_->horizontalHeader()->setSectionsClickable(false);
  list_->horizontalHeader()->setSectionsMovable(false);
  QString word_title = Text(words_.word);
  if (!word_title.isEmpty()) word_title[0] = word_title[0].toUpper();
  list_->InsertColumn(0, word_title, ColumnAlignment::kLeft, kNameWidth);
  list_->InsertColumn(1, QString::fromUtf8(Msg(494)), ColumnAlignment::kLeft, kUseWidth);
  list_->setMinimumWidth(kNameWidth + kUseWidth + 24);
  // A long name is cut (whole in its tooltip) rather than widening the list
  // past its heading's reach.
  list_->SetColumnsFollowContents(true);
  list_->installEventFilter(this);
  connect(list_, &MY_LIST_CONTROL::SelectionNotified, this, &DLG_MODIF_RUBRIQUES::FollowSelection);
  connect(list_, &QAbstractItemView::doubleClicked, this, &DLG_MODIF_RUBRIQUES::RenameSelected);

  auto* show_group = new QGroupBox(tr("Show"), this);
  FillBackground(*show_group, ScreenColours::DialogFrame());
  unused_only_ = new QCheckBox(Text(words_.UnusedOnlyFilter()), show_group);
  unused_only_->setObjectName(QStringLiteral("unusedOnly"));
  connect(unused_only_, &QCheckBox::toggled, this, [this] { Rebuild(selected_); });
  auto* show_layout = new QVBoxLayout(show_group);
  show_layout->addWidget(unused_only_);

  QPushButton* add = Button(this, Text(words_.NewItemButton()), "addButton");
  rename_ = Button(this, tr("&Rename"), "renameButton");
  delete_ = Button(this, tr("&Delete"), "deleteButton");
  connect(add, &QPushButton::clicked, this, &DLG_MODIF_RUBRIQUES::AddItem);
  connect(rename_, &QPushButton::clicked, this, &DLG_MODIF_RUBRIQUES::RenameSelected);
  connect(delete_, &QPushButton::clicked, this, &DLG_MODIF_RUBRIQUES::DeleteSelected);

  auto* selection_group = new QGroupBox(this);
  FillBackground(*selection_group, ScreenColours::DialogFrame());
  auto* selection_title = new QLabel(tr("Selection :"), selection_group);
  selection_ = new ElidedLabel(selection_group);
  selection_->setObjectName(QStringLiteral("selectionName"));
  QFont bold = selection_->font();
  bold.setBold(true);
  selection_->setFont(bold);
  auto* selection_layout = new QVBoxLayout(selection_group);
  selection_layout->addWidget(selection_title);
  selection_layout->addWidget(selection_);
  selection_layout->addWidget(rename_);
  selection_layout->addWidget(delete_);

  auto* side = new QVBoxLayout;
  side->addWidget(show_group);
  side->addWidget(add);
  side->addSpacing(8);
  side->addWidget(selection_group);
  side->addStretch();

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
  ok->setObjectName(QStringLiteral("okButton"));
  QPushButton* cancel = buttons->addButton(tr("Cancel all"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* body = new QHBoxLayout;
  body->addWidget(list_, 1);
  body->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);
  resize(520, 360);

  Rebuild(nullptr);
}

void DLG_MODIF_RUBRIQUES::AddItem() {
  const std::optional<std::string> name =
      DLG_NOUVELLE_RUBRIQUE::Ask(this, Text(words_.CreateHeading()));
  if (!name) return;
  const RUBRIQUE* added = items_.Add(*name);
  if (!added) return;
  changed_ = true;
  Rebuild(added);
}

void DLG_MODIF_RUBRIQUES::RenameSelected() {
  RUBRIQUE* item = selected_;
  if (!item) return;
  const std::optional<std::string> name = DLG_RENOMMAGE::Ask(this, item->name);
  if (!name) return;
  items_.Rename(item, *name);
  changed_ = true;
  Rebuild(item);
}

void DLG_MODIF_RUBRIQUES::DeleteSelected() {
  const RUBRIQUE* item = selected_;
  if (!item) return;
  if (item->used) {
    MessageBoxes::Warn(this, QString::fromUtf8(Msg(497)));
    return;
  }
  if (MessageBoxes::Ask(this, QString::fromUtf8(Msg(498)), MessageBoxes::Buttons::kYesNo) !=
      MessageBoxes::Answer::kYes) {
    return;
  }
  selected_ = nullptr;
  changed_ = items_.Remove(item) || changed_;
  Rebuild(nullptr);
}

void DLG_MODIF_RUBRIQUES::SelectItem(const RUBRIQUE* item) {
  const int row = list_->RowOf(item);
  if (row < 0) return;
  list_->SelectItem(row);
  list_->scrollTo(list_->Model().index(row, 0));
}

bool DLG_MODIF_RUBRIQUES::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Insert) {
      AddItem();
      return true;
    }
    if (key == Qt::Key_Delete) {
      DeleteSelected();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void DLG_MODIF_RUBRIQUES::Rebuild(const RUBRIQUE* keep) {
  std::vector<ListRow> rows;
  for (RUBRIQUE* item : items_.Shown(unused_only_->isChecked())) {
    ListRow row;
    row.texts = {Text(item->name), Text(words_.UseText(item->used))};
    row.item = item;
    rows.push_back(std::move(row));
  }
  list_->SetRows(std::move(rows));
  FollowSelection(-1, {});
  if (keep) SelectItem(keep);
}

void DLG_MODIF_RUBRIQUES::FollowSelection(int, RowItem item) {
  selected_ = item.As<RUBRIQUE>();
  selection_->SetFullText(selected_ ? Text(selected_->name) : QString());
  rename_->setEnabled(selected_ != nullptr);
  delete_->setEnabled(selected_ != nullptr);
}

bool EditItemList(QWidget* parent, PROJECT_DOC& document, ItemKind kind, const CObject* record) {
  ItemEditList items = ItemsOf(document.Owner(), kind);
  DLG_MODIF_RUBRIQUES editor(items, WordsFor(kind), parent);
  if (record) editor.SelectItem(items.ItemFor(record));
  if (editor.exec() != QDialog::Accepted) return false;
  ApplyItemEdits(document, kind, items);
  return true;
}

bool RunItemAction(QWidget* parent, PROJECT_DOC& document, ItemKind kind, ItemAction action,
                   const CObject* record) {
  ItemEditList items = ItemsOf(document.Owner(), kind);
  // The editor is never shown: it lends its questions, checks and messages.
  DLG_MODIF_RUBRIQUES editor(items, WordsFor(kind), parent);
  if (action != ItemAction::kAdd) {
    const RUBRIQUE* item = record ? items.ItemFor(record) : nullptr;
    if (!item) return false;
    editor.SelectItem(item);
  }
  switch (action) {
    case ItemAction::kAdd:
      editor.AddItem();
      break;
    case ItemAction::kRename:
      editor.RenameSelected();
      break;
    case ItemAction::kDelete:
      editor.DeleteSelected();
      break;
  }
  if (!editor.Changed()) return false;
  ApplyItemEdits(document, kind, items);
  return true;
}

}  // namespace scorvane
