#include "windows/registry.h"

#include "common/placeholder.h"
#include "forms/runtime.h"
#include "startup/loginwindow.h"
#include "startup/mainwindow.h"

namespace windows {
namespace {

template <class T>
void add()
{
    forms::registerForm(QString::fromUtf8(T::kName), [] { return new T; });
}

void placeholder(const char* name, const char* caption)
{
    forms::registerForm(QString::fromUtf8(name), [name, caption] { return new common::PlaceholderForm(name, caption); });
}

}  // namespace

void registerAll()
{
    add<startup::MainWindow>();
    add<startup::LoginWindow>();

    // Windows of the areas still to come.
    placeholder("word知识点窗格", "Word知识点");
    placeholder("excel知识点窗格", "Excel知识点");
    placeholder("ppt知识点窗格", "PPT知识点");
    placeholder("network知识点窗格", "网络知识点");
    placeholder("windows知识点窗格", "Windows知识点");
    placeholder("知识点与课本实训窗格", "知识点与课本实训");
    placeholder("基础理论", "知识点_基础知识");
    placeholder("理论题随机练习窗格", "强化训练_基础知识");
    placeholder("操作题随机练习窗格", "知识点随机练习");
    placeholder("高级应用练习窗格", "高级应用练习");
    placeholder("视频操作窗格", "Form1");
    placeholder("模拟测试窗格", "模拟测试_模块选择");
    placeholder("任务项目窗格", "任务项目");
    placeholder("期末考查窗格", "期末考查");
}

}  // namespace windows
