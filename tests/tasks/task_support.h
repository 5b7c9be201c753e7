#pragma once
// The window and the student the task-project tests share.
#include "tasks/taskwindow.h"

#include <QString>

inline const QString kWindow = QString::fromUtf8(tasks::TaskWindow::kName);
inline const QString kKey = QStringLiteral("2026001张三");
