#pragma once

#include <string>
#include <string_view>

namespace zirdan {

// Appends a Windows-1250 text as UTF-8 XML character data: "&", "<", ">" and both quotes
// become entities, a carriage return becomes "&#13;" (a parser would turn it into a line
// feed), and the control bytes XML 1.0 cannot carry at all become U+FFFD, so that any
// stored text gives a well-formed document.
void AppendXmlText(std::string& out, std::string_view win1250);

// Appends "<name>text</name>" with the text escaped as above.
void AppendXmlElement(std::string& out, std::string_view name, std::string_view win1250);

}  // namespace zirdan
