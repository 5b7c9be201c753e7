// The mock-test banks of the demo tree: per level and kind a small table of
// question documents, the style pictures of some questions and the pictures
// their material needs.
#include "demotree/gen_mock.h"

#include "demotree/exercises.h"
#include "demotree/gen_office.h"
#include "demotree/gen_shared.h"

namespace demotree {
namespace {

using gen::L;
using gen::s;

// The documents a question starts from: docx title then paragraphs; xlsx
// sheet name then rows; pptx one slide per entry.
const QList<QStringList>& wordDocuments()
{
    static const QList<QStringList> docs = {
        L({"计算机的发展", "第一台电子计算机于1946年诞生，从此人类进入了信息时代。", "计算机经历了电子管、晶体管、集成电路和大规模集成电路四个阶段。",
           "今天，电脑已经走进千家万户，成为学习和工作的重要工具。"}),
        L({"信息安全常识", "不要随意打开来历不明的邮件附件。", "定期更新操作系统和杀毒软件。", "重要数据要及时备份。"}),
        L({"美丽的校园", "我们的校园绿树成荫，环境优美。", "教学楼、实训楼和图书馆错落有致。"}),
        L({"网络改变生活", "网络让人们足不出户就能获取信息、购物和学习。", "同时，我们也要注意网络安全，文明上网。"}),
        L({"电脑的组成", "一台电脑由硬件系统和软件系统两部分组成。", "电脑的硬件包括主机、显示器、键盘和鼠标等。"}),
        L({"课程安排", "本学期计算机应用基础课程安排如下："}),
        L({"读书的意义", "读书使人充实，思考使人深刻。", "养成良好的阅读习惯，会让我们受益终身。"}),
    };
    return docs;
}

const QList<QStringList>& workbooks()
{
    static const QList<QStringList> docs = {
        L({"成绩表", "编号,姓名,语文,数学,英语,总分", "1,李明,86,92,78,", "2,王芳,91,85,88,", "3,张强,75,98,80,"}),
        L({"成绩表", "编号,姓名,语文,数学,英语,总分,平均分", "1,李明,86,92,78,256,", "2,王芳,91,85,88,264,", "3,张强,75,98,80,253,"}),
        L({"Sheet1", "月份,一店,二店,三店", "一月,120,98,105", "二月,132,101,99", "三月,128,110,121"}),
        L({"销售表", "月份,一店,二店", "一月,120,98", "二月,132,101", "三月,128,110"}),
        L({"库存表", "商品,数量,单价", "钢笔,35,12", "笔记本,80,5", "文件夹,62,3", "计算器,20,45"}),
        L({"成绩表", "编号,姓名,语文,数学,英语", "1,李明,86,92,78", "2,王芳,91,85,88"}),
    };
    return docs;
}

const QList<QStringList>& presentations()
{
    static const QList<QStringList> docs = {
        L({"我的学习计划|计算机应用一班", "学习目标|掌握办公软件|学会网络应用", "总结|坚持就是胜利"}),
        L({"班级介绍|计算机应用一班", "班级概况|共有学生四十二名", "班级活动|运动会|技能比赛"}),
        L({"家乡风光|欢迎来做客", "名胜古迹|古镇|青山绿水"}),
        L({"实训总结|计算机应用一班", "实训内容|Word|Excel|PowerPoint", "收获|动手能力明显提高"}),
        L({"安全教育|珍爱生命", "交通安全|遵守交通规则", "网络安全|文明上网"}),
    };
    return docs;
}

// How many questions each level's bank holds per office kind.
struct BankSize {
    const char* level;
    const char* kind;
    int count;
};
constexpr BankSize kBankSizes[] = {
    {"入门", "word", 7}, {"入门", "excel", 6}, {"入门", "ppt", 5}, {"普通", "word", 2}, {"普通", "excel", 2},
    {"普通", "ppt", 2},  {"困难", "word", 3},  {"困难", "excel", 3}, {"困难", "ppt", 2},
};

// Pictures: a path relative to the level's bank and what it shows.
struct MockPicture {
    const char* level;
    const char* path;
    DemoPicture picture;
};

QList<MockPicture> mockPictures()
{
    using enum Sketch;
    return {
        {"入门", "word/样式/1", {s("样式1.jpg"), s("标题黑体二号居中，首行缩进"), Page, L({"计算机的发展", "1"}), 240}},
        {"入门", "word/样式/4", {s("样式1.jpg"), s("第一段分两栏"), Page, L({"网络改变生活", "2"}), 240}},
        {"入门", "word/样式/4", {s("样式2.jpg"), s("A4，上下边距2厘米"), Dialog, L({"纸张：A4", "上：2厘米", "下：2厘米"}), 240}},
        {"入门", "excel/样式/1", {s("样式1.jpg"), s("计算总分"), Sheet, L({"姓名,总分", "李明,256", "王芳,264", "张强,253"}), 200}},
        {"入门", "ppt/样式/1", {s("样式1.jpg"), s("标题“飞入”"), Slide, L({"我的学习计划", "计算机应用一班"}), 220}},
        {"入门", "ppt/样式/1", {s("样式2.jpg"), s("切换“淡出”"), Slide, L({"学习目标", "掌握办公软件"}), 220}},
        {"入门", "ppt/样式/1", {s("样式3.jpg"), s("放映效果"), Slide, L({"总结", "坚持就是胜利"}), 260}},
        {"入门", "word/素材/3", {s("校园.jpg"), s(""), Scene, L({"校园"}), 200}},
        {"入门", "ppt/素材/3", {s("风景.jpg"), s(""), Scene, L({"风景"}), 200}},
        {"普通", "word/样式/1", {s("样式1.jpg"), s("目录与页码"), Page, L({"目录", "1"}), 260}},
        {"普通", "word/样式/1", {s("样式2.jpg"), s("页眉：计算机应用基础"), Page, L({"计算机应用基础", "1"}), 240}},
        {"普通", "excel/样式/2", {s("样式1.jpg"), s("数据透视表"), Sheet, L({"班级,平均总分", "一班,251", "二班,247"}), 200}},
        {"普通", "ppt/样式/1", {s("样式1.jpg"), s("黑体标题，背景图片"), Slide, L({"班级介绍", "计算机应用一班"}), 220}},
        {"普通", "ppt/素材/1", {s("背景.jpg"), s(""), Scene, L({"背景"}), 200}},
        {"困难", "word/样式/1", {s("样式1.jpg"), s("第二节横向"), Page, L({"第二节", "1"}), 220}},
        {"困难", "excel/样式/1", {s("样式1.jpg"), s("部门销售额"), Sheet, L({"部门,销售额", "销售部,520", "技术部,310"}), 200}},
        {"困难", "ppt/样式/2", {s("样式1.jpg"), s("动作按钮“返回”"), Slide, L({"谢谢观看", "返回"}), 220}},
    };
}

}  // namespace

bool generateMockBanks(const QString& materialsFolder, QString* error)
{
    const QString root = materialsFolder + QStringLiteral("/bk/模拟测试/题库/");
    for (const BankSize& b : kBankSizes) {
        const QString kind = s(b.kind);
        const QList<QStringList>& docs = kind == QLatin1String("word")    ? wordDocuments()
                                         : kind == QLatin1String("excel") ? workbooks()
                                                                          : presentations();
        const QString folder = root + s(b.level) + '/' + kind + QStringLiteral("/题目文档/");
        for (int n = 1; n <= b.count; ++n) {
            QString ext;
            const QByteArray doc = gen::officeDocument(kind, docs.at((n - 1) % docs.size()), &ext);
            if (!gen::writeBytes(folder + QString::number(n) + '.' + ext, doc, error)) return false;
        }
    }
    // The mail-merge question's data source lies in its material.
    if (!gen::writeBytes(root + QStringLiteral("普通/word/素材/2/名单.xlsx"),
                         office::workbook(s("名单"), L({"学号,姓名,班级", "2024001,李明,计算机应用一班", "2024002,王芳,计算机应用一班"})),
                         error))
        return false;
    for (const MockPicture& p : mockPictures())
        if (!gen::writePictures(root + s(p.level) + '/' + s(p.path), {p.picture}, error)) return false;
    return true;
}

}  // namespace demotree
