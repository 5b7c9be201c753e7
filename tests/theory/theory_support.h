#pragma once
// Helpers shared by the theory window tests.
#include "forms/controls.h"
#include "forms/design.h"
#include "forms/form.h"
#include "forms/twips.h"

#include <QAbstractButton>
#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

namespace theory_test {

// Clicks a button the way the student can: it must be seen and enabled.
inline void click(forms::Form* f, const QString& name)
{
    auto* b = f->ctl<QAbstractButton>(name);
    ASSERT_NE(b, nullptr) << name.toStdString();
    ASSERT_TRUE(b->isVisible()) << "hidden: " << name.toStdString();
    ASSERT_TRUE(b->isEnabled()) << "disabled: " << name.toStdString();
    b->click();
}

// Every control that shows lies wholly inside its container.
inline QStringList controlsOutsideTheirFrame(const QWidget* top)
{
    QStringList out;
    for (const QWidget* w : top->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisible() || !w->parentWidget()) continue;
        QRect r = w->geometry();
        if (auto* line = qobject_cast<const forms::LineControl*>(w))  // the line, not its padded box
            r = QRect(QPoint(forms::tw(std::min(line->x1(), line->x2())), forms::tw(std::min(line->y1(), line->y2()))),
                      QPoint(forms::tw(std::max(line->x1(), line->x2())), forms::tw(std::max(line->y1(), line->y2()))));
        if (!w->parentWidget()->rect().contains(r)) out << w->objectName();
    }
    return out;
}

// A position in twips as it comes back after the trip through whole pixels.
inline int snapped(int twips) { return forms::toTw(forms::tw(twips)); }

inline QStringList filesOf(const QString& hostFolder)
{
    return QDir(hostFolder).entryList(QDir::Files, QDir::Name);
}

}  // namespace theory_test
