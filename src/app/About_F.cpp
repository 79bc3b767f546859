#include "app/About_F.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

#include "app/Html_U.h"
#include "core/Version.h"

namespace {
constexpr int kWidth = 218;
constexpr int kHeight = 267;
constexpr int kStrip = 30;  // height of the strip under the picture

// Image1, then the alternatives Image4..Image7: each its colours and its motif.
enum class Motif { Quill, Aleph, Tags, Lines, Globe };
struct Scheme {
  QColor top, bottom, ink;
  Motif motif;
};
const Scheme kSchemes[] = {
    {QColor(0x1E, 0x3C, 0x8C), QColor(0x6E, 0xA0, 0xE6), Qt::white, Motif::Quill},
    {QColor(0x6A, 0x1B, 0x4D), QColor(0xE0, 0x8A, 0xB0), Qt::white, Motif::Aleph},
    {QColor(0x0F, 0x5E, 0x3A), QColor(0x8C, 0xD6, 0x9A), Qt::white, Motif::Tags},
    {QColor(0x8A, 0x4A, 0x00), QColor(0xF4, 0xC4, 0x60), QColor(0x30, 0x18, 0x00), Motif::Lines},
    {QColor(0x20, 0x20, 0x20), QColor(0x90, 0x90, 0xA0), QColor(0xF0, 0xE0, 0x80), Motif::Globe},
};

// A pixmap of `w` x `h` logical pixels at the device pixel ratio `dpr`, so
// the pictures are drawn at the screen's resolution instead of scaled up.
QPixmap canvas(int w, int h, qreal dpr) {
  QPixmap pm(QSize(w, h) * dpr);
  pm.setDevicePixelRatio(dpr);
  return pm;
}

void drawMotif(QPainter& p, const Scheme& s) {
  const QRectF box(49, 20, 120, 130);
  p.setPen(QPen(s.ink, 2));
  p.setBrush(QColor(255, 255, 255, 60));
  switch (s.motif) {
    case Motif::Quill: {
      QPainterPath quill;
      quill.moveTo(150, 30);
      quill.cubicTo(110, 40, 80, 90, 70, 140);
      quill.cubicTo(95, 115, 140, 80, 150, 30);
      p.setPen(QPen(s.ink, 1.5));
      p.setBrush(QColor(255, 255, 255, 170));
      p.drawPath(quill);
      p.drawLine(QPointF(70, 140), QPointF(60, 160));
      break;
    }
    case Motif::Aleph: {
      QFont f(QStringLiteral("Nachlieli CLM"));
      f.setPixelSize(110);
      f.setBold(true);
      p.setFont(f);
      p.setPen(s.ink);
      p.drawText(box, Qt::AlignCenter, QStringLiteral("א"));
      break;
    }
    case Motif::Tags: {
      QFont f(QStringLiteral("DejaVu Sans Mono"));
      f.setPixelSize(44);
      f.setBold(true);
      p.setFont(f);
      p.setPen(s.ink);
      p.drawText(box, Qt::AlignCenter, QStringLiteral("</>"));
      break;
    }
    case Motif::Lines:
      // A page of right-to-left text: lines flush right, ragged left.
      p.drawRoundedRect(QRectF(54, 24, 110, 130), 6, 6);
      for (int i = 0; i < 8; ++i) {
        const qreal w = (i % 3 == 2) ? 50 : 86 - (i % 2) * 12;
        p.drawLine(QPointF(152, 42 + i * 14), QPointF(152 - w, 42 + i * 14));
      }
      break;
    case Motif::Globe:
      p.drawEllipse(QPointF(109, 88), 60, 60);
      p.drawEllipse(QPointF(109, 88), 26, 60);
      p.drawLine(QPointF(49, 88), QPointF(169, 88));
      p.drawLine(QPointF(109, 28), QPointF(109, 148));
      p.drawLine(QPointF(57, 58), QPointF(161, 58));
      p.drawLine(QPointF(57, 118), QPointF(161, 118));
      break;
  }
}

QPixmap drawPicture(const Scheme& s, qreal dpr) {
  QPixmap pm = canvas(kWidth, kHeight - kStrip, dpr);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient g(0, 0, 0, kHeight - kStrip);
  g.setColorAt(0, s.top);
  g.setColorAt(1, s.bottom);
  p.fillRect(QRect(0, 0, kWidth, kHeight - kStrip), g);
  drawMotif(p, s);
  QFont title(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(24);
  title.setBold(true);
  p.setFont(title);
  p.setPen(s.ink);
  p.drawText(QRect(0, 165, kWidth, 30), Qt::AlignCenter, QStringLiteral("Quillmark"));
  QFont small(QStringLiteral("Nachlieli CLM"));
  small.setPixelSize(13);
  p.setFont(small);
  p.drawText(QRect(0, 195, kWidth, 20), Qt::AlignCenter, QStringLiteral("עורך היפר טקסט עברי"));
  p.drawText(QRect(0, 214, kWidth, 20), Qt::AlignCenter, QStringLiteral("V1.50"));
  return pm;
}

QPixmap drawStrip(bool hover, qreal dpr) {
  QPixmap pm = canvas(kWidth, kStrip, dpr);
  pm.fill(hover ? QColor(0xFF, 0xE8, 0x90) : QColor(0xF0, 0xF0, 0xF0));
  QPainter p(&pm);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(hover ? QColor(0x90, 0x20, 0x00) : QColor(0x1E, 0x3C, 0x8C));
  QFont f(QStringLiteral("Nachlieli CLM"));
  f.setPixelSize(13);
  f.setUnderline(hover);
  p.setFont(f);
  p.drawText(QRect(0, 0, kWidth, kStrip), Qt::AlignCenter, QStringLiteral("www.quillmark.co.il"));
  return pm;
}
}  // namespace

TAbout_Form::TAbout_Form(TForm1& form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), form_(form) {
  setObjectName(QStringLiteral("About_Form"));
  // Closing the main window ends the program even while the about box shows.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(kWidth, kHeight);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  setWindowTitle(QString::fromUtf8(qm::VersionTitle));

  auto makeImage = [this](int n, const QPixmap& pm, int top) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Image%1").arg(n));
    label->setPixmap(pm);
    label->setGeometry(QRect(QPoint(0, top), pm.deviceIndependentSize().toSize()));
    label->setMouseTracking(true);
    label->installEventFilter(this);
    images_[static_cast<std::size_t>(n)] = label;
    return label;
  };
  // At the resolution of the screen the window opens on (2 on a doubled screen).
  const QScreen* scr = QGuiApplication::primaryScreen();
  const qreal dpr = scr ? scr->devicePixelRatio() : 1.0;
  makeImage(1, drawPicture(kSchemes[0], dpr), 0);
  makeImage(2, drawStrip(false, dpr), kHeight - kStrip);
  makeImage(3, drawStrip(true, dpr), kHeight - kStrip)->hide();
  for (int n = 4; n <= 7; ++n) makeImage(n, drawPicture(kSchemes[n - 3], dpr), 0)->hide();

  // The picture counter: 1..3 show Image4..Image6 and advance, 4 shows
  // Image7 and ends the rotation. A value outside the rotation (written by
  // hand, or by an older run) ends it too instead of leaving an empty window.
  qm::SettingsStore& settings = form_.Settings();
  const int ee = settings.read(qm::setting::EE);
  if (ee >= 1 && ee <= 4) {
    Image(1)->hide();
    Image(ee + 3)->show();
    settings.write(qm::setting::EE, ee == 4 ? 0 : ee + 1);
  } else if (ee != 0) {
    settings.write(qm::setting::EE, 0);
  }

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setSingleShot(true);
  Timer1->setInterval(2000);
  connect(Timer1, &QTimer::timeout, this, &TAbout_Form::Timer1Timer);

  form_.SetSplash(this);
  centreOnScreen();
  show();
  Timer1->start();
}

TAbout_Form::~TAbout_Form() = default;

void TAbout_Form::Timer1Timer() {
  Timer1->stop();
  // The splash goes and the tool bar comes even when opening the file fails.
  struct Finish {
    TAbout_Form* self;
    ~Finish() {
      self->hide();
      self->form_.ToolBar1->show();
    }
  } finish{this};
  form_.OpenCommandLineFile();
}

void TAbout_Form::ShowAbout() {
  centreOnScreen();
  show();
  raise();
  activateWindow();
}

void TAbout_Form::HoverReset() {
  if (Image(3)->isHidden()) return;
  Image(2)->show();
  Image(3)->hide();
}

void TAbout_Form::centreOnScreen() {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  const QRect r = s->geometry();
  move(r.left() + (r.width() - width()) / 2, r.top() + (r.height() - height()) / 2);
}

bool TAbout_Form::eventFilter(QObject* watched, QEvent* event) {
  const bool strip = watched == Image(2) || watched == Image(3);
  switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::Enter:
      if (watched == Image(2)) {
        Image(3)->show();
        Image(3)->raise();
      } else if (!strip) {
        HoverReset();
      }
      break;
    case QEvent::Leave:
      if (watched == Image(3)) HoverReset();
      break;
    case QEvent::MouseButtonPress:
      if (strip) hide();
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}
