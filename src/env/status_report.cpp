#include "env/status_report.h"

namespace zirdan {
namespace {

bool IsLetterOrDigit(unsigned char byte) {
  return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= 'a' && byte <= 'z');
}

// The whole degrees of a temperature text: what stands before its first "."; a text
// without "." is sent as nothing, as the form expects.
std::string_view WholeDegrees(std::string_view temperature) {
  const std::size_t point = temperature.find('.');
  return point == std::string_view::npos ? std::string_view() : temperature.substr(0, point);
}

// Cuts to at most `length` characters, dropping an escape the cut would split: "%e" alone
// would reach the form as a different text or be refused by the browser.
void CutAddress(std::string& address, std::size_t length) {
  if (address.size() <= length) return;
  address.resize(length);
  for (std::size_t back = 1; back <= 2 && back <= address.size(); ++back) {
    if (address[address.size() - back] == '%') {
      address.resize(address.size() - back);
      break;
    }
  }
}

}  // namespace

std::string UrlEncodeWin1250(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string encoded;
  encoded.reserve(bytes.size() * 3);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsLetterOrDigit(byte)) {
      encoded += c;
    } else if (byte == ' ') {
      encoded += '+';
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    }
  }
  return encoded;
}

std::string BuildStatusReportAddress(std::string_view formAddress, const ponorTxt& dive) {
  std::string address(formAddress);
  address += "?nazev=" + UrlEncodeWin1250(std::string_view(dive.Lokalita).substr(0, 20));
  address += "&dat=" + dive.Datum.substr(0, 10);
  address += "&cas=" + dive.Cas;
  address += "&mxh=" + dive.Hloubka;
  address += "&tpv=";
  address += WholeDegrees(dive.TeplotaVzduchu);
  address += "&tpx=";
  address += "&tpn=";
  address += WholeDegrees(dive.TeplotaVody);
  address += "&vih=&vid=&hod=0";
  address += "&pzn=" + UrlEncodeWin1250(dive.Poznamka);
  CutAddress(address, kStatusReportMaxLength);
  return address;
}

}  // namespace zirdan
