#include "pages/common/rankings/ranking_date_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "widgets/date_field.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/ranking_entry.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;

}  // namespace

QString CompleteYearText(const QString& typed) {
  const QString text = typed.trimmed();
  if (text.isEmpty()) return {};
  bool ok = false;
  int year = text.toInt(&ok, 10);
  if (!ok) return {};
  if (year >= 0 && year <= 9) {
    year += 2000;
  } else if (year >= 10 && year <= 99) {
    year += 1900;
  }
  if (year < kFirstYear || year > kLastYear) return {};
  return QString::number(year);
}

QString YearFieldProblem(const QString& year_text) {
  return CompleteYearText(year_text).isEmpty() ? QString::fromUtf8(Msg(565)) : QString();
}

DLG_EDIT_UN_CLASSEMENT::DLG_EDIT_UN_CLASSEMENT(CLASSEMENT_DATE& entry, QWidget* parent)
    : QDialog(parent),
      entry_(entry),
      yearly_(ActiveSystem().IsYearly()),
      ranking_(new RankingEntry(this)),
      note_(new QLineEdit(this)),
      year_(new QLineEdit(this)),
      date_(new DateField(this)),
      ranking_label_(new QLabel(this)),
      when_label_(new QLabel(this)),
      note_label_(new QLabel(this)) {
  setObjectName(QStringLiteral("rankingDateDialog"));
  FillBackground(*this, ScreenColours::DialogBackground());
  ranking_->setObjectName(QStringLiteral("ranking"));
  note_->setObjectName(QStringLiteral("note"));
  year_->setObjectName(QStringLiteral("year"));
  date_->setObjectName(QStringLiteral("date"));

  ranking_->SetValue(entry.Ranking());
  note_->setText(QString::fromStdString(entry.Note()));
  note_->setMinimumWidth(240);
  year_->setMaxLength(4);
  year_->setMaximumWidth(70);
  year_->setAlignment(Qt::AlignCenter);
  connect(year_, &QLineEdit::editingFinished, this, &DLG_EDIT_UN_CLASSEMENT::CompleteYear);
  // A dated ranking without a real date starts from today.
  const DATE_SIMPLE& when = entry.Date();
  date_->SetDate(when.IsValidCalendarDate() && when.Year() >= kFirstYear ? when : Today());
  if (when.GetYear().IsSet()) year_->setText(QString::number(when.Year()));
  // Under a yearly system only the year is asked for.
  year_->setVisible(yearly_);
  date_->setVisible(!yearly_);

  auto* when_field = new QHBoxLayout;
  when_field->addWidget(yearly_ ? static_cast<QWidget*>(year_) : date_);
  when_field->addStretch();
  auto* ranking_field = new QHBoxLayout;
  ranking_->setMinimumWidth(110);
  ranking_field->addWidget(ranking_);
  ranking_field->addStretch();
  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->addRow(ranking_label_, ranking_field);
  form->addRow(when_label_, when_field);
  form->addRow(note_label_, note_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &DLG_EDIT_UN_CLASSEMENT::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &DLG_EDIT_UN_CLASSEMENT::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  Retranslate();
}

// Hiding the dialog on its way out takes the focus from its fields, and a
// field that loses it reports its editing finished; by then this part of
// the dialog is gone, so none of its checks may answer.
DLG_EDIT_UN_CLASSEMENT::~DLG_EDIT_UN_CLASSEMENT() {
  year_->disconnect(this);
}

bool DLG_EDIT_UN_CLASSEMENT::Edit(QWidget* parent, CLASSEMENT_DATE& entry) {
  DLG_EDIT_UN_CLASSEMENT dialog(entry, parent);
  return dialog.exec() == QDialog::Accepted;
}

CLASSEMENT_DATE DLG_EDIT_UN_CLASSEMENT::NewEntry() {
  return CLASSEMENT_DATE(CLASSEMENT::Worst(), Today(), std::string());
}

bool DLG_EDIT_UN_CLASSEMENT::EditNew(QWidget* parent, CLASSEMENT_DATE& entry) {
  CLASSEMENT_DATE fresh = NewEntry();
  if (!Edit(parent, fresh)) return false;
  entry = fresh;
  return true;
}

void DLG_EDIT_UN_CLASSEMENT::CompleteYear() {
  year_->setText(CompleteYearText(year_->text()));
}

void DLG_EDIT_UN_CLASSEMENT::accept() {
  DATE_SIMPLE when;
  if (yearly_) {
    CompleteYear();
    if (const QString problem = YearFieldProblem(year_->text()); !problem.isEmpty()) {
      MessageBoxes::Warn(this, problem);
      year_->setFocus();
      return;
    }
    when = DATE_SIMPLE(1, 1, year_->text().toInt());
  } else {
    when = date_->Date();
  }
  if (!ranking_->Validate()) return;
  entry_.SetNote(note_->text().toStdString());
  entry_.SetRanking(ranking_->Value());
  entry_.SetDate(when);
  QDialog::accept();
}

void DLG_EDIT_UN_CLASSEMENT::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void DLG_EDIT_UN_CLASSEMENT::Retranslate() {
  setWindowTitle(tr("Ranking"));
  ranking_label_->setText(tr("Ranking :"));
  when_label_->setText(yearly_ ? QString::fromUtf8(Msg(566)) + QStringLiteral(" :") : tr("From :"));
  note_label_->setText(tr("Note :"));
}

}  // namespace scorvane
