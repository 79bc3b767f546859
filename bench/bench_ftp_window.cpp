// The FTP publishing window against pyftpdlib on 127.0.0.1: a generated page
// downloaded into a new document window (transfer, loading and colouring),
// and the active page uploaded. Needs /usr/bin/python3 with pyftpdlib.
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QToolButton>
#include <algorithm>
#include <random>

#include "net/FtpClient_U.h"
#include "net/ui/FTP_F.h"
#include "platform/FileIO.h"
#include "support/WindowBench.h"

namespace {

struct FtpEnv : qmbench::WindowEnv {
  QTemporaryDir root;
  QProcess server;
  TForm21* w = nullptr;

  explicit FtpEnv(std::size_t pageBytes) {
    qm::writeFileAtomically(root.filePath(QStringLiteral("page.htm")), qmbench::hebrewPage(pageBytes));
    const QString script = QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../tests/support/ftp_server.py"));
    server.start(QStringLiteral("/usr/bin/python3"),
                 {script, QStringLiteral("--root"), root.path(), QStringLiteral("--user"), QStringLiteral("bench"),
                  QStringLiteral("--password"), QStringLiteral("bench")});
    server.waitForReadyRead(10000);
    const int port = QString::fromLatin1(server.readLine()).section(QLatin1Char(' '), 1).trimmed().toInt();
    form->runCommand(QStringLiteral("FTP3"));
    w = form->Window<TForm21>();
    w->Edit1->setText(QStringLiteral("127.0.0.1"));
    w->Edit2->setText(QString::number(port));
    w->Edit3->setText(QStringLiteral("bench"));
    w->Edit4->setText(QStringLiteral("bench"));
    w->Button1->click();
    w->ListBox1->setCurrentItem(w->ListBox1->findItems(QStringLiteral("page.htm"), Qt::MatchExactly).value(0));
  }
  ~FtpEnv() {
    closeAll();
    server.closeWriteChannel();
    server.waitForFinished(5000);
  }
};

void BM_FtpDownloadIntoWindow(benchmark::State& state) {
  FtpEnv env(static_cast<std::size_t>(state.range(0)));
  if (!env.w->FtpClient1->Connected()) state.SkipWithError("no FTP server");
  for (auto _ : state) {
    env.w->Button3->click();
    state.PauseTiming();
    if (env.form->DocumentCount() != 1) state.SkipWithError("the download failed");
    env.closeAll();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FtpDownloadIntoWindow)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_FtpUploadActivePage(benchmark::State& state) {
  FtpEnv env(static_cast<std::size_t>(state.range(0)));
  if (!env.w->FtpClient1->Connected()) state.SkipWithError("no FTP server");
  env.w->Button3->click();  // the page to send
  env.w->Edit6->setText(QStringLiteral("copy.htm"));
  for (auto _ : state) env.w->Button5->click();
  if (QFileInfo(env.root.filePath(QStringLiteral("copy.htm"))).size() < state.range(0) / 2)
    state.SkipWithError("the upload failed");
}
BENCHMARK(BM_FtpUploadActivePage)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

// A server that knows just enough FTP for a passive listing of `count`
// entries (one in ten a folder, in shuffled order), so that the numbers are the
// client's and the window's, not a server's.
class ListingServer : public QObject {
 public:
  explicit ListingServer(int count) {
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) order[static_cast<std::size_t>(i)] = i;
    std::shuffle(order.begin(), order.end(), std::mt19937(1255));
    for (int i : order)
      listing_ += (i % 10 == 0 ? QByteArray("drwxr-xr-x 2 u g 512 Jan 1 10:00 Folder") : QByteArray("-rw-r--r-- 1 u g 3062 Jan 1 10:00 page")) +
                  QByteArray::number(i) + (i % 10 == 0 ? "\r\n" : ".htm\r\n");
    control_.listen(QHostAddress::LocalHost);
    data_.listen(QHostAddress::LocalHost);
    connect(&control_, &QTcpServer::newConnection, this, [this] {
      QTcpSocket* s = control_.nextPendingConnection();
      s->write("220 ready\r\n");
      connect(s, &QTcpSocket::readyRead, s, [this, s] {
        while (s->canReadLine()) answer(s, s->readLine().trimmed());
      });
    });
  }
  int port() const { return control_.serverPort(); }

 private:
  void answer(QTcpSocket* s, const QByteArray& line) {
    const QByteArray word = line.left(line.indexOf(' ') < 0 ? line.size() : line.indexOf(' ')).toUpper();
    if (word == "USER") s->write("331 pass\r\n");
    else if (word == "PASS") s->write("230 in\r\n");
    else if (word == "PWD") s->write("257 \"/\"\r\n");
    else if (word == "QUIT") s->write("221 bye\r\n");
    else if (word == "PASV")
      s->write("227 Entering Passive Mode (127,0,0,1," + QByteArray::number(data_.serverPort() / 256) + "," +
               QByteArray::number(data_.serverPort() % 256) + ")\r\n");
    else if (word == "LIST") {
      s->write("150 list\r\n");
      // (The connection may have been taken already while the client waited for it.)
      if (!data_.hasPendingConnections()) data_.waitForNewConnection(5000);
      QTcpSocket* d = data_.nextPendingConnection();
      d->write(listing_);
      connect(d, &QTcpSocket::disconnected, s, [s, d] {
        s->write("226 done\r\n");
        d->deleteLater();
      });
      d->disconnectFromHost();
    } else {
      s->write("200 ok\r\n");
    }
  }
  QByteArray listing_;
  QTcpServer control_, data_;
};

// The remote list filled from a listing of N entries, as the refresh button
// does it: the transfer, the sort and the list box.
void BM_FtpListing(benchmark::State& state) {
  ListingServer server(static_cast<int>(state.range(0)));
  qmbench::WindowEnv env;
  env.form->runCommand(QStringLiteral("FTP3"));
  TForm21* w = env.form->Window<TForm21>();
  w->FtpClient1->Passive = true;
  w->Edit1->setText(QStringLiteral("127.0.0.1"));
  w->Edit2->setText(QString::number(server.port()));
  w->Edit3->setText(QStringLiteral("bench"));
  w->Edit4->setText(QStringLiteral("bench"));
  w->Button1->click();
  if (w->ListBox1->count() != state.range(0)) state.SkipWithError("the listing failed");
  for (auto _ : state) {
    w->SpeedButton3->click();
    if (w->ListBox1->count() != state.range(0)) state.SkipWithError("the listing failed");
  }
}
BENCHMARK(BM_FtpListing)->Arg(10000)->Arg(40000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return qmbench::runWindowBenchmarks(argc, argv); }
