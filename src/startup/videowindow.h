#pragma once
// 视频操作窗格: the operation video of the current question. The window is
// topmost and large, so that the student sees it over the topmost practice
// window (which makes way for it); it names the question and the student and
// shows the page's address. The page plays in the desktop's web browser:
// once the browser has been started, the window lets it come in front until
// the student comes back to the window.
#include "forms/form.h"

namespace startup {

// What the video window remembers between its handlers.
struct VideoState {
    // The student key, line 1 of the identity file (the caption of the
    // design's hidden label until read).
    QString studentKey = QStringLiteral("学号");
    // The page was handed to the browser and the window has not been active
    // since.
    bool browserStarted = false;
};

class VideoWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "视频操作窗格";
    VideoWindow();

    void onLoad() override;

    VideoState state;

protected:
    void changeEvent(QEvent* e) override;
};

// The fixed address of the video page.
QString videoPageAddress();

// The window's outer size in twips: the design's 19200 x 10800, no larger
// than the free area of the screen (so its title bar and close box stay
// reachable on a small screen).
QSize videoWindowSizeTw(const QRect& availablePx);

}  // namespace startup
