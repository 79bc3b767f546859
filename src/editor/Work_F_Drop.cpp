// Files dropped on the source editor. Every drop of local files over Memo1 is
// the page's: the first file's path goes to the main window (FileDropped),
// which turns it into a link or an image through a wizard, or ignores it.
// Drops anywhere else go on to the main window, which opens them.
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "editor/Work_F.h"

namespace {

// The first dropped file, or empty when the data holds no local file.
QString firstLocalFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

}  // namespace

bool TWorkForm::eventFilter(QObject* watched, QEvent* e) {
  if (watched != Memo1 && watched != Memo1->viewport()) return QWidget::eventFilter(watched, e);
  switch (e->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(e);
      if (firstLocalFile(drag->mimeData()).isEmpty()) break;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(e);
      const QString path = firstLocalFile(drop->mimeData());
      if (path.isEmpty()) break;
      drop->acceptProposedAction();
      // The wizards wait for the user in a loop of their own: that must not
      // run inside the drop's delivery.
      QTimer::singleShot(0, this, [this, path] { emit FileDropped(path); });
      return true;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, e);
}
