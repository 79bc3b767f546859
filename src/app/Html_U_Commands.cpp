// The command components of the main window, built from tables: the main
// menu, the popup menus, the tool bar, the tag palette and the quick-edit bar.
// One table row per component; what a component does is registered by name
// (TForm1::setCommand), so the rows say only what the user sees.
#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "app/Html_U.h"
#include "platform/Application.h"
#include "platform/Glyphs.h"
#include "hebrew/HebEdit.h"
#include "hebrew/HebMainMenu.h"

namespace {

// ---- Menus --------------------------------------------------------------

enum MenuFlags : unsigned {
  Plain = 0,
  Sub = 1,        // the row opens a submenu named after the row
  Check = 2,      // check item
  Checked = 4,    // checked at start
  Radio = 8,      // one of an exclusive group within its menu
};

struct MenuRow {
  const char* menu;      // the menu the item belongs to ("" = the menu bar)
  const char* name;      // component name; "" for a separator
  const char* caption;
  const char* shortcut;  // QKeySequence text ("; " between two keys), "" for none
  unsigned flags;
  const char* hint;
};

// Main menu, in menu order.
const MenuRow kMainMenu[] = {
    {"", "N1", "&קובץ", "", Sub, ""},
    {"N1", "N6", "מסמך חדש", "Ctrl+N", Plain, ""},
    {"N1", "N3", "פתיחה", "Ctrl+O", Plain, ""},
    {"N1", "N4", "שמור", "Ctrl+S", Plain, ""},
    {"N1", "N5", "שמור בשם", "Ctrl+Shift+S", Plain, ""},
    {"N1", "N56", "סגור מסמך", "Ctrl+W; Ctrl+F4", Plain, ""},
    {"N1", "", "", "", Plain, ""},
    {"N1", "FTP1", "שמור ל FTP", "", Plain, ""},
    {"N1", "FTP2", "טען מ FTP", "", Plain, ""},
    {"N1", "", "", "", Plain, ""},
    {"N1", "N10", "יציאה", "Alt+X", Plain, ""},
    {"N1", "", "", "", Plain, ""},
    {"N1", "N43", "מסמכים אחרונים", "", Sub, ""},
    {"N43", "R1", "", "", Plain, ""},
    {"N43", "R2", "", "", Plain, ""},
    {"N43", "R3", "", "", Plain, ""},
    {"N43", "R4", "", "", Plain, ""},
    {"N43", "R5", "", "", Plain, ""},
    {"N1", "N45", "הגדרות", "", Plain, ""},

    {"", "N2", "&עריכה", "", Sub, ""},
    {"N2", "N7", "העתק ", "", Plain, ""},
    {"N2", "N8", "גזור", "", Plain, ""},
    {"N2", "N9", "הדבק", "", Plain, ""},
    {"N2", "N20", "בחר הכל", "Ctrl+A", Plain, ""},
    {"N2", "N12", "בטל", "Ctrl+Z", Plain, ""},
    {"N2", "N57", "בצע שוב", "Ctrl+Y", Plain, ""},
    {"N2", "", "", "", Plain, ""},
    {"N2", "N19", "חפש", "Ctrl+F", Plain, ""},
    {"N2", "N55", "חפש הבא", "F3", Plain, ""},
    {"N2", "N35", "החלף", "Ctrl+H", Plain, ""},
    {"N2", "", "", "", Plain, ""},
    {"N2", "N37", "לך לשורה...", "Ctrl+G", Plain, ""},

    {"", "N13", "&תצוגה", "", Sub, ""},
    {"N13", "N14", "מדורג", "", Plain, ""},
    {"N13", "N15", "פרוש אופקית", "", Plain, ""},
    {"N13", "N18", "פרוש אנכית", "", Plain, ""},
    {"N13", "N16", "החלון הבא", "Alt+N", Plain, ""},
    {"N13", "N17", "החלון הקודם", "Alt+P", Plain, ""},
    {"N13", "", "", "", Plain, ""},
    {"N13", "N21", "סרגל כלים", "", Check | Checked, ""},
    {"N13", "N30", "סרגל עריכה מהירה", "", Check | Checked, ""},
    {"N13", "", "", "", Plain, ""},
    {"N13", "N52", "תצוגת עמוד\\מקור", "F11", Plain, ""},

    {"", "N22", "&אפשרויות", "", Sub, ""},
    {"N22", "N23", "כלול שם נתיב", "", Check | Checked, "האם יבוצע הוספה של שם נתיב מלא לקבצים"},
    {"N22", "N24", "הוספת תגים חכמה", "", Check | Checked, ""},
    {"N22", "N38", "קידוד צבע לטקסט", "", Check | Checked, ""},
    {"N22", "N44", "הזחת טקסט", "", Check | Checked, ""},

    {"", "N46", "ע&ברית", "", Sub, ""},
    {"N46", "N47", "אשף עברית", "", Plain, ""},
    {"N46", "N48", "ערוך עברית", "F12", Plain, ""},
    {"N46", "", "", "", Plain, ""},
    {"N46", "N53", "תקן...", "", Sub, ""},
    {"N53", "ISO1", "ISO ויזואלית", "", Radio | Checked, ""},
    {"N53", "N50", "WIN לוגית", "", Radio, ""},
    {"N46", "UTF81", "המר לעברית לוגית UTF-8", "", Plain, ""},

    {"", "N32", "&כלים", "", Sub, ""},
    {"N32", "N33", "הסרת נתיבים", "", Plain, ""},
    {"N32", "N34", "הסרת תגיות", "", Plain, ""},
    {"N32", "NCIE1", "המרת עברית IE<-NS", "", Plain, ""},

    {"", "N39", "ר&שת", "", Sub, ""},
    {"N39", "FTP3", "חיבור ל FTP ", "", Plain, ""},
    {"N39", "", "", "", Plain, ""},
    {"N39", "N41", "התחבר לאתר", "", Plain, ""},
    {"N39", "N40", "מדריכים מקוונים", "", Plain, ""},
    {"N39", "N42", "בדוק עידכונים", "", Plain, ""},

    {"", "N11", "&עזרה", "", Sub, ""},
    {"N11", "N25", "אודות", "", Plain, ""},
    {"N11", "N26", "עזרה", "", Plain, ""},
};

// Popup menus of the palette (the server-variable menus follow below).
const MenuRow kPopupMenus[] = {
    {"PopupMenu1", "H11", "H1", "", Plain, ""},
    {"PopupMenu1", "H21", "H2", "", Plain, ""},
    {"PopupMenu1", "H31", "H3", "", Plain, ""},
    {"PopupMenu1", "H41", "H4", "", Plain, ""},
    {"PopupMenu1", "H51", "H5", "", Plain, ""},
    {"PopupMenu1", "H61", "H6", "", Plain, ""},

    {"PopupMenu2", "N51", "<%...%>", "", Plain, ""},
    {"PopupMenu2", "includefile1", "<!--#include file=\"...\"-->", "", Plain, ""},
    {"PopupMenu2", "N54", "<%=...  %>", "", Plain, ""},
    {"PopupMenu2", "If1", "<% If...  %>", "", Plain, ""},
    {"PopupMenu2", "EndIf1", "<% End If ...%>", "", Plain, ""},

    {"PopupMenu3", "includefile2", "<!--#include file=\"\" -->", "", Plain, ""},
    {"PopupMenu3", "execcgi1", "<!--#exec cgi=\"\" -->", "", Plain, ""},
    {"PopupMenu3", "label1", "<!--#label=\"\" -->", "", Plain, ""},
    {"PopupMenu3", "goto1", "<!--#goto=\"\" -->", "", Plain, ""},
    {"PopupMenu3", "break1", "<!--#break -->", "", Plain, ""},

    {"PopupMenu5", "MenuItem31", "<? ... ?>", "", Plain, ""},
    {"PopupMenu5", "MenuItem32", "<? include (\"\"); ?>", "", Plain, ""},
    {"PopupMenu5", "MenuItem33", "<? require (\"\"); ?>", "", Plain, ""},
    {"PopupMenu5", "MenuItem34", "<? echo  ?>", "", Plain, ""},
    {"PopupMenu5", "MenuItem35", "<? if () { } else { } ?>", "", Plain, ""},
};

// ---- Tool bar -------------------------------------------------------------

using qm::Glyph;
using qm::drawGlyph;

struct ToolRow {
  const char* name;  // "" for a separator
  const char* hint;
  Glyph glyph;
};

const ToolRow kToolBar[] = {
    {"ToolButton1", "חדש", Glyph::New},
    {"ToolButton2", "פתח", Glyph::Open},
    {"ToolButton3", "שמור", Glyph::Save},
    {"", "", Glyph::None},
    {"ToolButton5", "העתק", Glyph::Copy},
    {"ToolButton6", "גזור", Glyph::Cut},
    {"ToolButton7", "הדבק", Glyph::Paste},
    {"", "", Glyph::None},
    {"ToolButton9", "בטל", Glyph::Undo},
    {"", "", Glyph::None},
    {"ToolButton11", "דרג חלונות", Glyph::Cascade},
    {"ToolButton12", "פרוש חלונות אופקית", Glyph::TileRows},
    {"ToolButton16", "פרוש חלונות אנכית", Glyph::TileColumns},
    {"", "", Glyph::None},
    {"ToolButton14", "החלון הקודם", Glyph::Previous},
    {"ToolButton15", "החלון הבא", Glyph::Next},
    {"", "", Glyph::None},
    {"", "", Glyph::None},
};

// ---- Tag palette ----------------------------------------------------------

struct PaletteRow {
  int page;              // 1..6
  const char* name;
  const char* hint;
  const char* caption;   // "" when the button shows a glyph
  Glyph glyph;           // Glyph::Text draws `glyphText`
  const char* glyphText;
};

const char* const kPageCaptions[] = {"בסיסי", "גופנים", "מסגרות", "טבלאות", "טפסים", "סקריפט"};

const PaletteRow kPalette[] = {
    {1, "SpeedButton6", "אשף עיצוב גוף המסמך", "", Glyph::Text, "BDY"},
    {1, "SpeedButton34", "אשף תגיות-על", "", Glyph::Text, "MTA"},
    {1, "LinkB", "הוספת היפר קישור", "", Glyph::Text, "URL"},
    {1, "ImageB", "הוספת תמונה", "", Glyph::Text, "IMG"},
    {1, "BrB", "שורה חדשה", "BR", Glyph::None, ""},
    {1, "SpeedButton1", "יישור לשמאל", "", Glyph::AlignLeft, ""},
    {1, "SpeedButton2", "יישור למרכז", "", Glyph::AlignCenter, ""},
    {1, "SpeedButton3", "יישור לימין", "", Glyph::AlignRight, ""},
    {1, "SpeedButton4", "פיסקה חדשה", "", Glyph::Text, "P"},
    {1, "SpeedButton5", "הוספת קו אופקי", "", Glyph::Rule, ""},
    {1, "SpeedButton29", "סימנים מיוחדים", "#", Glyph::None, ""},
    {1, "SpeedButton12", "הוספת ערך של צבע", "", Glyph::Colour, ""},
    {1, "SpeedButton7", "הוספת הערה", "", Glyph::Text, "<!>"},
    {1, "SpeedButton30", "הוספת רכיב מולטימדיה", "", Glyph::Text, "MM"},
    {1, "MailB", "הוספת כתובת דואר אלקטרוני", "", Glyph::Text, "@"},

    {2, "SpeedButton8", "שינוי גודל הגופן וצבעו", "", Glyph::Text, "Aa"},
    {2, "SpeedButton9", "מודגש", "B", Glyph::None, ""},
    {2, "SpeedButton10", "נטוי", "I", Glyph::None, ""},
    {2, "SpeedButton11", "קו תחתי", "U", Glyph::None, ""},
    {2, "SpeedButton33", "", "H", Glyph::None, ""},

    {3, "SpeedButton13", "אשף המסגרות", "", Glyph::TileColumns, ""},
    {3, "SpeedButton14", "<FRAMESET></FRAMESET>", "set", Glyph::None, ""},
    {3, "SpeedButton15", "<FRAME>", "FR", Glyph::None, ""},
    {3, "SpeedButton16", "<IFRAME></IFRAME>", "IF", Glyph::None, ""},
    {3, "SpeedButton17", "<NOFRAMES></NOFRAMES>", "NOF", Glyph::None, ""},
    {3, "SpeedButton18", "SCROLLING=\"\"", "SC", Glyph::None, ""},
    {3, "SpeedButton19", "FRAME SRC=\"\"", "fsrc", Glyph::None, ""},
    {3, "SpeedButton20", "<BASE TARGET=\"\">", "BAS", Glyph::None, ""},
    {3, "SpeedButton21", "FRAMEBORDER=\"\"", "FB", Glyph::None, ""},

    {4, "SpeedButton22", "אשף הטבלאות", "", Glyph::Table, ""},
    {4, "SpeedButton23", "<TABLE></TABLE>", "TBL", Glyph::None, ""},
    {4, "SpeedButton24", "<TR></TR>", "TR", Glyph::None, ""},
    {4, "SpeedButton25", "<TD></TD>", "TD", Glyph::None, ""},
    {4, "SpeedButton26", "<TH></TH>", "TH", Glyph::None, ""},
    {4, "SpeedButton27", "<CAPTION></CAPTION>", "cap", Glyph::None, ""},

    {5, "SpeedButton31", "אשף טפסים", "", Glyph::Text, "FRM"},
    {5, "SpeedButton32", "טופס", "", Glyph::Text, "F"},

    {6, "SpeedButton35", "אשף סקריפטים", "", Glyph::Text, "LIB"},
    {6, "SpeedButton28", "JavaScript אשף ", "", Glyph::Text, "JS"},
    {6, "SpeedButton37", "תגיות נפוצות", "asp", Glyph::None, ""},
    {6, "SpeedButton38", "משתני סביבה", "", Glyph::Text, "$"},
    {6, "SpeedButton39", "תגיות נפוצות", "ssi", Glyph::None, ""},
    {6, "SpeedButton40", "משתני סביבה", "", Glyph::Text, "$"},
    {6, "SpeedButton36", "תגיות נפוצות", "php", Glyph::None, ""},
};

// The palette buttons that open a popup menu.
const struct {
  const char* button;
  const char* menu;
} kPopupButtons[] = {
    {"SpeedButton33", "PopupMenu1"}, {"SpeedButton37", "PopupMenu2"}, {"SpeedButton39", "PopupMenu3"},
    {"SpeedButton38", "PopupMenu4"}, {"SpeedButton36", "PopupMenu5"}, {"SpeedButton40", "PopupMenu6"},
};

// Server variables: PopupMenu4 (ASP, items named after the variable without
// underscores + "1") and PopupMenu6 (SSI, items MenuItem1..MenuItem30).
const char* const kAspVariables[] = {
    "ALL_HTTP", "AUTH_PASS", "AUTH_TYPE", "CONTENT_LENGTH", "CONTENT_TYPE", "GATEWAY_INTERFACE",
    "HTTP_ACCEPT_LANGUAGE", "HTTP_ACCEPT", "HTTP_CONNECTION", "HTTP_USER_AGENT", "HTTP_COOKIE",
    "LOGON_ACCEPT_ENCODING", "PATH_INFO", "PATH_TRANSLATED", "QUERY_STRING", "REMOTE_ADDR", "REMOTE_HOST",
    "REMOTE_IDENT", "REMOTE_USER", "REQUEST_BODY", "REQUEST_METHOD", "SCRIPT_NAME", "SERVER_NAME",
    "SERVER_PORT", "SERVER_PORT_SECURE", "SERVER_PROTOCOL", "SERVER_SOFTWARE", "URL",
};
const char* const kSsiVariables[] = {
    "DOCUMENT_NAME", "DOCUMENT_URI", "QUERY_STRING_UNESCAPED", "DATE_LOCAL", "DATE_GMT", "LAST_MODIFIED",
    "REMOTE_ADDR", "QUERY_STRING", "SERVER_SOFTWARE", "SERVER_NAME", "GATEWAY_INTERFACE", "SERVER_PORT",
    "SERVER_PROTOCOL", "REQUEST_METHOD", "PATH_INFO", "PATH_TRANSLATED", "SCRIPT_NAME", "REMOTE_HOST",
    "AUTH_TYPE", "REMOTE_USER", "REMOTE_IDENT", "CONTENT_TYPE", "HTTP_ACCEPT", "CONTENT_LENGTH",
    "HTTP_USER_AGENT", "REFERER", "FROM", "FORWARDED", "ACCEPT_LANGUAGE", "HTTP_COOKIE",
};

QString u8(const char* s) { return QString::fromUtf8(s); }

}  // namespace

void TForm1::registerItem(const QString& name, QObject* item) {
  item->setObjectName(name);
  items_.insert(name, item);
}

void TForm1::buildMenus() {
  HebMainMenu1 = new THebMainMenu(this);
  HebMainMenu1->setObjectName(QStringLiteral("HebMainMenu1"));
  setMenuBar(HebMainMenu1);

  QHash<QString, QMenu*> menus;
  QHash<QMenu*, QActionGroup*> radioGroups;
  auto addRows = [&](const MenuRow* rows, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      const MenuRow& r = rows[i];
      const QString owner = u8(r.menu);
      QMenu* parentMenu = menus.value(owner);
      if (!*r.name) {
        parentMenu->addSeparator();
        continue;
      }
      const QString name = u8(r.name);
      QAction* action = nullptr;
      if (r.flags & Sub) {
        QWidget* host = parentMenu ? static_cast<QWidget*>(parentMenu) : HebMainMenu1;
        auto* menu = new QMenu(u8(r.caption), host);
        menu->setObjectName(name + QStringLiteral("Menu"));
        menu->setLayoutDirection(Qt::RightToLeft);
        menus.insert(name, menu);
        action = menu->menuAction();
        if (parentMenu)
          parentMenu->addMenu(menu);
        else
          HebMainMenu1->addMenu(menu);
      } else {
        action = new QAction(u8(r.caption), parentMenu);
        parentMenu->addAction(action);
        connect(action, &QAction::triggered, this, qm::guarded([this, name] { runCommand(name); }));
      }
      registerItem(name, action);
      if (*r.shortcut) action->setShortcuts(QKeySequence::listFromString(u8(r.shortcut)));
      if (*r.hint) {
        action->setToolTip(u8(r.hint));
        action->setStatusTip(u8(r.hint));
      }
      if (r.flags & (Check | Radio)) action->setCheckable(true);
      if (r.flags & Checked) action->setChecked(true);
      if (r.flags & Radio) {
        QActionGroup*& group = radioGroups[parentMenu];
        if (!group) group = new QActionGroup(parentMenu);
        group->addAction(action);
      }
    }
  };
  addRows(kMainMenu, std::size(kMainMenu));
  for (int i = 1; i <= 6; ++i) {
    auto* popup = new QMenu(this);
    const QString name = QStringLiteral("PopupMenu%1").arg(i);
    popup->setObjectName(name);
    popup->setLayoutDirection(Qt::RightToLeft);
    menus.insert(name, popup);
  }
  addRows(kPopupMenus, std::size(kPopupMenus));
  auto addVariables = [&](const QString& menuName, const char* const* vars, std::size_t count, bool aspNames) {
    QMenu* menu = menus.value(menuName);
    for (std::size_t i = 0; i < count; ++i) {
      const QString var = u8(vars[i]);
      const QString name = aspNames ? QString(var).remove(QLatin1Char('_')) + QStringLiteral("1")
                                    : QStringLiteral("MenuItem%1").arg(i + 1);
      auto* action = menu->addAction(var);
      registerItem(name, action);
      connect(action, &QAction::triggered, this, qm::guarded([this, name] { runCommand(name); }));
    }
  };
  addVariables(QStringLiteral("PopupMenu4"), kAspVariables, std::size(kAspVariables), true);
  addVariables(QStringLiteral("PopupMenu6"), kSsiVariables, std::size(kSsiVariables), false);

  for (auto it = menus.cbegin(); it != menus.cend(); ++it) menus_.insert(it.key(), it.value());
}

void TForm1::buildToolBar() {
  ToolBar1 = new QToolBar(QStringLiteral("סרגל כלים"), this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setIconSize(QSize(20, 20));
  for (const ToolRow& r : kToolBar) {
    if (!*r.name) {
      ToolBar1->addSeparator();
      continue;
    }
    const QString name = u8(r.name);
    QAction* action = ToolBar1->addAction(drawGlyph(r.glyph), u8(r.hint));
    action->setToolTip(u8(r.hint));
    registerItem(name, action);
    if (QWidget* w = ToolBar1->widgetForAction(action)) w->setObjectName(name);
    connect(action, &QAction::triggered, this, qm::guarded([this, name] { runCommand(name); }));
  }
  Label3 = new QLabel(ToolBar1);
  Label3->setObjectName(QStringLiteral("Label3"));
  QFont bold = Label3->font();
  bold.setBold(true);
  Label3->setFont(bold);
  QPalette pal = Label3->palette();
  pal.setColor(QPalette::WindowText, Qt::blue);
  Label3->setPalette(pal);
  ToolBar1->addWidget(Label3);
}

void TForm1::buildPalette() {
  PageControl1 = new QTabWidget;
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setFont(QFont(QStringLiteral("Arial Hebrew")));
  PageControl1->setDocumentMode(true);
  PageControl1->setMinimumWidth(120);
  PageControl1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  std::array<QHBoxLayout*, 7> rows{};
  for (int page = 1; page <= 6; ++page) {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("TabSheet%1").arg(page));
    auto* row = new QHBoxLayout(sheet);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(0);
    rows[static_cast<std::size_t>(page)] = row;
    PageControl1->addTab(sheet, u8(kPageCaptions[page - 1]));
  }
  for (const PaletteRow& r : kPalette) {
    auto* button = new QToolButton;
    const QString name = u8(r.name);
    registerItem(name, button);
    button->setAutoRaise(true);
    button->setFixedSize(26, 26);
    button->setToolTip(u8(r.hint));
    if (*r.caption) {
      button->setText(u8(r.caption));
    } else {
      button->setIcon(drawGlyph(r.glyph, u8(r.glyphText)));
      button->setIconSize(QSize(20, 20));
    }
    rows[static_cast<std::size_t>(r.page)]->addWidget(button);
    connect(button, &QToolButton::clicked, this, qm::guarded([this, name] { runCommand(name); }));
  }
  for (QHBoxLayout* row : rows)
    if (row) row->addStretch(1);
  for (const auto& pb : kPopupButtons) {
    QMenu* menu = SubMenu(u8(pb.menu));
    auto* button = PaletteButton(u8(pb.button));
    setCommand(u8(pb.button), [this, menu, button] { ShowPopup(menu, button); });
  }
  PaletteBar = new QToolBar(QStringLiteral("PageControl1"), this);
  PaletteBar->setObjectName(QStringLiteral("PaletteBar"));
  PaletteBar->setMovable(false);
  PaletteBar->setFloatable(false);
  PaletteBar->setContextMenuPolicy(Qt::PreventContextMenu);
  PaletteBar->addWidget(PageControl1);
  // The palette uses the window's blue text.
  QPalette pal = PageControl1->palette();
  pal.setColor(QPalette::WindowText, Qt::blue);
  pal.setColor(QPalette::ButtonText, Qt::blue);
  PageControl1->setPalette(pal);
}

void TForm1::buildQuickEditBar() {
  Panel2 = new QToolBar(QStringLiteral("עריכה מהירה"), this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFloatable(false);
  Panel2->setContextMenuPolicy(Qt::PreventContextMenu);
  Label2 = new QLabel(QStringLiteral("עריכה מהירה"), Panel2);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setContentsMargins(4, 0, 8, 0);
  QPalette pal = Label2->palette();
  pal.setColor(QPalette::WindowText, Qt::blue);
  Label2->setPalette(pal);
  Edit1 = new THebEdit(Panel2);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  // In a right-to-left bar the first widget sits at the right edge.
  Panel2->addWidget(Label2);
  Panel2->addWidget(Edit1);
}

void TForm1::ShowPopup(QMenu* menu, QAbstractButton* from) {
  if (!menu) return;
  // The menu opens below the button, its right edge at the button's right edge.
  QPoint at = from ? from->mapToGlobal(QPoint(from->width(), from->height())) : QCursor::pos();
  if (menu->isRightToLeft()) at.rx() -= menu->sizeHint().width();
  menu->popup(at);
}
