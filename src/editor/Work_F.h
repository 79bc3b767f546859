#pragma once

#include <QWidget>

// A document window: one open page in the MDI area of the main window.
class TWorkForm : public QWidget {
  Q_OBJECT
 public:
  explicit TWorkForm(QWidget* parent = nullptr);
};
