#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zirdan {

// Help context numbers: the contract between the windows and the help pages. A window or
// control carries one of these; each has a page of its own in every help language.
enum HelpContext : int {
  kHelpMainWindow = 10,
  kHelpDiveList = 20,
  kHelpDiveFields = 40,
  kHelpNote = 60,
  kHelpOtherField = 70,
  kHelpNewDive = 90,
  kHelpDeleteDive = 100,
  kHelpImport = 110,
  kHelpDownload = 120,
  kHelpJoin = 130,
  kHelpShowGraph = 140,
  kHelpPrinterSetup = 150,
  kHelpPrintGraph = 160,
  kHelpPrintText = 170,
  kHelpPrintA4 = 180,
  kHelpTextOutput = 190,
  kHelpConversions = 200,
  kHelpSettings = 210,
  kHelpDiveType = 220,
  kHelpActivity = 230,
  kHelpErrors = 240,
  kHelpPrintRange = 250,
  kHelpGraphWindow = 280,
  kHelpStatistics = 290,
  kHelpOverview = 310,
  kHelpRenumber = 330,
  kHelpSplit = 340,
  kHelpSearch = 350,
  kHelpGettingStarted = 360,
  kHelpUddfExport = 370,
};

// One help page: its context number and its file name inside a language's help folder.
struct HelpTopic {
  int Context;
  std::string_view Page;
};

// Every help topic, in context order.
std::span<const HelpTopic> HelpTopics();

// The page of a context number; an unknown number gets the main window's page, so that
// help always opens somewhere useful.
std::string_view HelpPageName(int context);

// The help folder of a language of the translation file (1 English, 2 Czech); any other
// language reads the English pages.
std::string_view HelpLanguageFolder(int language);

// The data-file name of a context's page in a language, such as "help/cs/dive_list.html".
std::string HelpPageFile(int language, int context);

// The page to show: the language's own page when it exists, else the English one. The
// path is found as every data file is (beside the executable, then the install prefix).
// `executableDir` ends with a separator.
std::string FindHelpPage(const std::string& executableDir, int language, int context);

// The context of a control of a window, both named by their object names ("FormMain",
// "EditPoznamka"); 0 when the control has none of its own. An empty control name asks
// for the window's own context.
int HelpContextOfControl(std::string_view window, std::string_view control);

// The context of a main-menu item ("Novponor1"); 0 when the item has none of its own.
int HelpContextOfMenuItem(std::string_view item);

}  // namespace zirdan
