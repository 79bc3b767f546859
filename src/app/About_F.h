#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QTimer;
class TForm1;

// The splash window, shown for two seconds at start-up and again as the
// about box. Image1 is the picture, Image2 the strip under it (Image3 while
// the mouse is over it; clicking the strip closes the window), Image4 to
// Image7 the alternative pictures that the "EE" counter rotates through.
class TAbout_Form : public QWidget {
  Q_OBJECT
 public:
  // Reads and advances "EE", shows itself centred on the screen and starts
  // Timer1.
  explicit TAbout_Form(TForm1& form, QWidget* parent = nullptr);
  ~TAbout_Form() override;

  // Timer1 fired: open the command-line file, hide, show the tool bar.
  void Timer1Timer();
  // The about box: centred on the screen and shown.
  void ShowAbout();
  // The mouse left the strip: show Image2 again instead of Image3.
  void HoverReset();

  QLabel* Image(int n) const { return images_.at(static_cast<std::size_t>(n)); }  // 1..7
  QTimer* Timer1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void centreOnScreen();
  TForm1& form_;
  std::array<QLabel*, 8> images_{};
};
