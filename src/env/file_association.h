#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zirdan {

// What the program registers so that logbooks open in it with a double click. The
// same names serve the Windows file classes and the freedesktop MIME type.
inline constexpr std::string_view kLogExtension = ".LOG";
inline constexpr std::string_view kLogDocumentClass = "ZirdanLOGEditor.Dokument";
inline constexpr std::string_view kLogContentType = "application/zirdan";
inline constexpr std::string_view kLogDocumentDescription =
    "Diver logbook from application Zirdan LOG Editor";

// The editor's reverse-DNS application id: the name of its desktop entry and the id of its
// AppStream metadata, which software centres match by it.
inline constexpr std::string_view kApplicationId = "cz.brandivo.zirdanlog";

// The freedesktop file names: the desktop entry, the shared-mime-info package and the
// icon names of the program and of its logbook documents.
inline constexpr std::string_view kDesktopEntryName = "cz.brandivo.zirdanlog.desktop";
inline constexpr std::string_view kMimePackageName = "zirdanlog.xml";
inline constexpr std::string_view kApplicationIconName = "zirdanlog";
inline constexpr std::string_view kDocumentIconName = "application-zirdan";

// One value written under the file-classes root of the registry. `Key` uses "\" between
// its parts; an empty `Name` is the key's unnamed (default) value.
struct FileClassValue {
  std::string Key;
  std::string Name;
  std::string Data;
  bool operator==(const FileClassValue&) const = default;
};

// The values that register ".LOG", in the order they are written. `executablePath` is
// the program's full native path.
std::vector<FileClassValue> FileClassValues(std::string_view executablePath);

// The desktop entry of the editor. `exec` is the program as the entry starts it: a bare
// name found on the PATH for the installed entry, a full path for a per-user one (quoted
// here when it holds characters the entry format reserves).
std::string DesktopEntryText(std::string_view exec);

// The shared-mime-info package that names the logbook type.
std::string MimePackageText();

}  // namespace zirdan
