#include "platform/result.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcResult, "corvanth.result", QtWarningMsg)

namespace plat {

void ignoreFailure(bool succeeded, const char* why)
{
    if (!succeeded) qCInfo(lcResult) << "going on after a failed write or start -" << why;
}

}  // namespace plat
