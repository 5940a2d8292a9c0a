#include "shell/app/tip_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/catalogue/messages.h"
#include "widgets/settings.h"

namespace scorvane {

TipDialog::TipDialog(const QString& program_folder, bool french_system, QWidget* parent)
    : QDialog(parent), french_system_(french_system) {
  auto* panel = new QWidget(this);
  panel->setAutoFillBackground(true);
  QPalette white = panel->palette();
  white.setColor(QPalette::Window, Qt::white);
  panel->setPalette(white);
  auto* bulb = new QLabel(panel);
  bulb->setPixmap(QIcon(QStringLiteral(":/pictures/bulb.svg")).pixmap(48, 48));
  bulb->setAlignment(Qt::AlignTop);
  heading_ = new QLabel(panel);
  QFont heading_font = heading_->font();
  heading_font.setPointSizeF(heading_font.pointSizeF() * 1.4);
  heading_font.setBold(true);
  heading_->setFont(heading_font);
  tip_ = new QLabel(panel);
  tip_->setObjectName(QStringLiteral("tipText"));
  tip_->setWordWrap(true);
  tip_->setTextFormat(Qt::PlainText);
  tip_->setMinimumSize(360, 90);
  tip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The stored position could not be used: said here, while the tips start
  // again from the first one below.
  notice_ = new QLabel(panel);
  notice_->setObjectName(QStringLiteral("tipNotice"));
  notice_->setWordWrap(true);
  notice_->hide();
  auto* text_column = new QVBoxLayout;
  text_column->addWidget(heading_);
  text_column->addWidget(notice_);
  text_column->addWidget(tip_, 1);
  auto* panel_layout = new QHBoxLayout(panel);
  panel_layout->addWidget(bulb);
  panel_layout->addLayout(text_column, 1);

  show_at_start_ = new QCheckBox(this);
  show_at_start_->setObjectName(QStringLiteral("showAtStartUp"));
  show_at_start_->setChecked(ShowAtStartUp());
  next_ = new QPushButton(this);
  next_->setObjectName(QStringLiteral("nextTipButton"));
  close_ = new QPushButton(this);
  close_->setObjectName(QStringLiteral("closeButton"));
  close_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(show_at_start_);
  buttons->addStretch();
  buttons->addWidget(next_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel, 1);
  layout->addLayout(buttons);

  connect(next_, &QPushButton::clicked, this, &TipDialog::NextTip);
  connect(close_, &QPushButton::clicked, this, &TipDialog::CloseWithButton);

  QSettings store = settings::User();
  const bool french_texts = IsFrench();
  if (!tips_.Open(TipsFile::Candidates(program_folder, french_texts), store)) {
    file_missing_ = true;
    tip_->setText(QString::fromUtf8(Msg(55)));
    next_->setEnabled(false);
  } else {
    if (tips_.PositionFailed()) {
      notice_->setText(QString::fromUtf8(Msg(56)));
      notice_->show();
    }
    NextTip();
  }
  Retranslate();
}

TipDialog::~TipDialog() {
  QSettings store = settings::User();
  tips_.StorePosition(store);
}

bool TipDialog::ShowAtStartUp() {
  QSettings store = settings::User();
  return settings::ReadInt(store, settings::kTipStartUp, 0) == 0;
}

QString TipDialog::TipText() const {
  return tip_->text();
}

QString TipDialog::NoticeText() const {
  return notice_->text();
}

void TipDialog::NextTip() {
  const QString tip = tips_.Next(french_system_);
  // A file without a single usable line is a file that cannot be read.
  tip_->setText(tip.isEmpty() ? QString::fromUtf8(Msg(56)) : tip);
}

void TipDialog::CloseWithButton() {
  QSettings store = settings::User();
  store.setValue(settings::kTipStartUp, show_at_start_->isChecked() ? 0 : 1);
  accept();
}

void TipDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void TipDialog::Retranslate() {
  setWindowTitle(tr("Tip of the day"));
  heading_->setText(QString::fromUtf8(Msg(57)));
  show_at_start_->setText(tr("&Show tips at start-up"));
  next_->setText(tr("&Next tip"));
  close_->setText(tr("&Close"));
}

}  // namespace scorvane
