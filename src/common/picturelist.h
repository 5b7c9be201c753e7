#pragma once
// The sample pictures ("*.jpg") of one folder, one of them selected and shown
// in a picture box that takes the picture's own size. The reference-picture
// area and the style panel page through one of these each, in their own
// layouts.
#include <QString>
#include <QStringList>

class QLabel;

namespace common {

class PictureList {
public:
    // Lists the folder's pictures (none for a missing folder), none selected.
    // Returns their number.
    int setFolder(const QString& folder);
    // Selects entry index and loads it into the box. A file that cannot be
    // loaded leaves the box empty at its size; an index outside the list
    // does nothing.
    void show(int index, QLabel* box);
    // Selects and shows the next (+1) or previous (-1) picture, wrapping
    // around at either end; nothing when the list is empty.
    void step(int direction, QLabel* box);

    int count() const { return int(files_.size()); }
    int selected() const { return selected_; }
    const QString& folder() const { return folder_; }
    const QStringList& files() const { return files_; }

private:
    QString folder_;
    QStringList files_;
    int selected_ = -1;
};

}  // namespace common
