#include "platform/browser.h"

#include <QDesktopServices>

namespace plat {
namespace {
std::function<bool(const QUrl&)>& hook()
{
    static std::function<bool(const QUrl&)> h;
    return h;
}
}  // namespace

void setBrowserHookForTests(std::function<bool(const QUrl&)> h) { hook() = std::move(h); }

bool openInBrowser(const QUrl& url)
{
    if (hook()) return hook()(url);
    return QDesktopServices::openUrl(url);
}

}  // namespace plat
