#include "widgets/dialogs/question_dialogs.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace scorvane {
namespace {

// The question icon and the text side by side, the buttons below, centred.
QLabel* BuildLayout(QDialog* dialog, QHBoxLayout* buttons) {
  auto* icon = new QLabel(dialog);
  icon->setPixmap(dialog->style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
  icon->setAlignment(Qt::AlignTop);
  auto* text = new QLabel(dialog);
  text->setObjectName(QStringLiteral("questionText"));
  text->setWordWrap(true);
  text->setMinimumWidth(280);
  text->setTextFormat(Qt::PlainText);
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addWidget(text, 1);
  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(top);
  buttons->insertStretch(0);
  buttons->addStretch();
  layout->addLayout(buttons);
  return text;
}

QPushButton* Button(QDialog* dialog, QHBoxLayout* row, const char* name) {
  auto* button = new QPushButton(dialog);
  button->setObjectName(QLatin1String(name));
  row->addWidget(button);
  return button;
}

}  // namespace

DLG_QUEST_OUI_NON::DLG_QUEST_OUI_NON(QWidget* parent) : QDialog(parent) {
  auto* row = new QHBoxLayout;
  yes_ = Button(this, row, "yesButton");
  no_ = Button(this, row, "noButton");
  text_ = BuildLayout(this, row);
  yes_->setDefault(true);
  connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
  connect(no_, &QPushButton::clicked, this, &QDialog::reject);
  Retranslate();
}

void DLG_QUEST_OUI_NON::SetQuestion(const QString& text) {
  text_->setText(text);
  adjustSize();
}

bool DLG_QUEST_OUI_NON::Ask(const QString& text) {
  SetQuestion(text);
  yes_->setFocus();
  // Closing the window (Escape, title bar) counts as No: a question that
  // usually precedes a deletion must not be taken as a Yes by accident.
  return exec() == QDialog::Accepted;
}

void DLG_QUEST_OUI_NON::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void DLG_QUEST_OUI_NON::Retranslate() {
  setWindowTitle(tr("Question"));
  yes_->setText(tr("Yes"));
  no_->setText(tr("No !"));
}

DLG_QUEST_OUI_NON_TOUS::DLG_QUEST_OUI_NON_TOUS(const QString& text, QWidget* parent)
    : QDialog(parent) {
  auto* row = new QHBoxLayout;
  yes_ = Button(this, row, "yesButton");
  no_ = Button(this, row, "noButton");
  all_button_ = Button(this, row, "allButton");
  BuildLayout(this, row)->setText(text);
  yes_->setDefault(true);
  connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
  connect(no_, &QPushButton::clicked, this, &QDialog::reject);
  connect(all_button_, &QPushButton::clicked, this, [this] {
    all_ = true;
    accept();
  });
  Retranslate();
}

void DLG_QUEST_OUI_NON_TOUS::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void DLG_QUEST_OUI_NON_TOUS::Retranslate() {
  setWindowTitle(tr("Question"));
  yes_->setText(tr("Yes"));
  no_->setText(tr("No !"));
  all_button_->setText(tr("Delete all"));
}

DLG_QUEST_NOUVEAU_JOUEUR::DLG_QUEST_NOUVEAU_JOUEUR(QWidget* parent) : QDialog(parent) {
  auto* row = new QHBoxLayout;
  same_ = Button(this, row, "samePlayerButton");
  new_player_ = Button(this, row, "newPlayerButton");
  text_ = BuildLayout(this, row);
  same_->setDefault(true);
  connect(same_, &QPushButton::clicked, this, &QDialog::reject);
  connect(new_player_, &QPushButton::clicked, this, &QDialog::accept);
  Retranslate();
}

bool DLG_QUEST_NOUVEAU_JOUEUR::AskNewPlayer(QWidget* parent) {
  DLG_QUEST_NOUVEAU_JOUEUR dialog(parent);
  return dialog.exec() == QDialog::Accepted;
}

void DLG_QUEST_NOUVEAU_JOUEUR::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void DLG_QUEST_NOUVEAU_JOUEUR::Retranslate() {
  setWindowTitle(tr("Create a new player ?"));
  text_->setText(
      tr("The player you have just changed plays in other matches: is it the same player or a "
         "new one ?"));
  same_->setText(tr("Same player"));
  new_player_->setText(tr("New player"));
}

}  // namespace scorvane
