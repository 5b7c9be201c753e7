#pragma once
// The machine's IPv4 address, as the system's network report gives it.
#include "common/shell.h"

#include <QString>
#include <QStringList>

namespace common {

inline const QString kIpTempFile = QStringLiteral("D:\\IPtemp0000.txt");
// The copy of the report beside the knowledge-point exercise bank.
inline const QString kKnowledgeIpCopy = QStringLiteral("\\素材\\bk\\题库\\操作题\\network\\server\\ipd.txt");

// The address in a report: the text after the last blank of the last line
// that contains "IPv4" (exact case); "" when no line does.
QString parseIPv4(const QStringList& lines);

// First half: runs "cmd.exe /c ipconfig >D:\IPtemp0000.txt" minimised and
// waits (">>" when append). False when it could not be run.
[[nodiscard]] bool runIpconfig(forms::Form* owner, bool append = false);
// Second half: deletes a stale copy, copies the temp file to the copy path
// (platform path), deletes the temp file and parses the copy.
QString readLocalIPv4(const QString& copyPath);
// Both halves.
QString uGetLocalIPv4(const QString& copyPath, forms::Form* owner);

// What the student is told when no address was found.
inline const QString kNoIPv4Message =
    QStringLiteral("没有找到本机的IPv4地址，题目中的地址将为空。请检查网络连接后重新打开本题。");

}  // namespace common
