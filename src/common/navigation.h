#pragma once
// How windows hand a choice on and how they return when they close.
#include <QString>
#include <QStringList>

class QWidget;

namespace common {

inline const QString kMainWindowName = QStringLiteral("Corvanth实训平台窗格");

// Return rule of the windows that depend on the launch mode: "more" (exactly)
// shows the main window again, any other value ends the program at once.
void returnToMainOrEnd(const QString& launchMode);

// Writes a request (the values joined by CR LF) as a whole, as uWriteTextFile
// does, without waiting for the disk: a request is written again before every
// window that reads it, so a power cut can lose nothing that is read later.
// False when the file cannot be written.
bool writeRequestFile(const QString& rel, const QStringList& values);

// writeRequestFile; when the file cannot be written, tells the student and
// returns false: the caller then opens nothing, so no window works on an
// earlier request.
bool writeRequest(const QString& rel, const QStringList& values, QWidget* owner = nullptr);

// The message of a request file that could not be written.
QString requestNotWrittenMessage(const QString& rel);

}  // namespace common
