#pragma once
// The hand-over files: small code-page-936 text files in the materials tree
// through which one window hands its choice to the next. Paths are relative
// to the program folder, for uWriteTextFile / uReadTextLine / uReadLastLine.
#include "platform/textfile.h"

#include <QString>

namespace common {

inline const QString kIdentityFile = QStringLiteral("\\素材\\bk\\studentnumber.txt");
inline const QString kLaunchModeFile = QStringLiteral("\\素材\\bk\\one_or_more.txt");
inline const QString kMissionAreaFile = QStringLiteral("\\素材\\bk\\xz.txt");
inline const QString kCallMarkerFile = QStringLiteral("\\素材\\bk\\题库\\调用标记.txt");
inline const QString kRandomPracticeRequest = QStringLiteral("\\素材\\bk\\题库\\随机抽题练习.txt");
inline const QString kAdvancedRequest = QStringLiteral("\\素材\\bk\\高级应用\\题号.txt");
inline const QString kKnowledgeRequest = QStringLiteral("\\素材\\bk\\题库\\知识点与课本实训.txt");
inline const QString kVideoRequest = QStringLiteral("\\素材\\bk\\题库\\视频导向.txt");
inline const QString kTaskModeFile = QStringLiteral("\\素材\\bk\\任务项目\\model.txt");
inline const QString kTaskAreaFile = QStringLiteral("\\素材\\bk\\任务项目\\caption.txt");

// Reads line n of a hand-over file into a label; a file that is shorter (or
// missing) leaves the label with the text it had.
void readLineInto(QString& label, const QString& rel, int n);

// The message for a hand-over file that is not what it should be (larger
// than plat::kHandOverMaxBytes: its content is ignored); "" when the file is
// missing or fits.
QString handOverProblem(const QString& rel);

// At most `max` characters of a text read from a file, for a caption: a
// longer text is cut and ends with "…".
inline constexpr int kShownTextMax = 64;
QString shownPart(const QString& text, int max = kShownTextMax);

// Joins the values of a multi-line request with CR LF (the write adds the
// final CR LF).
QString joinLines(const QStringList& values);

// The fixed text of the user-info caption: mode title + this + key + "】"
// (a key of more than kShownTextMax characters is cut).
inline const QString kUserInfoCaption = QStringLiteral("               当前用户信息：【");
QString userInfoCaption(const QString& modeTitle, const QString& studentKey);

// Kind to extension ("word" -> "docx"); "" for an unknown kind.
QString extensionOf(const QString& kind);

}  // namespace common
