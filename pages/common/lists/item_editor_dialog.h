// DLG_MODIF_RUBRIQUES, the item editor: the names of the owner's surfaces,
// events, clubs or financial categories in a list with their use, and the
// buttons (and the Insert and Delete keys) that add, rename and delete
// them. It works on a private ItemEditList; EditItemList applies the list
// to the document only when the user presses OK.
#pragma once

#include <QDialog>

#include "records/item_editing.h"
#include "widgets/listview/row_item.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace scorvane {

class ElidedLabel;
class MY_LIST_CONTROL;

class DLG_MODIF_RUBRIQUES : public QDialog {
  Q_OBJECT

 public:
  // The editor changes `items` (which must outlive it) and nothing else.
  DLG_MODIF_RUBRIQUES(ItemEditList& items, ItemWords words, QWidget* parent = nullptr);

  // The item of the selected row, or null.
  RUBRIQUE* Selected() const { return selected_; }
  MY_LIST_CONTROL* ListControl() const { return list_; }
  QCheckBox* UnusedOnlyBox() const { return unused_only_; }

  // The three actions, as the buttons and keys run them.
  void AddItem();
  void RenameSelected();
  void DeleteSelected();
  // Selects the row of an item when it is shown (tests and keyboard).
  void SelectItem(const RUBRIQUE* item);
  // True once an action above changed the items.
  bool Changed() const { return changed_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Fills the list from the items, selecting `keep` when it is shown.
  void Rebuild(const RUBRIQUE* keep);
  void FollowSelection(int row, RowItem item);

  ItemEditList& items_;
  ItemWords words_;
  RUBRIQUE* selected_ = nullptr;
  bool changed_ = false;
  MY_LIST_CONTROL* list_;
  QCheckBox* unused_only_;
  ElidedLabel* selection_;
  QPushButton* rename_;
  QPushButton* delete_;
};

// Opens the editor on the owner's records of a kind, with the item of
// `record` selected when one is given, and, on OK, applies the changes to
// the document. True when they were applied.
bool EditItemList(QWidget* parent, PROJECT_DOC& document, ItemKind kind,
                  const CObject* record = nullptr);

// One of the editor's actions run on its own, as a page's context menu
// offers it: a new item, or renaming or deleting the item of `record`,
// with the editor's questions and checks, applied to the document at once.
// True when the document changed.
enum class ItemAction { kAdd, kRename, kDelete };
bool RunItemAction(QWidget* parent, PROJECT_DOC& document, ItemKind kind, ItemAction action,
                   const CObject* record = nullptr);

}  // namespace scorvane
