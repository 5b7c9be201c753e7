// The task projects of the demo tree: a small table of tasks per area with
// the Office document each task starts from and its sample pictures.
#include "demotree/gen_tasks.h"

#include "demotree/exercises.h"
#include "demotree/gen_shared.h"

namespace demotree {
namespace {

using gen::L;
using gen::s;

struct DemoTask {
    const char* area;
    const char* name;
    // docx: title, then paragraphs; xlsx: sheet name, then rows; pptx: slides.
    QStringList document;
    QList<DemoPicture> samples;
};

QList<DemoTask> taskTable()
{
    using enum Sketch;
    return {
        {"word", "制作招生简章",
         L({"职业学校招生简章", "我校是一所以信息技术为特色的职业学校，开设计算机应用、电子商务、网络技术等专业。",
            "学校实训条件完善，拥有计算机房十二间、网络实训室两间，学生在校期间可考取相关职业技能证书。",
            "欢迎广大初中毕业生报考！咨询电话：0000-1234567。"}),
         {{s("样图1.jpg"), s("标题黑体二号居中，第二、三段分两栏"), Page, L({"职业学校招生简章", "2"}), 260}}},
        {"word", "编排校园通讯",
         L({"校园通讯", "本周学校举行了秋季运动会，同学们积极参加，取得了优异成绩。", "计算机社团招募新成员，欢迎有兴趣的同学报名。",
            "图书馆新到一批计算机类图书，欢迎借阅。"}),
         {{s("样图1.jpg"), s("首行缩进2字符，第三段分三栏"), Page, L({"校园通讯", "1"}), 240},
          {s("样图2.jpg"), s("页边距上下2厘米"), Dialog, L({"上：2厘米", "下：2厘米"}), 180}}},
        {"word", "设计个人简历", L({"个人简历", "姓名：", "学号：", "班级：", "特长：", "联系方式："}), {}},
        {"excel", "统计学生成绩",
         L({"成绩表", "编号,姓名,语文,数学,英语,总分", "1,李明,86,92,78,", "2,王芳,91,85,88,", "3,张强,75,98,80,",
            "4,赵丽,88,76,95,", "5,刘洋,93,89,84,", "6,陈静,80,91,90,"}),
         {{s("样图1.jpg"), s("按总分降序排序"), Sheet,
           L({"编号,姓名,总分", "5,刘洋,266", "2,王芳,264", "6,陈静,261", "4,赵丽,259"}), 220}}},
        {"excel", "制作销售报表",
         L({"销售表", "月份,一店,二店,三店,合计", "一月,120,98,105,", "二月,132,101,99,", "三月,128,110,121,"}),
         {{s("样图1.jpg"), s("计算合计并升序排序"), Sheet, L({"月份,合计", "一月,323", "二月,332", "三月,359"}), 200},
          {s("样图2.jpg"), s("表格加所有框线"), Sheet, L({"月份,一店,二店,三店,合计"}), 160}}},
        {"excel", "分析图书借阅", L({"借阅表", "类别,一月,二月,三月", "计算机,35,42,38", "文学,50,47,55", "历史,20,18,25"}), {}},
        {"ppt", "制作班级介绍",
         L({"我们的班级|计算机应用一班", "班级概况|共有学生四十二名|班主任：王老师", "班级口号|（在此加入口号）"}),
         {{s("样图1.jpg"), s("标题“飞入”动画"), Slide, L({"我们的班级", "计算机应用一班"}), 240},
          {s("样图2.jpg"), s("正文按段落“擦除”"), Slide, L({"班级概况", "共有学生四十二名", "班主任：王老师"}), 240}}},
        {"ppt", "设计旅游宣传", L({"美丽家乡|欢迎来做客", "风景名胜|青山|绿水|古镇"}),
         {{s("样图1.jpg"), s("应用主题，切换方式“推进”"), Slide, L({"美丽家乡", "欢迎来做客"}), 240}}},
        {"ppt", "展示实训成果", L({"实训成果展示|计算机应用一班", "作品一|网页设计"}), {}},
        {"network", "上传班级作业", {},
         {{s("样图1.jpg"), s("登录班级FTP服务器"), Transfer, L({"ftp://192.168.1.10", "D:\\SXNET\\Mission_One", "作业.txt|通知.txt", ""}), 220}}},
        {"network", "浏览班级网站", {},
         {{s("样图1.jpg"), s("打开班级网站"), Browser, L({"http://192.168.1.10:8088/", "欢迎访问班级网站", ""}), 220},
          {s("样图2.jpg"), s("另存为：网页，全部"), Browser,
           L({"http://192.168.1.10:8088/", "欢迎访问班级网站", "D:\\SXNET\\Mission_Two\\班级网站.htm"}), 220}}},
    };
}

}  // namespace

bool generateTaskProjects(const QString& materialsFolder, QString* error)
{
    const QString root = materialsFolder + QStringLiteral("/bk/任务项目/题库/");
    for (const DemoTask& t : taskTable()) {
        const QString area = s(t.area);
        const QString bank = root + area;
        const QString name = s(t.name);
        if (!t.document.isEmpty()) {
            QString ext;
            const QByteArray doc = gen::officeDocument(area, t.document, &ext);
            if (!gen::writeBytes(bank + QStringLiteral("/题目文档/") + name + '.' + ext, doc, error)) return false;
        }
        if (!gen::writePictures(bank + QStringLiteral("/样图/") + name, t.samples, error)) return false;
    }
    // The Windows question's style pictures.
    const DemoPicture winStyle{s("样图1.jpg"), s("完成后的 D:\\SXWIN"), Sketch::Folders,
                               {s("SXWIN"), s(" 资料"), s("  目录.txt"), s(" 新文件.txt（只读）")}, 220};
    return gen::writePictures(root + QStringLiteral("windows/样式/01"), {winStyle}, error);
}

}  // namespace demotree
