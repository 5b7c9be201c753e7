#include "common/probeleftover.h"

#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

#include <QDateTime>

namespace common {

namespace fs = plat::fs;

namespace {

// The working folders of drive D: and the probe names the steps of all
// windows give them (preparation, restore, close, paper, exam).
struct KnownProbes {
    const char* path;
    const char* names[2];
};
constexpr KnownProbes kKnownProbes[] = {
    {"D:\\实训素材", {"D:\\改名", nullptr}},
    {"D:\\winsys", {"D:\\改名winsys", nullptr}},
    {"D:\\PracticalTraining", {"D:\\改名0", "D:\\n改名"}},
    {"D:\\考生文件夹", {"D:\\改名", "D:\\改名0"}},
    {"D:\\KSDOC", {"D:\\w改名", "D:\\改名w"}},
    {"D:\\KSXLS", {"D:\\e改名", "D:\\改名e"}},
    {"D:\\KSPPT", {"D:\\p改名", "D:\\改名p"}},
    {"D:\\KSWIN", {"D:\\win改名", "D:\\改名win"}},
    {"D:\\KSNET", {"D:\\n改名", "D:\\改名n"}},
    {"D:\\SXWIN", {"D:\\win改名", "D:\\改名win"}},
    {"D:\\SXNET", {"D:\\n改名", nullptr}},
    {"D:\\Word_Mission", {"D:\\w改名", nullptr}},
    {"D:\\Excel_Mission", {"D:\\e改名", nullptr}},
    {"D:\\Ppt_Mission", {"D:\\p改名", nullptr}},
    {"D:\\KS", {"D:\\KS改名", nullptr}},
};

bool present(const QString& path) { return fs::folderExists(path) || fs::fileExists(path); }

// A free name on drive D: that no step probes with or clears: the
// leftover's own name with a mark and the time (before a file's extension).
// Beside the other working folders for a folder; a file left in a folder the
// next step empties is brought out of it.
QString keptName(const QString& leftover, bool folder)
{
    const QString leaf = leftover.section(QLatin1Char('\\'), -1);
    const qsizetype dot = folder ? -1 : leaf.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? leaf.left(dot) : leaf;
    const QString ext = dot > 0 ? leaf.mid(dot) : QString();
    const QString base = QStringLiteral("D:\\") + stem + QStringLiteral("_留存_") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString name = base + ext;
    for (int n = 2; present(name); ++n) name = base + QStringLiteral("_%1").arg(n) + ext;
    return name;
}

}  // namespace

QStringList knownProbeNames(const QString& path, const QString& probeName)
{
    QStringList out{probeName};
    for (const KnownProbes& k : kKnownProbes) {
        if (path.compare(QString::fromUtf8(k.path), Qt::CaseInsensitive) != 0) continue;
        for (const char* n : k.names)
            if (n && !out.contains(QString::fromUtf8(n), Qt::CaseInsensitive)) out << QString::fromUtf8(n);
    }
    return out;
}

std::optional<ProbeLeftover> putBackProbeLeftover(const QString& path, const QString& probeName)
{
    QStringList kept;
    QStringList inTheWay;
    for (const QString& name : knownProbeNames(path, probeName)) {
        const bool folder = fs::folderExists(name);
        if (!folder && !fs::fileExists(name)) continue;
        // Under the step's own probe name it is the path itself, renamed by
        // the interrupted probe.
        if (name == probeName && !present(path) && fs::ok(fs::rename(name, path))) continue;
        const QString what = folder ? QStringLiteral("文件夹“") : QStringLiteral("文件“");
        const QString aside = keptName(name, folder);
        const fs::Status moved = fs::rename(name, aside);
        if (moved.ok())
            kept << what + plat::displayPath(name) + QStringLiteral("”已原样保留为“") + plat::displayPath(aside) + QStringLiteral("”");
        else
            inTheWay << what + plat::displayPath(name) + QStringLiteral("”（") + moved.describe() + QStringLiteral("）");
    }
    if (kept.isEmpty() && inTheWay.isEmpty()) return std::nullopt;
    QString m = QStringLiteral("发现上次未正常结束时留下的内容，其中可能有作业：\n");
    if (!kept.isEmpty()) m += kept.join(QChar('\n')) + QStringLiteral("\n请告诉老师核对其中的内容，本窗口的操作可以继续。");
    if (!inTheWay.isEmpty())
        m += (kept.isEmpty() ? QString() : QStringLiteral("\n")) + inTheWay.join(QChar('\n')) +
             QStringLiteral("\n它无法改名，会妨碍检查“") + plat::displayPath(path) +
             QStringLiteral("”，已原样保留。请告诉老师处理。");
    return ProbeLeftover{m, !inTheWay.isEmpty()};
}

bool recoverProbeLeftover(const QString& path, const QString& probeName, QWidget* owner)
{
    const std::optional<ProbeLeftover> left = putBackProbeLeftover(path, probeName);
    if (left) msgOk(left->message, owner);
    return !left || !left->inTheWay;
}

}  // namespace common
