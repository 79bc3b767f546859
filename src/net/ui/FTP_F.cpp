#include "net/ui/FTP_F.h"
#include "platform/Controls.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <algorithm>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/markup/MarkupText.h"
#include "core/net/PublishText.h"
#include "host/PublishingHost.h"
#include "net/FtpClient_U.h"
#include "net/FtpSession.h"
#include "platform/Application.h"
#include "platform/Cp1255Bridge.h"
#include "platform/FileIO.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"

using qm::net::TCmdType;

namespace {

template <class W>
W* named(W* w, const char* name) {
  w->setObjectName(QLatin1String(name));
  return w;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
  return named(new QLabel(text, parent), name);
}

QString bytesText(std::string_view s) {
  // Reply lines keep their line end; the log shows one line each.
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.remove_suffix(1);
  return qm::fromCp1255(s);
}

void colour(QLabel* l, bool italic) {
  QFont f = l->font();
  f.setBold(true);
  f.setItalic(italic);
  l->setFont(f);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, Qt::blue);
  l->setPalette(p);
}

const QString kNotConnected = QStringLiteral("לא מחובר");

}  // namespace

TForm21::TForm21(qm::PublishingHost& host) : host_(host) {
  setObjectName(QStringLiteral("Form21"));
  setWindowTitle(QStringLiteral("FTP"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_QuitOnClose, false);
  setLayoutDirection(Qt::RightToLeft);

  // Two columns, so that the window fits a small screen: the connection and
  // the server's folder at the right, the transfers and the log at the left.
  auto* columns = new QHBoxLayout(this);
  columns->setSizeConstraint(QLayout::SetFixedSize);
  auto* column = new QVBoxLayout;
  auto* transfers = new QVBoxLayout;
  columns->addLayout(column);
  columns->addLayout(transfers);

  // The current folder and the connection state.
  Label6 = label(this, "Label6", QStringLiteral("ספריה נוכחית בשרת"));
  Memo1 = named(new QPlainTextEdit(this), "Memo1");
  Memo1->setReadOnly(true);
  Memo1->setEnabled(false);
  Memo1->setLayoutDirection(Qt::LeftToRight);
  Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 3);
  Memo1->setPlainText(QStringLiteral("*"));
  Label5 = label(this, "Label5", kNotConnected);
  colour(Label5, false);
  column->addWidget(Label6);
  column->addWidget(Memo1);
  column->addWidget(Label5);

  // The login fields.
  Label12 = label(this, "Label12", QStringLiteral("הכנס פרטי התחברות"));
  column->addWidget(Label12);
  auto* login = new QGridLayout;
  const auto field = [&](const char* name, int row, const QString& latin, const QString& hebrew) {
    auto* e = named(new QLineEdit(this), name);
    e->setLayoutDirection(Qt::LeftToRight);
    login->addWidget(new QLabel(latin, this), row, 0);
    login->addWidget(e, row, 1);
    login->addWidget(new QLabel(hebrew, this), row, 2);
    return e;
  };
  Edit1 = field("Edit1", 0, QStringLiteral("Host"), QStringLiteral("שרת"));
  Edit2 = field("Edit2", 1, QStringLiteral("PORT"), QStringLiteral("פורט"));
  Edit3 = field("Edit3", 2, QStringLiteral("User ID"), QStringLiteral("שם משתמש"));
  Edit4 = field("Edit4", 3, QStringLiteral("Password"), QStringLiteral("סיסמה"));
  Edit2->setText(QStringLiteral("21"));
  Edit4->setEchoMode(QLineEdit::Password);
  column->addLayout(login);
  PassiveCheck = named(new QCheckBox(QStringLiteral("מצב פסיבי"), this), "PassiveCheck");
  PassiveCheck->setToolTip(QStringLiteral("התוכנה פותחת את חיבורי הנתונים (עובר נתב ביתי וחומת אש)"));
  TlsCheck = named(new QCheckBox(QStringLiteral("חיבור מוצפן TLS"), this), "TlsCheck");
  TlsCheck->setToolTip(QStringLiteral("הסיסמה והקבצים עוברים מוצפנים; השרת חייב לתמוך ב-FTP over TLS"));
  column->addWidget(PassiveCheck);
  column->addWidget(TlsCheck);

  auto* buttons = new QHBoxLayout;
  Button1 = named(new QPushButton(QStringLiteral("התחבר"), this), "Button1");
  Button1->setToolTip(QStringLiteral("התחבר לשרת"));
  Button1->setIcon(style()->standardIcon(QStyle::SP_DialogYesButton));
  Button2 = named(new QPushButton(QStringLiteral("לנתק"), this), "Button2");
  Button2->setToolTip(QStringLiteral("התנתק מהשרת"));
  Button2->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
  Button6 = named(new QPushButton(QStringLiteral("סגור"), this), "Button6");
  Button6->setToolTip(QStringLiteral("סגור חלון "));
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  buttons->addWidget(Button6);
  column->addLayout(buttons);

  // The remote list and its folder buttons.
  auto* listRow = new QHBoxLayout;
  ListBox1 = named(new QListWidget(this), "ListBox1");
  ListBox1->setLayoutDirection(Qt::LeftToRight);
  ListBox1->setMinimumSize(260, 160);
  auto* folderButtons = new QVBoxLayout;
  SpeedButton1 = named(new QToolButton(this), "SpeedButton1");
  SpeedButton1->setToolTip(QStringLiteral("עלה ספריה "));
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
  SpeedButton2 = named(new QToolButton(this), "SpeedButton2");
  SpeedButton2->setText(QStringLiteral("/"));
  SpeedButton2->setToolTip(QStringLiteral("עבור לספריה ראשית"));
  QFont bold = SpeedButton2->font();
  bold.setBold(true);
  SpeedButton2->setFont(bold);
  SpeedButton3 = named(new QToolButton(this), "SpeedButton3");
  SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  folderButtons->addWidget(SpeedButton1);
  folderButtons->addWidget(SpeedButton2);
  folderButtons->addWidget(SpeedButton3);
  folderButtons->addStretch(1);
  listRow->addWidget(ListBox1, 1);
  listRow->addLayout(folderButtons);
  column->addLayout(listRow);

  // The download panel.
  Panel1 = named(new QGroupBox(this), "Panel1");
  auto* down = new QGridLayout(Panel1);
  Label14 = label(Panel1, "Label14", QStringLiteral("הורדה מהשרת"));
  colour(Label14, true);
  Button3 = named(new QPushButton(QStringLiteral("טען"), Panel1), "Button3");
  Button3->setToolTip(QStringLiteral("הורדת קובץ מהשרת"));
  Button3->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  RadioButton1 = named(new QRadioButton(QStringLiteral("לחלון חדש"), Panel1), "RadioButton1");
  RadioButton1->setLayoutDirection(Qt::RightToLeft);
  RadioButton1->setChecked(true);
  RadioButton2 = named(new QRadioButton(QStringLiteral("לקובץ :"), Panel1), "RadioButton2");
  RadioButton2->setLayoutDirection(Qt::RightToLeft);
  Edit5 = named(new QLineEdit(Panel1), "Edit5");
  Edit5->setLayoutDirection(Qt::LeftToRight);
  Button4 = named(new QPushButton(QStringLiteral("..."), Panel1), "Button4");
  Button4->setToolTip(QStringLiteral("בחר שם קובץ לשמירה מהשרת"));
  down->addWidget(Label14, 0, 0, 1, 3);
  down->addWidget(RadioButton1, 1, 0);
  down->addWidget(Button3, 1, 2);
  down->addWidget(RadioButton2, 2, 0);
  down->addWidget(Edit5, 2, 1);
  down->addWidget(Button4, 2, 2);
  transfers->addWidget(Panel1);

  // The upload panel.
  Panel2 = named(new QGroupBox(this), "Panel2");
  auto* up = new QGridLayout(Panel2);
  Label13 = label(Panel2, "Label13", QStringLiteral("העלאה לשרת"));
  colour(Label13, true);
  Label11 = label(Panel2, "Label11", QStringLiteral(" :שם קובץ מקומי"));
  Label8 = label(Panel2, "Label8", QStringLiteral("אין קבצים פתוחים..."));
  Label15 = label(Panel2, "Label15", QStringLiteral("הכנס שם קובץ "));
  Label16 = label(Panel2, "Label16", QStringLiteral("לשמירה בשרת"));
  Edit6 = named(new QLineEdit(Panel2), "Edit6");
  Edit6->setLayoutDirection(Qt::LeftToRight);
  Button5 = named(new QPushButton(QStringLiteral("שמור בשם"), Panel2), "Button5");
  Button5->setToolTip(QStringLiteral("העלאת קובץ לשרת"));
  Button5->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
  up->addWidget(Label13, 0, 0, 1, 3);
  up->addWidget(Label11, 1, 0);
  up->addWidget(Label8, 1, 1, 1, 2);
  up->addWidget(Label15, 2, 0);
  up->addWidget(Label16, 3, 0);
  up->addWidget(Edit6, 2, 1, 2, 1);
  up->addWidget(Button5, 2, 2, 2, 1);
  transfers->addWidget(Panel2);

  // The status area of a transfer.
  auto* status = new QHBoxLayout;
  Label17 = named(new QLabel(this), "Label17");
  ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  Button7 = named(new QPushButton(QStringLiteral("בטל"), this), "Button7");
  Button7->setToolTip(QStringLiteral("הפסק את ההעברה"));
  Button7->setEnabled(false);
  status->addWidget(Label17);
  status->addWidget(ProgressBar1, 1);
  status->addWidget(Button7);
  transfers->addLayout(status);

  Memo2 = named(new QPlainTextEdit(this), "Memo2");
  Memo2->setReadOnly(true);
  Memo2->setLayoutDirection(Qt::LeftToRight);
  Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo2->setMinimumHeight(120);
  Memo2->setPlainText(QStringLiteral("*********BEGIN LOG*************"));
  transfers->addWidget(Memo2);

  connect(Button1, &QPushButton::clicked, this, qm::guarded(this, &TForm21::Button1Click));
  connect(Button2, &QPushButton::clicked, this, qm::guarded(this, &TForm21::Button2Click));
  connect(Button3, &QPushButton::clicked, this, qm::guarded(this, &TForm21::Button3Click));
  connect(Button4, &QPushButton::clicked, this, qm::guarded(this, &TForm21::Button4Click));
  connect(Button5, &QPushButton::clicked, this, qm::guarded(this, &TForm21::Button5Click));
  connect(Button6, &QPushButton::clicked, this, qm::guarded(this, &TForm21::Button6Click));
  connect(Button7, &QPushButton::clicked, this, qm::guarded(this, &TForm21::Button7Click));
  connect(SpeedButton1, &QToolButton::clicked, this, qm::guarded(this, &TForm21::SpeedButton1Click));
  connect(SpeedButton2, &QToolButton::clicked, this, qm::guarded(this, &TForm21::SpeedButton2Click));
  connect(SpeedButton3, &QToolButton::clicked, this, qm::guarded(this, &TForm21::SpeedButton3Click));
  qm::cancelOnEscape(this, Button6);
  connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm21::ListBox1Click);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
  ListBox1->installEventFilter(this);

  Render();

  Edit1->setText(host_.Settings().read(qm::setting::LastHost));
  Edit3->setText(host_.Settings().read(qm::setting::UserID));
  PassiveCheck->setChecked(host_.Settings().read(qm::setting::LastPassive));
  TlsCheck->setChecked(host_.Settings().read(qm::setting::LastTls));
  host_.SetFtpAvailable(true);
  try {
    session_ = std::make_shared<qm::net::FtpSession>();
  } catch (...) {
    // Without a client the window stays, but the FTP commands refuse to open it.
    host_.SetFtpAvailable(false);
    return;
  }
  FtpClient1 = &session_->Client();
  FtpClient1->ParseList = false;
  FtpClient1->Passive = PassiveCheck->isChecked();
  FtpClient1->UseTls = TlsCheck->isChecked();
  FtpClient1->Port = 21;
  FtpClient1->ReportLevel = 3;
  FtpClient1->TimeOut = 7000;
  FtpClient1->FWAuthenticate = false;
  FtpClient1->MinRateBytes = host_.Settings().read(qm::setting::FtpMinRateBytes);
  FtpClient1->MinRateMs = host_.Settings().read(qm::setting::FtpMinRateSeconds) * 1000;
  BindEvents();
  connect(PassiveCheck, &QCheckBox::toggled, this, [this](bool on) { FtpClient1->Passive = on; });
  connect(TlsCheck, &QCheckBox::toggled, this, [this](bool on) { FtpClient1->UseTls = on; });
  session_->Trust = this;

  adjustSize();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect r = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
  move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
}

TForm21::~TForm21() {
  if (!session_) return;
  session_->Unbind();
  // A call still running further up the stack holds the session; it ends
  // once the event loop is back there.
  session_->Cancel();
}

void TForm21::BindEvents() {
  qm::net::FtpSession& s = *session_;
  s.OnLog = [this](const QString& line) { Log(line); };
  s.OnChange = [this] { Render(); };
  s.OnConnected = [this] { FtpClient1Connect(); };
  s.OnDisconnected = [this] { FtpClient1Disconnect(); };
  s.OnSuccess = [this](TCmdType kind) { FtpClient1Success(kind); };
  qm::net::TFtpClient& c = *FtpClient1;
  c.OnStatus = [this](qm::net::TSocketClient*, const std::string& st) { FtpClient1Status(st); };
  c.OnInvalidHost = [this](bool&) { FtpClient1InvalidHost(); };
  c.OnError = [this](qm::net::TSocketClient*, int n, const std::string& m) { FtpClient1Error(n, m); };
  c.OnFailure = [this](bool&, TCmdType kind) { FtpClient1Failure(kind); };
  c.OnHostResolved = [this](qm::net::TSocketClient*) { Log(QStringLiteral("QX<Host Resolved .")); };
  c.OnConnectionRequired = [this](bool&) { Log(QStringLiteral("QX<Connection Required .")); };
  c.OnAuthenticationFailed = [this](bool&) { FtpClient1AuthenticationFailed(); };
  c.OnAuthenticationNeeded = [this](bool&) { FtpClient1AuthenticationNeeded(); };
  c.OnUnSupportedFunction = [this](TCmdType) { Log(QStringLiteral("QX<UnSupported function ! (?" "?)")); };
  c.OnTransactionStart = [this](qm::net::TSocketClient*) { Log(QStringLiteral("QX< Beginning Data Transfer.")); };
  c.OnTransactionStop = [this](qm::net::TSocketClient*) { Log(QStringLiteral("QX< Data Transfer Complete.")); };
  c.OnPacketRecvd = [this](qm::net::TSocketClient* d) { FtpClient1Progress(d); };
  c.OnPacketSent = [this](qm::net::TSocketClient* d) { FtpClient1Progress(d); };
}

// ---- helpers ----------------------------------------------------------------

void TForm21::Log(const QString& line) { Memo2->appendPlainText(line); }

bool TForm21::CanAct() const { return session_ && !session_->Busy(); }

qm::net::FtpSession::Outcome TForm21::Act(const std::function<qm::net::FtpSession::Outcome()>& op) {
  Label17->setText(QStringLiteral("0"));
  ProgressBar1->setValue(0);
  Button7->setEnabled(true);
  const auto keep = session_;  // the window may go while the operation runs
  const qm::net::FtpSession::Outcome o = op();
  Button7->setEnabled(false);
  Render();
  if (o.badName) {
    Log(QStringLiteral("QX<") + o.error);
    qm::prompts().message(this, QStringLiteral("! השם מכיל תווי בקרה ולא נשלח לשרת"));
  }
  return o;
}

void TForm21::TransferFailed(const QString& what, const qm::net::FtpSession::Outcome& o) {
  if (o.badName) return;  // already told
  if (o.cancelled) {
    Log(QStringLiteral("QX>") + what + QStringLiteral(" cancelled"));
    return;
  }
  const QString why = o.error.isEmpty() ? QStringLiteral("no success reply") : o.error;
  Log(QStringLiteral("QX<") + what + QStringLiteral(" failed: ") + why);
  qm::prompts().message(this, what == QStringLiteral("Download") ? QStringLiteral("! ההורדה נכשלה")
                                                                 : QStringLiteral("! ההעלאה נכשלה"));
}

void TForm21::Render() {
  using Link = qm::net::FtpSession::Link;
  const Link link = session_ ? session_->State() : Link::Never;
  const bool on = session_ && session_->Connected();
  const bool idle = !session_ || !session_->Busy();
  Button1->setEnabled(!on && idle);
  for (QWidget* w : std::initializer_list<QWidget*>{Button2, Button5, Button3, SpeedButton1, SpeedButton2,
                                                     SpeedButton3})
    w->setEnabled(on);
  switch (link) {
    case Link::Never: Label5->setText(kNotConnected); break;
    case Link::Connected:
      Label5->setText(FtpClient1->Encrypted() ? QStringLiteral("connected (TLS) ! מחובר בחיבור מוצפן")
                                              : QStringLiteral("connected  !  מחובר"));
      break;
    case Link::Disconnected: Label5->setText(QStringLiteral("disconnected ! מנותק")); break;
    case Link::Failed: Label5->setText(QStringLiteral("connection failed ! התחברות נכשלה")); break;
  }
  if (link != Link::Never) Memo1->setPlainText(QStringLiteral("*\n") + session_->Dir());
  if (indicator_ != on) {
    indicator_ = on;
    host_.SetFtpIndicator(on ? QStringLiteral(" פעיל FTP חיבור ") : QString());
  }
  if (session_ && listed_ != session_->Revision()) {
    listed_ = session_->Revision();
    QStringList items;
    items.reserve(static_cast<qsizetype>(session_->Entries().size()));
    for (const QString& e : session_->Entries()) items.append(e);
    ListBox1->clear();
    ListBox1->addItems(items);
  }
}

void TForm21::FinishTransfer() {
  if (!Panel1->isHidden() && !Panel2->isHidden()) {
    raise();
    activateWindow();
  } else {
    hide();
  }
}

// ---- opening and closing ----------------------------------------------------

void TForm21::ShowMode(Mode mode) {
  Panel1->setVisible(mode != Mode::Upload);
  Panel2->setVisible(mode != Mode::Download);
  if (mode == Mode::Upload) {
    if (qm::PageView* page = host_.ActivePage())
      Edit6->setText(qm::fromCp1255(
          qm::TruncPath(qm::toCp1255(page->PageName()), false, qm::PathOrigin::Chosen)));
  }
  adjustSize();
  FormActivate();
  show();
  raise();
  activateWindow();
}

void TForm21::FormActivate() {
  qm::PageView* page = host_.ActivePage();
  Label8->setText(page ? page->PageName() : QStringLiteral("אין קבצים פתוחים..."));
}

bool TForm21::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(e);
}

void TForm21::closeEvent(QCloseEvent* e) {
  // Closing only hides; a transfer in progress is cancelled first.
  Button6Click();
  e->ignore();
}

void TForm21::Button6Click() {
  if (session_) session_->Cancel();
  hide();
}

void TForm21::Button7Click() {
  if (session_) session_->Cancel();
}

void TForm21::SaveLogin() {
  if (!Edit1->text().isEmpty()) host_.Settings().write(qm::setting::LastHost, Edit1->text());
  if (!Edit3->text().isEmpty()) host_.Settings().write(qm::setting::UserID, Edit3->text());
  host_.Settings().write(qm::setting::LastPassive, PassiveCheck->isChecked());
  host_.Settings().write(qm::setting::LastTls, TlsCheck->isChecked());
}

// ---- connection -------------------------------------------------------------

void TForm21::Button1Click() {
  if (!CanAct()) return;
  Log(QStringLiteral("QX>Connect"));
  if (Edit1->text().isEmpty() || Edit2->text().isEmpty() || Edit3->text().isEmpty()) {
    qm::prompts().message(this, QStringLiteral("! יש למלא את כל הפרטים"));
    return;
  }
  bool ok = false;
  const int port = Edit2->text().trimmed().toInt(&ok);
  if (!ok || port <= 0 || port > 65535) {
    qm::prompts().error(this, qm::notAnIntegerText(Edit2->text()));
    return;
  }
  asked_ = false;
  const auto o = Act([&] {
    return session_->Connect(qm::toCp1255(Edit1->text()), port, qm::toCp1255(Edit3->text()),
                             qm::toCp1255(Edit4->text()));
  });
  if (o.ok || o.error.isEmpty()) return;
  Log(QStringLiteral("QX<Connect failed: ") + o.error);
  // (A certificate the user refused was the user's own decision.)
  if (FtpClient1->UseTls && !FtpClient1->TlsEstablished() && !asked_)
    qm::prompts().message(this, QStringLiteral("! לא ניתן ליצור חיבור מוצפן (TLS) עם השרת; שם המשתמש והסיסמה לא נשלחו"));
}

namespace {
// The settings name under which the certificate trusted for `host` is kept.
QString trustName(const std::string& host) {
  return QStringLiteral("TrustedCertificate_") +
         QString::fromLatin1(QUrl::toPercentEncoding(QString::fromLatin1(host.data(), static_cast<qsizetype>(host.size()))));
}
}  // namespace

QByteArray TForm21::Trusted(const std::string& host) {
  return qm::net::parseFingerprint(host_.Settings().readString(trustName(host), QString()).toStdString());
}

bool TForm21::Ask(const Question& q) {
  asked_ = true;
  const QString host = QString::fromLatin1(q.host.data(), static_cast<qsizetype>(q.host.size()));
  const QString fingerprint = qm::net::fingerprintText(qm::net::certificateFingerprint(q.certificate));
  QString text = q.changed
                     ? QStringLiteral("אזהרה: תעודת האבטחה של השרת %1 שונה מזו שאישרת בעבר!\n"
                                      "ייתכן שמישהו מתחזה לשרת. לא יתבצע חיבור אלא אם תאשר את התעודה החדשה.\n\n")
                     : QStringLiteral("לא ניתן לאמת את תעודת האבטחה של השרת %1.\n\n");
  text = text.arg(host);
  text += QStringLiteral("טביעת אצבע SHA-256:\n") + fingerprint + QStringLiteral("\n");
  text += QStringLiteral("נושא: ") + q.certificate.subjectDisplayName() + QStringLiteral("\n");
  text += QStringLiteral("מנפיק: ") + q.certificate.issuerDisplayName() + QStringLiteral("\n");
  text += QStringLiteral("בתוקף מ-") + q.certificate.effectiveDate().toString(Qt::ISODate) + QStringLiteral(" עד ") +
          q.certificate.expiryDate().toString(Qt::ISODate) + QStringLiteral("\n");
  text += QStringLiteral("בעיות: ") + q.problems.join(QStringLiteral("; ")) + QStringLiteral("\n\n");
  text += QStringLiteral("?לסמוך על תעודה זו עבור שרת זה");
  if (qm::prompts().yesNo(this, text) != qm::Answer::Yes) {
    Log(QStringLiteral("QX<Certificate refused: SHA-256 ") + fingerprint);
    return false;
  }
  host_.Settings().writeString(trustName(q.host), fingerprint);
  Log(QStringLiteral("QX<Certificate trusted for ") + host + QStringLiteral(": SHA-256 ") + fingerprint);
  return true;
}

void TForm21::Button2Click() {
  if (!CanAct()) return;
  Log(QStringLiteral("QX>Disconnect"));
  Act([this] { return session_->Disconnect(); });
}

void TForm21::FtpClient1Connect() {
  Log(QStringLiteral("QX<Connected to ") + qm::fromCp1255(FtpClient1->Host) + QStringLiteral("(") +
      qm::fromCp1255(FtpClient1->RemoteAddress()) + QStringLiteral(") !"));
}

void TForm21::FtpClient1Disconnect() { Log(QStringLiteral("QX<Disconnected!")); }

void TForm21::FtpClient1InvalidHost() {
  Log(QStringLiteral("QX<Invalid Host"));
  qm::prompts().message(this, QStringLiteral("! שם שרת לא קיים"));
}

void TForm21::FtpClient1AuthenticationFailed() {
  Log(QStringLiteral("QX<Authentication failed"));
  qm::prompts().message(this, QStringLiteral("! סיסמה\\שם משתמש שגויים"));
}

void TForm21::FtpClient1AuthenticationNeeded() {
  Log(QStringLiteral("QX<Authentication failed"));
  qm::prompts().message(this, QStringLiteral("! נדרשים סיסמה ושם משתמש"));
}

void TForm21::FtpClient1Status(const std::string& status) { Log(QStringLiteral("QX<") + bytesText(status)); }

void TForm21::FtpClient1Error(int errnum, const std::string& errmsg) {
  Log(QStringLiteral("QX<ERROR #%1 MSG:\"").arg(errnum) + bytesText(errmsg) + QStringLiteral("\".(!!!)"));
}

void TForm21::FtpClient1Success(TCmdType kind) {
  Log(QStringLiteral("QX< ") + QString::fromStdString(qm::net::transactionName(static_cast<int>(kind))) +
      QStringLiteral(" success."));
}

void TForm21::FtpClient1Failure(TCmdType kind) {
  Log(QStringLiteral("QX< ") + QString::fromStdString(qm::net::transactionName(static_cast<int>(kind))) +
      QStringLiteral(" failure!!! (?)"));
}

void TForm21::FtpClient1Progress(qm::net::TSocketClient* data) {
  const long long done = data->ReceivedCount > 0 ? data->ReceivedCount : data->SentCount;
  const long long total = FtpClient1->TransferSize;
  if (total > 0) {
    Label17->setText(QStringLiteral("%1 / %2").arg(done).arg(total));
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setValue(static_cast<int>(std::min<long long>(1000, done * 1000 / total)));
  } else {
    Label17->setText(QString::number(done));
    ProgressBar1->setRange(0, 0);  // size unknown: a busy bar
  }
}

// ---- the listing ------------------------------------------------------------

void TForm21::ListDir() {
  // Cancelled like a transfer (Button7); a listing that fails (a server too
  // slow, a dropped connection) is said so.
  const auto o = Act([this] { return session_->Refresh(); });
  if (o.ok || o.badName) return;
  if (o.cancelled) {
    Log(QStringLiteral("QX>ls cancelled"));
    return;
  }
  Log(QStringLiteral("QX<ls failed: ") + (o.error.isEmpty() ? QStringLiteral("no success reply") : o.error));
  qm::prompts().message(this, QStringLiteral("! קבלת רשימת הקבצים נכשלה"));
}

void TForm21::ListBox1Click() {
  QListWidgetItem* item = ListBox1->currentItem();
  if (!item || !item->isSelected()) {
    Edit6->clear();
    return;
  }
  if (!item->text().startsWith(QLatin1Char('/'))) Edit6->setText(item->text());
}

void TForm21::ListBox1DblClick() {
  EnterSelected();
  ListBox1Click();
}

bool TForm21::eventFilter(QObject* watched, QEvent* e) {
  if (watched == ListBox1 && e->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      EnterSelected();
      return true;
    }
  }
  return QWidget::eventFilter(watched, e);
}

void TForm21::EnterSelected() {
  QListWidgetItem* item = ListBox1->currentItem();
  if (!item || !item->text().startsWith(QLatin1Char('/')) || !CanAct()) return;
  const QString entry = item->text();
  Act([&] { return session_->Enter(entry); });
}

void TForm21::SpeedButton1Click() {
  if (CanAct()) Act([this] { return session_->Up(); });
}

void TForm21::SpeedButton2Click() {
  if (CanAct()) Act([this] { return session_->Root(); });
}

void TForm21::SpeedButton3Click() {
  if (CanAct()) ListDir();
}

// ---- transfers --------------------------------------------------------------

void TForm21::Button4Click() {
  qm::FileDialogRequest req;
  req.title = QStringLiteral("שמור בשם");
  const auto chosen = qm::prompts().saveFile(this, req);
  if (chosen) Edit5->setText(chosen->path);
}

void TForm21::Button3Click() {
  if (!CanAct() || !session_->Connected() || ListBox1->count() == 0) return;
  QListWidgetItem* item = ListBox1->currentItem();
  if (!item || !item->isSelected() || item->text().startsWith(QLatin1Char('/'))) return;
  const QString remote = item->text();

  if (RadioButton1->isChecked()) {
    std::string bytes;
    const auto o = Act([&] { return session_->Download(remote, bytes); });
    if (!o.ok) {
      TransferFailed(QStringLiteral("Download"), o);
      return;
    }
    host_.OpenPage(bytes, remote);
    FinishTransfer();
    return;
  }

  const QString local = Edit5->text();
  if (local.isEmpty()) {
    qm::prompts().message(this, QStringLiteral("! בחר קובץ"));
    return;
  }
  if (QFileInfo::exists(local) &&
      qm::prompts().yesNoCancel(this, QStringLiteral("?הקובץ כבר קיים , האם ברצונך להחליפו")) != qm::Answer::Yes)
    return;
  const auto o = Act([&] { return session_->DownloadTo(remote, local); });
  if (!o.ok) {
    TransferFailed(QStringLiteral("Download"), o);
    return;
  }
  host_.OpenFile(local);
  FinishTransfer();
}

void TForm21::Button5Click() {
  if (!CanAct()) return;
  qm::PageView* page = host_.ActivePage();
  if (!page) {
    qm::prompts().message(this, QStringLiteral("! אין קבצים פתוחים"));
    return;
  }
  if (Edit6->text().isEmpty()) {
    qm::prompts().message(this, QStringLiteral("! פרט שם קובץ"));
    return;
  }
  const std::string bytes = page->PageFileBytes();
  const auto o = Act([&] { return session_->Upload(bytes, Edit6->text()); });
  if (!o.ok) {
    TransferFailed(QStringLiteral("Upload"), o);
    return;
  }
  FinishTransfer();
}
