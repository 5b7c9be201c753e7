#include "platform/fontconfiguration.h"

#include <QFontDatabase>
#include <QStringList>
#include <fontconfig/fontconfig.h>

namespace plat {

// The toolkit's font database asks for the same configuration later: once
// it is loaded, that costs nothing.
std::jthread readFontConfigurationAhead()
{
    return std::jthread([] { (void)FcInit(); });
}

// The font database may be used from any thread; it is locked while it is
// filled, so a window thread that needs it meanwhile waits for the list
// instead of building it a second time.
std::jthread fillFontDatabaseAhead()
{
    return std::jthread([] { (void)QFontDatabase::families(); });
}

}  // namespace plat
