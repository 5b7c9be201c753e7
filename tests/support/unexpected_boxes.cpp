#include "unexpected_boxes.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace testing_support {
namespace {

class UnexpectedMessageBoxes final : public plat::MessageBoxes {
public:
    void ok(QWidget*, const QString& text) override
    {
        ADD_FAILURE() << "unexpected OK box: " << text.toStdString();
    }
    bool yesNo(QWidget*, const QString& text) override
    {
        ADD_FAILURE() << "unexpected Yes/No box: " << text.toStdString();
        return false;
    }
    bool okCancel(QWidget*, const QString& text) override
    {
        ADD_FAILURE() << "unexpected OK/Cancel box: " << text.toStdString();
        return false;
    }
};

// A modal dialog runs its own event loop until someone answers it: in a
// test nobody will. The failure names the dialog, and the dialog is
// rejected from its own loop.
class DialogWatch final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && dialog->isModal()) {
                QString text = dialog->windowTitle();
                if (auto* box = qobject_cast<QMessageBox*>(dialog)) text = box->text();
                ADD_FAILURE() << "unexpected modal dialog " << dialog->metaObject()->className() << ": "
                              << text.toStdString();
                QPointer<QDialog> p(dialog);
                QTimer::singleShot(0, dialog, [p] {
                    if (p) p->reject();
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

plat::MessageBoxes& unexpectedMessageBoxes()
{
    static UnexpectedMessageBoxes boxes;
    return boxes;
}

void installUnexpectedDialogWatch()
{
    plat::setMessageBoxes(&unexpectedMessageBoxes());
    static DialogWatch watch;
    qApp->installEventFilter(&watch);
}

}  // namespace testing_support
