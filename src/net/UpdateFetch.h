#pragma once

// The update check's question to the maker's web site: SITE + "/update.dat"
// over HTTP, read as one version number. Shared by the main window and
// `qmtool check-update`.

#include <string>

#include "core/net/PublishText.h"
#include "net/HttpClient_U.h"

namespace qm::net {

struct UpdateAnswer {
  bool reached = false;  // the site answered (false: no connection, a time-out, a cancel)
  std::string error;     // why not, or why the answer was refused
  UpdateVerdict verdict;
  // What the check says: the version offered, the message, or empty for "0".
  std::string Text() const;
};

// Most bytes the version file may have: it holds one number.
inline constexpr long long UpdateBodyLimit = 4096;
// The whole check, however slowly the site answers, ends within this time.
inline constexpr int UpdateTimeOut = 15000;

// Asks `client` for site + "/update.dat" (the client's TimeOut and BodyLimit
// are set here), all of it within `timeOutMs`. An answer other than 200 counts as a body that is no number.
UpdateAnswer FetchUpdate(THttpClient& client, const std::string& site, int timeOutMs = UpdateTimeOut);

}  // namespace qm::net
