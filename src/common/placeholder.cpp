#include "common/placeholder.h"

#include "common/navigation.h"
#include "forms/runtime.h"

#include <QLabel>
#include <QVBoxLayout>

namespace common {

PlaceholderForm::PlaceholderForm(const char* name, const char* caption)
    : forms::Form(forms::WindowSpec{name, caption, 8700, 3660})
{
    auto* l = new QLabel(QStringLiteral("此功能尚未开放。"), this);
    l->setObjectName(QStringLiteral("占位说明"));
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(rect());
}

void PlaceholderForm::onUnload(bool&) { forms::show(kMainWindowName); }

}  // namespace common
