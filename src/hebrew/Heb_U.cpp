#include "hebrew/Heb_U.h"
#include "platform/Controls.h"
#include "platform/Glyphs.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>
#include <QToolBar>
#include <QVBoxLayout>
#include <exception>

#include "core/text/Lines.h"
#include "host/InsertTarget.h"
#include "hebrew/HebMainMenu.h"
#include "hebrew/HebMemo.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/KeyboardLayout.h"
#include "platform/FileIO.h"
#include "platform/SettingsStore.h"
#include "platform/Prompts.h"
#include "platform/RichEdit.h"

namespace {

const QStringList kTextFilters = {QStringLiteral("Text Files|*.txt")};

// Lines of a plain memo as code-page 1255 bytes.
std::vector<std::string> memoLines(const QPlainTextEdit* memo) {
  return qm::lines::split(qm::lines::toCrLf(qm::toCp1255(memo->toPlainText())));
}

void setMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines[i];
  }
  memo->setPlainText(qm::fromCp1255(text));
}

using qm::Glyph;
using qm::drawGlyph;

QAction* makeItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(QString::fromLatin1(name));
  return a;
}

}  // namespace

TForm2::TForm2(qm::InsertTarget& host) : QMainWindow(nullptr), host_(host) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("הכנס טקסט בעברית"));
  setLayoutDirection(Qt::RightToLeft);
  // The main window owns this one; closing the main window ends the program
  // even while this window is showing.
  setAttribute(Qt::WA_QuitOnClose, false);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  Memo1 = new THebMemo(central);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Every line reads right to left from the right edge, Latin lines too, as
  // the page will show them.
  QTextOption memoOption = Memo1->document()->defaultTextOption();
  memoOption.setTextDirection(Qt::RightToLeft);
  memoOption.setAlignment(Qt::AlignRight);
  Memo1->document()->setDefaultTextOption(memoOption);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette pal = Memo1->palette();
  pal.setColor(QPalette::Base, QColor(0x00, 0x00, 0x80));  // navy
  pal.setColor(QPalette::Text, QColor(0xFF, 0xFF, 0x00));  // yellow
  Memo1->setPalette(pal);
  QFont memoFont(QStringLiteral("MS Sans Serif"));
  memoFont.setPixelSize(13);
  Memo1->setFont(memoFont);
  qm::switchLanguageOnFocus(Memo1, qm::Language::Hebrew, qm::Language::Keep);
  layout->addWidget(Memo1, 1);

  Memo2 = new QPlainTextEdit(central);
  Memo2->setObjectName(QStringLiteral("Memo2"));
  Memo2->setLayoutDirection(Qt::RightToLeft);
  Memo2->hide();
  layout->addWidget(Memo2);

  buildPanel();
  layout->addWidget(Panel1);
  setCentralWidget(central);
  buildMenus();

  // Stay on top from the start (N11 is ticked).
  setWindowFlag(Qt::WindowStaysOnTopHint, true);

  // A third of the screen plus a margin, centred.
  const QRect screenRect = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry()
                                                            : QRect(0, 0, 1024, 768);
  resize(screenRect.width() / 3 + 200, screenRect.height() / 3 + 53);
  move(screenRect.x() + (screenRect.width() - width()) / 2, screenRect.y() + (screenRect.height() - height()) / 2);

  N13->setChecked(host_.Settings().read(qm::setting::SelectAllHebWiz));
}

TForm2::~TForm2() = default;

void TForm2::buildPanel() {
  Panel1 = new QWidget(this);  // placed in the central layout by the constructor
  Panel1->setObjectName(QStringLiteral("Panel1"));
  auto* bar = new QHBoxLayout(Panel1);
  bar->setContentsMargins(4, 2, 4, 2);
  bar->setSpacing(6);

  Button1 = new QPushButton(QStringLiteral("הוספה"), Panel1);
  Button1->setObjectName(QStringLiteral("Button1"));
  QFont addFont = Button1->font();
  addFont.setPixelSize(15);
  Button1->setFont(addFont);
  QPalette addPalette = Button1->palette();
  addPalette.setColor(QPalette::ButtonText, QColor(0xFF, 0x00, 0x00));
  Button1->setPalette(addPalette);
  Button2 = new QPushButton(QStringLiteral("סגור"), Panel1);
  Button2->setObjectName(QStringLiteral("Button2"));
  connect(Button1, &QPushButton::clicked, this, qm::guarded(this, &TForm2::Button1Click));
  connect(Button2, &QPushButton::clicked, this, qm::guarded(this, &TForm2::Button2Click));
  qm::cancelOnEscape(this, Button2);

  ToolBar1 = new QToolBar(Panel1);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setIconSize(QSize(20, 20));
  // The buttons run from the left in their fixed order, whatever the window's direction.
  ToolBar1->setLayoutDirection(Qt::LeftToRight);
  auto tool = [this](const char* name, const QString& hint, const QIcon& icon) {
    QAction* a = ToolBar1->addAction(icon, hint);
    a->setObjectName(QString::fromLatin1(name));
    a->setToolTip(hint);
    return a;
  };
  auto separator = [this](const char* name) { ToolBar1->addSeparator()->setObjectName(QString::fromLatin1(name)); };
  ToolButton1 = tool("ToolButton1", QStringLiteral("נקה"), drawGlyph(Glyph::Clear));
  ToolButton2 = tool("ToolButton2", QStringLiteral("פתח"), drawGlyph(Glyph::Open));
  ToolButton3 = tool("ToolButton3", QStringLiteral("שמור בשם"), drawGlyph(Glyph::Save));
  separator("ToolButton4");
  ToolButton5 = tool("ToolButton5", QStringLiteral("העתק"), drawGlyph(Glyph::Copy));
  ToolButton6 = tool("ToolButton6", QStringLiteral("גזור"), drawGlyph(Glyph::Cut));
  ToolButton7 = tool("ToolButton7", QStringLiteral("הדבק"), drawGlyph(Glyph::Paste));
  separator("ToolButton8");
  ToolButton9 = tool("ToolButton9", QStringLiteral("בטל"), drawGlyph(Glyph::Undo));
  separator("ToolButton10");
  ToolButton11 = tool("ToolButton11", QStringLiteral("לכל שורה <BR> הוספת"), drawGlyph(Glyph::Text, "BR"));
  ToolButton13 = tool("ToolButton13", QStringLiteral("הפיכת סוגריים בטקסט עברי"), drawGlyph(Glyph::Text, "( )"));
  ToolButton12 = tool("ToolButton12", QStringLiteral("הפיכת עברית בלבד"), drawGlyph(Glyph::Text, QStringLiteral("אב")));
  for (QAction* check : {ToolButton11, ToolButton13, ToolButton12}) {
    check->setCheckable(true);
    check->setChecked(true);
  }
  connect(ToolButton1, &QAction::triggered, this, qm::guarded(this, &TForm2::ToolButton1Click));
  connect(ToolButton2, &QAction::triggered, this, qm::guarded(this, &TForm2::OpenTextFile));
  connect(ToolButton3, &QAction::triggered, this, qm::guarded(this, &TForm2::SaveTextFile));
  connect(ToolButton5, &QAction::triggered, Memo1, &QPlainTextEdit::copy);
  connect(ToolButton6, &QAction::triggered, Memo1, &QPlainTextEdit::cut);
  connect(ToolButton7, &QAction::triggered, Memo1, &QPlainTextEdit::paste);
  connect(ToolButton9, &QAction::triggered, this, qm::guarded(this, &TForm2::UndoClick));

  // Right to left: the buttons at the right edge, the tool bar at the left.
  bar->addWidget(Button1);
  bar->addWidget(Button2);
  bar->addStretch(1);
  bar->addWidget(ToolBar1);
}

void TForm2::buildMenus() {
  HebMainMenu1 = new THebMainMenu(this);
  HebMainMenu1->setObjectName(QStringLiteral("HebMainMenu1"));
  setMenuBar(HebMainMenu1);

  QMenu* file = HebMainMenu1->addMenu(QStringLiteral("&קובץ"));
  file->menuAction()->setObjectName(QStringLiteral("N1"));
  N2 = makeItem(file, "N2", QStringLiteral("פתיחה"));
  N4 = makeItem(file, "N4", QStringLiteral("שמור בשם"));
  N5 = makeItem(file, "N5", QStringLiteral("סגור"));

  QMenu* edit = HebMainMenu1->addMenu(QStringLiteral("&עריכה"));
  edit->menuAction()->setObjectName(QStringLiteral("N6"));
  N7 = makeItem(edit, "N7", QStringLiteral("העתק"));
  N8 = makeItem(edit, "N8", QStringLiteral("גזור"));
  N9 = makeItem(edit, "N9", QStringLiteral("הדבק"));
  N3 = makeItem(edit, "N3", QStringLiteral("בטל"));

  QMenu* options = HebMainMenu1->addMenu(QStringLiteral("אפשרויות"));
  options->menuAction()->setObjectName(QStringLiteral("N10"));
  N11 = makeItem(options, "N11", QStringLiteral("תמיד עליון"));
  N12 = makeItem(options, "N12", QStringLiteral("סדר בטבלה"));
  N13 = makeItem(options, "N13", QStringLiteral("סמן הכל לפני יבוא"));
  for (QAction* check : {N11, N12, N13}) check->setCheckable(true);
  N11->setChecked(true);

  connect(N2, &QAction::triggered, this, qm::guarded(this, &TForm2::OpenTextFile));
  connect(N4, &QAction::triggered, this, qm::guarded(this, &TForm2::SaveTextFile));
  connect(N5, &QAction::triggered, this, qm::guarded(this, &TForm2::N5Click));
  connect(N7, &QAction::triggered, Memo1, &QPlainTextEdit::copy);
  connect(N8, &QAction::triggered, Memo1, &QPlainTextEdit::cut);
  connect(N9, &QAction::triggered, Memo1, &QPlainTextEdit::paste);
  connect(N3, &QAction::triggered, this, qm::guarded(this, &TForm2::UndoClick));
  connect(N11, &QAction::triggered, this, qm::guarded(this, &TForm2::N11Click));
  connect(N13, &QAction::triggered, this, qm::guarded(this, &TForm2::N13Click));
}

qm::HebrewStandard TForm2::Standard() const { return host_.Standard(); }

qm::hebrew::EntryLayout TForm2::Layout() const {
  qm::hebrew::EntryLayout layout;
  layout.hebrewOnly = ToolButton12->isChecked();
  layout.mirror = ToolButton13->isChecked();
  layout.lineBreaks = ToolButton11->isChecked();
  layout.table = N12->isChecked();
  return layout;
}

std::vector<std::string> TForm2::TypedLines() const { return memoLines(Memo1); }

// ------------------------------------------------------------------ loading

void TForm2::LoadFromDocument(qm::PageView* page) {
  Memo1->setUpdatesEnabled(false);
  Memo2->setUpdatesEnabled(false);
  Memo1->hide();
  show();
  raise();
  activateWindow();
  if (page) {
    if (page->PageSelLength() == 0 && N13->isChecked())
      page->PageSelect(0, static_cast<std::int32_t>(page->PageText().size()));
    if (page->PageSelLength() > 0) {
      const std::string selected = page->PageToProgram(page->PageSelectedText());
      // Memo2 keeps the page's text as it stands; Memo1 gets it in reading order.
      setMemoLines(Memo2, qm::lines::split(selected));
      setMemoLines(Memo1, qm::hebrew::readingOrderLines(selected, Standard()));
    }
  }
  Memo1->show();
  Memo1->setFocus();
  Memo1->moveCursor(QTextCursor::Start);
  Memo1->setUpdatesEnabled(true);
  Memo2->setUpdatesEnabled(true);
}

// ------------------------------------------------------------------ inserting

void TForm2::Button1Click() {
  qm::PageView* page = host_.ActivePage();
  if (!page) return;
  const std::vector<std::string> markup = qm::hebrew::entryMarkup(TypedLines(), Layout(), Standard());
  // The selection goes, the lines go in at its start and the caret stays
  // there: one undo step, coloured once.
  page->PageOneStep([&] {
    const std::int32_t caret = page->PageSelStart();
    host_.TInsert(markup);
    page->PageSelect(caret, 0);
  });
  setMemoLines(Memo2, markup);
  hide();
  Memo1->clear();
}

// ------------------------------------------------------------------ other handlers

void TForm2::Button2Click() {
  Memo1->clear();
  hide();
}

void TForm2::N5Click() {
  Memo1->clear();
  hide();
}

void TForm2::FormActivate() {
  if (Memo1->isVisible()) Memo1->setFocus();
}

void TForm2::FormHide() {
  if (restyling_) return;
  if (qm::PageView* page = host_.ActivePage()) {
    host_.HostWindow()->activateWindow();
    page->PageFocus();
  }
}


void TForm2::ToolButton1Click() { Memo1->clear(); }

void TForm2::UndoClick() {
  if (Memo1->document()->isUndoAvailable()) Memo1->undo();
}

void TForm2::N11Click() {
  const bool wasVisible = isVisible();
  // New window flags hide the window; that is no hiding by the user.
  restyling_ = true;
  setWindowFlag(Qt::WindowStaysOnTopHint, N11->isChecked());
  if (wasVisible) show();
  restyling_ = false;
}

void TForm2::N13Click() {
  if (N13->isChecked()) ToolButton11->setChecked(false);
  host_.Settings().write(qm::setting::SelectAllHebWiz, N13->isChecked());
}

void TForm2::OpenTextFile() {
  qm::FileDialogRequest req;
  req.title = QStringLiteral("פתיחה");
  req.filters = kTextFilters;
  const auto chosen = qm::prompts().openFile(this, req);
  if (!chosen) return;
  try {
    const std::string bytes = qm::readFileBytes(chosen->path);
    setMemoLines(Memo1, qm::lines::split(qm::lines::toCrLf(bytes)));
  } catch (const std::exception& e) {
    qm::prompts().error(this, qm::exceptionText(e.what()));
  }
}

void TForm2::SaveTextFile() {
  qm::FileDialogRequest req;
  req.title = QStringLiteral("שמור בשם");
  req.filters = kTextFilters;
  req.defaultSuffix = QStringLiteral("txt");
  const auto chosen = qm::prompts().saveFile(this, req);
  if (!chosen) return;
  try {
    qm::writeFileAtomically(chosen->path, qm::lines::joinTerminated(TypedLines()));
  } catch (const std::exception& e) {
    qm::prompts().error(this, qm::exceptionText(e.what()));
  }
}

// ------------------------------------------------------------------ events

bool TForm2::event(QEvent* e) {
  const bool result = QMainWindow::event(e);
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return result;
}

void TForm2::hideEvent(QHideEvent* e) {
  QMainWindow::hideEvent(e);
  // Minimising is no hiding by the program or the user's close.
  if (!e->spontaneous()) FormHide();
}

