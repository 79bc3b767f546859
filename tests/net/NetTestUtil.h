#pragma once

#include <QEventLoop>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTimer>
#include <string>

namespace nettest {

struct ProcessResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs a program while this process's event loop keeps running, so that a
// scripted server in the test can answer it. Killed after 30 s.
inline ProcessResult runProcess(const QString& program, const QStringList& args,
                                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
  QProcess p;
  p.setProcessEnvironment(env);
  QEventLoop loop;
  QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&p, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &loop, [&] { p.kill(); });
  p.start(program, args);
  guard.start(30000);
  if (p.state() != QProcess::NotRunning) loop.exec();
  if (p.state() != QProcess::NotRunning) p.waitForFinished(5000);
  ProcessResult r;
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = p.readAllStandardOutput().toStdString();
  r.err = p.readAllStandardError().toStdString();
  return r;
}

// A port on 127.0.0.1 where nothing listens.
int closedPort();

}  // namespace nettest
