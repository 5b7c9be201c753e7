#include "knowledge/mindmap.h"

#include "common/handover.h"
#include "common/navigation.h"
#include "forms/controls.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform/textfile.h"

namespace knowledge {

std::span<const MenuSpec* const> allMenus()
{
    static const MenuSpec* const menus[] = {&kWordMenu, &kExcelMenu, &kPptMenu, &kNetworkMenu, &kWindowsMenu};
    return menus;
}

MindMapMenu::MindMapMenu(const MenuSpec& spec)
    : forms::Form(spec.window, spec.design), spec_(spec)
{
    state.扩展名 = QString::fromUtf8(spec.extension);
    const QString root = QString::fromUtf8(spec.kind);
    if (auto* b = ctl<forms::WrapButton>(root)) b->setPicture(rootIcon(root, forms::tw(1215)));
    onClick(root, [this] { showFirstLevel(); });
    for (const Branch& b : spec.branches) {
        onClick(QString::fromUtf8(b.expander), [this, &b] { uSetBranchVisible(b, true); });
        onClick(QString::fromUtf8(b.collapse), [this, &b] { uSetBranchVisible(b, false); });
    }
    for (const char* p : spec.points) {
        const QString point = QString::fromUtf8(p);
        onClick(point, [this, point] { uOpenKnowledgePoint(point); });
    }
}

void MindMapMenu::uMenuLoad()
{
    forms::setCaption(ctl(QString::fromUtf8(spec_.titleLabel)),
                      QString::fromUtf8(spec_.titleLine1) + QStringLiteral("\r\n实训思维导图"));
    setOuterSizeTw(spec_.window.width, spec_.window.height);
    common::readLineInto(state.学号, common::kIdentityFile, 1);
    common::readLineInto(state.单体与否, common::kLaunchModeFile, 1);
    setCaption(common::userInfoCaption(QString::fromUtf8(spec_.modeTitle), state.学号));
}

void MindMapMenu::showFirstLevel()
{
    for (const char* name : spec_.firstLevel)
        if (QWidget* w = ctl(QString::fromUtf8(name))) w->setVisible(true);
}

void MindMapMenu::uSetBranchVisible(const Branch& branch, bool visible)
{
    for (const char* name : branch.members)
        if (QWidget* w = ctl(QString::fromUtf8(name))) w->setVisible(visible);
}

void MindMapMenu::uOpenKnowledgePoint(const QString& point)
{
    // The exercise's Load waits for outside programs with the event loop
    // running: meanwhile another click of this menu does nothing.
    const Busy busy(this);
    QStringList lines{QString::fromUtf8(spec_.kind), point, state.扩展名};
    if (spec_.pointWithLaunchMode && point == QString::fromUtf8(spec_.pointWithLaunchMode)) lines << state.单体与否;
    if (!common::writeRequest(common::kKnowledgeRequest, lines, this)) return;
    forms::hide(formName());
    forms::hide(common::kMainWindowName);
    forms::show(QString::fromUtf8(kExerciseWindow));
}

void MindMapMenu::onUnload(bool&)
{
    if (spec_.serversToStop) common::uStopPracticeServers(spec_.serversToStop());
    common::returnToMainOrEnd(state.单体与否);
}

}  // namespace knowledge
