#pragma once
// Making a mock paper: the checks before anything changes, the choice
// questions, the workspace guard and reset, and the operation questions of
// each kind. The window runs these steps in order (see MockTestWindow) and
// reports what failed; each step returns the entries it could not copy or
// delete, one line each, so that an incomplete paper is never announced as
// made.
#include "common/guards.h"
#include "mocktest/paper/leveltable.h"
#include "mocktest/paper/mockstate.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace mocktest {

// What keeps a paper of this level from being made (a missing type
// introduction, choice bank, question bank, template or filler, or a bank
// too small for the level), as one message; "" when the sources are whole.
QString checkPaperSources(const LevelSpec& level);

// Puts back the mock exam folders and the working tree when an interrupted
// run left them under their probe names; false when one had to be named to
// the student (message shown).
bool recoverProbeLeftovers(QWidget* owner);

// The paper guard: no file-manager window on a mock exam folder, nothing held
// in them or in the working tree. All five folders at every level, since the
// reset rebuilds all five.
common::GuardList paperGuards();

// The type introduction of the level, every line followed by CR LF.
QString typeIntroduction(const LevelSpec& level);

// Step 4: K distinct choice questions into Label1..LabelK and the choice
// slot files MT\选择题\01.txt onwards.
QStringList uDrawMockChoiceQuestions(const LevelSpec& level, MockState& state);
// Where step 4 puts the slot files it replaces (a hidden folder of the
// working tree), and their removal, once the paper no longer waits on it.
QString replacedChoiceSlots();
void discardReplacedChoiceSlots();

// Step 6: the mock exam folder D:\KSDOC deleted, the level's kind folders
// of the working tree rebuilt from their templates.
QStringList uResetMockWorkspace(const LevelSpec& level);

// Step 7, one kind: numbers drawn into its labels, style and material lists
// filled, documents (and at 普通 and 困难 texts) copied, material copied to
// D: and to the pristine material copy; an exam folder left without a slot
// folder is removed again.
QStringList uPrepareKindQuestions(const LevelSpec& level, const LevelKind& kind, MockState& state);

// The message for a paper that could not be made whole.
QString incompletePaperMessage(const QStringList& failures);

// Working-tree paths of one slot of a kind (NN two digits).
QString pristineDocument(const QString& kind, const QString& ext, const QString& nn);  // MT\K\bk\KNN.E
QString workingDocument(const QString& kind, const QString& ext, const QString& nn);   // MT\K\题目文档\K_题目_NN.E
QString shownQuestionText(const QString& kind, const QString& nn);                     // MT\K\题目内容\KNN.txt
QString pristineMaterial(const QString& kind, const QString& nn);                      // MT\K\素材\考试素材\NN

}  // namespace mocktest
