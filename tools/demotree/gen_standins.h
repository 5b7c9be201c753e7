#pragma once
// The stand-in outside programs of the demo tree.
#include <QString>
#include <QStringList>

namespace demotree {

// Where each stand-in goes, relative to "素材" ("bk/soft/WebServer/MyWebServer.exe").
QStringList standInPlacements();

// Copies the built stand-ins into the tree; does nothing when they are not built.
bool generateStandIns(const QString& materialsFolder, QString* error);

}  // namespace demotree
