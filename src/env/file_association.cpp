#include "env/file_association.h"

namespace zirdan {
namespace {

// A desktop entry's Exec program: quoted, with its reserved characters escaped, when it
// holds anything but plain path characters.
std::string ExecProgram(std::string_view program) {
  bool plain = !program.empty();
  for (const char c : program) {
    const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '/' || c == '.' || c == '-' || c == '_' || c == '+';
    plain = plain && safe;
  }
  if (plain) return std::string(program);
  std::string quoted = "\"";
  for (const char c : program) {
    // The entry's string escape doubles the backslash that the quoting rule asks for.
    if (c == '"' || c == '`' || c == '$') quoted += "\\\\";
    if (c == '\\')
      quoted += "\\\\\\\\";
    else if (c == '%')
      quoted += "%%";
    else
      quoted += c;
  }
  quoted += '"';
  return quoted;
}

}  // namespace

std::vector<FileClassValue> FileClassValues(std::string_view executablePath) {
  const std::string exe(executablePath);
  const std::string docClass(kLogDocumentClass);
  const std::string command = exe + " \"%1\"";
  return {
      {std::string(kLogExtension), "", docClass},
      {std::string(kLogExtension), "Content Type", std::string(kLogContentType)},
      {docClass, "", std::string(kLogDocumentDescription)},
      {docClass + "\\DefaultIcon", "", exe + ",1"},
      {docClass + "\\shell\\open", "", "Open"},
      {docClass + "\\shell\\open\\command", "", command},
      {docClass + "\\shell\\printto\\command", "", command},
  };
}

std::string DesktopEntryText(std::string_view exec) {
  std::string text;
  text += "[Desktop Entry]\n";
  text += "Type=Application\n";
  text += "Version=1.0\n";
  text += "Name=Zirdan LOG Editor\n";
  text += "GenericName=Dive Logbook Editor\n";
  text += "GenericName[cs]=Editor potápěčského deníku\n";
  text += "Comment=Edit the logbook of a Zirdan dive computer\n";
  text += "Comment[cs]=Úpravy deníku z potápěčského počítače Zirdan\n";
  text += "Exec=" + ExecProgram(exec) + " %f\n";
  text += "Icon=" + std::string(kApplicationIconName) + "\n";
  text += "Terminal=false\n";
  text += "MimeType=" + std::string(kLogContentType) + ";\n";
  text += "Categories=Education;Sports;\n";
  text += "Keywords=dive;diving;logbook;scuba;Zirdan;\n";
  return text;
}

std::string MimePackageText() {
  std::string text;
  text += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  text += "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
  text += "  <mime-type type=\"" + std::string(kLogContentType) + "\">\n";
  text += "    <comment>" + std::string(kLogDocumentDescription) + "</comment>\n";
  text += "    <comment xml:lang=\"cs\">Potápěčský deník z aplikace Zirdan LOG Editor</comment>\n";
  text += "    <sub-class-of type=\"application/octet-stream\"/>\n";
  text += "    <icon name=\"" + std::string(kDocumentIconName) + "\"/>\n";
  // Upper case only: "*.log" is everyone's plain-text log, which must stay with the text
  // editor; the dive computer's logbooks are named in capitals.
  text += "    <glob pattern=\"*" + std::string(kLogExtension) +
          "\" case-sensitive=\"true\" weight=\"60\"/>\n";
  text += "  </mime-type>\n";
  text += "</mime-info>\n";
  return text;
}

}  // namespace zirdan
