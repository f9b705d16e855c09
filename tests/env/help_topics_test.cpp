#include "env/help_topics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "env/language_load.h"
#include "env/translation_file.h"
#include "support/scratch_files.h"

namespace zirdan {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = ZIRDAN_SOURCE_DIR;
const fs::path kHelp = kSource / "data" / "help";

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The object names of one kind of element of a window layout ("widget", "action").
std::vector<std::string> LayoutNames(const fs::path& layout, const std::string& element) {
  const std::string text = ReadText(layout);
  const std::regex pattern("<" + element + "[^>]* name=\"([A-Za-z0-9_]+)\"");
  std::vector<std::string> names;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
       it != std::sregex_iterator(); ++it)
    names.push_back((*it)[1]);
  return names;
}

void ExpectPagesInBothLanguages(int context, const std::string& where) {
  const auto& topics = HelpTopics();
  EXPECT_TRUE(std::any_of(topics.begin(), topics.end(),
                          [context](const HelpTopic& t) { return t.Context == context; }))
      << where << ": context " << context << " has no topic of its own";
  for (const char* folder : {"en", "cs"})
    EXPECT_TRUE(fs::exists(kHelp / folder / HelpPageName(context)))
        << where << ": no " << folder << " page " << HelpPageName(context);
}

// Every help context the main window and its windows carry opens a page that exists in
// English and in Czech; every field and button of the main window has a context.
TEST(HelpTopics, EveryContextOfTheWindowsHasAPageInBothLanguages) {
  for (const HelpTopic& topic : HelpTopics())
    ExpectPagesInBothLanguages(topic.Context, std::string(topic.Page));

  const fs::path mainLayout = kSource / "src/ui/form_main.ui";
  for (const std::string& control : LayoutNames(mainLayout, "widget")) {
    const bool field = control.starts_with("Edit") || control.starts_with("ComboBox") ||
                       control.starts_with("Button") || control == "ListBox1";
    const int context = HelpContextOfControl("FormMain", control);
    if (field) {
      EXPECT_NE(context, 0) << control << " has no help";
    }
    if (context) ExpectPagesInBothLanguages(context, control);
  }
  int menuItemsWithTopics = 0;
  for (const std::string& item : LayoutNames(mainLayout, "action")) {
    if (const int context = HelpContextOfMenuItem(item)) {
      ExpectPagesInBothLanguages(context, item);
      ++menuItemsWithTopics;
    }
  }
  EXPECT_GE(menuItemsWithTopics, 20);

  int windowsWithTopics = 0;
  for (const auto& entry : fs::directory_iterator(kSource / "src/ui")) {
    if (entry.path().extension() != ".ui") continue;
    const std::string window = LayoutNames(entry.path(), "widget").front();
    if (const int context = HelpContextOfControl(window, "")) {
      ExpectPagesInBothLanguages(context, window);
      ++windowsWithTopics;
    }
  }
  EXPECT_GE(windowsWithTopics, 15);

  EXPECT_EQ(HelpContextOfControl("FormMain", "EditPoznamka"), kHelpNote);
  EXPECT_EQ(HelpContextOfControl("FormMain", "EditDatum"), kHelpDiveFields);
  EXPECT_EQ(HelpContextOfControl("FormMain", "Button3"), kHelpErrors);
  EXPECT_EQ(HelpContextOfMenuItem("Npovda2"), kHelpMainWindow);
  EXPECT_EQ(HelpContextOfMenuItem("ExportdoUDDF1"), kHelpUddfExport);
  EXPECT_EQ(HelpPageName(12345), HelpPageName(kHelpMainWindow)) << "unknown numbers go home";
}

// The two languages hold the same pages, each page has a title, and every link between
// pages leads to a page of the same language.
TEST(HelpTopics, PagesAndTheirLinksAreCompleteInBothLanguages) {
  std::set<std::string> english, czech;
  for (const auto& e : fs::directory_iterator(kHelp / "en"))
    english.insert(e.path().filename().string());
  for (const auto& e : fs::directory_iterator(kHelp / "cs"))
    czech.insert(e.path().filename().string());
  EXPECT_EQ(english, czech);
  EXPECT_EQ(english.size(), HelpTopics().size());

  const std::regex link("href=\"([^\"#]*)(#[^\"]*)?\"");
  for (const char* folder : {"en", "cs"}) {
    for (const std::string& page : english) {
      const std::string text = ReadText(kHelp / folder / page);
      EXPECT_NE(text.find("<title>"), std::string::npos) << folder << "/" << page;
      EXPECT_NE(text.find("charset=utf-8"), std::string::npos) << folder << "/" << page;
      for (auto it = std::sregex_iterator(text.begin(), text.end(), link);
           it != std::sregex_iterator(); ++it) {
        const std::string target = (*it)[1];
        if (target.empty() || target.find(':') != std::string::npos) continue;
        EXPECT_TRUE(fs::exists(kHelp / folder / target))
            << folder << "/" << page << " links to missing " << target;
      }
    }
  }
}

// The pages follow the language of the translation file: its second language is Czech.
// A language without pages of its own, or a page missing in it, reads the English one.
TEST(HelpTopics, PagesFollowTheLanguageAndFallBackToEnglish) {
  const auto names =
      LanguageNames(TTranslationFile::Load((kSource / "data/Language.ini").string()));
  ASSERT_GE(names.size(), 2u);
  EXPECT_EQ(names[0], "English");
  EXPECT_EQ(HelpPageFile(1, kHelpDiveList), "help/en/dive_list.html");
  EXPECT_EQ(HelpPageFile(2, kHelpDiveList), "help/cs/dive_list.html");
  EXPECT_EQ(HelpPageFile(7, kHelpSplit), "help/en/split.html");

  test::ScratchFolder root;
  const std::string bin = root.File("bin") + "/";
  fs::create_directories(bin + "help/en");
  fs::create_directories(bin + "help/cs");
  test::WriteFileBytes(bin + "help/en/split.html", "<title>Split</title>");
  test::WriteFileBytes(bin + "help/en/index.html", "<title>Main</title>");
  test::WriteFileBytes(bin + "help/cs/index.html", "<title>Hlavni</title>");
  EXPECT_EQ(FindHelpPage(bin, 2, kHelpMainWindow), bin + "help/cs/index.html");
  EXPECT_EQ(FindHelpPage(bin, 2, kHelpSplit), bin + "help/en/split.html");
  EXPECT_EQ(FindHelpPage(bin, 1, kHelpSplit), bin + "help/en/split.html");
}

}  // namespace
}  // namespace zirdan
