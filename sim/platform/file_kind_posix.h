// The kind of file a POSIX mode stands for, shared by the POSIX files that look at files.
#pragma once

#include "platform/files.h"

#include <sys/types.h>

namespace kadenzo::platform {

FileKind fileKindOfMode(mode_t mode);

} // namespace kadenzo::platform
