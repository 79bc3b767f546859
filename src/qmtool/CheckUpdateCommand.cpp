// qmtool check-update SITE: asks SITE + "/update.dat" as the update check
// does and prints what the check would say: the version offered, or the
// message. Exit 1 when the site was not reached or its answer is no number.
#include <QCoreApplication>
#include <iostream>
#include <optional>

#include "net/UpdateFetch.h"
#include "qmtool/Command.h"

namespace {

int run(const std::vector<std::string>& args) {
  if (args.size() != 1) return qmtool::fail("check-update: give the site address");
  static int argc = 1;
  static char name[] = "qmtool";
  static char* argv[] = {name, nullptr};
  std::optional<QCoreApplication> app;
  if (!QCoreApplication::instance()) app.emplace(argc, argv);

  std::string site = args[0];
  while (!site.empty() && site.back() == '/') site.pop_back();
  qm::net::THttpClient client;
  const qm::net::UpdateAnswer answer = qm::net::FetchUpdate(client, site);
  const std::string text = answer.Text();
  if (!text.empty()) std::cout << text << '\n';
  std::cout.flush();
  if (!answer.error.empty()) return qmtool::fail("check-update: " + answer.error);
  return 0;
}

const qmtool::Registration reg{{"check-update", "check-update SITE", run}};

}  // namespace
