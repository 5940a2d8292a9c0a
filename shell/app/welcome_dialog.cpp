#include "shell/app/welcome_dialog.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/catalogue/messages.h"
#include "shell/app/about_dialog.h"
#include "shell/app/recent_files.h"
#include "widgets/catalogue_text.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/help_window.h"
#include "widgets/settings.h"

namespace scorvane {
namespace {

constexpr int kPictureWidth = 240;

QPushButton* ChoiceButton(QWidget* parent, const char* name) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setMinimumHeight(34);
  return button;
}

}  // namespace

WelcomeDialog::WelcomeDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("welcomeDialog"));
  setWindowIcon(QIcon(QStringLiteral(":/pictures/scorvane.svg")));
  new_file_ = ChoiceButton(this, "newFileButton");
  last_use_ = ChoiceButton(this, "lastFileButton");
  open_file_ = ChoiceButton(this, "openFileButton");
  read_first_ = ChoiceButton(this, "readFirstButton");
  quit_ = ChoiceButton(this, "quitButton");
  last_label_ = new QLabel(this);
  last_label_->setObjectName(QStringLiteral("lastFileLabel"));
  intro_ = new QLabel(this);
  intro_->setObjectName(QStringLiteral("introText"));
  intro_->setWordWrap(true);
  language_ = new QToolButton(this);
  language_->setObjectName(QStringLiteral("languageButton"));
  language_->setIconSize(QSize(32, 22));
  language_->setAutoRaise(true);
  other_language_ = new QToolButton(this);
  other_language_->setObjectName(QStringLiteral("currentLanguagePicture"));
  other_language_->setIconSize(QSize(24, 16));
  other_language_->setEnabled(false);
  other_language_->setAutoRaise(true);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(intro_);
  buttons->addWidget(read_first_);
  buttons->addSpacing(6);
  buttons->addWidget(new_file_);
  buttons->addWidget(last_label_);
  buttons->addWidget(last_use_);
  buttons->addWidget(open_file_);
  buttons->addStretch();
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(language_);
  bottom->addWidget(other_language_);
  bottom->addStretch();
  bottom->addWidget(quit_);
  buttons->addLayout(bottom);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kPictureWidth + 16, 16, 16, 16);
  layout->addLayout(buttons);
  setMinimumSize(kPictureWidth + 320, 360);

  connect(new_file_, &QPushButton::clicked, this, [this] { done(kNewFile); });
  connect(last_use_, &QPushButton::clicked, this, [this] { done(kLastFile); });
  connect(open_file_, &QPushButton::clicked, this, [this] { done(kOpenFile); });
  connect(language_, &QToolButton::clicked, this, [this] { done(kLanguage); });
  connect(quit_, &QPushButton::clicked, this, &WelcomeDialog::reject);
  connect(read_first_, &QPushButton::clicked, this,
          [] { HelpWindow::Open(HelpTopic::kBeforeStarting); });
  Retranslate();
}

void WelcomeDialog::Prepare() {
  QSettings store = settings::User();
  const QStringList recent = RecentFiles::Load(store);
  last_file_.clear();
  bool has_last = false;
  if (!recent.isEmpty()) {
    QFile file(recent.front());
    if (file.open(QIODevice::ReadOnly)) {
      last_file_ = recent.front();
      has_last = true;
    } else if (!missing_told_ || missing_file_ != recent.front()) {
      // Said once, not each time the dialog comes back.
      missing_file_ = recent.front();
      missing_told_ = true;
      MessageBoxes::Warn(this,
                         CatalogueText(552, {QFileInfo(recent.front()).fileName().toStdString()}));
    }
  }
  last_use_->setVisible(has_last);
  last_label_->setVisible(has_last);
  intro_->setVisible(!has_last);
  read_first_->setVisible(!has_last);
  if (has_last) {
    last_label_->setText(CatalogueText(553, {QFileInfo(last_file_).fileName().toStdString()}));
  }
  const bool french = IsFrench();
  // The active button offers the other language; the small picture shows
  // the one in use.
  language_->setIcon(QIcon(french ? QStringLiteral(":/pictures/lang_en.svg")
                                  : QStringLiteral(":/pictures/lang_fr.svg")));
  other_language_->setIcon(QIcon(french ? QStringLiteral(":/pictures/lang_fr.svg")
                                        : QStringLiteral(":/pictures/lang_en.svg")));
}

void WelcomeDialog::reject() {
  done(kQuit);
}

void WelcomeDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void WelcomeDialog::Retranslate() {
  setWindowTitle(tr("Welcome to Scorvane"));
  new_file_->setText(tr("Create a &new file"));
  last_use_->setText(tr("Open the &last file"));
  open_file_->setText(tr("&Open a file..."));
  read_first_->setText(tr("&Read this before starting"));
  quit_->setText(tr("&Quit !"));
  intro_->setText(
      tr("Scorvane keeps your tennis record: your seasons, events and matches, the players you "
         "meet, your rankings and your tennis budget. Start with a new file."));
  language_->setToolTip(tr("Passer en français"));
  if (!last_file_.isEmpty()) {
    last_label_->setText(CatalogueText(553, {QFileInfo(last_file_).fileName().toStdString()}));
  }
}

void WelcomeDialog::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect picture(0, 0, kPictureWidth, height());
  painter.fillRect(rect(), QColor(173, 198, 255));
  QSvgRenderer renderer(QStringLiteral(":/pictures/welcome.svg"));
  renderer.render(&painter, picture);
  painter.setPen(Qt::white);
  QFont font = painter.font();
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(picture.adjusted(12, 0, -12, -12), Qt::AlignBottom | Qt::AlignLeft,
                   AboutDialog::VersionLabel());
  QDialog::paintEvent(event);
}

}  // namespace scorvane
