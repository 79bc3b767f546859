#include "support/FtpServer.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>

namespace qmtest {

void FtpServer::start(const QStringList& options) {
  process_.setProgram(QStringLiteral(QM_TEST_PYTHON));
  process_.setArguments(QStringList{QStringLiteral(QM_TEST_SUPPORT_DIR "/ftp_server.py"), QStringLiteral("--root"),
                                    dir_.path(), QStringLiteral("--user"), QString::fromLatin1(User),
                                    QStringLiteral("--password"), QString::fromLatin1(Password)} +
                        options);
  process_.setProcessChannelMode(QProcess::SeparateChannels);
  process_.start();
  if (!process_.waitForStarted(10000)) {
    error_ = QStringLiteral("cannot start ") + process_.program() + QStringLiteral(": ") + process_.errorString();
    return;
  }
  QByteArray out;
  QDeadlineTimer deadline(15000);
  while (!out.contains('\n') && !deadline.hasExpired()) {
    if (!process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) break;
    out += process_.readAllStandardOutput();
  }
  if (out.startsWith("PORT ")) port_ = out.mid(5).trimmed().toInt();
  if (port_ <= 0) error_ = QStringLiteral("the FTP server did not start: ") + QString::fromLocal8Bit(out) +
                           QString::fromLocal8Bit(process_.readAllStandardError());
}

FtpServer::~FtpServer() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.closeWriteChannel();  // the server ends when its standard input closes
  if (!process_.waitForFinished(3000)) {
    process_.kill();
    process_.waitForFinished(3000);
  }
}

}  // namespace qmtest
