// The window sections of the shipped Language.ini against the windows' Designer files: every
// caption the user reads is translated in both languages, no key misses its component, the
// Czech set is the design-time one, and the English keyboard accelerators do not clash.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/win1250.h"
#include "env/language_load.h"
#include "env/translation_file.h"

namespace zirdan {
namespace {

// ---- A small reader of Designer (.ui) files, enough for the captions and the menus

// One component that can carry a caption: a label, button, group box, menu or menu item.
struct TUiComponent {
  std::string className;  // "QLabel", ..., "action" for a menu item
  std::string name;
  std::string caption;  // Windows-1250, spaces at both ends dropped as the INI reader does
};

struct TUiFile {
  std::string windowTitle;  // Windows-1250
  std::vector<TUiComponent> components;
  // Menu name (and "" for the menu bar) -> its items and submenus, top to bottom.
  std::map<std::string, std::vector<std::string>> menus;
};

const std::set<std::string>& CaptionedClasses() {
  static const std::set<std::string> classes = {"QLabel",    "QPushButton", "QRadioButton",
                                                "QCheckBox", "QGroupBox",   "QMenu"};
  return classes;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// The value of attribute `name` in the tag that starts at `from`.
std::string Attribute(const std::string& text, std::size_t from, const std::string& name) {
  const std::size_t tagEnd = text.find('>', from);
  const std::size_t at = text.find(" " + name + "=\"", from);
  if (at == std::string::npos || at > tagEnd) return {};
  const std::size_t begin = at + name.size() + 3;
  return text.substr(begin, text.find('"', begin) - begin);
}

// Where the element whose start tag begins at `from` ends (past its closing tag), counting
// nested elements of the same tag name.
std::size_t ElementEnd(const std::string& text, std::size_t from, const std::string& tag) {
  const std::size_t tagEnd = text.find('>', from);
  if (text[tagEnd - 1] == '/') return tagEnd + 1;
  const std::string open = "<" + tag, close = "</" + tag + ">";
  int depth = 1;
  std::size_t pos = tagEnd + 1;
  while (depth > 0) {
    const std::size_t nextOpen = text.find(open, pos);
    const std::size_t nextClose = text.find(close, pos);
    if (nextClose == std::string::npos) return text.size();
    if (nextOpen < nextClose) {
      const std::size_t innerEnd = text.find('>', nextOpen);
      if (text[innerEnd - 1] != '/') ++depth;
      pos = innerEnd + 1;
    } else {
      --depth;
      pos = nextClose + close.size();
    }
  }
  return pos;
}

// The inside of an element without the widgets nested in it: a group box's or a menu's
// own properties and items, not those of its children.
std::string OwnPart(const std::string& text, std::size_t from, const std::string& tag) {
  const std::size_t begin = text.find('>', from) + 1;
  const std::size_t end = ElementEnd(text, from, tag);
  std::string own;
  std::size_t pos = begin;
  while (pos < end) {
    const std::size_t nested = text.find("<widget ", pos);
    if (nested == std::string::npos || nested >= end) {
      own += text.substr(pos, end - pos);
      break;
    }
    own += text.substr(pos, nested - pos);
    pos = ElementEnd(text, nested, "widget");
  }
  return own;
}

std::string UnescapeXml(std::string text) {
  static const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (auto [entity, plain] : entities)
    for (std::size_t at = text.find(entity); at != std::string::npos;
         at = text.find(entity, at + 1))
      text.replace(at, std::string(entity).size(), plain);
  return text;
}

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The string of property `property` in `part`, as Windows-1250; empty when there is none.
std::string StringProperty(const std::string& part, const std::string& property) {
  const std::size_t at = part.find("<property name=\"" + property + "\">");
  if (at == std::string::npos) return {};
  const std::size_t open = part.find("<string", at);
  const std::size_t tagEnd = part.find('>', open);
  if (part[tagEnd - 1] == '/') return {};
  const std::size_t close = part.find("</string>", tagEnd);
  return Trim(Utf8ToWin1250(UnescapeXml(part.substr(tagEnd + 1, close - tagEnd - 1))));
}

std::vector<std::string> AddedActions(const std::string& part) {
  std::vector<std::string> names;
  for (std::size_t at = part.find("<addaction "); at != std::string::npos;
       at = part.find("<addaction ", at + 1)) {
    const std::string name = Attribute(part, at, "name");
    if (name != "separator") names.push_back(name);
  }
  return names;
}

TUiFile ScanUiText(const std::string& text) {
  TUiFile ui;
  ui.windowTitle = StringProperty(text, "windowTitle");
  for (std::size_t at = text.find("<widget "); at != std::string::npos;
       at = text.find("<widget ", at + 1)) {
    const std::string className = Attribute(text, at, "class");
    const std::string name = Attribute(text, at, "name");
    const std::string own = OwnPart(text, at, "widget");
    if (className == "QMenuBar") ui.menus[""] = AddedActions(own);
    if (className == "QMenu") ui.menus[name] = AddedActions(own);
    if (!CaptionedClasses().count(className)) continue;
    const bool titled = className == "QGroupBox" || className == "QMenu";
    ui.components.push_back({className, name, StringProperty(own, titled ? "title" : "text")});
  }
  for (std::size_t at = text.find("<action "); at != std::string::npos;
       at = text.find("<action ", at + 1)) {
    const std::string own = OwnPart(text, at, "action");
    ui.components.push_back({"action", Attribute(text, at, "name"), StringProperty(own, "text")});
  }
  return ui;
}

TUiFile ScanUi(const std::string& path) {
  return ScanUiText(ReadWhole(path));
}

TEST(UiFileReader, FindsCaptionsTitlesAndMenusButNotTheCaptionsOfNestedWidgets) {
  const TUiFile ui = ScanUiText(
      "<ui><widget class=\"QMainWindow\" name=\"W\"><property name=\"windowTitle\">"
      "<string>Okno</string></property>\n"
      "<widget class=\"QGroupBox\" name=\"G\"><property name=\"title\"><string/></property>"
      "<widget class=\"QCheckBox\" name=\"C\"><property name=\"text\"><string>Ano &amp; "
      "ne -&gt; </string></property></widget></widget>\n"
      "<widget class=\"QMenuBar\" name=\"B\"><widget class=\"QMenu\" name=\"M\">"
      "<property name=\"title\"><string>&amp;Menu</string></property>"
      "<widget class=\"QMenu\" name=\"S\"><property name=\"title\"><string>Sub</string>"
      "</property><addaction name=\"X\"/></widget>"
      "<addaction name=\"A\"/><addaction name=\"separator\"/><addaction name=\"S\"/>"
      "</widget><addaction name=\"M\"/></widget></widget>\n"
      "<action name=\"A\"><property name=\"text\"><string>Čas</string></property></action>"
      "<action name=\"X\"><property name=\"text\"><string></string></property></action></ui>");
  EXPECT_EQ(ui.windowTitle, "Okno");
  std::map<std::string, std::string> captions;
  for (const TUiComponent& c : ui.components) captions[c.name] = c.caption;
  EXPECT_EQ(captions, (std::map<std::string, std::string>{{"G", ""},
                                                          {"C", "Ano & ne ->"},
                                                          {"M", "&Menu"},
                                                          {"S", "Sub"},
                                                          {"A",
                                                           "\xC8"
                                                           "as"},
                                                          {"X", ""}}));
  EXPECT_EQ(ui.menus.at(""), std::vector<std::string>{"M"});
  EXPECT_EQ(ui.menus.at("M"), (std::vector<std::string>{"A", "S"}));
  EXPECT_EQ(ui.menus.at("S"), std::vector<std::string>{"X"});
}

// ---- The translated windows

struct TWindowUi {
  const char* path;  // from the source tree's root
  const char* window;
  std::set<std::string> runtimeNames;  // components whose captions the program builds
  bool checkBoxesAtRunTime;            // check boxes captioned from the category names
};

// The value items of the settings menu and the message that gives each its label.
const std::map<std::string, std::string>& ValueItemLabels() {
  static const std::map<std::string, std::string> labels = {
      {"mingrf", "StrMinGrf"},
      {"PocPon", "StrPocPon"},
      {"Levokrajtisku1", "StrLevyOkraj"},
      {"Pravokrajtisku1", "StrPravyOkraj"},
      {"Vechnyokrajetisku1", "StrVsechnyOkraje"},
      {"ItemPFont", "StrPFont"},
      {"ItemNPFont", "StrNPFont"}};
  return labels;
}

std::vector<TWindowUi> TranslatedWindows() {
  std::set<std::string> mainRuntime = {"p1", "p2", "p3", "p4", "p5"};
  for (const auto& [item, key] : ValueItemLabels()) mainRuntime.insert(item);
  return {
      {"src/ui/form_main.ui", "FormMain", mainRuntime, false},
      {"src/ui/form_jazyk.ui", "FormJazyk", {}, false},
      {"src/ui/form_prenos.ui", "FormPrenos", {}, false},
      {"src/ui/form_info.ui", "FormInfo", {}, false},
      {"src/ui/form_hodnota.ui", "FormHodnota", {"Label1"}, false},
      {"src/ui/form_cislo.ui", "FormCislo", {}, false},
      {"src/ui/form_graf.ui", "FormGraf", {}, false},
      {"src/ui/form_query.ui", "FormQuery", {}, false},
      {"src/ui/dialog_typ.ui",
       "DialogTyp",
       {"Nitrox", "SCR", "Obycejny", "Jojo", "Bezdekompresni", "dekompresni", "Sladka", "Morska"},
       false},
      {"src/ui/dialog_aktivita.ui", "DialogAktivita", {}, true},
      {"src/ui/dialog_chyby.ui", "DialogChyby", {}, true},
      {"src/ui/form_vyber.ui", "FormVyber", {}, false},
      {"src/ui/form_hledat.ui", "FormHledat", {}, false},
  };
}

bool CaptionedAtRunTime(const TWindowUi& w, const TUiComponent& c) {
  return w.runtimeNames.count(c.name) || (w.checkBoxesAtRunTime && c.className == "QCheckBox");
}

// The components that the window's section must name: those with a design-time caption
// that the program does not replace.
std::map<std::string, std::string> TranslatableCaptions(const TWindowUi& w, const TUiFile& ui) {
  std::map<std::string, std::string> captions;
  for (const TUiComponent& c : ui.components)
    if (!c.caption.empty() && !CaptionedAtRunTime(w, c)) captions[c.name] = c.caption;
  return captions;
}

// The letter that "&" marks, upper-cased; 0 when there is none ("&&" is a plain "&").
char Accelerator(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return Win1250ToUpper(caption[i + 1]);
    ++i;
  }
  return 0;
}

class ShippedWindowTexts : public ::testing::Test {
 protected:
  static std::string SourcePath(const std::string& relative) {
    return std::string(ZIRDAN_SOURCE_DIR) + "/" + relative;
  }
  static constexpr const char* kAbsent = "(absent)";
  const TTranslationFile m_file = TTranslationFile::Load(SourcePath("data/Language.ini"));
};

TEST_F(ShippedWindowTexts, TheDesignerFilesAreFound) {
  for (const TWindowUi& w : TranslatedWindows()) {
    const TUiFile ui = ScanUi(SourcePath(w.path));
    EXPECT_FALSE(ui.windowTitle.empty()) << w.path;
  }
  EXPECT_GT(TranslatableCaptions(TranslatedWindows()[0], ScanUi(SourcePath("src/ui/form_main.ui")))
                .size(),
            80u);
}

TEST_F(ShippedWindowTexts, EverySectionNamesExactlyTheTranslatableComponents) {
  for (const TWindowUi& w : TranslatedWindows()) {
    const TUiFile ui = ScanUi(SourcePath(w.path));
    const std::map<std::string, std::string> captions = TranslatableCaptions(w, ui);
    for (int language : {1, 2}) {
      const std::string section = SectionName(w.window, language);
      const std::vector<std::string> keys = m_file.Keys(section);
      ASSERT_FALSE(keys.empty()) << section;
      for (const auto& [name, caption] : captions) {
        // The key must match the name exactly: the translation step compares case.
        const bool named = std::find(keys.begin(), keys.end(), name) != keys.end();
        EXPECT_TRUE(named) << section << " lacks " << name;
      }
      for (const std::string& key : keys) {
        if (key == "Caption") continue;
        EXPECT_TRUE(captions.count(key))
            << section << " names " << key
            << ", which is no component with a caption of its own in " << w.path;
        const std::string text = m_file.Read(section, key, kAbsent);
        EXPECT_FALSE(text.empty()) << section << " " << key;
        EXPECT_NE(text, "Error") << section << " " << key;
      }
    }
  }
}

TEST_F(ShippedWindowTexts, EveryWindowButTheMainOneHasItsCaption) {
  for (const TWindowUi& w : TranslatedWindows()) {
    for (int language : {1, 2}) {
      const std::string section = SectionName(w.window, language);
      const std::string caption = m_file.Read(section, "Caption", kAbsent);
      if (std::string(w.window) == "FormMain") {
        // The main window shows the program's name and version, which no key may hide.
        EXPECT_EQ(caption, kAbsent) << section;
      } else {
        EXPECT_NE(caption, kAbsent) << section;
        EXPECT_FALSE(caption.empty()) << section;
        EXPECT_NE(caption, "Error") << section;  // would be ignored
      }
    }
  }
}

TEST_F(ShippedWindowTexts, CzechTextsAreTheDesignTimeCaptions) {
  for (const TWindowUi& w : TranslatedWindows()) {
    const TUiFile ui = ScanUi(SourcePath(w.path));
    const std::string section = SectionName(w.window, 2);
    for (const auto& [name, caption] : TranslatableCaptions(w, ui))
      EXPECT_EQ(Win1250ToUtf8(m_file.Read(section, name)), Win1250ToUtf8(caption))
          << section << " " << name;
    if (std::string(w.window) != "FormMain") {
      EXPECT_EQ(Win1250ToUtf8(m_file.Read(section, "Caption")), Win1250ToUtf8(ui.windowTitle))
          << section;
    }
  }
}

// The English caption of a main-window menu or item, as the user sees it once the
// language is loaded.
std::string EnglishCaption(const TTranslationFile& file, const std::string& name) {
  const auto value = ValueItemLabels().find(name);
  if (value != ValueItemLabels().end()) return file.Read("Strings1", value->second);
  return file.Read("FormMain1", name);
}

TEST_F(ShippedWindowTexts, EnglishMenuItemsHaveTheirOwnAcceleratorWithinEachMenu) {
  const TUiFile ui = ScanUi(SourcePath("src/ui/form_main.ui"));
  ASSERT_EQ(ui.menus.size(), 10u);  // the menu bar, its seven menus and two submenus
  for (const auto& [menu, items] : ui.menus) {
    std::map<char, std::string> taken;
    for (const std::string& item : items) {
      if (item.size() == 2 && item[0] == 'p') continue;  // recent files: file names
      const std::string caption = EnglishCaption(m_file, item);
      const char letter = Accelerator(caption);
      EXPECT_NE(letter, 0) << menu << ": " << item << " \"" << caption << "\"";
      if (letter == 0) continue;
      const auto [clash, fresh] = taken.emplace(letter, caption);
      EXPECT_TRUE(fresh) << "menu " << (menu.empty() ? "bar" : menu) << ": \"" << caption
                         << "\" and \"" << clash->second << "\" share &" << letter;
    }
  }
}

TEST_F(ShippedWindowTexts, EnglishButtonsOfADialogHaveDifferentAccelerators) {
  for (const TWindowUi& w : TranslatedWindows()) {
    const TUiFile ui = ScanUi(SourcePath(w.path));
    std::map<char, std::string> taken;
    for (const TUiComponent& c : ui.components) {
      if (c.className == "QMenu" || c.className == "action") continue;
      const std::string caption = m_file.Read(SectionName(w.window, 1), c.name, "");
      const char letter = Accelerator(caption);
      if (letter == 0) continue;
      const auto [clash, fresh] = taken.emplace(letter, caption);
      EXPECT_TRUE(fresh) << w.window << ": \"" << caption << "\" and \"" << clash->second
                         << "\" share &" << letter;
    }
  }
}

// The field labels head the lines of the text output (cut at 21 characters, the value
// following at once) and the columns of the CSV export (tab-separated).
TEST_F(ShippedWindowTexts, FieldLabelsFitTheTextOutputColumn) {
  for (int language : {1, 2}) {
    const std::string section = SectionName("FormMain", language);
    for (int i = 1; i <= 20; ++i) {
      const std::string key = "Label" + std::to_string(i);
      const std::string label = m_file.Read(section, key);
      // "Other" stands indented by three in a column of 18.
      const std::size_t room = key == "Label20" ? 17 : 20;
      EXPECT_LE(label.size(), room) << section << " " << key << " \"" << label << "\"";
      EXPECT_EQ(label.find('\t'), std::string::npos) << section << " " << key;
      EXPECT_EQ(Accelerator(label), 0) << section << " " << key;
    }
  }
}

TEST_F(ShippedWindowTexts, FileErrorMessagesAreThereInBothLanguages) {
  EXPECT_EQ(Win1250ToUtf8(m_file.Read("Strings2", "chybaZapisu")), "Chyba při zápisu");
  EXPECT_EQ(Win1250ToUtf8(m_file.Read("Strings2", "chybaCteni")), "Chyba při čtení");
  for (const char* key : {"chybaZapisu", "chybaCteni"}) {
    const std::string english = m_file.Read("Strings1", key, kAbsent);
    EXPECT_NE(english, kAbsent) << key;
    EXPECT_NE(english, "Error") << key;
    EXPECT_FALSE(english.empty()) << key;
  }
}

}  // namespace
}  // namespace zirdan
