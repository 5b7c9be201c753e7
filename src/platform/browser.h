#pragma once
// Opening a web page in the desktop's web browser.
#include <QUrl>
#include <functional>

namespace plat {

// Hands the address to the desktop's browser; false when none could be
// started. Never waits for the page.
bool openInBrowser(const QUrl& url);

// Tests: replace the opening (nullptr: the desktop's browser again). The hook
// returns what openInBrowser reports.
void setBrowserHookForTests(std::function<bool(const QUrl&)> hook);

}  // namespace plat
