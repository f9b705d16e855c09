#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/encoding.h"
#include "core/record_layout.h"
#include "settings/settings_store.h"

namespace zirdan {

// Position and size of a window, in pixels.
struct WindowGeometry {
  int Top = 0;
  int Left = 100;
  int Width = 640;
  int Height = 480;
  bool operator==(const WindowGeometry&) const = default;
};

inline constexpr int kRecentFileCount = 5;

// Every setting in memory, one field per stored value; the defaults are those of an
// empty store. Check marks of menu items are held here too.
struct TAppSettings {
  int MTop = 0;                       // main window top edge, pixels
  int MLeft = 0;                      // main window left edge, pixels
  std::string Jazyk = "2";            // language, 1-based position in Language.ini's list
  int FontCharSet = 1;                // character set code of every window font
  int PocetMinutMeziGrafy = 5;        // minutes between graphs when joining and splitting
  int PocetPonoruProSoucet = 6;       // dives per subtotal in the statistics, 2..50
  bool CasZGrafu = true;              // take the dive time from the profile when longer
  bool KompatibilniAktivity = false;  // compatible activity format when saving
  bool ZirdanNitrox = false;          // nitrox model: default profile format 24
  bool ZirdanOxy = false;             // oxy model: default profile format 25
  bool Oboustranne = false;           // double-sided printing
  int LevyOkraj = 1500;               // left print margin, 1/10000 of the page
  int PravyOkraj = 0;                 // right print margin
  int VsechnyOkraje = 0;              // all print margins
  bool Barevne = false;               // print in colour
  std::string FontSerif = "MS Sans Serif";
  std::string FontCourier = "Courier New";
  int FontSerifSize = 8;     // points
  int FontCourierSize = 10;  // points
  int PortChecked = 0;       // checked port item 1..8, 0 = none checked
  // A port the system reported, chosen by its device name ("/dev/ttyACM0", "COM12") in
  // place of COM1..8; empty when one of those is chosen. Stored as "komunikace", "Port".
  std::string PortDevice;
  bool JenNovePonory = true;        // a download merges only dives newer than the last
  bool ZobrazovatInfo = false;      // show the information window after a download
  OutputEncodingSettings Kodovani;  // text-file encoding radio items, at most one on
  std::array<std::string, kRecentFileCount> Historie;  // recent files, most recent first
  WindowGeometry Graf{0, 100, 640, 480};
  WindowGeometry Statistika{0, 100, 640, 750};
  WindowGeometry Prehled{0, 100, 780, 750};
  // The dive-site status web form the status report opens ("zaklad", "StatusReportAddress").
  // Read only: an address the user never set follows the program's default.
  std::string StatusReportAddress = "https://lokality.brandivo.cz/lokality/lokstfrm.asp";

  // The numbered port the interface cable is on, 1..8, when PortDevice is empty.
  int Port() const { return PortChecked == 0 ? 1 : PortChecked; }
  // The default profile format of the model switches: nitrox, oxygen or basic.
  uint16_t DefaultProfileFormat() const {
    return ZirdanNitrox ? kFormatNitrox : ZirdanOxy ? kFormatOxygen : kFormatBasic;
  }
  Encoding OutputEncoding() const { return zirdan::OutputEncoding(Kodovani); }
  // The chosen language as a number (1-based); 0 when the stored text is not a number.
  int LanguageNumber() const;
};

// Reads every setting; missing or unreadable values take their defaults.
TAppSettings ReadAppSettings(const SettingsStore& store);
// Writes every setting in the order the editor writes them at exit. Returns false when
// the store refused a write (the remaining values are still attempted).
bool WriteAppSettings(const TAppSettings& settings, SettingsStore& store);

// Whether two file names name the same recent file (the editor ignores letter case).
using SameFileName = std::function<bool(const std::string&, const std::string&)>;
bool SameFileNameIgnoringAsciiCase(const std::string& a, const std::string& b);

// Puts a file name at the top of the recent-file list: an entry already there moves up
// and takes the new spelling, otherwise the oldest entry drops out. "Novy.log" is never
// added.
void AddRecentFile(std::array<std::string, kRecentFileCount>& recent, const std::string& name,
                   const SameFileName& same = SameFileNameIgnoringAsciiCase);

}  // namespace zirdan
