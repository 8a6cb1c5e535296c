#pragma once
// The registry's error for a value that cannot be stored, shared by the
// backends: "Failed to set data for 'Value'", with the system's cause on a
// second line when there is one ("No space left on device").

#include "platform/Registry.h"

#include <string>
#include <string_view>

namespace platform {

ERegistryException SetDataError(std::string_view name, const std::string& cause = {});

} // namespace platform
