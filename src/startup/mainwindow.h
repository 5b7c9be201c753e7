#pragma once
// Corvanth实训平台窗格: the main window and main menu of the platform.
#include "forms/form.h"

namespace startup {

struct AreaOpener;

// What the main window remembers between its handlers. The texts start as
// the captions of the design's hidden labels.
struct MainWindowState {
    // The student key, line 1 of the identity file.
    QString studentKey = QStringLiteral("学号");
    // "更换" once the change of user unloads the window: its Unload then
    // asks nothing and cleans nothing.
    QString changeOrExit = QStringLiteral("更换或退出指令");
};

class MainWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "Corvanth实训平台窗格";
    MainWindow();

    void onLoad() override;
    // Leaving the platform (kept with the change of user).
    void onUnload(bool& cancel) override;

    MainWindowState state;

    // Lays out the identity box from the measured label widths.
    void layoutIdentityBox();

private:
    void openArea(const AreaOpener& opener);
    // Handlers kept in their own files.
    void connectOpeners();     // the buttons of the area rows
    void connectChangeUser();  // 更改
    void onChangeUser();
};

// The windows the buttons of the area rows open, by name (each once).
QStringList openerTargets();

}  // namespace startup
