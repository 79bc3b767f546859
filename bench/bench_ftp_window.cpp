// The FTP publishing window against pyftpdlib on 127.0.0.1: a generated page
// downloaded into a new document window (transfer, loading and colouring),
// and the active page uploaded. Needs /usr/bin/python3 with pyftpdlib.
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>

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

}  // namespace

int main(int argc, char** argv) { return qmbench::runWindowBenchmarks(argc, argv); }
