#include "env/help_topics.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "core/file_open.h"
#include "env/data_files.h"

namespace zirdan {
namespace {

constexpr std::array kTopics = {
    HelpTopic{kHelpMainWindow, "index.html"},
    HelpTopic{kHelpDiveList, "dive_list.html"},
    HelpTopic{kHelpDiveFields, "dive_fields.html"},
    HelpTopic{kHelpNote, "note.html"},
    HelpTopic{kHelpOtherField, "other_field.html"},
    HelpTopic{kHelpNewDive, "new_dive.html"},
    HelpTopic{kHelpDeleteDive, "delete_dive.html"},
    HelpTopic{kHelpImport, "import.html"},
    HelpTopic{kHelpDownload, "download.html"},
    HelpTopic{kHelpJoin, "join.html"},
    HelpTopic{kHelpShowGraph, "show_graph.html"},
    HelpTopic{kHelpPrinterSetup, "printer_setup.html"},
    HelpTopic{kHelpPrintGraph, "print_graph.html"},
    HelpTopic{kHelpPrintText, "print_text.html"},
    HelpTopic{kHelpPrintA4, "print_a4.html"},
    HelpTopic{kHelpTextOutput, "text_output.html"},
    HelpTopic{kHelpConversions, "conversions.html"},
    HelpTopic{kHelpSettings, "settings.html"},
    HelpTopic{kHelpDiveType, "dive_type.html"},
    HelpTopic{kHelpActivity, "activity.html"},
    HelpTopic{kHelpErrors, "errors.html"},
    HelpTopic{kHelpPrintRange, "print_range.html"},
    HelpTopic{kHelpGraphWindow, "graph_window.html"},
    HelpTopic{kHelpStatistics, "statistics.html"},
    HelpTopic{kHelpOverview, "overview.html"},
    HelpTopic{kHelpRenumber, "renumber.html"},
    HelpTopic{kHelpSplit, "split.html"},
    HelpTopic{kHelpSearch, "search.html"},
    HelpTopic{kHelpGettingStarted, "getting_started.html"},
    HelpTopic{kHelpUddfExport, "uddf_export.html"},
};

struct NamedContext {
  std::string_view Name;
  int Context;
};

// The windows' own contexts. The message box has none: it belongs to whatever asked.
constexpr std::array kWindows = {
    NamedContext{"FormMain", kHelpMainWindow},       NamedContext{"DialogTyp", kHelpDiveType},
    NamedContext{"DialogAktivita", kHelpActivity},   NamedContext{"DialogChyby", kHelpErrors},
    NamedContext{"FormQuery", kHelpDiveFields},  // the pick lists of earlier values
    NamedContext{"FormPrenos", kHelpDownload},       NamedContext{"FormInfo", kHelpDownload},
    NamedContext{"FormVyber", kHelpImport},          NamedContext{"FormGraf", kHelpGraphWindow},
    NamedContext{"FormStatistika", kHelpStatistics}, NamedContext{"FormPrehled", kHelpOverview},
    NamedContext{"FormHledat", kHelpSearch},         NamedContext{"FormCislo", kHelpRenumber},
    NamedContext{"FormHodnota", kHelpSettings},      NamedContext{"FormJazyk", kHelpSettings},
    NamedContext{"DialogTisk", kHelpPrintRange},
};

// The main window's controls with a topic of their own; the fields not named here share
// the dive-fields page.
constexpr std::array kMainWindowControls = {
    NamedContext{"ListBox1", kHelpDiveList},   NamedContext{"EditPoznamka", kHelpNote},
    NamedContext{"LabelPoznamka", kHelpNote},  NamedContext{"SoupakPoznamka", kHelpNote},
    NamedContext{"EditJiny", kHelpOtherField}, NamedContext{"EditTypPonoru", kHelpDiveType},
    NamedContext{"Button1", kHelpDiveType},    NamedContext{"EditTypAktivity", kHelpActivity},
    NamedContext{"Button2", kHelpActivity},    NamedContext{"EditChyby", kHelpErrors},
    NamedContext{"Button3", kHelpErrors},      NamedContext{"PaintBox1", kHelpShowGraph},
    NamedContext{"Spotreba", kHelpDiveFields}, NamedContext{"Plnost", kHelpDiveFields},
    NamedContext{"Button4", kHelpDiveFields},  NamedContext{"Button5", kHelpDiveFields},
    NamedContext{"Button6", kHelpDiveFields},
};

// Menu items, and menus whose items all share their menu's topic.
constexpr std::array kMenuItems = {
    NamedContext{"Npovda2", kHelpMainWindow},
    NamedContext{"Zanme1", kHelpGettingStarted},
    NamedContext{"Novponor1", kHelpNewDive},
    NamedContext{"Zruitponor1", kHelpDeleteDive},
    NamedContext{"Peslovat1", kHelpRenumber},
    NamedContext{"NastZirdana1", kHelpDownload},
    NamedContext{"Importovatponor1", kHelpImport},
    NamedContext{"Spojitgraf1", kHelpJoin},
    NamedContext{"Rozdlitponor1", kHelpSplit},
    NamedContext{"Zobrazitgraf1", kHelpShowGraph},
    NamedContext{"Hledat1", kHelpSearch},
    NamedContext{"Hledatdal1", kHelpSearch},
    NamedContext{"Nastaventiskrny1", kHelpPrinterSetup},
    NamedContext{"Tisktextu1", kHelpPrintText},
    NamedContext{"Tiskgrafu1", kHelpPrintGraph},
    NamedContext{"TiskA41", kHelpPrintA4},
    NamedContext{"TiskA4lich1", kHelpPrintA4},
    NamedContext{"TiskA4sud1", kHelpPrintA4},
    NamedContext{"Vstupdotextovhosouboru1", kHelpTextOutput},
    NamedContext{"Konverze1", kHelpConversions},
    NamedContext{"ExportdoUDDF1", kHelpUddfExport},
    NamedContext{"Statistika2", kHelpStatistics},
    NamedContext{"Prehled1", kHelpOverview},
    NamedContext{"Nastaveni1", kHelpSettings},
    NamedContext{"Interfacejenaportu1", kHelpSettings},
    NamedContext{"Kdovntextovchsoubor1", kHelpSettings},
};

template <std::size_t N>
int Lookup(const std::array<NamedContext, N>& table, std::string_view name) {
  const auto found = std::find_if(table.begin(), table.end(),
                                  [name](const NamedContext& row) { return row.Name == name; });
  return found == table.end() ? 0 : found->Context;
}

bool IsDiveField(std::string_view control) {
  return control.starts_with("Edit") || control.starts_with("ComboBox");
}

}  // namespace

std::span<const HelpTopic> HelpTopics() {
  return kTopics;
}

std::string_view HelpPageName(int context) {
  const auto found = std::find_if(kTopics.begin(), kTopics.end(),
                                  [context](const HelpTopic& t) { return t.Context == context; });
  return found == kTopics.end() ? kTopics.front().Page : found->Page;
}

std::string_view HelpLanguageFolder(int language) {
  return language == 2 ? "cs" : "en";
}

std::string HelpPageFile(int language, int context) {
  return "help/" + std::string(HelpLanguageFolder(language)) + "/" +
         std::string(HelpPageName(context));
}

std::string FindHelpPage(const std::string& executableDir, int language, int context) {
  const std::string own = FindDataFile(executableDir, HelpPageFile(language, context));
  std::error_code ec;
  if (std::filesystem::exists(PathFromUtf8(own), ec)) return own;
  const std::string english = FindDataFile(executableDir, HelpPageFile(1, context));
  return std::filesystem::exists(PathFromUtf8(english), ec) ? english : own;
}

int HelpContextOfControl(std::string_view window, std::string_view control) {
  if (control.empty()) return Lookup(kWindows, window);
  if (window != "FormMain") return 0;
  if (const int context = Lookup(kMainWindowControls, control)) return context;
  return IsDiveField(control) ? int{kHelpDiveFields} : 0;
}

int HelpContextOfMenuItem(std::string_view item) {
  return Lookup(kMenuItems, item);
}

}  // namespace zirdan
