#pragma once
// The reference-picture area of the exercise windows: a hidden list of the
// sample pictures ("*.jpg") of one folder, the picture box `Picture1` that
// takes each picture's own size, and the unfold / fold / previous / next
// buttons. The window fits its height to the picture shown.
#include "common/picturelist.h"  // QString, QStringList, QLabel

class QWidget;

namespace forms {
class Form;
}

namespace common {

struct PictureAreaLayout {
    int windowWidth = 8805;   // outer width, folded and unfolded (twips)
    int foldedHeight = 3660;  // outer height when folded
    int margin = 600;         // below the picture when unfolded
    const char* picture = "Picture1";
    const char* unfold = "参考样式";
    const char* fold = "折叠样式";
    const char* previous = "上一张";
    const char* next = "下一张";
    // Whether the previous and next buttons follow the viewer: shown on
    // unfold, hidden on fold, hidden as well as disabled for fewer than two
    // pictures. Without, they keep their place and visibility and are only
    // disabled for fewer than two pictures.
    bool stepButtonsFollowFold = true;
};

class PictureArea {
public:
    PictureArea(forms::Form* form, const PictureAreaLayout& layout = {});

    // Connects the four buttons to unfold(), fold(), previous() and next().
    void connectButtons();

    // uLoadSamplePictures: points the list at the folder and decides the
    // buttons (no folder: no unfold button; fewer than two pictures:
    // previous and next disabled, and hidden when they follow the fold);
    // shows picture 0 when there is one. Returns the number of pictures.
    int load(const QString& folder);

    // uShowPicture: selects entry index and loads it into the picture box.
    // A file that cannot be loaded leaves the box empty at its size.
    void uShowPicture(int index);

    void unfold();
    void fold();
    void previous();
    void next();

    int count() const { return list_.count(); }
    int selected() const { return list_.selected(); }
    const QStringList& files() const { return list_.files(); }

private:
    void fitWindow();
    QWidget* w(const char* name) const;

    QLabel* box() const;

    forms::Form* form_;
    PictureAreaLayout layout_;
    PictureList list_;
};

}  // namespace common
