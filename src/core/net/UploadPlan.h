#pragma once

// An upload that never leaves half a file under the page's real name: the
// file goes to a temporary name in the same remote folder and is renamed
// over the target only once the server has confirmed all of it. This is the
// order of the commands and what each reply leads to; the FTP client sends
// them.

#include <string>
#include <string_view>

namespace qm::net {

// The temporary name of an upload to `target` ("docs/page.htm" gives
// "docs/.page.htm.quillmark-upload"): same folder, a name no page has.
std::string uploadTempName(std::string_view target);
// True for a bare name that rule makes (a folder's listing hides them).
bool isUploadTempName(std::string_view name);

// The log line before a direct write that replaces a refused rename (UTF-8;
// the target's name follows).
inline constexpr const char* kDirectUploadNotice = "השרת אינו מאפשר שינוי שם, ולכן הקובץ נכתב ישירות: ";

enum class UploadAct {
  StoreTemp,     // STOR to the temporary name
  CheckSize,     // SIZE of the temporary file
  RenameFrom,    // RNFR temporary name
  RenameTo,      // RNTO target
  DeleteTarget,  // DELE target: the server does not rename over an existing file
  StoreDirect,   // STOR to the target itself
  DeleteTemp,    // DELE temporary name (reply not checked)
  Done,
  Failed,
};

class UploadPlan {
 public:
  // `direct`: write the target itself, as servers without RNFR / RNTO need.
  UploadPlan(std::string target, long long localSize, bool direct);

  UploadAct Act() const { return m_act; }
  bool Finished() const { return m_act == UploadAct::Done || m_act == UploadAct::Failed; }
  // The command of the current act ("RNFR .page.htm.quillmark-upload"); for
  // the stores, the name the STOR names. Empty once finished.
  std::string Command() const;
  std::string StoreName() const;

  // The outcome of a store: confirmed by the server (226), or not; `began`:
  // the server accepted the STOR, so a (partial) file may exist.
  void Stored(bool ok, bool began = true);
  // The reply to the current control command.
  void Replied(int code, std::string_view reply);

  // The server refused the rename, so the target is written directly: the
  // log says so.
  bool FellBack() const { return m_fellBack; }
  // Why a complete-looking store still failed (the server holds another
  // size); empty otherwise.
  const std::string& Mismatch() const { return m_mismatch; }

 private:
  void FallBack();

  std::string m_target;
  std::string m_temp;
  long long m_size;
  UploadAct m_act;
  bool m_tempStored = false;  // a temporary file may exist on the server
  bool m_retried = false;     // the target was deleted for a second rename
  bool m_fellBack = false;
  bool m_ok = false;
  std::string m_mismatch;
};

}  // namespace qm::net
