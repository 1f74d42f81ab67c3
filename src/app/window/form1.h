#pragma once
// Form1, the one window of the program: the designed layout, the two
// commands, and the dialogs and writes through which the computation talks to
// the surveyor.
#include <QWidget>
#include <array>
#include <string>
#include <string_view>

#include "app/network.h"
#include "app/ui.h"

class QApplication;
class QLineEdit;
class QPushButton;

namespace quorvel {

class Caption;

class Form1 final : public QWidget, public Ui {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);

  // A modal one-line dialog with the prompt only; "" on Cancel or Esc.
  std::string InputBox(std::string_view prompt) override;
  void SetText(int field, std::string_view text) override;
  void SetCaption(int label, std::string_view text) override;
  void ReportError(std::string_view message) override;

  QLineEdit* Text(int n) const;         // Text1..Text25
  Caption* Label(int n) const;          // Label1..Label96
  QPushButton* Command(int n) const;    // Command1, Command2

  // Shows the window at the size of the whole layout, wholly on the screen,
  // with the compute command focused.
  void ShowAtStart();

 public slots:
  void Command1_Click();  // one whole computation
  void Command2_Click();  // ends the program

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Network net_;
  std::array<QLineEdit*, 26> text_{};
  std::array<Caption*, 97> label_{};
  std::array<QPushButton*, 3> command_{};
};

// The application-wide settings of the program: Chinese texts for Qt's own
// buttons (确定, 取消) where the translations are installed, and a dialog font
// that has Chinese.
void SetUpApplication(QApplication& app);

}  // namespace quorvel
