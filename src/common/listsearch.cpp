#include "common/listsearch.h"

#include "forms/controls.h"

#include <QComboBox>
#include <QListWidget>

namespace {
bool entryMatches(const QString& entry, const QString& text, bool exact)
{
    return exact ? entry.compare(text, Qt::CaseInsensitive) == 0 : entry.startsWith(text, Qt::CaseInsensitive);
}

template <class Entries>
int findIn(int count, Entries entry, const QString& text, bool exact)
{
    for (int i = 0; i < count; ++i)
        if (entryMatches(entry(i), text, exact)) return i;
    return -1;
}
}  // namespace

int uFindListItem(QWidget* control, const QString& text, bool exact)
{
    // File and directory list boxes show a list but are not list boxes.
    if (qobject_cast<forms::FileListBox*>(control) || qobject_cast<forms::DirListBox*>(control)) return -1;
    if (auto* list = qobject_cast<QListWidget*>(control))
        return findIn(list->count(), [list](int i) { return list->item(i)->text(); }, text, exact);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return findIn(combo->count(), [combo](int i) { return combo->itemText(i); }, text, exact);
    return -1;
}
