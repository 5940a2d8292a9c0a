#include "widgets/ranking_entry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStackedLayout>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "widgets/catalogue_text.h"
#include "widgets/dialogs/message_boxes.h"

namespace scorvane {

QString RankingEntryProblem(const SYSTEME_CLASSEMENT& system, int32_t value) {
  if (system.IsValid(value)) return {};
  if (system.HasGrades()) return QString::fromUtf8(Msg(563));
  return CatalogueText(564, {system.Lowest(), system.Highest()});
}

RankingEntry::RankingEntry(QWidget* parent)
    : QWidget(parent),
      stack_(new QStackedLayout(this)),
      grades_(new QComboBox(this)),
      number_(new QLineEdit(this)) {
  grades_->setObjectName(QStringLiteral("rankingGrades"));
  number_->setObjectName(QStringLiteral("rankingNumber"));
  number_->setAlignment(Qt::AlignCenter);
  stack_->setContentsMargins(0, 0, 0, 0);
  stack_->addWidget(grades_);
  stack_->addWidget(number_);
  connect(grades_, &QComboBox::currentIndexChanged, this, &RankingEntry::ValueChanged);
  connect(number_, &QLineEdit::textEdited, this, &RankingEntry::ValueChanged);
  SetUp();
}

void RankingEntry::SetUp() {
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  grades_mode_ = system.HasGrades();
  grades_->clear();
  number_->clear();
  if (grades_mode_) {
    // From the best grade to the worst; each line carries its value.
    for (int64_t i = 0; i <= int64_t{system.Highest()} - system.Lowest(); ++i) {
      const auto value = static_cast<int32_t>(system.HigherIsBetter() ? system.Highest() - i
                                                                      : system.Lowest() + i);
      grades_->addItem(QString::fromStdString(system.TextOfValue(value)), value);
    }
    grades_->setCurrentIndex(-1);
    stack_->setCurrentWidget(grades_);
  } else {
    stack_->setCurrentWidget(number_);
  }
  // Focus and the Tab order go to the list or the box on show.
  setFocusProxy(stack_->currentWidget());
}

void RankingEntry::SetValue(const CLASSEMENT& value) {
  if (grades_mode_) {
    grades_->setCurrentIndex(grades_->findData(value.Value()));
  } else {
    // No ranking leaves the box empty rather than showing -1.
    number_->setText(value.IsNone() ? QString() : QString::number(value.Value()));
  }
}

CLASSEMENT RankingEntry::Value() {
  if (grades_mode_) {
    const QVariant line = grades_->currentData();
    return line.isValid() ? CLASSEMENT(line.toInt()) : CLASSEMENT();
  }
  bool ok = false;
  const int value = number_->text().trimmed().toInt(&ok);
  if (!ok || !ActiveSystem().IsValid(value)) {
    number_->clear();
    return CLASSEMENT();
  }
  return CLASSEMENT(value);
}

bool RankingEntry::Validate() {
  if (isHidden()) return true;
  const QString problem = RankingEntryProblem(ActiveSystem(), Value().Value());
  if (problem.isEmpty()) return true;
  MessageBoxes::Warn(this, problem);
  (grades_mode_ ? static_cast<QWidget*>(grades_) : number_)->setFocus();
  return false;
}

}  // namespace scorvane
