// A bare Qt Widgets window, the yardstick of the start-up benchmark: one
// Chinese label and one button in the platform's font, so that it starts the
// same font machinery as the platform's first window does, and nothing else.
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

struct FirstPaint final : QObject {
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [] {
                std::printf("SHOWN\n");
                std::fflush(stdout);
                if (qEnvironmentVariableIsSet("CORVANTH_EXIT_WHEN_SHOWN")) QCoreApplication::quit();
            });
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"),
                               {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    QFont font(QStringLiteral("微软雅黑"), 9);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Corvanth实训平台"));
    w.resize(831, 614);
    QLabel label(QStringLiteral("<<===========思维导图，分门别类，整理思绪，帮助记忆==============>>"), &w);
    label.setGeometry(16, 30, 656, 25);
    QPushButton button(QStringLiteral("知 识 点"), &w);
    button.setGeometry(16, 80, 70, 61);
    // Report "shown" once the first paint has been drawn and flushed, as the
    // platform does: the flush follows the paint event in the same pass, and
    // a zero timer set during the paint runs after both.
    FirstPaint watcher;
    w.installEventFilter(&watcher);
    w.show();
    return app.exec();
}
