#pragma once
// The sixteen windows of the platform, registered by name with the runtime.

namespace windows {

void registerAll();

}  // namespace windows
