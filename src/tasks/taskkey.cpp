#include "tasks/taskkey.h"

#include "common/studentkey.h"
#include "tasks/messages.h"

namespace tasks {

bool keyNamesFolder(const QString& key) { return common::isSafeStudentKey(key); }

QString badKeyMessage(const QString& key)
{
    // An identity file from elsewhere may hold any length of text.
    const QString shown = key.size() > 60 ? key.left(60) + QStringLiteral("…") : key;
    return msg::badKey(shown);
}

}  // namespace tasks
