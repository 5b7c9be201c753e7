// The buttons of the main window's area rows: each hands its choice to another
// window through a request file, hides the main window, shows that window and
// then records in the call marker through which mode it was opened.
#include "common/handover.h"
#include "common/navigation.h"
#include "forms/runtime.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "startup/mainwindow.h"

#include <QAbstractButton>

namespace startup {
namespace {

struct Opener {
    const char* button;
    const QString* request;  // request file, nullptr for none
    QStringList lines;       // its lines
    const char* target;
    const char* marker;  // written after the show, "" for none
    // Advanced exercises: line 2 is the button's own caption, "01" to "06".
    bool numberFromCaption = false;
};

const char* const kKnowledge = "知识点";
const char* const kIntensive = "强化训练";
const char* const kExtended = "拓展训练";

// The six number buttons ("01" to "06") of one subject of the 拓展训练 row.
struct NumberRow {
    const char* kind;
    const char* buttons[6];
};
constexpr NumberRow kNumberRows[] = {
    {"word", {"Command13", "Command14", "Command15", "Command16", "Command17", "Command18"}},
    {"excel", {"Command25", "Command24", "Command23", "Command22", "Command21", "Command20"}},
    {"ppt", {"Command27", "Command28", "Command29", "Command30", "Command31", "Command32"}},
};

QList<Opener> openerTable()
{
    const QString* random = &common::kRandomPracticeRequest;
    QList<Opener> t = {
        {"基础理论0", nullptr, {}, "基础理论", kKnowledge},
        {"Command1", nullptr, {}, "windows知识点窗格", kKnowledge},
        {"Word0", nullptr, {}, "word知识点窗格", kKnowledge},
        {"Excel0", nullptr, {}, "excel知识点窗格", kKnowledge},
        {"Ppt0", nullptr, {}, "ppt知识点窗格", kKnowledge},
        {"网络基础0", nullptr, {}, "network知识点窗格", kKnowledge},
        {"Command3", nullptr, {}, "理论题随机练习窗格", kIntensive},
        {"Command4", random, {"windows", "win"}, "操作题随机练习窗格", kIntensive},
        {"Command5", random, {"word", "docx"}, "操作题随机练习窗格", kIntensive},
        {"Command7", random, {"excel", "xlsx"}, "操作题随机练习窗格", kIntensive},
        {"Command8", random, {"ppt", "pptx"}, "操作题随机练习窗格", kIntensive},
        {"Command9", random, {"network", "net"}, "操作题随机练习窗格", kIntensive},
        {"Command12", nullptr, {}, "模拟测试窗格", ""},
        {"Command19", nullptr, {}, "期末考查窗格", ""},
    };
    for (const NumberRow& row : kNumberRows) {
        const QString kind = QString::fromUtf8(row.kind);
        for (const char* button : row.buttons)
            t.append({button, &common::kAdvancedRequest, {kind, QString(), common::extensionOf(kind)},
                      "高级应用练习窗格", kExtended, true});
    }
    return t;
}

}  // namespace

QStringList openerTargets()
{
    QStringList out;
    for (const Opener& o : openerTable())
        if (!out.contains(QString::fromUtf8(o.target))) out << QString::fromUtf8(o.target);
    return out;
}

void MainWindow::connectOpeners()
{
    for (Opener o : openerTable()) {
        if (o.numberFromCaption) o.lines[1] = forms::caption(ctl(QString::fromUtf8(o.button)));
        onClick(QString::fromUtf8(o.button), [this, o] {
            if (o.request && !common::writeRequest(*o.request, o.lines, this)) return;
            forms::hide(formName());
            forms::show(QString::fromUtf8(o.target));
            if (*o.marker && !common::writeRequestFile(common::kCallMarkerFile, {QString::fromUtf8(o.marker)}))
                msgOk(common::requestNotWrittenMessage(common::kCallMarkerFile), forms::loaded(QString::fromUtf8(o.target)));
        });
    }
}

}  // namespace startup
