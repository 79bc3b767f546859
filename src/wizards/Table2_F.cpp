#include "wizards/Table2_F.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/wizards/TableMarkup.h"
#include "host/InsertTarget.h"
#include "hebrew/HebEdit.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/KeyboardLayout.h"
#include "platform/Controls.h"
#include "wizards/WizardKit.h"

using qm::makeNamed;

namespace {

// Rows are 25 pixels apart. The grid stands below the 25-pixel strip, so row r
// at 25 * r in the grid is 25 * r + 25 in the window: the first row at 50.
constexpr int kRowHeight = 25;
constexpr int kCellHeight = 21;

}  // namespace

TForm11::TForm11(qm::InsertTarget& host) : QWidget(nullptr), host_(host) {
  setObjectName(QStringLiteral("Form11"));
  setWindowTitle(QStringLiteral("אשף הטבלאות"));
  setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_QuitOnClose, false);
  setLayoutDirection(Qt::LeftToRight);
  move(0, 0);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  Panel1 = makeNamed<QWidget>(this, "Panel1");
  Panel1->setFixedHeight(kRowHeight);
  auto* strip = new QHBoxLayout(Panel1);
  strip->setContentsMargins(2, 0, 2, 0);
  Label1 = makeNamed<QLabel>(Panel1, "Label1", QStringLiteral("\"ערוך את הטבלה ולחץ על \"הוסף"));
  Button1 = makeNamed<QPushButton>(Panel1, "Button1", QStringLiteral("הוסף"));
  Button2 = makeNamed<QPushButton>(Panel1, "Button2", QStringLiteral("ביטול"));
  ComboBox1 = makeNamed<QComboBox>(Panel1, "ComboBox1");
  ComboBox1->setLayoutDirection(Qt::RightToLeft);
  ComboBox1->addItems({QStringLiteral("ללא תוספת"), QStringLiteral("יישור לימין"), QStringLiteral("יישור למרכז"),
                       QStringLiteral("יישור לשמאל"), QStringLiteral("מותאם אישית")});
  ComboBox1->setCurrentIndex(0);
  CustomEdit = makeNamed<QLineEdit>(Panel1, "CustomEdit");
  strip->addWidget(Label1);
  strip->addWidget(Button1);
  strip->addWidget(Button2);
  strip->addWidget(ComboBox1);
  strip->addWidget(CustomEdit);
  strip->addStretch(1);
  outer->addWidget(Panel1);

  scroll_ = new QScrollArea(this);
  scroll_->setWidgetResizable(false);
  outer->addWidget(scroll_, 1);

  connect(ComboBox1, qOverload<int>(&QComboBox::activated), this, [this] { ComboBox1Click(); });
  connect(Button1, &QPushButton::clicked, this, qm::guarded([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, qm::guarded([this] { Button2Click(); }));
  qm::cancelOnEscape(this, Button2);
  // The cells are typed in Hebrew, the prefix in English.
  qm::switchLanguageOnFocus(CustomEdit, qm::Language::English, qm::Language::Hebrew);
  resize(640, 400);
}

void TForm11::ComboBox1Click() {
  switch (ComboBox1->currentIndex()) {
    case 1: CustomEdit->setText(QStringLiteral("<P ALIGN=RIGHT>")); break;
    case 2: CustomEdit->setText(QStringLiteral("<CENTER>")); break;
    case 3: CustomEdit->setText(QStringLiteral("<P ALIGN=LEFT>")); break;
    default: break;  // nothing, or the user's own prefix
  }
}

void TForm11::CreateTable(int cols, int rows, int width, QProgressBar* progress) {
  FreeCells();
  if (progress) progress->show();
  if (rows <= 0 || cols <= 0 || rows > kMax || cols > kMax) {
    if (progress) progress->hide();
    return;
  }
  const int cellWidth = width > 0 ? width : 1;
  minCellWidth_ = cellWidth;
  colWidths_.fill(cellWidth);
  grid_ = new QWidget;
  grid_->setLayoutDirection(Qt::LeftToRight);
  grid_->resize(cellWidth * cols, kRowHeight * (rows + 1));
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= cols; ++c) {
      auto* cell = new THebEdit(grid_);
      cell->setObjectName(QStringLiteral("Cells_%1_%2").arg(c).arg(r));
      cell->setGeometry(cellWidth * (c - 1), kRowHeight * r, cellWidth, kCellHeight);
      connect(cell, &QLineEdit::textChanged, this, [this, c] { FitColumn(c); });
      Cells[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = cell;
    }
    if (progress) {
      progress->setValue(static_cast<int>(std::lround(100.0 * r / rows)));
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
  }
  // The counts are set only once every cell they cover exists.
  ColCount = static_cast<std::uint8_t>(cols);
  RowCount = static_cast<std::uint8_t>(rows);
  scroll_->setWidget(grid_);
  if (progress) progress->hide();
}

void TForm11::FitColumn(int c) {
  const auto col = static_cast<std::size_t>(c);
  int width = minCellWidth_;
  for (std::size_t r = 1; r <= RowCount; ++r) {
    const THebEdit* cell = Cells[col][r];
    // The text, the frame and the margins of the field, and room for the caret.
    width = std::max(width, cell->fontMetrics().horizontalAdvance(cell->text()) + 16);
  }
  if (width == colWidths_[col]) return;
  colWidths_[col] = width;
  int x = 0;
  for (std::size_t k = 1; k <= ColCount; ++k) {
    for (std::size_t r = 1; r <= RowCount; ++r)
      Cells[k][r]->setGeometry(x, kRowHeight * static_cast<int>(r), colWidths_[k], kCellHeight);
    x += colWidths_[k];
  }
  grid_->resize(x, grid_->height());
}

void TForm11::FreeCells() {
  // The scroll area owns the grid once it shows it; deleting it frees every cell.
  if (grid_) {
    if (scroll_->widget() == grid_) scroll_->takeWidget();
    delete grid_;
    grid_ = nullptr;
  }
  for (std::size_t c = 1; c <= ColCount; ++c)
    for (std::size_t r = 1; r <= RowCount; ++r) Cells[c][r] = nullptr;
  ColCount = 0;
  RowCount = 0;
}

void TForm11::Button1Click() {
  // With no page to write into, the grid and what was typed in it stay.
  qm::PageView* page = host_.ActivePage();
  if (!page) return;
  if (ComboBox1->currentIndex() == 0) CustomEdit->clear();
  qm::wizards::TableChoices t;
  if (Head) {
    TableHead h = Head();
    t.border = std::move(h.border);
    t.width = std::move(h.width);
    t.caption = std::move(h.caption);
    t.header = std::move(h.header);
  }
  t.prefix = qm::toCp1255(CustomEdit->text());
  t.cells.resize(RowCount);
  for (std::size_t r = 1; r <= RowCount; ++r) {
    auto& row = t.cells[r - 1];
    row.reserve(ColCount);
    for (std::size_t c = 1; c <= ColCount; ++c) row.push_back(qm::toCp1255(Cells[c][r]->text()));
  }
  const std::vector<std::string> lines = qm::wizards::tableLines(t, host_.Standard());
  page->PageOneStep([&] {
    qm::SetEnglish();
    host_.TInsert(lines);
  });
  hide();
  FreeCells();
}

void TForm11::Button2Click() {
  hide();
  FreeCells();
}
