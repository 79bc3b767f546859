#pragma once

#include <QString>
#include <functional>

namespace qm {

// Opens a web address in the user's default browser.
void openUrl(const QString& url);

// The help viewer: topic 0 is the contents page.
void showHelp(int topic);

// Hooks: the program installs its help window; tests record the calls.
void setUrlOpener(std::function<void(const QString&)> opener);
void setHelpViewer(std::function<void(int)> viewer);

}  // namespace qm
