#include "windows/registry.h"

#include "exam/examwindow.h"
#include "forms/runtime.h"
#include "knowledge/exercisewindow.h"
#include "knowledge/mindmap.h"
#include "mocktest/answering/mocktestwindow.h"
#include "practice/advancedexercise.h"
#include "practice/randompractice.h"
#include "startup/loginwindow.h"
#include "startup/mainwindow.h"
#include "startup/videowindow.h"
#include "tasks/taskentry.h"
#include "tasks/taskwindow.h"
#include "theory/moduledrill.h"
#include "theory/randomtheory.h"

namespace windows {
namespace {

template <class T>
void add()
{
    forms::registerForm(QString::fromUtf8(T::kName), [] { return new T; });
}

}  // namespace

void registerAll()
{
    forms::registerForm(QString::fromUtf8(startup::MainWindow::kName), [] {
        auto* w = new startup::MainWindow;
        tasks::connectTaskAreaButtons(w);  // the five task-project area buttons
        return w;
    });
    add<startup::LoginWindow>();

    for (const knowledge::MenuSpec* m : knowledge::allMenus())
        forms::registerForm(QString::fromUtf8(m->window.name), [m] { return new knowledge::MindMapMenu(*m); });
    add<knowledge::ExerciseWindow>();
    add<theory::ModuleDrillWindow>();
    add<theory::RandomTheoryWindow>();
    add<practice::RandomPracticeWindow>();
    add<practice::AdvancedExerciseWindow>();
    add<startup::VideoWindow>();
    add<mocktest::MockTestWindow>();
    add<tasks::TaskWindow>();
    add<exam::ExamWindow>();
}

}  // namespace windows
