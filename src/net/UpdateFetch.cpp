#include "net/UpdateFetch.h"

namespace qm::net {

std::string UpdateAnswer::Text() const {
  if (!reached) return kNoNetworkText;
  switch (verdict.kind) {
    case UpdateKind::Nothing: return {};
    case UpdateKind::Newer: return versionTitle(verdict.number);
    case UpdateKind::Current: return kUpToDateText;
    case UpdateKind::NotNumber: return kNotNumberText;
  }
  return {};
}

UpdateAnswer FetchUpdate(THttpClient& client, const std::string& site, int timeOutMs) {
  UpdateAnswer answer;
  client.TimeOut = timeOutMs;
  client.BodyLimit = UpdateBodyLimit;
  client.InputFileMode = false;
  client.BodyDevice = nullptr;
  client.Body.clear();
  try {
    // The whole check, redirections and a body that trickles in included,
    // ends within the time-out.
    const TSocketClient::WholeWait whole(client);
    client.Get(site + "/update.dat");
  } catch (const std::exception& e) {
    answer.error = e.what();
    // A socket failure (no connection, silence, a cut transfer) means the site
    // was not reached; anything else (an over-long body, a malformed answer)
    // came from it and is no version number.
    answer.reached = dynamic_cast<const ESockError*>(&e) == nullptr;
    if (answer.reached) answer.verdict.kind = UpdateKind::NotNumber;
    return answer;
  }
  answer.reached = true;
  if (client.ReplyCode != 200) {
    answer.verdict.kind = UpdateKind::NotNumber;
    answer.error = "the site answered " + std::to_string(client.ReplyCode);
    return answer;
  }
  answer.verdict = readUpdateBody(client.Body);
  if (answer.verdict.kind == UpdateKind::NotNumber) answer.error = "the update file holds no whole number";
  return answer;
}

}  // namespace qm::net
