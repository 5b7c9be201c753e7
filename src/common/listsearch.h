#pragma once
// Finding a text among the entries of a list box or a combo box.
#include <QString>

class QWidget;

// The zero-based index of the first entry equal to the text (exact) or
// beginning with it (not exact), letter case aside; -1 when there is none or
// when the control is neither a list box (QListWidget) nor a combo box
// (QComboBox). A file list box or a directory list box counts as neither.
int uFindListItem(QWidget* control, const QString& text, bool exact);
