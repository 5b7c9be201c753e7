#pragma once
// Pictures of the demo exercises, drawn with QPainter and saved as JPEG:
// simple diagrams of the expected result with Chinese labels.
#include <QByteArray>
#include <QString>

namespace demotree {
struct DemoPicture;
}

namespace demotree::pictures {

// The JPEG bytes of one picture (drawn once per process, then reused).
// Empty when JPEG cannot be written. Needs a QGuiApplication (fonts).
QByteArray jpeg(const DemoPicture& picture);

// Generator of the demo tree: the sample pictures "样图\<name>\*.jpg" of
// every demo exercise and the pictures among its material and FTP content.
bool generateExercisePictures(const QString& materialsFolder, QString* error);

}  // namespace demotree::pictures
