#include "demotree/exercises.h"

#include "demotree/gen_shared.h"

namespace demotree {

namespace {

using gen::s;
const auto list = gen::L;

QList<DemoExercise> table()
{
    using enum Sketch;
    return {
        {s("word"), s("分栏"), s("docx"), DemoServer::None,
         list({"信息技术与我们的生活",
               "信息技术已经走进了我们生活的方方面面。从清晨的天气预报到夜晚的网上课堂，从超市的扫码付款到医院的"
               "电子病历，处处都能看到计算机和网络的身影。",
               "计算机由硬件系统和软件系统两部分组成。硬件是看得见、摸得着的物理设备，软件则是指挥硬件工作的"
               "程序和数据。两者相互配合，计算机才能完成各种各样的任务。",
               "学好计算机应用基础，不仅能提高学习和工作的效率，也能帮助我们更好地适应信息社会。希望同学们在实训中"
               "多动手、多思考，把知识变成真正的本领。"}),
         {{s("样图1.jpg"), s("分栏效果：第二、三段分为两栏"), Page, list({"信息技术与我们的生活", "2"}), 320},
          {s("样图2.jpg"), s("分栏设置：两栏，栏间距2字符，加分隔线"), Page, list({"页面布局 → 分栏 → 更多分栏", "2"}), 280}},
         {}},

        {s("excel"), s("排序"), s("xlsx"), DemoServer::None,
         list({"成绩表", "编号,姓名,语文,数学,英语,总分", "1,李明,86,92,78,256", "2,王芳,91,85,88,264",
               "3,张强,75,98,80,253", "4,赵丽,88,76,95,259", "5,刘洋,93,89,84,266", "6,陈静,80,91,90,261"}),
         {{s("样图1.jpg"), s("按“总分”降序排序后的成绩表"), Sheet,
           list({"编号,姓名,语文,数学,英语,总分", "5,刘洋,93,89,84,266", "2,王芳,91,85,88,264", "6,陈静,80,91,90,261",
                 "4,赵丽,88,76,95,259", "1,李明,86,92,78,256", "3,张强,75,98,80,253"}),
           300},
          {s("样图2.jpg"), s("排序对话框：主要关键字“总分”，降序"), Sheet,
           list({"列,排序依据,次序", "主要关键字：总分,数值,降序", "次要关键字：数学,数值,降序"}), 220}},
         {}},

        {s("ppt"), s("动画效果"), s("pptx"), DemoServer::None,
         list({"我的校园|美丽的校园，快乐的成长", "校园一角|教学楼：宽敞明亮的教室|图书馆：安静的读书天地|操场：挥洒汗水的地方",
               "校园风景|（在此插入图片）"}),
         {{s("样图1.jpg"), s("第1张幻灯片：标题“飞入”，自左侧"), Slide, list({"我的校园", "美丽的校园，快乐的成长"}), 300},
          {s("样图2.jpg"), s("第2张幻灯片：正文“擦除”，按段落"), Slide,
           list({"校园一角", "教学楼：宽敞明亮的教室", "图书馆：安静的读书天地", "操场：挥洒汗水的地方"}), 300},
          {s("样图3.jpg"), s("第3张幻灯片：图片“缩放”进入"), Slide, list({"校园风景", "[图片] 校园.jpg"}), 300}},
         {{s("素材/ppt动画效果/校园.jpg"), s("校园风景"), Scene, list({"教学楼"}), 240}}},

        {s("windows"), s("新建文件"), s("win"), DemoServer::None, {},
         {{s("样图1.jpg"), s("完成后的 D:\\winsys 文件夹"), Folders,
           list({"winsys", " 资料", "  作业", "   通知.txt", "  说明.txt（只读）", " 图片", " 计划.docx"}), 300},
          {s("样图2.jpg"), s("“说明.txt”的属性：只读"), Dialog, list({"文件名：说明.txt", "类型：文本文档", "属性：☑ 只读"}), 220}},
         {}},

        {s("network"), s("保存网页"), s("net"), DemoServer::Web, {},
         {{s("样图1.jpg"), s("在浏览器中打开实训网站"), Browser,
           list({"http://192.168.1.10:8080/internet/", "实训网站首页", ""}), 300},
          {s("样图2.jpg"), s("另存为：网页，全部（*.htm;*.html）"), Browser,
           list({"http://192.168.1.10:8080/internet/", "实训网站首页", "D:\\实训素材\\2024001.htm"}), 300}},
         {}},

        {s("network"), s("下载"), s("net"), DemoServer::Ftp, {},
         {{s("样图1.jpg"), s("登录实训FTP服务器"), Transfer, list({"ftp://192.168.1.10", "D:\\实训素材", "软件说明.txt|图片", ""}), 280},
          {s("样图2.jpg"), s("下载完成后的 D:\\实训素材"), Transfer,
           list({"ftp://192.168.1.10", "D:\\实训素材", "软件说明.txt|图片", "软件说明.txt|2024001.jpg"}), 280}},
         {{s("server/network下载/图片/风景.jpg"), s("风景"), Scene, list({"青山绿水"}), 240}}},

        {s("network"), s("收发邮件"), s("net"), DemoServer::Mail, {},
         {{s("样图1.jpg"), s("在邮件管理器中写邮件"), Dialog,
           list({"收件人：2024001", "主题：作业提交", "正文：老师您好，这是我的实训作业。", "附件：通知.txt"}), 280},
          {s("样图2.jpg"), s("收件箱中收到的邮件"), Dialog,
           list({"发件人：2024001", "主题：作业提交", "附件：通知.txt（已保存到 D:\\实训素材）"}), 240}},
         {}},
    };
}

}  // namespace

const QList<DemoExercise>& demoExercises()
{
    static const QList<DemoExercise> t = table();
    return t;
}

QString bankFolder(const QString& materialsFolder, const QString& kind)
{
    return materialsFolder + QStringLiteral("/bk/题库/操作题/") + kind;
}

}  // namespace demotree
