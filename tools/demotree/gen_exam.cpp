// The final exam of the demo tree, made by code: the texts below, the Office
// documents and the sample pictures. The ten choice questions of paper p are
// questions (p-1)*10+1 to p*10 of the theory bank (lines 1 to 5).
#include "demotree/gen_exam.h"

#include "demotree/exercises.h"
#include "demotree/gen_office.h"
#include "demotree/gen_shared.h"
#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace demotree {
namespace {

using gen::fail;
using gen::L;
using gen::makeFolder;
using gen::s;
using gen::writeBytes;
using gen::writeLines;
using gen::writePictures;

// One paper's operation questions.
struct Paper {
    // word: title, paragraphs; excel: sheet, rows; ppt: slides.
    QStringList word, excel, ppt;
    QStringList wordText, excelText, pptText, windowsText, networkText;
    QStringList windowsFiles;  // material of KSWIN: "folder/file" entries
    bool ftp;                  // network question: FTP (else web)
    QList<DemoPicture> wordPics, excelPics, pptPics, windowsPics, networkPics;
};

QList<Paper> papers()
{
    using enum Sketch;
    const QString ftpText = s("利用文件传输协议（FTP）完成以下操作：");
    return {
        {L({"信息技术与职业发展", "信息技术已经深入到各行各业，掌握计算机应用能力是职业发展的基础。",
            "在办公自动化岗位上，文字处理、电子表格和演示文稿是最常用的三类软件。",
            "网络技术的发展让远程办公和在线学习成为可能。"}),
         L({"工资表", "工号,姓名,基本工资,绩效,合计", "1001,李明,3200,800,", "1002,王芳,3000,950,", "1003,张强,3500,700,",
            "1004,赵丽,2900,1100,"}),
         L({"校园科技节|计算机应用专业", "活动安排|作品展示|技能比赛|专家讲座"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭文档：", "1. 将标题设置为黑体、二号、居中。",
            "2. 将正文各段首行缩进2字符，行距为1.5倍。", "3. 将 任务素材文件夹 中“补充段落.txt”的内容插入到文档末尾。"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭文档：", "1. 用公式计算每人的“合计”（基本工资＋绩效）。",
            "2. 按“合计”降序排列数据。", "3. 将 任务素材文件夹 中“说明.txt”的要求完成表格边框设置。"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭文档：", "1. 为第一张幻灯片的标题设置“飞入”动画。",
            "2. 所有幻灯片的切换方式设为“淡出”。", "3. 在最后插入一张“标题和内容”版式的幻灯片，标题为“谢谢观看”。"}),
         L({"在 任务素材文件夹 中完成以下操作：", "1. 新建文件夹“考试资料”，在其中新建文本文件“成绩.txt”。",
            "2. 将“资料”文件夹中的“通知.txt”复制到“考试资料”文件夹中。", "3. 将“资料\\旧文件.txt”设置为只读属性。"}),
         L({"利用文件传输协议（FTP）完成以下操作：", "1. 在文件管理器地址栏中输入 ftp://strLocalIP ，以匿名方式登录考试FTP服务器。",
            "2. 将服务器上的“考试说明.txt”下载到 任务素材文件夹 中。", "3. 将 任务素材文件夹 中的“学号.txt”上传到服务器的“上传”文件夹中。"}),
         L({"资料/通知.txt", "资料/旧文件.txt"}),
         true,
         {{s("样图1.jpg"), s("标题黑体二号居中"), Page, L({"信息技术与职业发展", "1"}), 240}},
         {{s("样图1.jpg"), s("按合计降序排列"), Sheet, L({"工号,姓名,合计", "1004,赵丽,4000", "1001,李明,4000", "1002,王芳,3950"}), 200}},
         {{s("样图1.jpg"), s("标题“飞入”动画"), Slide, L({"校园科技节", "计算机应用专业"}), 240},
          {s("样图2.jpg"), s("最后一张幻灯片"), Slide, L({"谢谢观看"}), 240}},
         {{s("样图1.jpg"), s("完成后的 KSWIN"), Folders, L({"KSWIN", " 考试资料", "  成绩.txt", "  通知.txt", " 资料"}), 220}},
         {{s("样图1.jpg"), s("下载考试说明"), Transfer, L({"ftp://本机地址", "D:\\KS\\KSNET", "考试说明.txt|上传", ""}), 220}}},
        {L({"网络安全知识", "网络安全关系到每一个人，设置强密码是保护账号的第一步。", "不要随意打开来历不明的邮件附件和链接。",
            "定期备份重要数据，可以减少病毒造成的损失。"}),
         L({"销量表", "月份,手机,电脑,平板", "一月,120,80,45", "二月,135,76,52", "三月,150,90,60"}),
         L({"网络安全周|保护个人信息", "安全小贴士|使用强密码|及时更新系统|谨慎点击链接"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭文档：", "1. 将标题设置为隶书、一号、红色、居中。",
            "2. 将第二、三段分为等宽的两栏，加分隔线。", "3. 为第四段添加1.5磅蓝色方框边框。"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭文档：", "1. 在E列计算每月合计，在第5行计算各类合计。",
            "2. 以月份和三类产品的销量制作簇状柱形图，放在数据下方。", "3. 将工作表改名为“一季度销量”，另存一份到 任务素材文件夹 中。"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭文档：", "1. 为演示文稿应用任意一种设计主题。",
            "2. 在第二张幻灯片插入 任务素材文件夹 中的图片“锁.jpg”。", "3. 放映方式设为“在展台浏览”。"}),
         L({"在 任务素材文件夹 中完成以下操作：", "1. 将“下载”文件夹重命名为“安全资料”。",
            "2. 删除“临时”文件夹中所有扩展名为.tmp的文件。", "3. 在 任务素材文件夹 中为“安全资料”创建快捷方式。"}),
         L({"利用浏览器完成以下操作：", "1. 在浏览器地址栏中输入 http://strLocalIP:8080/internet/ ，打开考试网站的首页。",
            "2. 将该网页以“网页，全部”类型保存到 任务素材文件夹 中，文件名为“学号.htm”。", "3. 关闭浏览器。"}),
         L({"下载/安全手册.txt", "临时/a.tmp", "临时/b.tmp", "临时/保留.txt"}),
         false,
         {{s("样图1.jpg"), s("第二、三段分两栏"), Page, L({"网络安全知识", "2"}), 260}},
         {{s("样图1.jpg"), s("合计与柱形图"), Sheet, L({"月份,手机,电脑,平板,合计", "一月,120,80,45,245", "二月,135,76,52,263"}), 200}},
         {{s("样图1.jpg"), s("插入图片后的第二张"), Slide, L({"安全小贴士", "使用强密码", "（图片）"}), 240}},
         {{s("样图1.jpg"), s("完成后的 KSWIN"), Folders, L({"KSWIN", " 安全资料", " 临时", "  保留.txt", " 安全资料 - 快捷方式"}), 220}},
         {{s("样图1.jpg"), s("打开考试网站"), Browser, L({"http://本机地址:8080/internet/", "期末考查网站", ""}), 220},
          {s("样图2.jpg"), s("另存为：网页，全部"), Browser, L({"http://本机地址:8080/internet/", "期末考查网站", "D:\\KS\\KSNET\\学号.htm"}), 220}}},
        {L({"绿色校园倡议书", "绿色校园需要每一位同学的参与，从节约一张纸、一度电做起。", "请大家随手关灯、关闭不用的电脑和显示器。",
            "垃圾分类投放，让校园更加整洁美丽。"}),
         L({"用电表", "楼栋,九月,十月,十一月", "教学楼,3200,3050,2980", "实训楼,4100,3900,3720", "宿舍楼,5200,5010,4870"}),
         L({"绿色校园|从我做起", "节能行动|随手关灯|双面打印|垃圾分类"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭文档：", "1. 将标题设置为华文行楷、小初、居中，段后间距1行。",
            "2. 为正文第二至第四段添加项目符号“●”。", "3. 插入页眉“绿色校园”，页脚插入页码。"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭文档：", "1. 在E列用函数计算每栋楼三个月的平均用电量，保留一位小数。",
            "2. 将用电量低于3000的单元格设为绿色填充。", "3. 将 任务素材文件夹 中“十二月.csv”的数据追加到表格末尾。"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭文档：", "1. 将第一张幻灯片的版式改为“标题幻灯片”。",
            "2. 为第二张幻灯片的正文设置“擦除”进入动画，按段落出现。", "3. 在第二张幻灯片后复制一张相同的幻灯片。"}),
         L({"在 任务素材文件夹 中完成以下操作：", "1. 在“图片”文件夹中按“修改日期”排列文件。",
            "2. 将“文档”文件夹压缩为“文档.zip”。", "3. 搜索 任务素材文件夹 中所有.txt文件，并将它们复制到新建的“文本”文件夹中。"}),
         L({"利用文件传输协议（FTP）完成以下操作：", "1. 在文件管理器地址栏中输入 ftp://strLocalIP ，以匿名方式登录考试FTP服务器。",
            "2. 将服务器“资料”文件夹中的“节能手册.txt”下载到 任务素材文件夹 中，并重命名为“学号.txt”。",
            "3. 在服务器上新建文件夹“学号”。"}),
         L({"图片/说明.txt", "文档/倡议书.txt", "文档/回执.txt"}),
         true,
         {{s("样图1.jpg"), s("项目符号与页眉"), Page, L({"绿色校园倡议书", "1"}), 240}},
         {{s("样图1.jpg"), s("平均用电量"), Sheet, L({"楼栋,平均", "教学楼,3076.7", "实训楼,3906.7", "宿舍楼,5026.7"}), 200}},
         {{s("样图1.jpg"), s("标题幻灯片"), Slide, L({"绿色校园", "从我做起"}), 240}},
         {{s("样图1.jpg"), s("完成后的 KSWIN"), Folders, L({"KSWIN", " 图片", " 文档", " 文本", " 文档.zip"}), 220}},
         {{s("样图1.jpg"), s("下载节能手册"), Transfer, L({"ftp://本机地址/资料", "D:\\KS\\KSNET", "节能手册.txt|", "学号.txt"}), 220}}},
    };
}

bool writePaper(const QString& materials, const QString& bank, int p, const Paper& x, QString* error)
{
    const QString dir = bank + '/' + QString::number(p);
    // Choice questions from the theory bank, lines 1 to 5, and the answer
    // file in its shipped state: ten empty answers and the closing line.
    for (int n = 1; n <= 10; ++n) {
        const QString from = materials + QStringLiteral("/bk/题库/理论题/%1.txt").arg((p - 1) * 10 + n);
        QFile f(from);
        if (!f.open(QIODevice::ReadOnly)) return fail(error, QStringLiteral("cannot read ") + from);
        const QList<QByteArray> lines = plat::splitLines(f.readAll()).mid(0, 5);
        QByteArray out;
        for (const QByteArray& l : lines) out += l + "\r\n";
        if (!writeBytes(dir + QStringLiteral("/选择题/%1.txt").arg(n), out, error)) return false;
    }
    if (!writeBytes(dir + QStringLiteral("/选择题/answer.txt"), QByteArray("\r\n").repeated(11), error)) return false;

    struct Part {
        const char* kind;
        const char* ext;
        QByteArray document;
        QStringList text;
        QList<DemoPicture> pics;
    };
    const QList<Part> parts = {
        {"word", "docx", office::wordDocument(x.word.first(), x.word.mid(1)), x.wordText, x.wordPics},
        {"excel", "xlsx", office::workbook(x.excel.first(), x.excel.mid(1)), x.excelText, x.excelPics},
        {"ppt", "pptx", office::presentation(x.ppt), x.pptText, x.pptPics},
        {"windows", "win", {}, x.windowsText, x.windowsPics},
        {"network", "net", {}, x.networkText, x.networkPics},
    };
    for (const Part& part : parts) {
        const QString kind = s(part.kind);
        const QString k = dir + '/' + kind;
        const QString doc = k + QStringLiteral("/题目文档/") + kind + QStringLiteral("考查题.") + s(part.ext);
        const bool ok = (part.document.isEmpty()
                             ? writeLines(doc, {QStringLiteral("期末考查 试卷%1 ").arg(p) + kind + QStringLiteral("操作题"),
                                               QStringLiteral("工作文件夹：D:\\KS\\KS") +
                                                   (kind == QLatin1String("windows") ? QStringLiteral("WIN") : QStringLiteral("NET")),
                                               QStringLiteral("请按照题目要求完成操作，不需要打开本文档。")},
                                          error)
                             : writeBytes(doc, part.document, error)) &&
                        writeLines(k + QStringLiteral("/题目内容/") + kind + QStringLiteral(".txt"), part.text, error) &&
                        makeFolder(k + QStringLiteral("/题目内容_改"), error) && writePictures(k + QStringLiteral("/样图"), part.pics, error) &&
                        makeFolder(k + QStringLiteral("/素材"), error);
        if (!ok) return false;
    }
    // Material of the office kinds.
    const std::pair<const char*, QStringList> office[] = {
        {"word/素材/补充段落.txt", L({"只有不断学习，才能跟上信息技术发展的脚步。"})},
        {"excel/素材/说明.txt", L({"表格外框线为双线，内框线为细实线。"})},
        {"excel/素材/十二月.csv", L({"楼栋,十二月", "教学楼,3100", "实训楼,3800", "宿舍楼,5150"})},
        {"ppt/素材/图片说明.txt", L({"幻灯片中的图片请使用本文件夹中的图片。"})},
    };
    for (const auto& [rel, lines] : office)
        if (!writeLines(dir + '/' + s(rel), lines, error)) return false;
    const DemoPicture lock{s("锁.jpg"), QString(), Sketch::Scene, L({"锁"}), 160};
    if (!writePictures(dir + QStringLiteral("/ppt/素材"), {lock}, error)) return false;
    for (const QString& f : x.windowsFiles)
        if (!writeLines(dir + QStringLiteral("/windows/素材/") + f, {QStringLiteral("期末考查素材：") + QFileInfo(f).fileName()}, error))
            return false;
    // Network: the served content ("素材") and the working material ("素材2").
    const QString net = dir + QStringLiteral("/network");
    if (!writeLines(net + QStringLiteral("/素材2/学号.txt"), {QStringLiteral("把本文件改名后上传。")}, error)) return false;
    if (x.ftp) {
        if (!writeLines(net + QStringLiteral("/素材/考试说明.txt"), {QStringLiteral("期末考查FTP服务器，请按题目要求下载和上传文件。")}, error) ||
            !writeLines(net + QStringLiteral("/素材/资料/节能手册.txt"), {QStringLiteral("人走灯灭，节约用电。")}, error) ||
            !makeFolder(net + QStringLiteral("/素材/上传"), error))
            return false;
    } else {
        if (!writeLines(net + QStringLiteral("/素材/index.html"),
                        L({"<html><head><meta charset=\"gb2312\"><title>期末考查网站</title></head>",
                           "<body><h1>期末考查网站</h1><p>网络安全，人人有责。</p><img src=\"logo.jpg\"></body></html>"}),
                        error))
            return false;
        const DemoPicture logo{s("logo.jpg"), QString(), Sketch::Scene, L({"网站标志"}), 120};
        if (!writePictures(net + QStringLiteral("/素材"), {logo}, error)) return false;
    }
    return true;
}

}  // namespace

bool generateExam(const QString& materialsFolder, QString* error)
{
    const QString root = materialsFolder + QStringLiteral("/bk/期末考查");
    const QString bank = root + QStringLiteral("/题库");
    const QList<Paper> list = papers();
    for (int p = 1; p <= list.size(); ++p)
        if (!writePaper(materialsFolder, bank, p, list[p - 1], error)) return false;
    if (!writeLines(root + QStringLiteral("/提交初始化/考生须知.txt"),
                    L({"本文件夹是考生档案，交卷时试卷与作答会一并打包。", "请勿修改本文件。"}), error))
        return false;
    for (const char* sub : {"KS/KSDOC", "KS/KSXLS", "KS/KSPPT", "KS/KSWIN", "KS/KSNET", "提交", "已提交"})
        if (!makeFolder(root + '/' + s(sub), error)) return false;
    return true;
}

}  // namespace demotree
