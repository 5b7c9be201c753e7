#include "common/navigation.h"

#include "common/handover.h"
#include "forms/runtime.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"

namespace common {

void returnToMainOrEnd(const QString& launchMode)
{
    if (launchMode == QStringLiteral("more")) forms::show(kMainWindowName);
    else forms::endProgram();
}

QString requestNotWrittenMessage(const QString& rel)
{
    return QStringLiteral("无法写入“") + plat::displayPath(plat::appPath(rel)) + QStringLiteral("”，请检查素材文件夹是否完整。");
}

bool writeRequestFile(const QString& rel, const QStringList& values)
{
    return plat::writeText936(plat::appPath(rel), joinLines(values), plat::Durability::Regenerated);
}

bool writeRequest(const QString& rel, const QStringList& values, QWidget* owner)
{
    if (writeRequestFile(rel, values)) return true;
    msgOk(requestNotWrittenMessage(rel), owner);
    return false;
}

}  // namespace common
