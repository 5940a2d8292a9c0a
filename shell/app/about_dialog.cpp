#include "shell/app/about_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "base/dates.h"

namespace scorvane {

QString AboutDialog::VersionLabel() {
  return QStringLiteral("V1.17 (%1)")
      .arg(QString::fromStdString(DATE_SIMPLE(15, 5, 2000).Format()));
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  auto* picture = new QLabel(this);
  picture->setPixmap(QIcon(QStringLiteral(":/pictures/scorvane.svg")).pixmap(96, 96));
  picture->setAlignment(Qt::AlignTop);
  auto* name = new QLabel(QStringLiteral("Scorvane"), this);
  QFont name_font = name->font();
  name_font.setPointSizeF(name_font.pointSizeF() * 2);
  name_font.setBold(true);
  name->setFont(name_font);
  version_ = new QLabel(VersionLabel(), this);
  version_->setObjectName(QStringLiteral("versionLabel"));
  text_ = new QLabel(this);
  text_->setWordWrap(true);
  text_->setMinimumWidth(320);
  auto* column = new QVBoxLayout;
  column->addWidget(name);
  column->addWidget(version_);
  column->addWidget(text_, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(picture);
  top->addLayout(column, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  Retranslate();
}

void AboutDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void AboutDialog::Retranslate() {
  setWindowTitle(tr("About Scorvane"));
  text_->setText(
      tr("Your tennis record: seasons, events, matches, players, clubs, rankings and money, with "
         "the estimate of your next ranking and statistics on every match you play."));
}

}  // namespace scorvane
