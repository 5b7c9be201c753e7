#pragma once
// The mind-map menus: one engine, five data tables (menu_*.cpp).
//
// A menu shows the knowledge points of one application as a map: a root
// button with the application's icon, a first level of expanders (and, in
// some menus, points), and branches that an expander shows whole and its
// collapse button hides whole. A point button writes the knowledge-point
// request and opens the exercise window; the menu only hides itself, so it
// comes back as the student left it.
#include "common/guards.h"
#include "forms/form.h"

#include <QPixmap>
#include <span>

namespace knowledge {

using Names = std::span<const char* const>;

struct Branch {
    const char* expander;
    const char* collapse;
    Names members;  // the branch list, the collapse button included
};

struct MenuSpec {
    forms::WindowSpec window;  // name, design caption, outer size set at Load
    const char* kind;          // the root button's name, line 1 of a request
    const char* extension;     // the hidden label 扩展名
    const char* titleLabel;
    const char* titleLine1;  // the title's first line ("实训思维导图" follows)
    const char* modeTitle;   // of the user-info caption
    forms::Design design;
    Names firstLevel;  // shown by the root button
    std::span<const Branch> branches;
    Names points;  // every point button
    // The one point that also writes the launch mode as line 4 (or nullptr).
    const char* pointWithLaunchMode = nullptr;
    // Servers stopped when the menu closes (nullptr: none).
    common::ToolSet (*serversToStop)() = nullptr;
};

// The five menus.
extern const MenuSpec kWordMenu;
extern const MenuSpec kExcelMenu;
extern const MenuSpec kPptMenu;
extern const MenuSpec kNetworkMenu;
extern const MenuSpec kWindowsMenu;
std::span<const MenuSpec* const> allMenus();

inline constexpr const char* kExerciseWindow = "知识点与课本实训窗格";

// The face of a root button: the application's icon, drawn by us.
QPixmap rootIcon(const QString& kind, int size);

// What a menu remembers between its handlers: its hidden labels.
struct MenuState {
    QString 学号 = QStringLiteral("学号");
    QString 单体与否 = QStringLiteral("单体与否");
    QString 扩展名;  // the menu's extension, line 3 of a request
};

class MindMapMenu : public forms::Form {
    Q_OBJECT
public:
    explicit MindMapMenu(const MenuSpec& spec);

    const MenuSpec& spec() const { return spec_; }

    void onLoad() override { uMenuLoad(); }
    void onUnload(bool& cancel) override;

    MenuState state;

    // Title, size, identity and launch mode.
    void uMenuLoad();
    void uSetBranchVisible(const Branch& branch, bool visible);
    void uOpenKnowledgePoint(const QString& point);

private:
    void showFirstLevel();
    const MenuSpec& spec_;
};

}  // namespace knowledge
