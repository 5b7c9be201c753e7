#pragma once
// 恢复本题 of the mock test: the open question's material folder on D: and
// its working question document put back as the paper handed them out.
#include "mocktest/paper/mockstate.h"

class QWidget;

namespace mocktest {

enum class MockRestore { Refused, Declined, SourceMissing, Failed, Restored };

// Guards the kind's mock exam folder (in-use probe, then file-manager
// window; network too) and the working document, asks "是否恢复?", checks
// every source, then rebuilds the slot's material (at 普通 the whole exam
// folder) and the document and says "题目已恢复". A failure is reported,
// never shown as success.
MockRestore restoreMockQuestion(const MockState& state, QWidget* owner);

}  // namespace mocktest
