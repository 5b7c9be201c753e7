#pragma once
// A window whose area is not built yet: it exists under its name with a
// caption, so that the windows that show it can do so; closing it shows the
// main window again.
#include "forms/form.h"

namespace common {

class PlaceholderForm : public forms::Form {
    Q_OBJECT
public:
    PlaceholderForm(const char* name, const char* caption);
    void onUnload(bool& cancel) override;

private:
    forms::WindowSpec spec_;
};

}  // namespace common
