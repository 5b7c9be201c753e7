#pragma once
// 认证登陆窗格: records who uses the platform next.
#include "forms/form.h"

namespace startup {

class LoginWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "认证登陆窗格";
    LoginWindow();

    void onLoad() override;

    // Why a number or name cannot be used ("" when it can). The student key
    // names folders and files later, so it must be a safe file name.
    static QString refusal(const QString& number, const QString& name);

private:
    void login();
};

}  // namespace startup
