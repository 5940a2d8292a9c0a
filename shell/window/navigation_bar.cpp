#include "shell/window/navigation_bar.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>

#include "base/catalogue/messages.h"
#include "shell/window/page_rules.h"

namespace scorvane {

NavigationBar::NavigationBar(QWidget* parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("navigationBar"));
  setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  pages_ = new QComboBox(this);
  pages_->setObjectName(QStringLiteral("pageList"));
  pages_->setFixedWidth(150);
  for (int i = 0; i < kPageListCount; ++i)
    pages_->addItem(QString());
  pages_action_ = addWidget(pages_);
  vertical_button_ = addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView), QString());
  vertical_button_->setVisible(false);
  addSeparator();
  season_label_ = new QLabel(this);
  season_label_->setMinimumWidth(80);
  addWidget(season_label_);
  seasons_ = new QComboBox(this);
  seasons_->setObjectName(QStringLiteral("barSeasonList"));
  seasons_->setFixedWidth(60);
  addWidget(seasons_);
  addSeparator();
  help_ = addAction(style()->standardIcon(QStyle::SP_DialogHelpButton), QString());
  connect(help_, &QAction::triggered, this, &NavigationBar::HelpRequested);
  connect(pages_, &QComboBox::activated, this, &NavigationBar::PageChosen);
  connect(seasons_, &QComboBox::activated, this, &NavigationBar::SeasonChosen);
  connect(this, &QToolBar::orientationChanged, this, &NavigationBar::FollowOrientation);
  Retranslate();
}

void NavigationBar::FollowPage(int page) {
  const QSignalBlocker blocker(pages_);
  pages_->setCurrentIndex(PageListSelection(page, pages_->currentIndex()));
}

void NavigationBar::FollowOrientation(Qt::Orientation orientation) {
  const bool vertical = orientation == Qt::Vertical;
  pages_action_->setVisible(!vertical);
  vertical_button_->setVisible(vertical);
}

void NavigationBar::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QToolBar::changeEvent(event);
}

void NavigationBar::Retranslate() {
  setWindowTitle(QString::fromUtf8(Msg(575)));
  for (int i = 0; i < kPageListCount; ++i)
    pages_->setItemText(i, QString::fromUtf8(Msg(PageListText(i))));
  season_label_->setText(QString::fromUtf8(Msg(577)));
  seasons_->setToolTip(QString::fromUtf8(Msg(42)));
  help_->setText(tr("Help"));
  vertical_button_->setText(tr("Pages"));
}

}  // namespace scorvane
