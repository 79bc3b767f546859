#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace qm {
class InsertTarget;
class PageView;
}  // namespace qm

// The META tags wizard: author, description, keywords, refresh, content type
// and copyright. Opening reads the page's META tags into the window;
// "אישור" removes the page's tags of every ticked kind and writes the new
// ones after "<HEAD>", as one undo step.
class TForm18 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm18(qm::InsertTarget& host);

  // --- components ---
  QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr;
  QCheckBox *CheckBox4 = nullptr, *CheckBox5 = nullptr, *CheckBox6 = nullptr;
  QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr;
  QLineEdit* Edit4 = nullptr;  // refresh address
  QLineEdit* Edit5 = nullptr;  // refresh seconds
  QLineEdit* Edit6 = nullptr;
  QComboBox* ComboBox1 = nullptr;  // content type
  QPushButton* Button1 = nullptr;  // "אישור"
  QPushButton* Button2 = nullptr;  // "בטל"

  // --- operations ---
  // Clears the window, reads the page's META tags into it and shows it.
  void LoadFromDocument(qm::PageView* page);
  void Button1Click();

 private:
  void clearFields();
  // The tick of each kind, in the order of qm::wizards::MetaKind.
  std::array<QCheckBox*, 6> ticks() const;

  qm::InsertTarget& host_;
};
