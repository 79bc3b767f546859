#pragma once

#include <QString>
#include <functional>
#include <QWidget>
#include <memory>
#include <string>

#include "core/net/FtpProtocol.h"
#include "net/FtpSession.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;
class QGroupBox;
namespace qm {
class PublishingHost;
namespace net {
class TFtpClient;
class TSocketClient;
}  // namespace net
}  // namespace qm

// The FTP publishing window: connect to a server, browse its folders,
// download a file into a new document window or a local file, upload the
// active page. Every action is logged as "QX>...", every event of the client
// as "QX<...". It reaches the page and the main window only through the host.
// A tool window with no Qt parent; hidden, never closed, so the connection,
// the listing and the log survive hiding.
class TForm21 : public QWidget, public qm::net::CertificateTrust {
  Q_OBJECT
 public:
  explicit TForm21(qm::PublishingHost& host);
  ~TForm21() override;

  // The three ways of opening it: FTP1 (upload panel only, Edit6 gets the
  // page's file name), FTP2 (download panel only), FTP3 (both).
  enum class Mode { Upload, Download, Both };
  void ShowMode(Mode mode);
  // Writes "LastHost" and "UserID" (each only when its field is not empty)
  // and the connection choices.
  void SaveLogin();

  // --- components ---
  QLabel* Label6 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;  // line 2: the current remote folder
  QLabel* Label5 = nullptr;         // connection state
  QLabel* Label12 = nullptr;
  QLineEdit* Edit1 = nullptr;  // host
  QLineEdit* Edit2 = nullptr;  // port
  QLineEdit* Edit3 = nullptr;  // user
  QLineEdit* Edit4 = nullptr;  // password, never stored
  QCheckBox* PassiveCheck = nullptr;  // passive mode: the program opens the data connections
  QCheckBox* TlsCheck = nullptr;      // FTP over TLS
  QPushButton* Button1 = nullptr;  // connect
  QPushButton* Button2 = nullptr;  // disconnect
  QPushButton* Button6 = nullptr;  // hide
  QListWidget* ListBox1 = nullptr;  // remote entries, folders as "/" + name
  QToolButton* SpeedButton1 = nullptr;  // parent folder
  QToolButton* SpeedButton2 = nullptr;  // root
  QToolButton* SpeedButton3 = nullptr;  // refresh
  QGroupBox* Panel1 = nullptr;  // download
  QLabel* Label14 = nullptr;
  QPushButton* Button3 = nullptr;  // download
  QRadioButton* RadioButton1 = nullptr;  // into a new window
  QRadioButton* RadioButton2 = nullptr;  // into the file in Edit5
  QLineEdit* Edit5 = nullptr;
  QPushButton* Button4 = nullptr;  // choose Edit5
  QGroupBox* Panel2 = nullptr;  // upload
  QLabel* Label13 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label8 = nullptr;  // the active page's caption
  QLabel* Label15 = nullptr;
  QLabel* Label16 = nullptr;
  QLineEdit* Edit6 = nullptr;  // remote name of an upload
  QPushButton* Button5 = nullptr;  // upload
  QPlainTextEdit* Memo2 = nullptr;  // the log
  // The status area of a transfer: bytes so far, a bar, and cancel.
  QLabel* Label17 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QPushButton* Button7 = nullptr;

  // The client of the session (null when it could not be made).
  qm::net::TFtpClient* FtpClient1 = nullptr;

  // --- operations and handlers ---
  void ListDir();
  void FormActivate();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void ListBox1Click();
  void ListBox1DblClick();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();

  void FtpClient1Connect();
  void FtpClient1Disconnect();
  void FtpClient1Success(qm::net::TCmdType kind);
  void FtpClient1Failure(qm::net::TCmdType kind);
  void FtpClient1Status(const std::string& status);
  void FtpClient1Error(int errnum, const std::string& errmsg);
  void FtpClient1InvalidHost();
  void FtpClient1AuthenticationFailed();
  void FtpClient1AuthenticationNeeded();
  void FtpClient1Progress(qm::net::TSocketClient* data);

  // Certificates the user trusts, one per host, kept in the settings.
  QByteArray Trusted(const std::string& host) override;
  bool Ask(const Question& question) override;

 protected:
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void Log(const QString& line);
  void BindEvents();
  // Runs a session operation with the cancel button on, then shows the state it left.
  qm::net::FtpSession::Outcome Act(const std::function<qm::net::FtpSession::Outcome()>& op);
  void TransferFailed(const QString& what, const qm::net::FtpSession::Outcome& o);
  // Buttons, state line, folder line, list and the main window's indicator,
  // all from the session.
  void Render();
  void EnterSelected();
  void FinishTransfer();
  bool CanAct() const;

  qm::PublishingHost& host_;
  std::shared_ptr<qm::net::FtpSession> session_;
  bool indicator_ = false;
  bool asked_ = false;  // the user was asked about a certificate during this connect
  unsigned listed_ = ~0u;  // the session's list revision ListBox1 shows
};
