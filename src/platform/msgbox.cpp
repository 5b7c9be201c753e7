#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>

namespace plat {
namespace {

class RealMessageBoxes final : public MessageBoxes {
public:
    void ok(QWidget* owner, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, owner);
        box.exec();
    }
    bool yesNo(QWidget* owner, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, kAppTitle, text,
                        QMessageBox::Yes | QMessageBox::No, owner);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }
    bool okCancel(QWidget* owner, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok | QMessageBox::Cancel, owner);
        box.setDefaultButton(QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok;
    }
};

MessageBoxes*& current()
{
    static MessageBoxes* p = nullptr;
    return p;
}

}  // namespace

MessageBoxes& messageBoxes()
{
    static RealMessageBoxes real;
    return current() ? *current() : real;
}

void setMessageBoxes(MessageBoxes* boxes) { current() = boxes; }

}  // namespace plat

void uMsgOk(const QString& text, QWidget* owner) { plat::messageBoxes().ok(owner, text); }
bool uMsgYesNo(const QString& text, QWidget* owner) { return plat::messageBoxes().yesNo(owner, text); }
bool uMsgOkCancel(const QString& text, QWidget* owner) { return plat::messageBoxes().okCancel(owner, text); }
