// The FTP publishing window against a real FTP server (pyftpdlib on 127.0.0.1).
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSslCertificate>
#include <QTimer>
#include <QToolButton>

#include "editor/Colouring.h"
#include "editor/DocFixture.h"
#include "net/FtpClient_U.h"
#include "net/ui/FTP_F.h"
#include "platform/EditorSettings.h"
#include "platform/FileIO.h"
#include "support/FtpServer.h"
#include "support/ScriptedServer.h"

namespace {

const std::string kPage = "<html>\r\n<b>x</b>\r\n";

class FtpWindow : public qmtest::DocFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.running()) << server.error().toStdString();
    QDir root(server.root());
    ASSERT_TRUE(root.mkpath(QStringLiteral("docs")));
    put(QStringLiteral("a.htm"), kPage);
    put(QStringLiteral("docs/inner.htm"), "in");
  }
  void put(const QString& name, const std::string& bytes) { qm::writeFileAtomically(server.file(name), bytes); }
  std::string remote(const QString& name) const { return qm::readFileBytes(server.file(name)); }
  TForm21* open(const char* item) {
    press(item);
    return form->Window<TForm21>();
  }
  TForm21* login(TForm21* w, const char* user, const char* password, int port = 0) {
    w->Edit1->setText(QStringLiteral("127.0.0.1"));
    w->Edit2->setText(QString::number(port ? port : server.port()));
    w->Edit3->setText(QString::fromLatin1(user));
    w->Edit4->setText(QString::fromLatin1(password));
    w->Button1->click();
    return w;
  }
  TForm21* connected(const char* item) { return login(open(item), qmtest::FtpServer::User, qmtest::FtpServer::Password); }
  static QStringList log(TForm21* w) { return w->Memo2->toPlainText().split(QLatin1Char('\n')); }
  static QStringList entries(TForm21* w) {
    QStringList out;
    for (int i = 0; i < w->ListBox1->count(); ++i) out << w->ListBox1->item(i)->text();
    return out;
  }
  static void select(TForm21* w, const QString& entry) {
    w->ListBox1->setCurrentItem(w->ListBox1->findItems(entry, Qt::MatchExactly).value(0));
  }
  // True when `want` occur in `lines` in this order (other lines between them).
  static bool inOrder(const QStringList& lines, const QStringList& want) {
    int at = 0;
    for (const QString& l : lines)
      if (at < want.size() && l == want[at]) ++at;
    return at == want.size();
  }
  qmtest::FtpServer server;
};

}  // namespace

TEST_F(FtpWindow, ConnectListEnterFoldersAndDisconnect) {
  TForm21* w = connected("FTP3");
  const QStringList lines = log(w);
  EXPECT_TRUE(inOrder(lines, QStringLiteral("QX>Connect|QX<USER tester|QX<PASS |QX<Connected to 127.0.0.1(127.0.0.1) !|"
                                            "QX>ls (refresh)|QX<PWD|QX<  success.|QX<LIST|QX< Beginning Data Transfer.|"
                                            "QX< Data Transfer Complete.|QX< List success.").split(QLatin1Char('|'))))
      << lines.join(QLatin1Char('\n')).toStdString();
  EXPECT_FALSE(lines.join(QString()).contains(QStringLiteral("secret")));
  EXPECT_EQ(entries(w), (QStringList{QStringLiteral("/docs"), QStringLiteral("a.htm")}));
  EXPECT_TRUE(form->Label3->text() == QStringLiteral(" פעיל FTP חיבור ") && !w->Button1->isEnabled());

  select(w, QStringLiteral("a.htm"));
  EXPECT_EQ(w->Edit6->text(), QStringLiteral("a.htm"));
  select(w, QStringLiteral("/docs"));
  w->ListBox1DblClick();
  EXPECT_EQ(log(w).filter(QStringLiteral("QX>CD ")), QStringList{QStringLiteral("QX>CD //docs")});
  EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("*\n/docs"));
  EXPECT_EQ(entries(w), QStringList{QStringLiteral("inner.htm")});
  EXPECT_TRUE(w->Edit6->text().isEmpty());
  w->SpeedButton1->click();
  EXPECT_EQ(entries(w).size(), 2);

  w->Button2->click();
  EXPECT_TRUE(form->Label3->text().isEmpty());
  EXPECT_TRUE(w->Button1->isEnabled() && !w->Button3->isEnabled() && entries(w).isEmpty());
}

// Passive mode by default, TLS when asked for; the choices outlive the window.
// Over TLS a certificate that does not verify is asked about, with its
// fingerprint; trusted, it is kept for the host and not asked about again.
// Another certificate for the same host comes with a warning and, refused,
// does not connect.
TEST_F(FtpWindow, TlsAndTheCertificateQuestion) {
  const qmtest::FtpServer secure(qmtest::FtpServer::Tls::Required), impostor(qmtest::FtpServer::Tls::Required);
  ASSERT_TRUE(secure.running() && impostor.running());
  const QString fingerprint = qm::net::fingerprintText(
      qm::net::certificateFingerprint(QSslCertificate::fromPath(secure.certificate()).value(0)));
  const char* user = qmtest::FtpServer::User;
  const char* password = qmtest::FtpServer::Password;
  TForm21* w = open("FTP3");
  EXPECT_TRUE(w->PassiveCheck->isChecked() && !w->TlsCheck->isChecked());
  w->TlsCheck->setChecked(true);
  prompts.answers = {qm::Answer::No, qm::Answer::Yes};
  EXPECT_FALSE(login(w, user, password, secure.port())->FtpClient1->Connected());
  EXPECT_TRUE(login(w, user, password, secure.port())->FtpClient1->Connected());
  EXPECT_EQ(w->Label5->text(), QStringLiteral("connected (TLS) ! מחובר בחיבור מוצפן"));
  auto asked = prompts.texts("yesNo");
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_TRUE(asked[0].startsWith(QStringLiteral("לא ניתן לאמת")) && asked[0].contains(fingerprint)) << asked[0].toStdString();
  EXPECT_EQ(log(w).filter(QStringLiteral("QX<227 ")).size(), 1);
  w->Button2->click();
  w->PassiveCheck->setChecked(false);
  w->SaveLogin();

  form = std::make_unique<TForm1>(settings.store());
  w = open("FTP3");
  EXPECT_TRUE(!w->PassiveCheck->isChecked() && w->TlsCheck->isChecked());
  EXPECT_TRUE(login(w, user, password, secure.port())->FtpClient1->Connected());
  EXPECT_TRUE(log(w).filter(QStringLiteral("QX<227 ")).isEmpty());
  w->Button2->click();
  prompts.answers = {qm::Answer::No};
  EXPECT_FALSE(login(w, user, password, impostor.port())->FtpClient1->Connected());
  asked = prompts.texts("yesNo");
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_TRUE(asked[2].startsWith(QStringLiteral("אזהרה"))) << asked[2].toStdString();
  EXPECT_TRUE(log(w).last().startsWith(QStringLiteral("QX<Connect failed: Certificate not trusted"))) << log(w).last().toStdString();
  // A server without TLS: said so, and nothing asked.
  EXPECT_FALSE(login(w, user, password)->FtpClient1->Connected());
  EXPECT_EQ(prompts.texts("message"),
            std::vector<QString>{QStringLiteral("! לא ניתן ליצור חיבור מוצפן (TLS) עם השרת; שם המשתמש והסיסמה לא נשלחו")});
  EXPECT_EQ(prompts.texts("yesNo").size(), 3u);
}

TEST_F(FtpWindow, DownloadsIntoANewWindowAndIntoAFile) {
  TForm21* w = connected("FTP2");
  select(w, QStringLiteral("a.htm"));
  w->Button3->click();
  TWorkForm* page = form->AWForm();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Caption(), QStringLiteral("a.htm"));
  EXPECT_EQ(page->DocText(), kPage);
  EXPECT_EQ(page->ColourModel()->colourAt(page->Memo1->positionOf(0), QColor()),
            qm::colorFromBgr(form->Editor().TagColor));
  EXPECT_FALSE(w->isVisible());  // one panel: the window goes after the transfer

  writeFile(QStringLiteral("local.htm"), "mine");
  w->RadioButton2->setChecked(true);
  w->Edit5->setText(path(QStringLiteral("local.htm")));
  prompts.answers = {qm::Answer::No, qm::Answer::Yes};
  w->Button3->click();  // No: nothing happens
  w->Button3->click();
  EXPECT_EQ(prompts.texts("yesNoCancel").size(), 2u);
  EXPECT_EQ(readFile(QStringLiteral("local.htm")), kPage);
  EXPECT_EQ(documents(), 2);
  EXPECT_EQ(form->AWForm()->Caption(), QFileInfo(path(QStringLiteral("local.htm"))).absoluteFilePath());

  // The remote file is gone: nothing is opened, the local file stays, the user is told.
  QFile::remove(server.file(QStringLiteral("a.htm")));
  writeFile(QStringLiteral("local.htm"), "mine");
  prompts.answers.push_back(qm::Answer::Yes);
  w->Button3->click();
  w->RadioButton1->setChecked(true);
  w->Button3->click();
  EXPECT_EQ(readFile(QStringLiteral("local.htm")), "mine");
  EXPECT_EQ(documents(), 2);
  EXPECT_EQ(prompts.texts("message"), (std::vector<QString>(2, QStringLiteral("! ההורדה נכשלה"))));
  EXPECT_EQ(log(w).filter(QStringLiteral("QX<Download failed")).size(), 2);
}

TEST_F(FtpWindow, UploadsTheActivePageInEachMode) {
  TWorkForm* page = docWith("<p>one</p>\r\n");
  TForm21* w = connected("FTP1");
  EXPECT_EQ(w->Label8->text(), QStringLiteral("untitled1.htm"));
  w->Button5->click();
  EXPECT_EQ(remote(QStringLiteral("untitled1.htm")), page->DocumentBytes());
  EXPECT_FALSE(w->isVisible());

  // What was typed in Hebrew edit mode goes too.
  page->Memo1->setText("<p>two</p>\r\n");
  page->HebEditMode();
  type(page->RichEdit1, "Z");
  w = open("FTP3");
  w->Edit6->setText(QStringLiteral("docs/b.htm"));
  w->Button5->click();
  EXPECT_EQ(remote(QStringLiteral("docs/b.htm")), page->DocumentBytes());
  EXPECT_NE(page->DocumentBytes().find('Z'), std::string::npos);
  EXPECT_TRUE(w->isVisible() && prompts.calls.empty());
}

TEST_F(FtpWindow, RefusalsAndHidingKeepTheSession) {
  TForm21* w = open("FTP3");
  login(w, "", "x");  // no user: nothing is sent
  EXPECT_EQ(prompts.texts("message"), std::vector<QString>{QStringLiteral("! יש למלא את כל הפרטים")});
  EXPECT_EQ(log(w).last(), QStringLiteral("QX>Connect"));

  login(w, qmtest::FtpServer::User, "wrong");
  EXPECT_EQ(w->Label5->text(), QStringLiteral("disconnected ! מנותק"));
  EXPECT_TRUE(w->Button1->isEnabled() && !w->FtpClient1->Connected());
  EXPECT_TRUE(inOrder(log(w), {QStringLiteral("QX<QUIT"), QStringLiteral("QX<Disconnected!")}));

  prompts.calls.clear();
  login(w, qmtest::FtpServer::User, qmtest::FtpServer::Password);
  const QStringList before = log(w);
  w->Button6->click();
  EXPECT_FALSE(w->isVisible());
  w = open("FTP2");
  EXPECT_TRUE(w->isVisible() && w->FtpClient1->Connected());
  EXPECT_EQ(log(w), before);
  EXPECT_EQ(entries(w).size(), 2);
  EXPECT_TRUE(prompts.calls.empty());
}

// A download the user cancels, or that closing the window cancels: its
// progress shows, nothing is opened, no message, and the client lives on.
TEST_F(FtpWindow, CancellingADownload) {
  using qmtest::Step;
  const std::vector<Step> pasv{{Step::Pasv, ""}};
  const auto script = qmtest::dialogue({"220 ready", "USER tester", "331 pass", "PASS p", "230 in"}) +
                      qmtest::exchange({"PWD", "257 \"/\"", "PASV"}) + pasv + qmtest::exchange({"LIST", "150 list"}) +
                      std::vector<Step>{{Step::DataSend, "-rw-r--r-- 1 u g 9 Jan 1 10:00 big.htm\r\n"}, {Step::DataClose, ""},
                                        {Step::Send, "226 done\r\n"}} +
                      qmtest::exchange({"TYPE I", "200 binary", "PASV"}) + pasv +
                      qmtest::exchange({"RETR big.htm", "150 Opening (100000 bytes)"}) +
                      std::vector<Step>{{Step::DataSend, std::string(1000, 'x')}, {Step::Send, "426 aborted\r\n"},
                                        {Step::Expect, "ABOR"}, {Step::Send, "226 abort done\r\n"}};
  for (const bool closing : {false, true}) {
    SCOPED_TRACE(closing ? "closing" : "cancel");
    form = std::make_unique<TForm1>(settings.store());
    qmtest::ScriptedServer fake({script});
    TForm21* w = open("FTP3");
    w->FtpClient1->Passive = true;
    login(w, qmtest::FtpServer::User, "p", fake.port());
    select(w, QStringLiteral("big.htm"));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, w, [w, &poll, closing] {
      if (w->Label17->text() != QStringLiteral("1000 / 100000")) return;
      poll.stop();
      closing ? (void)w->close() : w->Button7->click();
    });
    poll.start(20);
    w->Button3->click();  // cancelled only once its progress shows
    EXPECT_EQ(documents(), 0);
    EXPECT_TRUE(prompts.calls.empty());
    EXPECT_EQ(log(w).filter(QStringLiteral("QX>Download cancelled")).size(), 1);
    EXPECT_EQ(w->isVisible(), !closing);
    EXPECT_NE(w->FtpClient1, nullptr);
  }
}

// A server that drops the connection right after the login or in the middle of
// the first listing leaves the window disconnected and ready to connect again;
// empty listing lines are not shown.
TEST_F(FtpWindow, ADroppedConnectionLeavesTheWindowReady) {
  using qmtest::Step;
  const auto greet = qmtest::dialogue({"220 ready", "USER tester", "331 pass", "PASS p", "230 in"});
  const auto list = qmtest::exchange({"PWD", "257 \"/\"", "PASV"}) + std::vector<Step>{{Step::Pasv, ""}} +
                    qmtest::exchange({"LIST", "150 list"}) +
                    std::vector<Step>{{Step::DataSend, "a.htm\r\n\r\nb.htm\r\nhal"}, {Step::DataClose, ""}};
  const std::vector<Step> drop{{Step::Close, ""}};
  qmtest::ScriptedServer fake({greet + drop, greet + list + drop, greet + list + std::vector<Step>{{Step::Send, "226 ok\r\n"}}});
  TForm21* w = open("FTP3");
  w->FtpClient1->Passive = true;
  for (int attempt = 0; attempt < 3; ++attempt) {
    SCOPED_TRACE(attempt);
    login(w, qmtest::FtpServer::User, "p", fake.port());
    const bool up = attempt == 2;
    EXPECT_EQ(w->Button1->isEnabled(), !up);
    for (QWidget* b : std::initializer_list<QWidget*>{w->Button2, w->Button3, w->Button5, w->SpeedButton3})
      EXPECT_EQ(b->isEnabled(), up) << b->objectName().toStdString();
    EXPECT_EQ(form->Label3->text().isEmpty(), !up);
    EXPECT_EQ(entries(w), up ? (QStringList{QStringLiteral("a.htm"), QStringLiteral("b.htm"), QStringLiteral("hal")})
                             : QStringList{});
  }
}
