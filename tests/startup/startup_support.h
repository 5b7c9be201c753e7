#pragma once
// Windows and files the start-up tests share.
#include "startup/loginwindow.h"

#include <QString>

inline const QString kLogin = QString::fromUtf8(startup::LoginWindow::kName);
// The identity hand-over file and the question bank's call marker.
inline const QString kIdentity = QStringLiteral("素材/bk/studentnumber.txt");
inline const QString kMarker = QStringLiteral("素材/bk/题库/调用标记.txt");
// The practice web server's stop tool.
inline const QString kWebTool = QStringLiteral("/素材/bk/模拟测试/题库/入门/network/sever/kill_app.exe");
