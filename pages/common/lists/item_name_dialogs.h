// The two small dialogs of the item editor: DLG_NOUVELLE_RUBRIQUE asks the
// name of a new item, DLG_RENOMMAGE a new name for an item. Both refuse an
// empty name (blanks alone count as empty) and stay open with what was
// typed.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;

namespace scorvane {

class DLG_NOUVELLE_RUBRIQUE : public QDialog {
  Q_OBJECT

 public:
  // `heading`: "Create a new category" and the like.
  explicit DLG_NOUVELLE_RUBRIQUE(const QString& heading, QWidget* parent = nullptr);

  // The name typed, without the blanks around it.
  std::string Name() const;
  QLineEdit* NameEdit() const { return name_; }

  // Runs the dialog: the name on OK, nothing on Cancel.
  static std::optional<std::string> Ask(QWidget* parent, const QString& heading);

 public slots:
  void accept() override;

 private:
  QLineEdit* name_;
};

class DLG_RENOMMAGE : public QDialog {
  Q_OBJECT

 public:
  explicit DLG_RENOMMAGE(const std::string& current_name, QWidget* parent = nullptr);

  // The new name, without the blanks around it.
  std::string Name() const;
  QLineEdit* NameEdit() const { return name_; }

  // Runs the dialog: the new name on OK, nothing on Cancel.
  static std::optional<std::string> Ask(QWidget* parent, const std::string& current_name);

 public slots:
  void accept() override;

 private:
  QLineEdit* name_;
};

}  // namespace scorvane
