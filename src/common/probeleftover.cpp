#include "common/probeleftover.h"

#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

namespace common {

bool uRecoverProbeLeftover(const QString& path, const QString& probeName, QWidget* owner)
{
    namespace fs = plat::fs;
    const bool present = fs::folderExists(path) || fs::fileExists(path);
    const bool leftover = fs::folderExists(probeName) || fs::fileExists(probeName);
    if (!leftover) return true;
    if (!present && fs::ok(fs::rename(probeName, path))) return true;
    const QString what = fs::folderExists(probeName) ? QStringLiteral("文件夹") : QStringLiteral("文件");
    uMsgOk(QStringLiteral("发现上次未正常结束时留下的") + what + QStringLiteral("“") + plat::displayPath(probeName) +
               QStringLiteral("”，它会妨碍检查“") + plat::displayPath(path) +
               QStringLiteral("”。\n请先关闭程序，核对其中的内容后移走或删除它，然后再继续。"),
           owner);
    return false;
}

}  // namespace common
