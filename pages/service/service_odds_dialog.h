// DLG_PROBAS_SERVICE, the service calculator: four sliders for the share of
// first and second serves in and of points won behind each, and five
// read-only sliders with what they imply (service point, point on a first
// serve, double fault, game from deuce, service game), recomputed at every
// move. The four inputs are kept in the settings when the dialog closes
// with OK.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QSlider;

namespace scorvane {

class DLG_PROBAS_SERVICE : public QDialog {
  Q_OBJECT

 public:
  // Inputs in this order.
  enum Input { kFirstIn, kFirstWon, kSecondIn, kSecondWon, kInputCount };
  // Outputs in this order.
  enum Output { kPoint, kFirstPoint, kDoubleFault, kFromDeuce, kGame, kOutputCount };

  // Opens on the inputs kept in the settings (50 each when absent).
  explicit DLG_PROBAS_SERVICE(QWidget* parent = nullptr);

  QSlider* InputSlider(int input) const { return inputs_[static_cast<size_t>(input)]; }
  QSlider* OutputSlider(int output) const { return outputs_[static_cast<size_t>(output)]; }
  // "38 %": the text beside a slider.
  QString InputText(int input) const;
  QString OutputText(int output) const;

 public slots:
  // Keeps the four inputs in the settings, then closes.
  void accept() override;

 private:
  void Recompute();

  std::array<QSlider*, kInputCount> inputs_{};
  std::array<QLabel*, kInputCount> input_texts_{};
  std::array<QSlider*, kOutputCount> outputs_{};
  std::array<QLabel*, kOutputCount> output_texts_{};
};

// Runs the calculator.
void ShowServiceCalculator(QWidget* parent);

}  // namespace scorvane
