#include "platform/fontconfiguration.h"

#include <fontconfig/fontconfig.h>

namespace plat {

// The toolkit's font database asks for the same configuration later: once
// it is loaded, that costs nothing.
std::jthread readFontConfigurationAhead()
{
    return std::jthread([] { (void)FcInit(); });
}

}  // namespace plat
