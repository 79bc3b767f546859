// Takes the README's screenshots of the current program: the main window
// with a Hebrew page, the table wizard's grid, the page preview and the help
// window. Run under a real X server (tools/screenshots.sh uses Xvfb):
//   screenshots OUTDIR
#include <QDeadlineTimer>
#include <QDir>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QMdiSubWindow>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QWebEngineView>
#include <QWindow>
#include <cstdio>

#include "app/About_F.h"
#include "app/Help_F.h"
#include "app/Html_U.h"
#include "editor/Work_F.h"
#include "hebrew/HebEdit.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/Fonts.h"
#include "platform/Glyphs.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "net/ui/FTP_F.h"
#include "wizards/Table2_F.h"
#include "wizards/Table_F.h"

namespace {

template <class Done>
void settle(Done done, int ms = 20000) {
  const QDeadlineTimer deadline(ms);
  while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}
void pause(int ms) {
  settle([] { return false; }, ms);
}
bool save(QWidget* w, const QDir& out, const char* name) {
  const QString file = out.filePath(QString::fromLatin1(name));
  const bool ok = w->grab().save(file, "PNG");
  std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(file));
  return ok;
}

// A small logical-Hebrew page (windows-1255).
QString samplePage() {
  return QStringLiteral(
      "<HTML>\r\n<HEAD>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1255\">\r\n"
      "<TITLE>הבית שלי</TITLE>\r\n</HEAD>\r\n<BODY dir=\"rtl\" TEXT=\"#000080\" BGCOLOR=\"#FFFFF4\">\r\n"
      "<H1>ברוכים הבאים</H1>\r\n<!-- the opening paragraph -->\r\n"
      "<P>זה האתר שלי. כאן תמצאו <A HREF=\"pictures.htm\">תמונות</A> ו<B>מתכונים</B>.</P>\r\n"
      "<TABLE BORDER=\"1\">\r\n<TR>\r\n<TD>שבת</TD>\r\n<TD>חלה</TD>\r\n</TR>\r\n<TR>\r\n<TD>שישי</TD>\r\n"
      "<TD>עוגה</TD>\r\n</TR>\r\n</TABLE>\r\n</BODY>\r\n</HTML>\r\n");
}

// Lines where Hebrew meets markup, in logical order, and as a visual page stores them.
const char* const kLogicalLines =
    "<p class=\"myclass\" title=\"עברית\">פעילות הבינאום!</p>\r\n<a href=\"page.htm\">דף הבית</a>\r\n"
    "<td>מחיר 100 ש\"ח</td>\r\n<!-- הערה בעברית -->\r\n<p>שלום&#x200F;, עולם (2026)\u200F</p>\r\n";
const char* const kVisualLines =
    "<p class=\"myclass\" title=\"תירבע\">!םואניבה תוליעפ</p>\r\n<a href=\"page.htm\">תיבה ףד</a>\r\n"
    "<td>ח\"ש 100 ריחמ</td>\r\n<!-- תירבעב הרעה -->\r\n<p>(2026) םלוע ,םולש</p>\r\n";

// A page of those lines under a Hebrew standard, maximized.
TWorkForm* linesPage(TForm1& form, bool visual) {
  form.Action(visual ? QStringLiteral("ISO1") : QStringLiteral("N50"))->setChecked(true);
  // The declaration makes the page's own standard: a page says which it is.
  const QString declared = visual ? QStringLiteral("<meta charset=\"iso-8859-8\">\r\n")
                                  : QStringLiteral("<meta charset=\"windows-1255\">\r\n");
  form.OpenPage(qm::toCp1255(declared + QString::fromUtf8(visual ? kVisualLines : kLogicalLines)),
                visual ? QStringLiteral("visual.htm") : QStringLiteral("logical.htm"));
  TWorkForm* doc = form.AWForm();
  if (doc) doc->SubWindow()->showMaximized();
  pause(400);
  return doc;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  qm::Application app(argc, argv);
  app.setApplicationName(QStringLiteral("Quillmark V1.50"));
  app.setLayoutDirection(Qt::RightToLeft);
  app.setWindowIcon(qm::appIcon());
  qm::installFontFallbacks();
  installHelpWindow();
  if (argc < 2) {
    std::fputs("usage: screenshots OUTDIR\n", stderr);
    return 2;
  }
  const QDir out(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());  // before the folder changes
  QTemporaryDir work;
  QDir::setCurrent(work.path());
  {
    QFile page(work.filePath(QStringLiteral("index.htm")));
    if (!page.open(QIODevice::WriteOnly)) return 1;
    page.write(QByteArray::fromStdString(qm::toCp1255(samplePage())));
  }
  // The settings live apart from the pages, so that the FTP window's list of
  // local files shows only the site.
  QTemporaryDir config;
  qm::SettingsStore settings(config.filePath(QStringLiteral("settings.ini")));
  settings.writeString(QStringLiteral("WinMax"), QStringLiteral("1"));
  TForm1 form(settings);
  form.setWindowState(Qt::WindowNoState);
  form.setGeometry(40, 40, 900, 560);
  form.show();
  form.ToolBar1->show();
  form.Action(QStringLiteral("N50"))->setChecked(true);  // the sample is a logical (windows-1255) page
  form.OpenHtml(work.filePath(QStringLiteral("index.htm")));
  TWorkForm* doc = form.AWForm();
  if (!doc) return 1;
  doc->SubWindow()->showMaximized();
  doc->Memo1->setSelStart(static_cast<std::int32_t>(doc->DocText().find("<P>")));
  pause(800);
  bool ok = save(&form, out, "main-window.png");

  // The table wizard's grid page with Hebrew cells.
  form.runCommand(QStringLiteral("SpeedButton22"));
  TForm10* table = form.Window<TForm10>();
  table->MaskEdit1->setText(QStringLiteral("2"));
  table->MaskEdit2->setText(QStringLiteral("3"));
  table->Button2->click();
  TForm11* grid = table->Grid();
  const char* cells[2][3] = {{"יום", "שעה", "מקום"}, {"ראשון", "10:00", "ירושלים"}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) grid->Cells[c + 1][r + 1]->setText(QString::fromUtf8(cells[r][c]));
  pause(400);
  ok = save(grid, out, "table-wizard.png") && ok;
  grid->Button2->click();

  // The preview of the page in the browser view.
  doc->PreviewMode();
  QWebEngineView* view = doc->WebBrowser1->findChild<QWebEngineView*>();
  bool loaded = false;
  if (view) QObject::connect(view, &QWebEngineView::loadFinished, [&](bool) { loaded = true; });
  settle([&] { return loaded; });
  pause(1500);
  ok = save(&form, out, "preview.png") && ok;
  doc->EditMode();

  // The FTP window connected to a local server (pyftpdlib, as the tests use)
  // serving the sample's folder.
  QProcess server;
  server.start(QStringLiteral("/usr/bin/python3"),
               {QStringLiteral(QM_SOURCE_DIR "/tests/support/ftp_server.py"), QStringLiteral("--root"), work.path()});
  QByteArray announced;
  settle([&] {
    announced += server.readAllStandardOutput();
    return announced.contains('\n') || server.state() == QProcess::NotRunning;
  });
  if (announced.startsWith("PORT ")) {
    form.runCommand(QStringLiteral("FTP3"));
    TForm21* ftp = form.Window<TForm21>();
    ftp->Edit1->setText(QStringLiteral("127.0.0.1"));
    ftp->Edit2->setText(QString::fromLatin1(announced.mid(5).trimmed()));
    ftp->Edit3->setText(QStringLiteral("tester"));
    ftp->Edit4->setText(QStringLiteral("secret"));
    ftp->Button1->click();
    pause(600);
    ok = save(ftp, out, "ftp-window.png") && ok;
    ftp->Button2->click();
    ftp->hide();
  } else {
    ok = false;
  }
  server.closeWriteChannel();
  server.waitForFinished(3000);

  // The help window: a search listing its pages, one of them open at the place found.
  qm::showHelp(0);
  pause(400);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* help = qobject_cast<THelpForm*>(w); help && help->isVisible()) {
      help->SearchEdit->setText(QStringLiteral("TARGET"));
      help->TopicList->setCurrentRow(0);
      help->TopicListClick();
      pause(400);
      ok = save(help, out, "help.png") && ok;
    }
  // The settings dialog, line numbers among its options.
  form.runCommand(QStringLiteral("N45"));
  pause(300);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("Form20") && w->isVisible()) {
      ok = save(w, out, "settings.png") && ok;
      w->hide();
    }
  // The splash and about picture, and (with QM_SHOTS_ALTERNATES=DIR) the four alternates.
  TAbout_Form about(form);
  about.Timer1->stop();
  pause(300);
  ok = save(&about, out, "about.png") && ok;
  if (const QString alt = qEnvironmentVariable("QM_SHOTS_ALTERNATES"); !alt.isEmpty())
    for (int n = 4; n <= 7; ++n) about.Image(n)->pixmap().save(QDir(alt).filePath(QStringLiteral("about%1.png").arg(n)));
  doc->Memo1->setModified(false);

  // Hebrew as it reads: a logical page, a visual page and the visual page in Hebrew edit mode.
  if (TWorkForm* page = linesPage(form, false)) {
    ok = save(&form, out, "logical-page.png") && ok;
    page->Memo1->setModified(false);
  }
  // A UTF-8 page with Hebrew beside other scripts, edited: the status bar shows
  // its encoding, standard, caret position and the unsaved change.
  {
    QFile page(work.filePath(QStringLiteral("utf8.htm")));
    if (!page.open(QIODevice::WriteOnly)) return 1;
    page.write(QByteArrayLiteral(
        "<!DOCTYPE html>\n<html dir=\"rtl\" lang=\"he\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>\xD7\x97\xD7\x93\xD7\xA9\xD7\x95\xD7\xAA</title>\n</head>\n<body>\n"
        "<h1>\xD7\x97\xD7\x93\xD7\xA9\xD7\x95\xD7\xAA \xD7\x94\xD7\x90\xD7\xAA\xD7\xA8</h1>\n"
        "<p>\xD7\x9E\xD7\x97\xD7\x99\xD7\xA8: 25 \xE2\x82\xAC \xE2\x80\x94 "
        "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xCE\xB1\xCE\xB2\xCE\xB3</p>\n</body>\n</html>\n"));
  }
  form.OpenHtml(work.filePath(QStringLiteral("utf8.htm")));
  if (TWorkForm* page = form.AWForm()) {
    page->SubWindow()->showMaximized();
    const std::string text = page->DocText();
    page->Memo1->setSelStart(static_cast<std::int32_t>(text.find("</h1>")));
    page->Memo1->replaceSelection("!");
    page->Memo1->setSelStart(0);  // the quick-edit line follows the caret's line
    page->Memo1->setSelStart(static_cast<std::int32_t>(text.find("</h1>")) + 1);
    pause(400);
    ok = save(&form, out, "utf8-page.png") && ok;
    page->Memo1->setModified(false);
  }
  if (TWorkForm* page = linesPage(form, true)) {
    ok = save(&form, out, "visual-page.png") && ok;
    page->HebEditMode();
    pause(400);
    ok = save(&form, out, "hebrew-edit.png") && ok;
    page->HebEditMode();
    page->Memo1->setModified(false);
  }
  return ok ? 0 : 1;
}
