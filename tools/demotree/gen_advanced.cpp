// The advanced exercises of the demo tree, in one table: each names its
// question, the document the student edits, the files of its material folder
// and its reference-effect pictures.
#include "demotree/gen_advanced.h"

#include "demotree/exercises.h"
#include "demotree/gen_office.h"
#include "demotree/gen_pictures.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace demotree {
namespace {

QString s(const char* utf8) { return QString::fromUtf8(utf8); }

QStringList L(std::initializer_list<const char*> items)
{
    QStringList out;
    for (const char* i : items) out << s(i);
    return out;
}

// A text file of a material folder: name and lines.
struct MaterialText {
    QString file;
    QStringList lines;
};

struct AdvancedDemo {
    const char* kind;  // "word", "excel", "ppt"
    const char* number;
    QStringList question;  // the question text, one entry a line
    // docx: title, then paragraphs; xlsx: sheet name, then rows (cells by
    // ","); pptx: one slide per entry, "title|line|line".
    QStringList document;
    QList<MaterialText> texts;       // files of the material folder
    QList<DemoPicture> materials;    // pictures of the material folder
    QList<DemoPicture> effects;      // reference-effect pictures
};

QList<AdvancedDemo> table()
{
    using enum Sketch;
    return {
        // ---- Word -----------------------------------------------------------
        {"word", "01",
         L({"打开题目文档，完成以下操作后保存：", "1. 将标题“走进信息时代”设置为黑体、二号、加粗、居中。",
            "2. 将正文各段设置为首行缩进2字符、1.5倍行距。",
            "3. 将考生文件夹中“补充段落.txt”的文字作为最后一段加入文档。"}),
         L({"走进信息时代", "信息技术的发展改变了人们的学习、工作和生活方式。今天，我们通过网络获取信息、交流思想、处理事务。",
            "计算机已经成为每个人必须掌握的基本工具。学会使用办公软件，是适应信息社会的第一步。"}),
         {{s("补充段落.txt"), L({"让我们从现在开始，认真学好计算机应用基础，做信息时代的主人。"})}},
         {},
         {{s("效果1.jpg"), s("标题黑体二号居中，正文首行缩进"), Page, L({"走进信息时代", "1"}), 300},
          {s("效果2.jpg"), s("段落设置：首行缩进2字符，1.5倍行距"), Dialog,
           L({"特殊格式：首行缩进", "磅值：2字符", "行距：1.5倍行距"}), 220}}},
        {"word", "02",
         L({"打开题目文档，完成以下操作后保存：", "1. 将正文第二、三段分为两栏，栏间距2字符，加分隔线。",
            "2. 在第一段之后插入考生文件夹中的图片“校园.jpg”，环绕方式为四周型。",
            "3. 为文档添加页眉“校园风采”，居中。"}),
         L({"校园风采", "我们的校园坐落在城市的东郊，占地两百余亩，环境优美，设施齐全。",
            "教学楼、实训楼、图书馆和体育馆错落有致，绿树成荫，四季花香。",
            "学校注重学生实践能力的培养，建有多个校内实训基地，为同学们提供了良好的学习条件。"}),
         {},
         {{s("校园.jpg"), s("校园"), Scene, L({"教学楼"}), 240}},
         {{s("效果1.jpg"), s("第二、三段分两栏，加分隔线"), Page, L({"校园风采", "2"}), 320},
          {s("效果2.jpg"), s("图片四周型环绕"), Page, L({"[图片] 校园.jpg", "1"}), 280},
          {s("效果3.jpg"), s("页眉“校园风采”居中"), Page, L({"校园风采", "1"}), 260}}},
        {"word", "03",
         L({"打开题目文档，完成以下操作后保存：", "1. 将文档中的课程表文字转换为5列的表格。",
            "2. 表格套用“浅色网格”样式，第一行文字加粗居中。", "3. 在表格下方插入一行文字“注：实训课在机房上课”。"}),
         L({"计算机应用一班课程表", "节次,星期一,星期二,星期三,星期四", "第一节,语文,数学,英语,计算机",
            "第二节,数学,计算机,语文,英语", "第三节,计算机实训,体育,计算机实训,数学"}),
         {},
         {},
         {{s("效果1.jpg"), s("文字转换为表格，套用样式"), Sheet,
           L({"节次,星期一,星期二,星期三,星期四", "第一节,语文,数学,英语,计算机", "第二节,数学,计算机,语文,英语",
              "第三节,计算机实训,体育,计算机实训,数学"}),
           240}}},
        {"word", "04",
         L({"打开题目文档，完成以下操作后保存：", "1. 将标题设置为艺术字，样式任选，字号36。",
            "2. 将正文第一段首字下沉2行，字体为楷体。",
            "3. 为正文最后三段添加项目符号“●”。"}),
         L({"文明上网倡议书", "网络是一把双刃剑，它给我们带来便利的同时，也带来了不少问题。为此，我们向全体同学发出倡议：",
            "自觉遵守网络道德规范，不浏览不良信息。", "增强自我保护意识，不随意约见网友。", "合理安排上网时间，不沉迷网络游戏。"}),
         {},
         {},
         {{s("效果1.jpg"), s("艺术字标题，首字下沉2行"), Page, L({"文明上网倡议书", "1"}), 300},
          {s("效果2.jpg"), s("最后三段加项目符号"), Page, L({"● 自觉遵守网络道德规范", "1"}), 260}}},
        {"word", "05",
         L({"打开题目文档，完成以下操作后保存：", "1. 将纸张方向设置为横向，上下左右页边距均为2厘米。",
            "2. 为全文添加页面边框（方框，1.5磅）。", "3. 在文档末尾插入考生文件夹中的图片“奖杯.jpg”，并设置为居中。"}),
         L({"荣誉证书", "计算机应用一班 李明 同学：", "在本学年计算机技能大赛中荣获一等奖，特发此证，以资鼓励。", "职业学校教务处"}),
         {},
         {{s("奖杯.jpg"), s("奖杯"), Scene, L({"一等奖"}), 240}},
         {{s("效果1.jpg"), s("横向纸张，页面边框"), Page, L({"荣誉证书", "1"}), 260},
          {s("效果2.jpg"), s("页面设置：横向，页边距2厘米"), Dialog, L({"纸张方向：横向", "上、下、左、右：2厘米"}), 200}}},
        {"word", "06",
         L({"打开题目文档，完成以下操作后保存：", "1. 将“通知”二字设置为红色、小初号、居中。",
            "2. 正文中所有的“电脑”替换为“计算机”。", "3. 落款和日期右对齐，日期改为当天日期。"}),
         L({"通知", "各班同学：", "为了提高同学们的电脑操作水平，学校定于下周五下午在实训楼举行电脑技能比赛。",
            "请各班推荐三名同学参加，名单于本周三前报教务处。", "教务处", "2024年1月1日"}),
         {{s("比赛须知.txt"), L({"比赛内容：Word文字排版、Excel数据处理。", "比赛时间：90分钟。"})}},
         {},
         {{s("效果1.jpg"), s("标题红色居中，落款右对齐"), Page, L({"通知", "1"}), 300},
          {s("效果2.jpg"), s("查找和替换：电脑 → 计算机"), Dialog, L({"查找内容：电脑", "替换为：计算机", "全部替换"}), 200}}},

        // ---- Excel ----------------------------------------------------------
        {"excel", "01",
         L({"打开题目文档，完成以下操作后保存：", "1. 用公式计算每位学生的总分和平均分（保留1位小数）。",
            "2. 按总分降序排序。", "3. 为A1:G7加所有框线，第一行填充浅蓝色。"}),
         L({"成绩表", "编号,姓名,语文,数学,英语,总分,平均分", "1,李明,86,92,78,,", "2,王芳,91,85,88,,", "3,张强,75,98,80,,",
            "4,赵丽,88,76,95,,", "5,刘洋,93,89,84,,", "6,陈静,80,91,90,,"}),
         {},
         {},
         {{s("效果1.jpg"), s("计算总分、平均分并降序排序"), Sheet,
           L({"编号,姓名,总分,平均分", "5,刘洋,266,88.7", "2,王芳,264,88.0", "6,陈静,261,87.0", "4,赵丽,259,86.3",
              "1,李明,256,85.3", "3,张强,253,84.3"}),
           280},
          {s("效果2.jpg"), s("所有框线，标题行浅蓝色"), Sheet, L({"编号,姓名,语文,数学,英语,总分,平均分"}), 160}}},
        {"excel", "02",
         L({"打开题目文档，完成以下操作后保存：", "1. 在E列计算每个月三家门店的合计。",
            "2. 以月份和合计两列为数据源，插入簇状柱形图，图表标题为“第一季度销售额”。",
            "3. 将工作表重命名为“一季度”。"}),
         L({"销售表", "月份,一店,二店,三店,合计", "一月,120,98,105,", "二月,132,101,99,", "三月,128,110,121,"}),
         {},
         {},
         {{s("效果1.jpg"), s("计算合计"), Sheet, L({"月份,一店,二店,三店,合计", "一月,120,98,105,323", "二月,132,101,99,332",
                                                    "三月,128,110,121,359"}),
           200},
          {s("效果2.jpg"), s("簇状柱形图“第一季度销售额”"), Slide, L({"第一季度销售额", "一月 323", "二月 332", "三月 359"}), 260}}},
        {"excel", "03",
         L({"打开题目文档，完成以下操作后保存：", "1. 用IF函数在D列判断：成绩大于等于60为“合格”，否则为“不合格”。",
            "2. 用条件格式将不合格的成绩标为红色。", "3. 在B9单元格用COUNTIF函数统计合格人数。"}),
         L({"考核表", "编号,姓名,成绩,结果", "1,李明,86,", "2,王芳,55,", "3,张强,75,", "4,赵丽,48,", "5,刘洋,93,", "6,陈静,60,",
            "合格人数,,,"}),
         {},
         {},
         {{s("效果1.jpg"), s("IF函数判断，不合格标红"), Sheet,
           L({"编号,姓名,成绩,结果", "1,李明,86,合格", "2,王芳,55,不合格", "3,张强,75,合格", "4,赵丽,48,不合格",
              "5,刘洋,93,合格", "6,陈静,60,合格", "合格人数,4,,"}),
           280}}},
        {"excel", "04",
         L({"打开题目文档，完成以下操作后保存：", "1. 按“部门”分类汇总，汇总方式为求和，汇总项为“工资”。",
            "2. 将工资列设置为货币格式，保留2位小数。",
            "3. 考生文件夹中的“补充数据.txt”是两位新同事的信息，把它们加入表格后再做分类汇总。"}),
         L({"工资表", "姓名,部门,工资", "李明,财务部,4200", "王芳,销售部,3800", "张强,财务部,4500", "赵丽,销售部,4100",
            "刘洋,技术部,5200"}),
         {{s("补充数据.txt"), L({"陈静,技术部,4900", "周杰,销售部,3600"})}},
         {},
         {{s("效果1.jpg"), s("按部门分类汇总工资"), Sheet,
           L({"姓名,部门,工资", "李明,财务部,¥4,200.00", "张强,财务部,¥4,500.00", "财务部 汇总,,¥8,700.00",
              "刘洋,技术部,¥5,200.00", "陈静,技术部,¥4,900.00", "技术部 汇总,,¥10,100.00"}),
           300},
          {s("效果2.jpg"), s("分类汇总对话框"), Dialog, L({"分类字段：部门", "汇总方式：求和", "选定汇总项：工资"}), 200}}},
        {"excel", "05",
         L({"打开题目文档，完成以下操作后保存：", "1. 用自动筛选选出“数量”大于50的商品。",
            "2. 在D列计算金额（数量×单价）。", "3. 将标题行冻结。"}),
         L({"库存表", "商品,数量,单价,金额", "钢笔,35,12,", "笔记本,80,5,", "文件夹,62,3,", "计算器,20,45,", "订书机,55,18,"}),
         {},
         {},
         {{s("效果1.jpg"), s("筛选数量大于50的商品"), Sheet,
           L({"商品,数量,单价,金额", "笔记本,80,5,400", "文件夹,62,3,186", "订书机,55,18,990"}), 220},
          {s("效果2.jpg"), s("自定义自动筛选：大于 50"), Dialog, L({"数量", "大于：50"}), 160}}},
        {"excel", "06",
         L({"打开题目文档，完成以下操作后保存：", "1. 以“类别”为行标签、各月借阅量求和，在新工作表中建立数据透视表。",
            "2. 将原表的标题行设置为加粗、居中、黄色填充。", "3. 用MAX函数在最后一行求出每月的最大借阅量。"}),
         L({"借阅表", "类别,一月,二月,三月", "计算机,35,42,38", "文学,50,47,55", "历史,20,18,25", "艺术,15,22,19", "最大值,,,"}),
         {},
         {},
         {{s("效果1.jpg"), s("数据透视表"), Sheet, L({"行标签,求和项:一月,求和项:二月,求和项:三月", "计算机,35,42,38",
                                                      "文学,50,47,55", "历史,20,18,25", "艺术,15,22,19", "总计,120,129,137"}),
           260},
          {s("效果2.jpg"), s("每月最大借阅量"), Sheet, L({"类别,一月,二月,三月", "最大值,50,47,55"}), 160},
          {s("效果3.jpg"), s("标题行加粗、居中、黄色填充"), Sheet, L({"类别,一月,二月,三月"}), 140}}},

        // ---- PowerPoint -----------------------------------------------------
        {"ppt", "01",
         L({"打开题目文档，完成以下操作后保存：", "1. 为演示文稿应用一种设计主题。", "2. 第1张幻灯片标题设置“飞入”动画，自左侧。",
            "3. 所有幻灯片的切换方式设置为“推进”。"}),
         L({"我的学习计划|计算机应用一班", "学习目标|掌握办公软件|学会网络应用", "总结|坚持就是胜利"}),
         {},
         {},
         {{s("效果1.jpg"), s("第1张：标题“飞入”，自左侧"), Slide, L({"我的学习计划", "计算机应用一班"}), 300},
          {s("效果2.jpg"), s("第2张：应用主题后"), Slide, L({"学习目标", "掌握办公软件", "学会网络应用"}), 300}}},
        {"ppt", "02",
         L({"打开题目文档，完成以下操作后保存：", "1. 在第2张幻灯片中插入考生文件夹中的图片“风景.jpg”，放在右侧。",
            "2. 为图片设置“缩放”进入动画。", "3. 在最后插入一张“仅标题”版式的幻灯片，标题为“谢谢观看”。"}),
         L({"家乡风光|欢迎来做客", "名胜古迹|古镇|青山绿水", "特色美食|米粉|糕点"}),
         {},
         {{s("风景.jpg"), s("风景"), Scene, L({"青山绿水"}), 240}},
         {{s("效果1.jpg"), s("第2张：插入图片放在右侧"), Slide, L({"名胜古迹", "古镇", "青山绿水", "[图片] 风景.jpg"}), 300},
          {s("效果2.jpg"), s("第4张：仅标题版式"), Slide, L({"谢谢观看"}), 300}}},
        {"ppt", "03",
         L({"打开题目文档，完成以下操作后保存：", "1. 将第2张幻灯片的版式改为“两栏内容”，右栏输入“运动会”“技能比赛”。",
            "2. 第3张幻灯片的正文按段落设置“擦除”动画。", "3. 为第1张幻灯片的副标题添加超链接，链接到第3张幻灯片。"}),
         L({"班级介绍|计算机应用一班", "班级概况|共有学生四十二名|班主任：王老师", "班级活动|春季运动会|计算机技能比赛|元旦联欢会"}),
         {},
         {},
         {{s("效果1.jpg"), s("第2张：两栏内容版式"), Slide, L({"班级概况", "共有学生四十二名    运动会", "班主任：王老师    技能比赛"}), 300},
          {s("效果2.jpg"), s("第3张：正文按段落“擦除”"), Slide, L({"班级活动", "春季运动会", "计算机技能比赛", "元旦联欢会"}), 300},
          {s("效果3.jpg"), s("副标题超链接到第3张"), Dialog, L({"链接到：本文档中的位置", "幻灯片标题：3. 班级活动"}), 200}}},
        {"ppt", "04",
         L({"打开题目文档，完成以下操作后保存：", "1. 将所有幻灯片的标题设置为黑体、44号、蓝色（通过幻灯片母版完成）。",
            "2. 在母版的右下角插入文字“安全第一”。", "3. 设置幻灯片放映方式为“在展台浏览”。"}),
         L({"安全教育|珍爱生命", "交通安全|遵守交通规则|不闯红灯", "网络安全|文明上网|保护个人信息"}),
         {},
         {},
         {{s("效果1.jpg"), s("母版：标题黑体44号蓝色，右下角“安全第一”"), Slide, L({"交通安全", "遵守交通规则", "不闯红灯", "安全第一"}), 300}}},
        {"ppt", "05",
         L({"打开题目文档，完成以下操作后保存：", "1. 在第2张幻灯片插入一个3行2列的表格，内容见考生文件夹中的“表格内容.txt”。",
            "2. 为表格套用一种表格样式。", "3. 为所有幻灯片插入幻灯片编号和页脚“实训总结”。"}),
         L({"实训总结|计算机应用一班", "实训内容|（在此插入表格）", "收获|动手能力明显提高"}),
         {{s("表格内容.txt"), L({"项目,课时", "Word排版,12", "Excel数据处理,16"})}},
         {},
         {{s("效果1.jpg"), s("第2张：插入表格并套用样式"), Sheet, L({"项目,课时", "Word排版,12", "Excel数据处理,16"}), 200},
          {s("效果2.jpg"), s("页眉和页脚：幻灯片编号，页脚“实训总结”"), Dialog,
           L({"☐ 日期和时间", "幻灯片编号：是", "页脚：实训总结"}), 200}}},
        {"ppt", "06",
         L({"打开题目文档，完成以下操作后保存：", "1. 在第1张幻灯片插入考生文件夹中的图片“校徽.jpg”，放在左上角。",
            "2. 在第2张幻灯片插入SmartArt图形“基本流程”，依次输入“报名”“培训”“考试”。",
            "3. 为第2张幻灯片的SmartArt图形设置“淡出”动画。"}),
         L({"技能证书考试指南|教务处", "考试流程|（在此插入SmartArt图形）"}),
         {},
         {{s("校徽.jpg"), s("校徽"), Scene, L({"职业学校"}), 200}},
         {{s("效果1.jpg"), s("第1张：左上角插入校徽"), Slide, L({"技能证书考试指南", "[图片] 校徽.jpg", "教务处"}), 300},
          {s("效果2.jpg"), s("第2张：SmartArt基本流程"), Slide, L({"考试流程", "报名 → 培训 → 考试"}), 300}}},
    };
}

bool fail(QString* error, const QString& why)
{
    if (error) *error = why;
    return false;
}

bool write(const QString& path, const QByteArray& bytes, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return fail(error, QStringLiteral("cannot write ") + path);
    return true;
}

// A text file as the tree holds them: code page 936, CR LF after each line.
bool writeText(const QString& path, const QStringList& lines, QString* error)
{
    const auto bytes = plat::encode936(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    if (!bytes) return fail(error, QStringLiteral("not code page 936: ") + path);
    return write(path, *bytes, error);
}

bool writePicture(const QString& path, const DemoPicture& pic, QString* error)
{
    const QByteArray jpg = pictures::jpeg(pic);
    if (jpg.isEmpty()) return fail(error, QStringLiteral("cannot draw ") + path);
    return write(path, jpg, error);
}

}  // namespace

bool generateAdvancedExercises(const QString& materialsFolder, QString* error)
{
    const QString root = materialsFolder + QStringLiteral("/bk/高级应用/");
    // The working-document folder exists before the first opening.
    if (!QDir().mkpath(root + QStringLiteral("题目文档/tm"))) return fail(error, QStringLiteral("cannot create 题目文档/tm"));
    for (const AdvancedDemo& a : table()) {
        const QString kind = s(a.kind);
        const QString name = kind + s(a.number);
        QByteArray doc;
        QString ext;
        if (kind == QLatin1String("word")) {
            doc = office::wordDocument(a.document.first(), a.document.mid(1));
            ext = QStringLiteral("docx");
        } else if (kind == QLatin1String("excel")) {
            doc = office::workbook(a.document.first(), a.document.mid(1));
            ext = QStringLiteral("xlsx");
        } else {
            doc = office::presentation(a.document);
            ext = QStringLiteral("pptx");
        }
        if (!write(root + QStringLiteral("题目文档/bk/") + name + '.' + ext, doc, error)) return false;
        if (!writeText(root + QStringLiteral("题目内容/") + name + QStringLiteral(".txt"), a.question, error)) return false;
        const QString material = root + QStringLiteral("素材/") + name + '/';
        if (!QDir().mkpath(material)) return fail(error, QStringLiteral("cannot create ") + material);
        for (const MaterialText& t : a.texts)
            if (!writeText(material + t.file, t.lines, error)) return false;
        for (const DemoPicture& pic : a.materials)
            if (!writePicture(material + pic.file, pic, error)) return false;
        for (const DemoPicture& pic : a.effects)
            if (!writePicture(root + QStringLiteral("参考效果/") + name + '/' + pic.file, pic, error)) return false;
    }
    return true;
}

}  // namespace demotree
