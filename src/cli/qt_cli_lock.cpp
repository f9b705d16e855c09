// The tool's Qt part takes the editor's QLockFile locks.
#include "adapters/qt_file_lock.h"
#include "cli/cli_lock.h"

namespace zirdan::cli {
namespace {

const bool kInstalled = InstallCliFileLocks(QtFileLocks());

}  // namespace
}  // namespace zirdan::cli
