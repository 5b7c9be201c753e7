// network知识点窗格: the network mind-map menu. Closing it stops the practice
// web and FTP servers that its exercises start.
#include "knowledge/mindmap.h"
#include "knowledge/mindmap_design.h"

namespace knowledge {
namespace network {
using namespace design;

constexpr int kPointW = 1800;
constexpr int kPointH = 400;

const Control kDesign[] = {
    line("Line01", 2520, 3960, 10920, 3960, kShown),
    line("Line3", 3960, 3960, 3960, 5725, kShown),
    line("Line4", 7320, 3960, 7320, 5725, kShown),
    line("Line5", 10920, 3960, 10920, 5725, kShown),
    line("Line1", 960, 2040, 3600, 2040, kShown, kDecorationColour),
    line("Line31", 2160, 2040, 2160, 3480, kShown),
    line("Line32", 2400, 2040, 2400, 3360, kShown),
    line("Line04", 3960, 5800, 3960, 7565, kHidden),
    line("Line05", 3960, 6960, 5520, 6960, kHidden),
    line("Line06", 3960, 7560, 5520, 7560, kHidden),
    line("Line07", 7320, 5800, 7320, 8765, kHidden),
    line("Line08", 7320, 6960, 8880, 6960, kHidden),
    line("Line09", 7320, 7560, 8880, 7560, kHidden),
    line("Line10", 7320, 8160, 8880, 8160, kHidden),
    line("Line11", 7320, 8760, 8880, 8760, kHidden),
    line("Line02", 10920, 5800, 10920, 6960, kHidden),
    line("Line03", 10920, 6960, 12960, 6960, kHidden),

    title("网络知识点实训标题", 120, 1200, 4335, 735, true),
    root("network", 1680, 3360),
    button("iftpi", "Ftp", 3360, 5280, 1215, 735, kShown),
    button("iwebi", "Web", 6720, 5280, 1215, 735, kShown),
    button("imaili", "Mail", 10320, 5280, 1215, 735, kShown),
    collapse("减2", 3840, 6000),
    collapse("减1", 7200, 6000),
    collapse("减4", 10800, 6000),

    button("上传", "上传", 4440, 6720, kPointW, kPointH, kHidden),
    button("下载", "下载", 4440, 7320, kPointW, kPointH, kHidden),
    button("保存页面", "保存页面", 7920, 6720, kPointW, kPointH, kHidden),
    button("保存网页内容", "保存网页内容", 7920, 7320, kPointW, kPointH, kHidden),
    button("保存网页", "保存网页", 7920, 7920, kPointW, kPointH, kHidden),
    button("下载附件", "下载附件", 7920, 8520, kPointW, kPointH, kHidden),
    button("收发邮件", "收发邮件", 11520, 6720, kPointW, kPointH, kHidden),
};

constexpr const char* kFirstLevel[] = {"Line01", "iftpi", "iwebi", "Line3", "Line4", "Line5", "imaili"};

constexpr const char* kFtp[] = {"Line04", "Line05", "Line06", "上传", "下载", "减2"};
constexpr const char* kWeb[] = {"Line07", "Line08", "Line09", "Line10", "Line11",
                                "保存页面", "保存网页", "保存网页内容", "下载附件", "减1"};
constexpr const char* kMail[] = {"减4", "Line02", "Line03", "收发邮件"};

const Branch kBranches[] = {
    {"iftpi", "减2", kFtp},
    {"iwebi", "减1", kWeb},
    {"imaili", "减4", kMail},
};

constexpr const char* kPoints[] = {"上传", "下载", "保存页面", "保存网页内容", "保存网页", "下载附件", "收发邮件"};

// The practice web and FTP servers, by the mock-test kill tools of level 入门.
common::ToolSet serversToStop() { return common::mockTestTools(QStringLiteral("入门")); }

}  // namespace network

const MenuSpec kNetworkMenu{
    .window = design::window("network知识点窗格", "知识点_network思维导图", 10110),
    .kind = "network",
    .extension = "net",
    .titleLabel = "网络知识点实训标题",
    .titleLine1 = "网络基本操作知识点",
    .modeTitle = "知识点_network思维导图",
    .design = network::kDesign,
    .firstLevel = network::kFirstLevel,
    .branches = network::kBranches,
    .points = network::kPoints,
    .serversToStop = network::serversToStop,
};

}  // namespace knowledge
