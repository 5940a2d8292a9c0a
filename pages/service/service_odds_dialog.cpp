#include "pages/service/service_odds_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "stats/service_odds.h"
#include "widgets/screen_colours.h"
#include "widgets/settings.h"

namespace scorvane {
namespace {

constexpr const char* kInputKeys[] = {settings::kServiceFirstIn, settings::kServiceFirstWon,
                                      settings::kServiceSecondIn, settings::kServiceSecondWon};

QString PercentText(int value) {
  return QString::number(value) + QStringLiteral(" %");
}

QSlider* MakeSlider(QWidget* parent, const QString& name, bool enabled) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(name);
  slider->setRange(0, 100);
  slider->setPageStep(10);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(10);
  slider->setMinimumWidth(240);
  slider->setEnabled(enabled);
  return slider;
}

}  // namespace

DLG_PROBAS_SERVICE::DLG_PROBAS_SERVICE(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("serviceCalculator"));
  setWindowTitle(tr("Influence of service success"));
  FillBackground(*this, ScreenColours::DialogBackground());

  const QString input_labels[] = {tr("% 1st serve"), tr("% pts on 1st serve"), tr("% 2nd serve"),
                                  tr("% pts on 2nd serve")};
  const QString output_labels[] = {
      tr("Probability of winning a service point"),
      tr("Probability of winning a point on a 1st serve"),
      tr("Probability of a double fault"),
      tr("At deuce, probability of winning the game"),
      tr("Probability of winning one's service game"),
  };

  auto* statistics = new QGroupBox(tr("Your service"), this);
  auto* input_grid = new QGridLayout(statistics);
  QSettings store = settings::User();
  for (int input = 0; input < kInputCount; ++input) {
    QSlider* slider = MakeSlider(statistics, QStringLiteral("input%1").arg(input), true);
    slider->setValue(settings::ReadInt(store, kInputKeys[input], 50));
    auto* text = new QLabel(statistics);
    text->setObjectName(QStringLiteral("inputText%1").arg(input));
    text->setMinimumWidth(48);
    input_grid->addWidget(new QLabel(input_labels[input], statistics), input, 0);
    input_grid->addWidget(slider, input, 1);
    input_grid->addWidget(text, input, 2);
    inputs_[static_cast<size_t>(input)] = slider;
    input_texts_[static_cast<size_t>(input)] = text;
    connect(slider, &QSlider::valueChanged, this, &DLG_PROBAS_SERVICE::Recompute);
  }

  auto* results = new QGroupBox(tr("What follows"), this);
  auto* output_grid = new QGridLayout(results);
  for (int output = 0; output < kOutputCount; ++output) {
    QSlider* slider = MakeSlider(results, QStringLiteral("output%1").arg(output), false);
    auto* text = new QLabel(results);
    text->setObjectName(QStringLiteral("outputText%1").arg(output));
    text->setMinimumWidth(48);
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    output_grid->addWidget(new QLabel(output_labels[output], results), output, 0);
    output_grid->addWidget(slider, output, 1);
    output_grid->addWidget(text, output, 2);
    outputs_[static_cast<size_t>(output)] = slider;
    output_texts_[static_cast<size_t>(output)] = text;
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &DLG_PROBAS_SERVICE::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(statistics);
  layout->addWidget(results);
  layout->addWidget(buttons);
  Recompute();
}

QString DLG_PROBAS_SERVICE::InputText(int input) const {
  return input_texts_[static_cast<size_t>(input)]->text();
}

QString DLG_PROBAS_SERVICE::OutputText(int output) const {
  return output_texts_[static_cast<size_t>(output)]->text();
}

void DLG_PROBAS_SERVICE::Recompute() {
  for (int input = 0; input < kInputCount; ++input) {
    input_texts_[static_cast<size_t>(input)]->setText(
        PercentText(inputs_[static_cast<size_t>(input)]->value()));
  }
  const ServiceOdds odds =
      ComputeServiceOdds({inputs_[kFirstIn]->value(), inputs_[kFirstWon]->value(),
                          inputs_[kSecondIn]->value(), inputs_[kSecondWon]->value()});
  const double values[] = {odds.point, odds.first_point, odds.double_fault, odds.from_deuce,
                           odds.game};
  for (int output = 0; output < kOutputCount; ++output) {
    const int shown = ShownPercentage(values[output]);
    outputs_[static_cast<size_t>(output)]->setValue(shown);
    output_texts_[static_cast<size_t>(output)]->setText(PercentText(shown));
  }
}

void DLG_PROBAS_SERVICE::accept() {
  QSettings store = settings::User();
  for (int input = 0; input < kInputCount; ++input)
    store.setValue(kInputKeys[input], inputs_[static_cast<size_t>(input)]->value());
  QDialog::accept();
}

void ShowServiceCalculator(QWidget* parent) {
  DLG_PROBAS_SERVICE dialog(parent);
  dialog.exec();
}

}  // namespace scorvane
