#pragma once
// Message boxes for tests: records each text, answers Yes/No boxes from a
// queue and fails the test on a box nobody expected.
#include "platform/msgbox.h"

#include <QStringList>
#include <deque>

namespace testing_support {

class ScriptedMessageBoxes final : public plat::MessageBoxes {
public:
    ScriptedMessageBoxes();   // installs itself
    ~ScriptedMessageBoxes() override;  // uninstalls; fails on unused answers

    // Expect an OK box (any text when empty).
    void expectOk(const QString& text = QString());
    // Expect a Yes/No box (any text when empty) and answer it.
    void expectYesNo(const QString& text, bool yes);
    // Expect the restore of a question: asked, answered Yes, and said done.
    void expectRestored();

    void ok(QWidget* owner, const QString& text) override;
    bool yesNo(QWidget* owner, const QString& text) override;

    // Every text shown so far, in order.
    QStringList shown;
    // Accept any OK box without expecting it (Yes/No boxes still need answers).
    bool allowAnyOk = false;

private:
    struct Expect {
        bool yesNo;
        QString text;
        bool yes;
    };
    std::deque<Expect> queue_;
};

}  // namespace testing_support
