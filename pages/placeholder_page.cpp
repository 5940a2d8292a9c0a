#include "pages/placeholder_page.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "records/season.h"
#include "widgets/current_document.h"
#include "widgets/page_title.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

int ActiveSeasonYear() {
  const UTILISATEUR* owner = CurrentOwner();
  const SAISON_JOUEUR* season = owner ? owner->GetActiveSeason() : nullptr;
  return season ? season->Year() : 0;
}

}  // namespace

PlaceholderPage::PlaceholderPage(int number, QWidget* parent) : PageView(number, parent) {
  setObjectName(QStringLiteral("page%1").arg(number));
  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("pageTitle"));
  QFont title_font = title_->font();
  title_font.setPointSizeF(title_font.pointSizeF() * 1.6);
  title_font.setBold(true);
  title_->setFont(title_font);
  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("pageNotice"));
  notice_->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 24);
  layout->addWidget(title_);
  layout->addWidget(notice_);
  layout->addStretch();
  ShowTexts();
}

QString PlaceholderPage::TitleText() const {
  if (PageNumber() == kClubs) return tr("Registered clubs");
  return PageTitle(PageNumber(), ActiveSeasonYear());
}

QString PlaceholderPage::Notice() const {
  return tr("This page comes in a later version of Scorvane.");
}

void PlaceholderPage::ShowTexts() {
  title_->setText(TitleText());
  notice_->setText(Notice());
}

void PlaceholderPage::InitialUpdate() {
  Refresh();
}

void PlaceholderPage::Refresh() {
  ++refresh_count_;
  ShowTexts();
}

void PlaceholderPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ShowTexts();
  PageView::changeEvent(event);
}

void PlaceholderPage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ScreenColours::Background());
  const QRect box = rect().adjusted(12, 12, -12, -12);
  painter.setPen(ScreenColours::Frame().darker(130));
  painter.setBrush(ScreenColours::Frame());
  painter.drawRoundedRect(QRect(box.topLeft(), QSize(box.width(), 92)), 8, 8);
}

QString PlaceholderPage::PrintTitle() const {
  return TitleText();
}

int PlaceholderPage::Paginate(QPainter&, const QRectF&) {
  return 1;
}

void PlaceholderPage::PaintPage(QPainter& painter, const QRectF& area, int) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(static_cast<int>(area.height() / 40));
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QRectF line(area.left(), area.top() + area.height() / 20, area.width(), area.height() / 10);
  painter.drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   TitleText() + u'\n' + Notice());
}

}  // namespace scorvane
