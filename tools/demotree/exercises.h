#pragma once
// The knowledge-point exercises of the demo tree, in one table.
//
// Each exercise lives in the operation bank "bk\题库\操作题\<kind>\" under its
// exercise name (kind immediately followed by the knowledge point). The text
// parts (question texts, network templates, ".win"/".net" documents,
// material text files, video command files) are sources in tools/demodata;
// the table holds what code makes: the Office documents, the sample pictures
// and the pictures the exercise works with.
#include <QList>
#include <QString>
#include <QStringList>

namespace demotree {

// What a sample picture shows; the labels fill the drawing.
enum class Sketch {
    Page,     // a document page; labels: title, then "columns" count ("1", "2")
    Sheet,    // a worksheet; labels: rows, cells separated by ","
    Slide,    // a slide; labels: title, body lines
    Folders,  // a folder tree; labels: entries, indented by leading blanks
    Browser,  // a browser window; labels: address, page heading, saved file
    Transfer, // a file transfer; labels: server, local folder, then the files
              // of each side ("a|b")
    Dialog,   // a dialog; labels: "field：value" lines
    Scene,    // a photo stand-in without headline; labels: the subject
};

struct DemoPicture {
    QString file;       // file name, "*.jpg"
    QString caption;    // headline drawn above the sketch
    Sketch sketch;
    QStringList labels;
    int height = 300;   // pixels; the viewer fits the window to it
};

enum class DemoServer { None, Web, Ftp, Mail };

struct DemoExercise {
    QString kind;    // "word", "excel", "ppt", "windows", "network"
    QString point;   // the menu's point button name
    QString ext;     // "docx", "xlsx", "pptx", "win", "net"
    DemoServer server;
    // The Office document: docx: title, then paragraphs; xlsx: first the
    // sheet name, then rows with cells separated by ","; pptx: one slide per
    // entry, "title|line|line". Empty for ".win" and ".net" (text sources).
    QStringList document;
    // Sample pictures, in the folder 样图\<name> of the kind's bank.
    QList<DemoPicture> samples;
    // Further pictures the exercise works with (material, FTP content); their
    // file is a path relative to the kind's bank folder.
    QList<DemoPicture> extras;
    QString name() const { return kind + point; }
};

const QList<DemoExercise>& demoExercises();

// Folder of the exercise bank of a kind under the "素材" folder (host form).
QString bankFolder(const QString& materialsFolder, const QString& kind);

}  // namespace demotree
