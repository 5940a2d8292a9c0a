#include "pages/rankings/translation_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/catalogue/messages.h"
#include "widgets/catalogue_text.h"
#include "widgets/ranking_entry.h"
#include "widgets/screen_colours.h"

namespace scorvane {

DLG_TRADUCTION_CLASSEMENT::DLG_TRADUCTION_CLASSEMENT(const std::string& old_text, QWidget* parent)
    : QDialog(parent), question_(new QLabel(this)), ranking_(new RankingEntry(this)) {
  setObjectName(QStringLiteral("translationDialog"));
  setWindowTitle(tr("Change of ranking system"));
  FillBackground(*this, ScreenColours::DialogBackground());
  question_->setObjectName(QStringLiteral("question"));
  question_->setTextFormat(Qt::PlainText);
  question_->setWordWrap(true);
  question_->setMinimumWidth(300);
  question_->setText(CatalogueText(574, {old_text}));
  ranking_->setObjectName(QStringLiteral("ranking"));
  ranking_->setMinimumWidth(110);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &DLG_TRADUCTION_CLASSEMENT::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &DLG_TRADUCTION_CLASSEMENT::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(question_);
  layout->addWidget(ranking_, 0, Qt::AlignHCenter);
  layout->addWidget(buttons);
}

QString DLG_TRADUCTION_CLASSEMENT::Question() const {
  return question_->text();
}

CLASSEMENT DLG_TRADUCTION_CLASSEMENT::Ask(QWidget* parent, const std::string& old_text) {
  DLG_TRADUCTION_CLASSEMENT dialog(old_text, parent);
  if (dialog.exec() != QDialog::Accepted) return CLASSEMENT();
  return dialog.chosen_;
}

void DLG_TRADUCTION_CLASSEMENT::accept() {
  if (!ranking_->Validate()) return;
  chosen_ = ranking_->Value();
  QDialog::accept();
}

}  // namespace scorvane
