#pragma once
// Message boxes: an OK box and a Yes/No box with the text only; the window
// title is the application's name (kAppTitle). Tests install a scripted
// stand-in.
#include <QString>

class QWidget;

namespace plat {

// The application's name, the title of its message boxes.
inline const QString kAppTitle = QStringLiteral("Corvanth实训平台");

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void ok(QWidget* owner, const QString& text) = 0;
    virtual bool yesNo(QWidget* owner, const QString& text) = 0;  // true for Yes
    // An OK/Cancel box; true for OK. Stand-ins answer it as a Yes/No box.
    virtual bool okCancel(QWidget* owner, const QString& text) { return yesNo(owner, text); }
};

// The boxes in use (the real ones unless a test installed its own).
MessageBoxes& messageBoxes();
// Installs a stand-in; nullptr restores the real boxes.
void setMessageBoxes(MessageBoxes* boxes);

}  // namespace plat

// Shorthands used by the windows.
void msgOk(const QString& text, QWidget* owner = nullptr);
bool msgYesNo(const QString& text, QWidget* owner = nullptr);
bool msgOkCancel(const QString& text, QWidget* owner = nullptr);
