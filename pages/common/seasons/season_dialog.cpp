#include "pages/common/seasons/season_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <functional>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/owner.h"
#include "records/season.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/hint_box.h"
#include "widgets/ranking_entry.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

// The year with its spin arrows. An arrow click, key press (and each
// repetition of a held key) or wheel notch is handed to the dialog as one
// step up or down, and the dialog writes back the year that fits; Page Up
// and Page Down do nothing here. The year is also typed like any number
// (any four digits: the dialog refuses a year out of range with a word).
class YearSpinBox : public QSpinBox {
 public:
  explicit YearSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(0, 9999);
    setAlignment(Qt::AlignCenter);
    setAccelerated(false);
    setKeyboardTracking(false);
    // The year stands out on the light cream of the hint.
    QPalette cream = palette();
    cream.setColor(QPalette::Base, QColor(255, 242, 215));
    setPalette(cream);
    lineEdit()->setPalette(cream);
  }

  std::function<void(int)> on_step;

 protected:
  void stepBy(int steps) override {
    if ((steps == 1 || steps == -1) && on_step) on_step(steps);
  }
  // Both arrows stay usable: a step that finds no year is simply refused.
  StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
};

}  // namespace

DLG_NOUVELLE_SAISON::DLG_NOUVELLE_SAISON(const UTILISATEUR& owner, SeasonDialogMode mode, int year,
                                         const CLASSEMENT& ranking, QWidget* parent)
    : QDialog(parent), owner_(owner), mode_(mode), year_(year) {
  setObjectName(QStringLiteral("seasonDialog"));
  setWindowTitle(tr("Season"));
  FillBackground(*this, ScreenColours::DialogBackground());

  auto* frame = new QGroupBox(this);
  FillBackground(*frame, ScreenColours::DialogFrame());
  heading_ = new QLabel(QString::fromUtf8(Msg(mode == SeasonDialogMode::kNew ? 505 : 506)), frame);
  heading_->setObjectName(QStringLiteral("seasonHeading"));
  auto* year_box = new YearSpinBox(frame);
  year_box->on_step = [this](int step) { Step(step); };
  year_box_ = year_box;
  year_box_->setObjectName(QStringLiteral("yearBox"));
  connect(year_box_, &QSpinBox::valueChanged, this, &DLG_NOUVELLE_SAISON::YearTyped);
  year_box_->setMinimumWidth(80);
  QFont year_font = year_box_->font();
  year_font.setBold(true);
  year_box_->setFont(year_font);
  heading_->setBuddy(year_box_);

  ranking_label_ = new QLabel(tr("Ranking for the season"), frame);
  ranking_ = new RankingEntry(frame);
  ranking_->setObjectName(QStringLiteral("rankingEntry"));
  ranking_->setMinimumWidth(90);
  ranking_label_->setBuddy(ranking_);
  ranking_->SetValue(ranking);

  auto* comment_label = new QLabel(tr("Comments/notes on the season"), frame);
  comment_ = new QPlainTextEdit(frame);
  comment_->setObjectName(QStringLiteral("commentEdit"));
  comment_->setTabChangesFocus(true);
  comment_->setMinimumHeight(90);
  comment_label->setBuddy(comment_);

  auto* year_row = new QGridLayout;
  if (ActiveSystem().IsYearly()) {
    year_row->addWidget(heading_, 0, 0);
    year_row->addWidget(year_box_, 0, 1);
    year_row->setColumnStretch(2, 1);
    year_row->addWidget(ranking_label_, 0, 3);
    year_row->addWidget(ranking_, 0, 4);
  } else {
    // Without a ranking to ask, the year sits in the middle of the dialog,
    // its heading just left of it.
    ranking_label_->hide();
    ranking_->hide();
    year_row->addWidget(heading_, 0, 0, Qt::AlignRight);
    year_row->addWidget(year_box_, 0, 1);
    year_row->setColumnStretch(0, 1);
    year_row->setColumnStretch(2, 1);
  }
  auto* frame_layout = new QVBoxLayout(frame);
  frame_layout->addLayout(year_row);
  frame_layout->addSpacing(6);
  frame_layout->addWidget(comment_label);
  frame_layout->addWidget(comment_);

  QFrame* hint = MakeHintBox(
      this, tr("A tip for new users:"),
      tr("To add, change or delete the matches of your seasons, go to the Matches page!"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &DLG_NOUVELLE_SAISON::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addWidget(hint);
  layout->addWidget(buttons);
  setMinimumWidth(440);

  ShowYear();
  if (mode_ == SeasonDialogMode::kChange) LoadSeasonOfYear();
  year_box_->setFocus();
}

CLASSEMENT DLG_NOUVELLE_SAISON::Ranking() {
  return ranking_->Value();
}

std::string DLG_NOUVELLE_SAISON::Comment() const {
  return CommentAfterEditing(stored_comment_, comment_->toPlainText().toStdString());
}

void DLG_NOUVELLE_SAISON::Step(int step) {
  year_ = NextFittingYear(owner_, year_, step, mode_);
  ShowYear();
  if (mode_ == SeasonDialogMode::kChange) LoadSeasonOfYear();
}

void DLG_NOUVELLE_SAISON::accept() {
  if (!YearIsValid()) return;
  if (!ranking_->Validate()) return;
  QDialog::accept();
}

bool DLG_NOUVELLE_SAISON::YearIsValid() {
  year_box_->interpretText();
  const int typed = year_box_->value();
  QString refusal;
  if (typed < ANNEE::kMin || typed > ANNEE::kMax) {
    refusal = tr("The season's year must be from %1 to %2.").arg(ANNEE::kMin).arg(ANNEE::kMax);
  } else if (!YearFitsMode(owner_, typed, mode_)) {
    refusal = mode_ == SeasonDialogMode::kNew ? tr("Season %1 already exists.").arg(typed)
                                              : tr("There is no season %1.").arg(typed);
  }
  if (refusal.isEmpty()) {
    year_ = typed;
    return true;
  }
  MessageBoxes::Warn(this, refusal);
  year_box_->setFocus();
  year_box_->selectAll();
  return false;
}

void DLG_NOUVELLE_SAISON::YearTyped() {
  const int typed = year_box_->value();
  if (typed == year_ || typed < ANNEE::kMin || typed > ANNEE::kMax ||
      !YearFitsMode(owner_, typed, mode_))
    return;
  year_ = typed;
  if (mode_ == SeasonDialogMode::kChange) LoadSeasonOfYear();
}

void DLG_NOUVELLE_SAISON::ShowYear() {
  year_box_->setValue(year_);
}

void DLG_NOUVELLE_SAISON::LoadSeasonOfYear() {
  ranking_->SetValue(OwnerRankingForYear(owner_, year_));
  const SAISON_JOUEUR* season = owner_.FindSeason(year_);
  stored_comment_ = season ? season->Comment() : std::string();
  comment_->setPlainText(QString::fromStdString(CommentForEditing(stored_comment_)));
}

}  // namespace scorvane
