// The random operation practice questions of the demo tree, in one table.
#include "demotree/gen_practice.h"

#include "demotree/exercises.h"
#include "demotree/gen_shared.h"

namespace demotree {
namespace {

using gen::s;
using gen::L;

struct MaterialFile {
    const char* path;  // relative to the question's material folder
    const char* text;  // written in code page 936 with CR LF; nullptr: an empty folder
};

struct PracticeQuestion {
    const char* kind;
    const char* name;  // the question name: no "." of its own
    const char* ext;
    // docx: title, then paragraphs; xlsx: sheet name, then rows; pptx: one
    // slide per entry "title|line|line"; win: the lines of the text document.
    QStringList document;
    QStringList text;  // the question text, one entry per line
    QList<MaterialFile> material;
    QList<DemoPicture> samples;
    // Pictures among the material; their file is relative to the material folder.
    QList<DemoPicture> materialPictures = {};
};

QList<PracticeQuestion> practiceTable()
{
    using enum Sketch;
    return {
        {"word", "word字体段落", "docx",
         L({"网络安全小常识", "不要随意点击来历不明的链接，也不要扫描陌生人发来的二维码。",
               "设置密码时应当同时使用字母、数字和符号，并且不同的网站使用不同的密码。",
               "公共场所的免费无线网络可能存在风险，尽量不要在其中登录网上银行或输入个人信息。"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭文档：", "1. 将标题“网络安全小常识”设置为隶书、二号、加粗、居中。",
               "2. 将正文各段设置为宋体、小四号，首行缩进2字符，行距为1.5倍。",
               "3. 在正文第二段的段后插入 D:\\实训素材 文件夹中“补充说明.txt”的内容。"}),
         {{"补充说明.txt", "定期更新操作系统和杀毒软件，可以修补已经发现的安全漏洞。"}},
         {{s("样图1.jpg"), s("标题隶书二号加粗居中，正文首行缩进"), Page, L({"网络安全小常识", "1"}), 300},
          {s("样图2.jpg"), s("段落设置：首行缩进2字符，1.5倍行距"), Dialog,
           L({"特殊格式：首行缩进", "磅值：2字符", "行距：1.5倍行距"}), 220}}},

        {"word", "word表格", "docx",
         L({"课程表", "请在下面插入一个6行6列的表格，制作本班的课程表。"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭文档：", "1. 在第二段之后插入一个6行6列的表格。",
               "2. 第一行依次输入“节次、星期一、星期二、星期三、星期四、星期五”，并将第一行设置为加粗、居中。",
               "3. 按 D:\\实训素材 文件夹中“课程安排.txt”的内容填写表格的其余各行。",
               "4. 为整个表格添加所有框线，外框线为1.5磅。"}),
         {{"课程安排.txt", "第1节,语文,数学,英语,计算机,体育\n第2节,数学,语文,计算机,英语,语文\n第3节,英语,计算机,数学,语文,数学\n"
                           "第4节,计算机,英语,语文,数学,班会\n第5节,体育,美术,音乐,计算机,自习"}},
         {{s("样图1.jpg"), s("完成后的课程表"), Sheet,
           L({"节次,星期一,星期二,星期三,星期四,星期五", "第1节,语文,数学,英语,计算机,体育", "第2节,数学,语文,计算机,英语,语文",
                 "第3节,英语,计算机,数学,语文,数学", "第4节,计算机,英语,语文,数学,班会", "第5节,体育,美术,音乐,计算机,自习"}),
           260}}},

        {"excel", "excel公式计算", "xlsx",
         L({"工资表", "编号,姓名,基本工资,奖金,扣款,实发工资", "1,周华,3200,800,120,", "2,吴敏,3500,650,80,",
               "3,郑涛,2980,920,60,", "4,孙丽,3320,700,150,", "5,钱进,3100,880,90,"}),
         L({"打开题目文档，在“工资表”中按以下要求完成操作后保存并关闭：", "1. 用公式计算每人的实发工资：实发工资 = 基本工资 + 奖金 - 扣款。",
               "2. 在第7行用函数计算基本工资、奖金、扣款和实发工资的平均值，A7单元格输入“平均值”。",
               "3. 将平均值保留两位小数。"}),
         {{"计算说明.txt", "实发工资 = 基本工资 + 奖金 - 扣款\n平均值请使用AVERAGE函数"}},
         {{s("样图1.jpg"), s("计算实发工资和平均值后的工资表"), Sheet,
           L({"编号,姓名,基本工资,奖金,扣款,实发工资", "1,周华,3200,800,120,3880", "2,吴敏,3500,650,80,4070",
                 "3,郑涛,2980,920,60,3840", "4,孙丽,3320,700,150,3870", "5,钱进,3100,880,90,3890",
                 "平均值,,3220.00,790.00,100.00,3910.00"}),
           300},
          {s("样图2.jpg"), s("F2单元格的公式"), Dialog, L({"F2：=C2+D2-E2", "C7：=AVERAGE(C2:C6)"}), 200},
          {s("样图3.jpg"), s("设置单元格格式：数值，两位小数"), Dialog, L({"分类：数值", "小数位数：2"}), 200}}},

        {"excel", "excel筛选", "xlsx",
         L({"图书表", "书号,书名,类别,单价,库存", "1001,计算机基础,计算机,35.5,120", "1002,唐诗选读,文学,28,45",
               "1003,网络技术,计算机,42,18", "1004,中国历史,历史,39.8,60", "1005,办公软件应用,计算机,31,75",
               "1006,宋词赏析,文学,26.5,30"}),
         L({"打开题目文档，在“图书表”中按以下要求完成操作后保存并关闭：", "1. 对数据区域使用自动筛选。",
               "2. 筛选出类别为“计算机”并且库存大于50的图书。", "3. 将标题行的填充颜色设置为浅绿色。"}),
         {{"筛选条件.txt", "类别：计算机\n库存：大于50"}},
         {{s("样图1.jpg"), s("筛选后的图书表"), Sheet,
           L({"书号,书名,类别,单价,库存", "1001,计算机基础,计算机,35.5,120", "1005,办公软件应用,计算机,31,75"}), 240},
          {s("样图2.jpg"), s("自定义自动筛选：库存大于50"), Dialog, L({"库存：大于", "值：50"}), 200}}},

        {"ppt", "ppt背景版式", "pptx",
         L({"家乡的四季|春夏秋冬，各有风景", "春天|桃花盛开|柳枝发芽", "秋天|稻谷金黄|果实累累"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭：", "1. 将所有幻灯片的背景设置为渐变填充，预设颜色为“雨后初晴”。",
               "2. 将第2张幻灯片的版式改为“两栏内容”，并在右栏插入 D:\\实训素材 文件夹中的图片“春天.jpg”。",
               "3. 在最后插入一张“仅标题”版式的幻灯片，标题为“谢谢观看”。"}),
         {},
         {{s("样图1.jpg"), s("第2张幻灯片：两栏内容版式"), Slide, L({"春天", "桃花盛开", "柳枝发芽", "[图片] 春天.jpg"}), 300},
          {s("样图2.jpg"), s("第4张幻灯片：仅标题"), Slide, L({"谢谢观看"}), 260}},
         {{s("春天.jpg"), s("春天"), Scene, L({"桃花"}), 240}}},

        {"ppt", "ppt超链接", "pptx",
         L({"计算机应用基础|课程导航", "目录|第一章 计算机基础|第二章 办公软件|第三章 网络基础", "第一章 计算机基础|硬件与软件",
               "第二章 办公软件|文字、表格与演示", "第三章 网络基础|浏览、下载与邮件"}),
         L({"打开题目文档，按以下要求完成操作后保存并关闭：", "1. 为第2张幻灯片中的三行目录分别设置超链接，链接到对应章节的幻灯片。",
               "2. 在第3至第5张幻灯片的右下角各插入一个“后退”动作按钮，单击时返回第2张幻灯片。",
               "3. 所有幻灯片的切换方式设置为“推进”。"}),
         {{"链接说明.txt", "第一章 计算机基础 -> 第3张\n第二章 办公软件 -> 第4张\n第三章 网络基础 -> 第5张"}},
         {{s("样图1.jpg"), s("第2张幻灯片：目录带超链接"), Slide,
           L({"目录", "第一章 计算机基础（链接）", "第二章 办公软件（链接）", "第三章 网络基础（链接）"}), 300}}},

        {"windows", "windows复制移动", "win",
         L({"Windows基本操作实训", "题目：复制与移动", "工作文件夹：D:\\winsys", "请按照题目要求在工作文件夹中完成操作，不需要打开本文档。"}),
         L({"在 D:\\winsys 文件夹中完成以下操作：", "1. 将“文档”文件夹中的“简历.txt”复制到“备份”文件夹中。",
               "2. 将“文档”文件夹中的“草稿.txt”移动到“备份”文件夹中，并重命名为“旧草稿.txt”。",
               "3. 在“备份”文件夹中新建文件夹“图片备份”，把“图片”文件夹中的所有文件复制进去。"}),
         {{"winsys/文档/简历.txt", "姓名：\n班级：\n特长："},
          {"winsys/文档/草稿.txt", "这是一份草稿。"},
          {"winsys/图片/图片说明.txt", "图片文件夹"},
          {"winsys/备份", nullptr}},
         {{s("样图1.jpg"), s("完成后的 D:\\winsys 文件夹"), Folders,
           L({"winsys", " 备份", "  图片备份", "   图片说明.txt", "  简历.txt", "  旧草稿.txt", " 图片", "  图片说明.txt", " 文档",
                 "  简历.txt"}),
           320}}},

        {"windows", "windows重命名删除", "win",
         L({"Windows基本操作实训", "题目：重命名与删除", "工作文件夹：D:\\winsys", "请按照题目要求在工作文件夹中完成操作，不需要打开本文档。"}),
         L({"在 D:\\winsys 文件夹中完成以下操作：", "1. 将“临时”文件夹中的“旧文件.txt”删除。",
               "2. 将“作品”文件夹重命名为“我的作品”。", "3. 将“我的作品”文件夹中的“作品1.txt”设置为隐藏属性。",
               "4. 在 D:\\winsys 文件夹中为“我的作品”文件夹创建快捷方式。"}),
         {{"winsys/临时/旧文件.txt", "可以删除的旧文件。"},
          {"winsys/作品/作品1.txt", "我的第一个作品。"},
          {"winsys/作品/作品2.txt", "我的第二个作品。"}},
         {{s("样图1.jpg"), s("完成后的 D:\\winsys 文件夹"), Folders,
           L({"winsys", " 临时", " 我的作品", "  作品1.txt（隐藏）", "  作品2.txt", " 我的作品 - 快捷方式"}), 280},
          {s("样图2.jpg"), s("“作品1.txt”的属性：隐藏"), Dialog, L({"文件名：作品1.txt", "属性：☑ 隐藏"}), 200}}},
    };
}

}  // namespace

bool generatePracticeQuestions(const QString& materialsFolder, QString* error)
{
    for (const PracticeQuestion& q : practiceTable()) {
        const QString bank = bankFolder(materialsFolder, s(q.kind)) + '/';
        const QString name = s(q.name);
        const QString pristine = bank + QStringLiteral("bk/") + name + '.' + s(q.ext);
        // ".win" documents are text; the others real Office files.
        QString officeExt;
        const bool office = s(q.ext) != QLatin1String("win");
        if (!(office ? gen::writeBytes(pristine, gen::officeDocument(s(q.kind), q.document, &officeExt), error)
                     : gen::writeLines(pristine, q.document, error)))
            return false;
        if (!gen::writeLines(bank + QStringLiteral("题目内容/") + name + QStringLiteral(".txt"), q.text, error)) return false;
        // Every question has its material folder, also when it holds nothing.
        const QString material = bank + QStringLiteral("素材/") + name;
        if (!gen::makeFolder(material, error)) return false;
        for (const MaterialFile& m : q.material) {
            const QString path = material + '/' + s(m.path);
            if (!(m.text ? gen::writeLines(path, s(m.text).split('\n'), error) : gen::makeFolder(path, error))) return false;
        }
        if (!gen::writePictures(material, q.materialPictures, error)) return false;
        if (!gen::writePictures(bank + QStringLiteral("样图/") + name, q.samples, error)) return false;
    }
    return true;
}

}  // namespace demotree
