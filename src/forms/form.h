#pragma once
// A window of the platform: its design (data) plus its event handlers.
//
// Windows exist at most once each and are reached by name through the
// runtime (runtime.h): show() loads a window that is not loaded and runs its
// Load to the end first; unload() runs its Unload, which may cancel.
#include "forms/design.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace forms {

enum WindowFlag : unsigned {
    FixedSingle = 1u << 0,   // fixed size, single border
    NoMinMax = 1u << 1,      // no minimise or maximise box
    CenterScreen = 1u << 2,  // opens centred on the screen
    CenterOwner = 1u << 3,   // opens centred on its owner (the active window)
    Topmost = 1u << 4,       // stays above the other windows
    NoTaskbar = 1u << 5,     // no entry in the taskbar (a tool window)
};

struct WindowSpec {
    const char* name;     // the window's name, e.g. "认证登陆窗格"
    const char* caption;  // design caption
    int width = 0;        // outer size in twips (0: leave as designed)
    int height = 0;
    unsigned flags = FixedSingle | NoMinMax | CenterScreen;
    QRgb back = 0;  // background colour (alpha 0: default)
};

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const WindowSpec& spec, Design design = {});
    ~Form() override;

    QString formName() const { return name_; }

    // Load: runs once, when the window is loaded.
    virtual void onLoad() {}
    // Unload: may set cancel to keep the window loaded.
    virtual void onUnload(bool& cancel) { (void)cancel; }

    // The control of the design with this name (nullptr when absent).
    template <class T = QWidget>
    T* ctl(const QString& name) const
    {
        if (T* w = findChild<T*>(name)) return w;
        if (!buildDeferred()) return nullptr;
        return findChild<T*>(name);
    }

    // Connects a button's Click to a handler. While a handler of this window
    // waits (see Busy) the click does nothing.
    void onClick(const QString& name, std::function<void()> handler);

    // Outer size in twips (border and title bar included).
    void setOuterSizeTw(int width, int height);
    void setOuterWidthTw(int width);
    void setOuterHeightTw(int height);
    int outerWidthTw() const;
    int outerHeightTw() const;

    void setTopmost(bool on);
    // A topmost window lets the windows of other programs (a video, a web
    // page it opened) come in front of it until the student comes back to it
    // (it is activated again); it is neither hidden nor raised meanwhile.
    void yieldTopmostUntilActive();
    // Whether the window stays on top of others at the moment.
    bool staysOnTopNow() const;
    void setCaption(const QString& text) { setWindowTitle(text); }
    QString caption() const { return windowTitle(); }

    // Marks the window busy while a handler waits for an outside program:
    // the window refuses to close and its buttons do nothing meanwhile.
    // The window may be destroyed while it waits; the guard then lets go.
    class Busy {
    public:
        explicit Busy(Form* f) : f_(f)
        {
            if (f_) ++f_->busy_;
        }
        ~Busy()
        {
            if (f_) --f_->busy_;
        }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        QPointer<Form> f_;
    };
    bool isBusy() const { return busy_ > 0; }

    // Places the window as its design says (once, at its first show).
    void placeOnFirstShow();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // Builds the deferred controls of the design, once; whether it did now.
    bool buildDeferred() const;

    QString name_;
    unsigned flags_;
    Design design_;  // kept only while some of its controls wait to be built
    int busy_ = 0;
    bool placed_ = false;
    bool yielded_ = false;  // on top again once active
};

// Border and title bar of a fixed single-border window, in pixels; the outer
// size of the designs includes them.
inline constexpr int kFrameWidthPx = 6;
inline constexpr int kFrameHeightPx = 29;

}  // namespace forms
