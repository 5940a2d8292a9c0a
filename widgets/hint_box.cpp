#include "widgets/hint_box.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/screen_colours.h"

namespace scorvane {

QFrame* MakeHintBox(QWidget* parent, const QString& heading, const QString& text) {
  auto* box = new QFrame(parent);
  box->setObjectName(QStringLiteral("hintBox"));
  box->setFrameShape(QFrame::Box);
  FillBackground(*box, QColor(255, 242, 215));
  auto* bulb = new QLabel(box);
  bulb->setPixmap(QIcon(QStringLiteral(":/pictures/bulb.svg")).pixmap(32, 32));
  bulb->setAlignment(Qt::AlignTop);
  auto* words = new QVBoxLayout;
  words->setSpacing(2);
  if (!heading.isEmpty()) {
    auto* title = new QLabel(heading, box);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    words->addWidget(title);
  }
  auto* advice = new QLabel(text, box);
  advice->setObjectName(QStringLiteral("hintText"));
  advice->setWordWrap(true);
  words->addWidget(advice);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->addWidget(bulb);
  layout->addLayout(words, 1);
  return box;
}

}  // namespace scorvane
