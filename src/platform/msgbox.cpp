#include "platform/msgbox.h"

#include "platform/standin.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

namespace plat {
namespace {

// A short message makes a narrow box whose title bar cuts the platform's
// name: keep the box wide enough for the whole title and the frame's buttons.
void widenForTitle(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    QFont bold = box.font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + 140;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

class RealMessageBoxes final : public MessageBoxes {
public:
    void ok(QWidget* owner, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, owner);
        widenForTitle(box);
        box.exec();
    }
    bool yesNo(QWidget* owner, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, kAppTitle, text,
                        QMessageBox::Yes | QMessageBox::No, owner);
        widenForTitle(box);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }
    bool okCancel(QWidget* owner, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok | QMessageBox::Cancel, owner);
        widenForTitle(box);
        box.setDefaultButton(QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok;
    }
};

StandIn<MessageBoxes, RealMessageBoxes> messageBoxStandIn;

}  // namespace

MessageBoxes& messageBoxes() { return messageBoxStandIn.get(); }

void setMessageBoxes(MessageBoxes* boxes) { messageBoxStandIn.install(boxes); }

}  // namespace plat

void msgOk(const QString& text, QWidget* owner) { plat::messageBoxes().ok(owner, text); }
bool msgYesNo(const QString& text, QWidget* owner) { return plat::messageBoxes().yesNo(owner, text); }
bool msgOkCancel(const QString& text, QWidget* owner) { return plat::messageBoxes().okCancel(owner, text); }
