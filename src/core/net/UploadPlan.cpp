#include "core/net/UploadPlan.h"

#include "core/net/NetText.h"

namespace qm::net {

namespace {
constexpr std::string_view kSuffix = ".quillmark-upload";
}  // namespace

std::string uploadTempName(std::string_view target) {
  const std::size_t cut = target.find_last_of('/');
  const std::size_t bare = cut == std::string_view::npos ? 0 : cut + 1;
  std::string temp(target.substr(0, bare));
  temp += '.';
  temp += target.substr(bare);
  temp += kSuffix;
  return temp;
}

bool isUploadTempName(std::string_view name) {
  return name.size() > kSuffix.size() + 1 && name.front() == '.' &&
         name.substr(name.size() - kSuffix.size()) == kSuffix;
}

UploadPlan::UploadPlan(std::string target, long long localSize, bool direct)
    : m_target(std::move(target)),
      m_temp(uploadTempName(m_target)),
      m_size(localSize),
      m_act(direct ? UploadAct::StoreDirect : UploadAct::StoreTemp) {}

std::string UploadPlan::StoreName() const { return m_act == UploadAct::StoreTemp ? m_temp : m_target; }

std::string UploadPlan::Command() const {
  switch (m_act) {
    case UploadAct::StoreTemp:
    case UploadAct::StoreDirect: return "STOR " + StoreName();
    case UploadAct::CheckSize: return "SIZE " + m_temp;
    case UploadAct::RenameFrom: return "RNFR " + m_temp;
    case UploadAct::RenameTo: return "RNTO " + m_target;
    case UploadAct::DeleteTarget: return "DELE " + m_target;
    case UploadAct::DeleteTemp: return "DELE " + m_temp;
    case UploadAct::Done:
    case UploadAct::Failed: break;
  }
  return {};
}

void UploadPlan::FallBack() {
  m_fellBack = true;
  m_act = UploadAct::StoreDirect;
}

void UploadPlan::Stored(bool ok, bool began) {
  if (m_act == UploadAct::StoreTemp) {
    m_tempStored = began;
    m_act = ok ? UploadAct::CheckSize : m_tempStored ? UploadAct::DeleteTemp : UploadAct::Failed;
  } else if (m_act == UploadAct::StoreDirect) {
    m_ok = ok;
    // A temporary file the refused rename left behind goes too.
    m_act = m_tempStored ? UploadAct::DeleteTemp : ok ? UploadAct::Done : UploadAct::Failed;
  }
}

void UploadPlan::Replied(int code, std::string_view reply) {
  const int cls = code / 100;
  switch (m_act) {
    case UploadAct::CheckSize: {
      // Only a size the server states counts; a server without SIZE is taken at its 226.
      const long long held = code == 213 && reply.size() > 3 ? wholeNumber(trimmed(reply.substr(3))) : -1;
      if (held >= 0 && held != m_size) {
        m_mismatch = "Upload incomplete: the server holds " + std::to_string(held) + " of " +
                     std::to_string(m_size) + " bytes";
        m_act = UploadAct::DeleteTemp;
      } else {
        m_act = UploadAct::RenameFrom;
      }
      break;
    }
    case UploadAct::RenameFrom:
      if (cls == 3) m_act = UploadAct::RenameTo;
      else FallBack();
      break;
    case UploadAct::RenameTo:
      if (cls == 2) {
        m_ok = true;
        m_act = UploadAct::Done;
      } else if ((code >= 500 && code <= 502) || m_retried) {
        FallBack();
      } else {
        m_act = UploadAct::DeleteTarget;
      }
      break;
    case UploadAct::DeleteTarget:
      // Deleted immediately before the second rename, which is the last step.
      if (cls == 2) {
        m_retried = true;
        m_act = UploadAct::RenameFrom;
      } else {
        FallBack();
      }
      break;
    case UploadAct::DeleteTemp: m_act = m_ok ? UploadAct::Done : UploadAct::Failed; break;
    default: break;
  }
}

}  // namespace qm::net
