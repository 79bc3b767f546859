#pragma once

#include <QWidget>
#include <array>

class QPushButton;
namespace qm {
class InsertTarget;
}

// The special characters palette: a row of twelve buttons, each putting one
// character reference in place of the active page's selection. It stays open
// and on top, so several characters go in one after another.
class TForm13 : public QWidget {
 public:
  explicit TForm13(qm::InsertTarget& host);

  std::array<QPushButton*, 12> Buttons{};  // Button1 ... Button12, left to right

 private:
  qm::InsertTarget& host_;
};
