#include "common/probeleftover.h"

#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

namespace common {

std::optional<QString> uPutBackProbeLeftover(const QString& path, const QString& probeName)
{
    namespace fs = plat::fs;
    const bool present = fs::folderExists(path) || fs::fileExists(path);
    const bool folder = fs::folderExists(probeName);
    if (!folder && !fs::fileExists(probeName)) return std::nullopt;
    if (!present && fs::ok(fs::rename(probeName, path))) return std::nullopt;
    return QStringLiteral("发现上次未正常结束时留下的") + (folder ? QStringLiteral("文件夹“") : QStringLiteral("文件“")) +
           plat::displayPath(probeName) + QStringLiteral("”，它会妨碍检查“") + plat::displayPath(path) +
           QStringLiteral("”。\n请先关闭程序，核对其中的内容后移走或删除它，然后再继续。");
}

bool uRecoverProbeLeftover(const QString& path, const QString& probeName, QWidget* owner)
{
    const std::optional<QString> message = uPutBackProbeLeftover(path, probeName);
    if (message) uMsgOk(*message, owner);
    return !message;
}

}  // namespace common
