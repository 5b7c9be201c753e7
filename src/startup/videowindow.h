#pragma once
// 视频操作窗格: the operation video of the current question. The page opens
// in the desktop's web browser; the window names the question and the
// student and shows the page's address, as an ordinary window no larger
// than that text, so that it never covers the browser.
#include "forms/form.h"

class QLabel;

namespace startup {

class VideoWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "视频操作窗格";
    VideoWindow();

    void onLoad() override;

    QString 学号 = QStringLiteral("学号");  // hidden label: the student key

private:
    // The window as large as the label's text with a margin, no larger.
    void fitTo(QLabel* label);
};

// The fixed address of the video page.
QString videoPageAddress();

}  // namespace startup
