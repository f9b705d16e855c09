#include "interchange/xml_text.h"

#include "core/win1250.h"

namespace zirdan {

void AppendXmlText(std::string& out, std::string_view win1250) {
  // Every byte the escaping looks at is below 0x80, which UTF-8 keeps as it is.
  for (const char c : Win1250ToUtf8(win1250)) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      case '\r':
        out += "&#13;";
        break;
      case '\t':
      case '\n':
        out += c;
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20)
          out += "\xEF\xBF\xBD";  // U+FFFD
        else
          out += c;
    }
  }
}

void AppendXmlElement(std::string& out, std::string_view name, std::string_view win1250) {
  out += '<';
  out += name;
  out += '>';
  AppendXmlText(out, win1250);
  out += "</";
  out += name;
  out += '>';
}

}  // namespace zirdan
