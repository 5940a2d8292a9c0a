#include "pages/common/players/similar_player_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "records/player.h"
#include "widgets/catalogue_text.h"

namespace scorvane {

DLG_JOUEURS_SEMBLABLES::DLG_JOUEURS_SEMBLABLES(const JOUEUR& existing, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("similarPlayerDialog"));
  setWindowTitle(tr("Similar player"));
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
  icon->setAlignment(Qt::AlignTop);
  auto* text = new QLabel(this);
  text->setObjectName(QStringLiteral("similarText"));
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  text->setMinimumWidth(300);
  text->setText(CatalogueText(488, {existing.GetFirstName(), existing.GetLastName()}) +
                QStringLiteral("\n") + CatalogueText(489));

  auto* same = new QPushButton(tr("It is the same player!"), this);
  same->setObjectName(QStringLiteral("sameButton"));
  auto* different = new QPushButton(tr("Different player"), this);
  different->setObjectName(QStringLiteral("differentButton"));
  auto* show = new QPushButton(tr("Show that player"), this);
  show->setObjectName(QStringLiteral("showButton"));
  same->setDefault(true);
  connect(same, &QPushButton::clicked, this, [this] { done(kSame); });
  connect(different, &QPushButton::clicked, this, [this] { done(kDifferent); });
  connect(show, &QPushButton::clicked, this, [this] { done(kShow); });

  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addWidget(text, 1);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(same);
  row->addWidget(different);
  row->addWidget(show);
  row->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 12);
  layout->setSpacing(14);
  layout->addLayout(top);
  layout->addLayout(row);
}

}  // namespace scorvane
