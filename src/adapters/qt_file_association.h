#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "core/op_result.h"

namespace zirdan {

// Runs a desktop tool with its arguments; returns its exit code, or -1 when it could not
// run. Tests pass one that records the calls.
using DesktopToolRunner = std::function<int(const QString& program, const QStringList& arguments)>;

// The runner that starts the tool when it is on the PATH; a missing tool counts as
// success, since the desktop then reads the files at its next start.
DesktopToolRunner SystemDesktopTools();

// Registers ".LOG" for the running program: on Windows the file-class keys (under the
// current user's classes when the machine-wide root refuses the write), elsewhere a
// per-user desktop entry and MIME package under `dataHome` ($XDG_DATA_HOME), made the
// default handler of the logbook type. Stops at the first failure; what was written stays.
OpResult RegisterLogFileType(const QString& executablePath, const QString& dataHome,
                             const DesktopToolRunner& runTool);

// Where the per-user registration goes: $XDG_DATA_HOME, else ~/.local/share.
QString UserDataHome();

}  // namespace zirdan
