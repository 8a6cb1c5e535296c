#include "platform/StandardStreams.h"

namespace platform {

void UseBinaryStandardStreams() {}

} // namespace platform
