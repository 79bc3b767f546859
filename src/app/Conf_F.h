#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
namespace qm {
class EditorSettingsHost;
}

// The settings dialog of the document editor's look: the fonts of Latin and
// Hebrew text, the size, the colours of text, tags, remarks and background,
// how many typed characters pass between full colourings, whether line
// numbers stand beside the source, and whether previewed pages may reach the network. Modeless; one
// instance lives as long as the main window, so what the user chose and
// cancelled is shown again at the next opening.
class TForm20 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm20(qm::EditorSettingsHost& host);

  // --- components ---
  QLabel* Label1 = nullptr;  // title
  QLabel* Label2 = nullptr;
  QComboBox* ComboBox1 = nullptr;  // Latin font
  QLabel* Label3 = nullptr;
  QComboBox* ComboBox2 = nullptr;  // Hebrew font
  QLabel* Label4 = nullptr;
  QComboBox* ComboBox3 = nullptr;  // size in points
  QLabel* Label6 = nullptr;
  QPushButton* Button3 = nullptr;  // text colour
  QPushButton* Button4 = nullptr;  // tag colour
  QPushButton* Button5 = nullptr;  // remarks colour
  QPushButton* Button6 = nullptr;  // background colour
  QLabel* Label10 = nullptr;
  QFrame* Panel1 = nullptr;  // the preview
  QLabel* Label5 = nullptr;  // "Text"
  QLabel* Label7 = nullptr;  // Hebrew text
  QLabel* Label8 = nullptr;  // a tag
  QLabel* Label9 = nullptr;  // a remark
  QLabel* Label11 = nullptr;
  QComboBox* ComboBox4 = nullptr;  // characters between full colourings
  QLabel* Label12 = nullptr;
  QLabel* Label13 = nullptr;  // the installed font that shows the Latin font
  QLabel* Label14 = nullptr;  // the installed font that shows the Hebrew font
  QCheckBox* LineNumbersCheck = nullptr;  // line numbers beside the source
  QCheckBox* CheckBox1 = nullptr;  // previewed pages may reach the network
  QPushButton* Button1 = nullptr;  // OK
  QPushButton* Button2 = nullptr;  // Cancel

  // --- working colours (0x00BBGGRR) ---
  std::uint32_t TextColour = 0;
  std::uint32_t TagColour = 0xFF0000;
  std::uint32_t RemarksColour = 0x707070;
  std::uint32_t BackColour = 0xFFFFFF;

  // Fills the dialog from the settings store.
  void LoadConf();
  // Shows the chosen fonts, size and colours in the preview.
  void RefreshDisp();
  void Button1Click();  // OK: apply, store, hide
  void Button2Click();  // Cancel: hide, keep the choices
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();

 private:
  void FormCreate();
  void PickColour(std::uint32_t& colour);
  qm::EditorSettingsHost& host_;
};
