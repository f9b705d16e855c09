#pragma once

#include "core/file_lock.h"

namespace zirdan {

// Locks made with QLockFile: the lock file holds the process id, the program and the
// computer's name, one a line. A lock is never taken to be stale for its age, only when
// its process is gone.
FileLockFactory QtFileLocks();

}  // namespace zirdan
