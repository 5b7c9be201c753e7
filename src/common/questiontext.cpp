#include "common/questiontext.h"

#include "platform/paths.h"
#include "platform/textfile.h"

#include <QPlainTextEdit>

namespace common {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

std::optional<QString> readQuestionText(const QString& path)
{
    const auto lines = plat::readLines936(path);
    if (!lines) return std::nullopt;
    QString text;
    for (const QString& l : *lines) text += l + kCrLf;
    return text;
}

bool showQuestionText(QPlainTextEdit* box, const QString& path)
{
    const auto text = readQuestionText(path);
    // The box shows line breaks as LF; the text keeps them as CR LF.
    // Paths on drive D: as the student finds them in the file manager.
    box->setPlainText(text ? plat::displayPathsIn(*text).replace(kCrLf, QStringLiteral("\n")) : QString());
    return text.has_value();
}

bool showQuestionTextOrNotice(QPlainTextEdit* box, const QString& path)
{
    if (showQuestionText(box, path)) return true;
    box->setPlainText(QStringLiteral("找不到本题的题目内容“") + plat::displayPath(path) + QStringLiteral("”，请联系老师。"));
    return false;
}

bool uPersonaliseQuestionText(const QString& source, const QString& target, const Placeholders& placeholders)
{
    const auto lines = plat::readLines936(source);
    if (!lines) return false;
    QStringList out;
    for (QString line : *lines) {
        for (const auto& [from, to] : placeholders)
            if (!from.isEmpty()) line.replace(from, to, Qt::CaseSensitive);
        out << line;
    }
    if (out.isEmpty()) return plat::writeWholeFileAtomic(target, QByteArray());
    return plat::writeText936(target, out.join(kCrLf));
}

QString questionTextUnreadableMessage(const QString& path)
{
    QStringList shown;
    for (const QString& p : path.split('\n')) shown << plat::displayPath(p);
    return QStringLiteral("本题的题目内容无法读取：") + shown.join('\n') + QStringLiteral("\n请联系老师检查题库。");
}

}  // namespace common
