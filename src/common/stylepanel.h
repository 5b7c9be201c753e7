#pragma once
// The style panel: pictures of a question's expected result ("样式") in a
// frame under the question, opened by `样式`, closed by `折叠` and paged with
// wrap-around by `样式上一张` / `样式下一张`. The mock test, the task projects
// and the final exam carry it in their own frames; what differs between them
// (margins, where the frame goes, how the window is sized, the screen clamp)
// is given by the layout.
//
// Loading a question's pictures is the preparing window's business
// (setFolder, uShowPicture and the buttons' visibility); the panel opens,
// pages through and closes what was loaded.
#include "common/picturelist.h"  // QString, QStringList, QLabel

#include <functional>

class QWidget;

namespace forms {
class Form;
}

namespace common {

struct StylePanelLayout {
    // Control names.
    const char* frame = "样式区";
    const char* picture = "Picture1";
    const char* open = "样式";
    const char* fold = "折叠";
    const char* previous = "样式上一张";
    const char* next = "样式下一张";

    // The frame's height is the picture's height plus this (twips).
    int frameMargin = 350;
    // On opening, the frame moves right under this control ("": it keeps its
    // design top).
    const char* below = "";
    // The picture's left edge in the frame (twips): centred across the
    // window's client area (Window: (client width - picture width) / 2 -
    // frame left + offset) or on the frame (Frame: frame width / 2 + frame
    // left - picture width / 2 + offset).
    enum class Centre { Window, Frame };
    Centre centre = Centre::Window;
    int pictureOffset = 390;
    // The window's outer height (twips) with the panel open, given the
    // frame's new height; it may also resize containers. Empty: unchanged.
    std::function<int(int frameHeight)> openHeight;
    // Sizes the window for the closed panel. Empty: unchanged.
    std::function<void()> foldSize;
    // Screen clamp: when the open window would be taller than the screen,
    // it gets the screen's height less screenMargin and this scroll bar is
    // shown beside the picture ("": no clamp).
    const char* scrollBar = "";
    int screenMargin = 700;
};

class StylePanel {
public:
    StylePanel(forms::Form* form, StylePanelLayout layout);

    // Connects 样式, 折叠, 样式上一张 and 样式下一张.
    void connectButtons();

    // The picture list: the "*.jpg" files of the folder, none selected.
    // Returns their number.
    int setFolder(const QString& folder);
    // uShowPicture: selects entry index and loads it into the picture box,
    // which takes the picture's size. An index outside the list does nothing.
    void uShowPicture(int index);
    // Empties the picture box (no list change).
    void clearPicture();

    void open();
    void fold();
    void previous();
    void next();

    bool isOpen() const;
    int count() const { return list_.count(); }
    int selected() const { return list_.selected(); }
    QString folder() const { return list_.folder(); }

private:
    void layout();
    QWidget* w(const char* name) const;
    QLabel* box() const;

    forms::Form* form_;
    StylePanelLayout layout_;
    PictureList list_;
};

}  // namespace common
