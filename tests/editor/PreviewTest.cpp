// The page preview in a real browser view (offscreen): HTML in the page's own
// character set, relative images from the page's folder, the preview file
// private and removed on the way back, the page kept in its folder.
#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <set>

#include "DocFixture.h"
#include "app/Conf_F.h"
#include "platform/Cp1255Bridge.h"

namespace {

using Preview = qmtest::DocFixture;

using qmtest::evaluate;
using qmtest::previewed;
using qmtest::viewOf;

TEST_F(Preview, ShowsThePageInItsCharacterSetWithItsImagesAndRemovesOnlyItsOwnFile) {
  // The user's own file of the name earlier versions used.
  writeFile("preview.tmp", "mine");
  // A one-pixel GIF beside the page, referred to by a relative name.
  writeFile("dot.gif", std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00"
                                   "\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02" "D\x01\x00;", 43));
  // hebrew: as stored, in visual order under ISO-8859-8
  struct Case { const char* charset; std::string hebrew; };
  QWebEngineView* first = nullptr;
  for (const Case& c : {Case{"iso-8859-8", "\xED\xE5\xEC\xF9"}, Case{"windows-1255", "\xF9\xEC\xE5\xED"}}) {
    SCOPED_TRACE(c.charset);
    writeFile("page.htm", std::string("<!-- page -->\r\n<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                      "charset=") + c.charset + "\"></HEAD>\r\n<BODY><P id=t>" + c.hebrew +
                              "</P><img src=\"dot.gif\"></BODY></HTML>\r\n");
    form->SetCommandLineFile(path("page.htm"));
    form->OpenHtml(path("page.htm"));
    TWorkForm* w = form->AWForm();
    ASSERT_TRUE(previewed(w));
    EXPECT_FALSE(w->PreviewFile().startsWith(dir.path()));
    EXPECT_TRUE(QFileInfo::exists(w->PreviewFile()));
    QWebEngineView* v = viewOf(w);
    EXPECT_EQ(evaluate(v, "document.characterSet.toLowerCase()"), QString::fromLatin1(c.charset));
    EXPECT_EQ(evaluate(v, "document.getElementById('t').innerText"), qm::fromCp1255(c.hebrew));
    EXPECT_EQ(evaluate(v, "String(document.images[0].naturalWidth)"), QStringLiteral("1"));
    EXPECT_FALSE(w->Button1->isEnabled());

    w->Button2->click();
    EXPECT_FALSE(QFileInfo::exists(w->PreviewFile()));
    EXPECT_TRUE(w->Memo1->isVisibleTo(w));
    EXPECT_FALSE(w->WebBrowser1->isVisibleTo(w));
    // A second preview of the same window reuses its view.
    if (!first) {
      ASSERT_TRUE(previewed(w));
      EXPECT_EQ(viewOf(w), v);
      form->runCommand(QStringLiteral("N52"));
      EXPECT_FALSE(w->Previewing());
      first = v;
    }
    w->Memo1->setModified(false);
    ASSERT_TRUE(closeDoc(w));
  }
  // Quitting leaves it too.
  form->close();
  EXPECT_EQ(readFile("preview.tmp"), "mine");
}

// A page that was never saved previews from the temporary folder; Hebrew
// edit mode has no preview.
TEST_F(Preview, UntitledPagesPreviewAndHebrewEditModeDoesNot) {
  TWorkForm* w = newDoc();
  w->HebEditMode();
  w->PreviewMode();
  EXPECT_FALSE(w->Previewing());
  w->HebEditMode();
  ASSERT_TRUE(previewed(w));
  EXPECT_TRUE(w->PreviewFile().startsWith(QDir::tempPath()));
  w->EditMode();
  EXPECT_FALSE(QFileInfo::exists(w->PreviewFile()));
  // A view whose renderer went away is made anew, with the message.
  QWebEngineView* lost = viewOf(w);
  emit lost->page()->renderProcessTerminated(QWebEnginePage::CrashedTerminationStatus, 1);
  ASSERT_TRUE(previewed(w));
  EXPECT_EQ(w->WebBrowser1->findChildren<QWebEngineView*>().size(), 1);
  EXPECT_EQ(prompts.texts("message"),
            std::vector<QString>{QStringLiteral("חלון התצוגה נסגר - לצפייה שמור את הקובץ ופתחהו בשנית")});
  w->EditMode();
}

// A server on the loopback address that notes the path of every request
// (HTTP and WebSocket alike) and answers it with an empty page.
class Listener {
 public:
  Listener() {
    server.listen(QHostAddress::LocalHost);
    QObject::connect(&server, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* s = server.nextPendingConnection()) {
        ++connections;
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
          const QList<QByteArray> words = s->readLine().split(' ');
          if (words.size() > 1) paths.insert(words[1].toStdString());
          s->write("HTTP/1.1 200 OK\r\nAccess-Control-Allow-Origin: *\r\nContent-Length: 0\r\n\r\n");
          s->disconnectFromHost();
        });
      }
    });
  }
  QString base() const { return QStringLiteral("127.0.0.1:%1/").arg(server.serverPort()); }
  QTcpServer server;
  int connections = 0;
  std::set<std::string> paths;
};

// A page's script reaches for files outside its folder (climbing, escaped,
// through a link, by absolute path, in another page's site) and for a server
// on this machine by every kind of request: it reads only its own folder and
// nothing arrives, until the user allows the network in the settings dialog.
TEST_F(Preview, PagesReadOnlyTheirFolderAndReachTheNetworkOnlyWhenAllowed) {
  Listener listener;
  ASSERT_TRUE(listener.server.isListening());
  writeFile("secret.txt", "SECRET");
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("site")));
  ASSERT_TRUE(QFile::link(path("secret.txt"), path("site/link.txt")));
  writeFile("site/own.txt", "OWN");
  writeFile("other.htm", "<p>other</p>");
  form->OpenHtml(path("other.htm"));
  TWorkForm* other = form->AWForm();
  ASSERT_TRUE(previewed(other));
  const QString otherSite = viewOf(other)->url().toString(QUrl::RemovePath);

  const QString net = listener.base();
  const QString secret = path("secret.txt");
  writeFile("site/page.htm", ("<html><body><iframe src=\"http://" + net + "frame\"></iframe>"
                              "<img src=\"http://" + net + "img\"><script>\n"
                              "var results = {}, pending = 0;\n"
                              "function done() { pending--; }\n"
                              "function read(name, url) { pending++; var x = new XMLHttpRequest(); x.onloadend = () => {"
                              " results[name] = x.status == 200 ? x.responseText : 'refused'; done(); };"
                              " x.open('GET', url); x.send(); }\n"
                              "read('own', 'own.txt'); read('up', '../secret.txt'); read('escaped', '%2e%2e/secret.txt');"
                              "read('link', 'link.txt'); read('absolute', location.origin + '/' + '" + secret + "');"
                              "read('file', 'file://" + secret + "'); read('site', '" + otherSite + "/other.htm');"
                              "read('xhr', 'http://" + net + "xhr');\n"
                              "pending += 4;\n"
                              "var ws = new WebSocket('ws://" + net + "ws'); ws.onclose = done;\n"
                              "var es = new EventSource('http://" + net + "es'); es.onerror = () => { es.close(); done(); };\n"
                              "fetch('http://" + net + "fetch').catch(() => {}).finally(done);\n"
                              "var w = new Worker(URL.createObjectURL(new Blob([\"fetch('http://" + net + "worker')"
                              ".finally(() => postMessage(1)); new WebSocket('ws://" + net + "workerws');\"])));"
                              " w.onmessage = done;\n"
                              "navigator.sendBeacon('http://" + net + "beacon', 'x');\n"
                              "</script><form id=f method=post action=\"http://" + net + "form\" target=sink></form>"
                              "<iframe name=sink></iframe><script>document.getElementById('f').submit();</script>"
                              "</body></html>").toStdString());
  form->OpenHtml(path("site/page.htm"));
  TWorkForm* w = form->AWForm();
  ASSERT_TRUE(previewed(w));
  QWebEngineView* v = viewOf(w);
  ASSERT_TRUE(qmtest::waitFor([&] { return evaluate(v, "String(pending)") == QStringLiteral("0"); }));
  const QString results = evaluate(v, "JSON.stringify(results)");
  EXPECT_TRUE(results.contains(QStringLiteral("\"own\":\"OWN\""))) << results.toStdString();
  EXPECT_FALSE(results.contains(QStringLiteral("SECRET"))) << results.toStdString();
  EXPECT_FALSE(results.contains(QStringLiteral("other"))) << results.toStdString();
  // Requests still under way would arrive within this pause.
  qmtest::waitFor([] { return false; }, 1000);
  EXPECT_EQ(listener.connections, 0);

  // Allowed in the settings dialog: the same page reaches the server.
  ASSERT_TRUE(form->runCommand(QStringLiteral("N45")));
  auto* settingsDialog = form->findChild<TForm20*>(QStringLiteral("Form20"));
  ASSERT_FALSE(settingsDialog->CheckBox1->isChecked());
  settingsDialog->CheckBox1->setChecked(true);
  settingsDialog->Button1->click();
  w->BitBtn2->click();
  const std::set<std::string> all = {"/frame", "/img", "/fetch", "/ws", "/es", "/xhr", "/worker", "/workerws", "/beacon", "/form"};
  EXPECT_TRUE(qmtest::waitFor([&] { return listener.paths == all; }));
  for (const std::string& p : all) EXPECT_TRUE(listener.paths.count(p)) << p;
  w->Memo1->setModified(false);
  other->Memo1->setModified(false);
}

}  // namespace
