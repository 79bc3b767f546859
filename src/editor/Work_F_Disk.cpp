// The page's file changed by another program: noticed when the window becomes
// active and before the page is written over it.
#include <QFileInfo>
#include <algorithm>

#include "editor/Work_F.h"
#include "platform/Application.h"
#include "platform/FileIO.h"
#include "platform/Prompts.h"

void TWorkForm::NoteFile(const QString& path, std::string_view bytes) {
  disk_.note(QFileInfo(path).absoluteFilePath(), bytes);
  askedAbout_.clear();
}

void TWorkForm::CheckOutsideChange() {
  if (checkingDisk_ || !disk_.changed()) return;
  // One question for each version another program wrote.
  if (!askedAbout_.empty() && !askedAbout_.changed()) return;
  askedAbout_.noteCurrent(disk_.path());
  checkingDisk_ = true;
  QString question = QStringLiteral("הקובץ %1 שונה על ידי תוכנה אחרת. האם לטעון אותו מחדש?").arg(disk_.path());
  if (Memo1->modified() || hebMode_) question += QStringLiteral(" השינויים שלא נשמרו יאבדו.");
  const bool reload = qm::prompts().yesNo(this, question) == qm::Answer::Yes;
  checkingDisk_ = false;
  if (reload) ReloadFile();
}

void TWorkForm::ReloadFile() {
  std::string bytes;
  try {
    bytes = qm::readFileBytes(disk_.path());
  } catch (const std::exception& e) {
    qm::prompts().error(this, qm::exceptionText(e.what()));
    return;
  }
  LeaveHebrewMode();
  const std::int32_t caret = Memo1->selStart();
  undoSuspended_ = true;
  colorSuspended_ = true;
  LoadFileBytes(bytes);
  FinishLoading();
  NoteFile(disk_.path(), bytes);
  Memo1->select(std::min(caret, DocLength()), 0);
}

bool TWorkForm::MayOverwrite(const QString& path) {
  if (disk_.empty() || QFileInfo(path).absoluteFilePath() != disk_.path() || !disk_.changed()) return true;
  const QString question =
      QStringLiteral("הקובץ %1 שונה על ידי תוכנה אחרת. האם לשמור עליו את הגרסה שבעורך? (לא: הגרסה שבקובץ נשארת)")
          .arg(disk_.path());
  return qm::prompts().yesNo(this, question) == qm::Answer::Yes;
}
