// The update check (N42) against a scripted HTTP server on 127.0.0.1, the
// site address taken from QUILLMARK_UPDATE_SITE.
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/Update_F.h"
#include "editor/DocFixture.h"
#include "platform/Shell.h"
#include "support/ScriptedServer.h"

using qmtest::ScriptedServer;
using qmtest::Step;

namespace {

class UpdateCheck : public qmtest::DocFixture {
 protected:
  void pointAt(int port) { qputenv("QUILLMARK_UPDATE_SITE", QByteArray("http://127.0.0.1:") + QByteArray::number(port)); }
  ~UpdateCheck() override { qunsetenv("QUILLMARK_UPDATE_SITE"); }
};

}  // namespace

TEST_F(UpdateCheck, AnswersOfTheSite) {
  const QString upToDate = QStringLiteral("הגירסה שברשותך היא העדכנית ביותר");
  const QString invalid = QStringLiteral("קובץ העדכונים באתר אינו תקין");
  const struct {
    const char* answer;  // "": the server never answers (a closed port is the command walk's case)
    QString offered;     // Label4 of the offer, or empty when none shows
    QString message;
  } cases[] = {
      {"HTTP/1.0 200 OK\r\n\r\n205", QStringLiteral("Quillmark V2.5"), {}},
      {"HTTP/1.0 200 OK\r\n\r\n151\n", QStringLiteral("Quillmark V1.51"), {}},
      {"HTTP/1.0 200 OK\r\n\r\n150", {}, upToDate},
      {"HTTP/1.0 200 OK\r\n\r\n-3", {}, upToDate},
      {"HTTP/1.0 200 OK\r\n\r\n0", {}, {}},
      {"HTTP/1.0 404 Not Found\r\n\r\n<html>151</html>", {}, invalid},
      {"HTTP/1.0 200 OK\r\n\r\n<html>oops</html>", {}, invalid},
      {"", {}, QStringLiteral("לא ניתן להתחבר לרשת")},
  };
  form->SetUpdateTimeOut(700);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    prompts.calls.clear();
    std::vector<Step> script{{Step::ReadRequest, ""}};
    if (*c.answer) script = script + std::vector<Step>{{Step::Send, c.answer}, {Step::Close, ""}};
    ScriptedServer server({script});
    pointAt(server.port());
    if (TForm19* offer = form->Window<TForm19>()) offer->hide();
    press("N42");
    TForm19* offer = form->Window<TForm19>();
    EXPECT_EQ(offer->isVisible() ? offer->Label4->text() : QString(), c.offered);
    EXPECT_EQ(prompts.texts("message"), c.message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{c.message});
    EXPECT_EQ(server.received().front(), "GET /update.dat HTTP/1.0");
  }
}

TEST_F(UpdateCheck, DownloadNowAndTheSiteLinksFollowTheOverride) {
  std::vector<QString> opened;
  qm::setUrlOpener([&opened](const QString& url) { opened.push_back(url); });
  qputenv("QUILLMARK_UPDATE_SITE", "http://127.0.0.1:9/");
  form->Window<TForm19>()->Button1->click();
  press("N41");
  press("N40");
  qm::setUrlOpener({});
  EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral("http://127.0.0.1:9/dlnow.htm"),
                                          QStringLiteral("http://127.0.0.1:9"),
                                          QStringLiteral("http://127.0.0.1:9/guides.htm")}));
}

TEST_F(UpdateCheck, ClosingTheMainWindowEndsAWaitingCheckSilently) {
  ScriptedServer silent({{{Step::ReadRequest, ""}}});
  pointAt(silent.port());
  QTimer::singleShot(100, form.get(), [this] { form->close(); });
  press("N42");
  EXPECT_TRUE(prompts.calls.empty());
  EXPECT_TRUE(form->Action(QStringLiteral("N42"))->isEnabled());
}
