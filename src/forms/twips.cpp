#include "forms/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace forms {
namespace {
double& dpiOverride()
{
    static double d = 0;
    return d;
}
}  // namespace

double screenDpi()
{
    if (dpiOverride() > 0) return dpiOverride();
    if (auto* s = QGuiApplication::primaryScreen()) {
        const double d = s->logicalDotsPerInchX();
        if (d > 0) return d;
    }
    return 96.0;
}

void setScreenDpi(double dpi) { dpiOverride() = dpi; }

int tw(int twips) { return static_cast<int>(std::lround(twips * screenDpi() / 1440.0)); }

int toTw(int pixels) { return static_cast<int>(std::lround(pixels * 1440.0 / screenDpi())); }

}  // namespace forms
