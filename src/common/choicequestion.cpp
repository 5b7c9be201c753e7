#include "common/choicequestion.h"

#include "forms/design.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QWidget>

namespace common {

ChoiceFile readChoiceFile(const QString& path, int wanted, const QString& shownName)
{
    ChoiceFile f;
    const QString name = shownName.isEmpty() ? plat::baseName(path) : shownName;
    if (!plat::fs::fileExists(path)) {
        f.failure = QStringLiteral("找不到题目文件“%1”，请检查素材文件夹").arg(name);
        return f;
    }
    const auto lines = plat::readLines936(path);
    if (!lines) {
        f.failure = QStringLiteral("题目文件“%1”无法读取").arg(name);
        return f;
    }
    f.lines = lines->mid(0, wanted);
    if (f.lines.size() < wanted)
        f.failure = QStringLiteral("题目文件“%1”不完整：应有%2行，只有%3行").arg(name).arg(wanted).arg(f.lines.size());
    return f;
}

QString readChoiceLine(const QString& path, int k)
{
    if (k < 1) return QString();
    const auto lines = plat::readLines936(path);
    if (!lines || lines->size() < k) return QString();
    return lines->at(k - 1);
}

QString fillChoiceLabels(const QString& path, const ChoiceLabels& labels, const QString& shownName)
{
    const ChoiceFile f = readChoiceFile(path, kChoiceLines, shownName);
    const std::array<QWidget*, kChoiceLines> all{labels.stem, labels.options[0], labels.options[1], labels.options[2],
                                                 labels.options[3]};
    for (int k = 0; k < kChoiceLines; ++k)
        if (all[k]) forms::setCaption(all[k], k < f.lines.size() ? f.lines[k] : QString());
    return f.failure;
}

void stackOptions(const ChoiceLabels& labels, const ChoiceLayout& layout)
{
    if (!labels.stem) return;
    int top = forms::topTw(labels.stem) + forms::heightTw(labels.stem) + layout.gap;
    for (QWidget* o : labels.options) {
        if (o)
            forms::setGeometryTw(o, forms::leftTw(o), top, layout.width > 0 ? layout.width : forms::widthTw(o),
                                 forms::heightTw(o));
        top += layout.step;
    }
}

QString uShowChoiceQuestion(const QString& path, const ChoiceLabels& labels, const ChoiceLayout& layout,
                            const QString& shownName)
{
    const QString failure = fillChoiceLabels(path, labels, shownName);
    stackOptions(labels, layout);
    return failure;
}

}  // namespace common
