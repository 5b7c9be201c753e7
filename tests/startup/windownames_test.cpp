// Windows are reached by name: every name an opener or a return rule uses
// must be a registered window, or the click would show nothing.
#include "common/navigation.h"
#include "forms/runtime.h"
#include "platform_fixture.h"
#include "startup/loginwindow.h"
#include "startup/mainwindow.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using WindowNames = testing_support::PlatformTest;

TEST_F(WindowNames, EveryOpenerTargetIsRegistered)
{
    const QStringList targets = startup::openerTargets();
    EXPECT_GE(targets.size(), 10);
    for (const QString& t : targets) EXPECT_TRUE(forms::isRegistered(t)) << t.toStdString();
    for (const QString& t : {common::kMainWindowName, QString::fromUtf8(startup::LoginWindow::kName)})
        EXPECT_TRUE(forms::isRegistered(t)) << t.toStdString();
}

// Return rules and openers in every area name their windows by literal
// ("…窗格"): each such literal in the sources is a registered window. A
// literal added to a name ("知识点窗格" after a kind) is a suffix, not a name.
TEST_F(WindowNames, EveryWindowNamedInTheSourcesIsRegistered)
{
    static const QRegularExpression literal(QStringLiteral(R"re((\+\s*)?(?:QStringLiteral\()?"([^"\n]*窗格)")re"));
    QDirIterator it(QStringLiteral(CORVANTH_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    int names = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString text = QString::fromUtf8(f.readAll());
        for (auto m = literal.globalMatch(text); m.hasNext();) {
            const QRegularExpressionMatch hit = m.next();
            if (!hit.captured(1).isEmpty()) continue;
            ++names;
            EXPECT_TRUE(forms::isRegistered(hit.captured(2)))
                << hit.captured(2).toStdString() << " in " << path.toStdString();
        }
    }
    EXPECT_GE(names, 20);
}

}  // namespace
