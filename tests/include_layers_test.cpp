// Every #include under src/ runs down the layer table the build declares (layers.txt in
// the build folder): a folder includes its own headers and those of the layers it may use,
// directly or through the layers below; the Qt-free layers include no Qt header. The build
// runs this check, so a wrong-way include fails it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Layer {
  std::string Kind;                // logic, qt or program
  std::vector<std::string> Names;  // the layers it names
};
using LayerTable = std::map<std::string, Layer>;

LayerTable ReadLayerTable(const fs::path& path) {
  LayerTable table;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string name;
    Layer layer;
    if (!(words >> name >> layer.Kind)) continue;
    for (std::string dep; words >> dep;) layer.Names.push_back(dep);
    table[name] = layer;
  }
  return table;
}

// The layers a folder may include: itself and everything it names, followed down.
std::set<std::string> Reachable(const LayerTable& table, const std::string& from) {
  std::set<std::string> seen{from};
  std::vector<std::string> open{from};
  while (!open.empty()) {
    const std::string name = open.back();
    open.pop_back();
    const auto it = table.find(name);
    if (it == table.end()) continue;
    for (const std::string& dep : it->second.Names)
      if (seen.insert(dep).second) open.push_back(dep);
  }
  return seen;
}

// The wrong includes of one source file, as "file:line: reason".
std::vector<std::string> CheckFile(const fs::path& file, const std::string& folder,
                                   const LayerTable& table) {
  static const std::regex kQuoted(R"(^\s*#\s*include\s*"([^"]+)\")");
  static const std::regex kQtHeader(R"(^\s*#\s*include\s*<(Q[A-Za-z]*|Qt[A-Za-z]+/[^>]*)>)");
  const std::set<std::string> allowed = Reachable(table, folder);
  const bool logic = table.at(folder).Kind == "logic";
  std::vector<std::string> faults;
  std::ifstream in(file);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string where = file.string() + ":" + std::to_string(number) + ": ";
    std::smatch m;
    if (logic && std::regex_search(line, m, kQtHeader)) {
      faults.push_back(where + "a Qt-free layer includes <" + m[1].str() + ">");
      continue;
    }
    if (!std::regex_search(line, m, kQuoted)) continue;
    const std::string header = m[1].str();
    const std::size_t slash = header.find('/');
    if (slash == std::string::npos) {
      // Only the header uic makes from a form of the same folder goes without its folder.
      const bool ownForm = header.starts_with("ui_") && header.ends_with(".h") &&
                           fs::exists(file.parent_path() / (header.substr(3, header.size() - 5) + ".ui"));
      if (!ownForm) faults.push_back(where + "\"" + header + "\" does not name its folder");
      continue;
    }
    const std::string target = header.substr(0, slash);
    if (!allowed.contains(target))
      faults.push_back(where + folder + "/ may not include " + target + "/ (\"" + header + "\")");
  }
  return faults;
}

TEST(IncludeLayers, EverySourceFileIncludesOnlyDownTheLayerTable) {
  const LayerTable table = ReadLayerTable(fs::path(ZIRDAN_BINARY_DIR) / "layers.txt");
  ASSERT_TRUE(table.contains("core")) << "layers.txt lists no layer";
  std::vector<std::string> faults;
  std::size_t files = 0;
  for (const fs::directory_entry& folder : fs::directory_iterator(fs::path(ZIRDAN_SOURCE_DIR) / "src")) {
    if (!folder.is_directory()) continue;
    const std::string name = folder.path().filename().string();
    if (!table.contains(name)) {
      faults.push_back(folder.path().string() + ": a folder the layer table does not list");
      continue;
    }
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder.path())) {
      const std::string ext = entry.path().extension().string();
      if (ext != ".h" && ext != ".cpp") continue;
      ++files;
      for (std::string& fault : CheckFile(entry.path(), name, table)) faults.push_back(std::move(fault));
    }
  }
  EXPECT_GT(files, 100u);
  for (const std::string& fault : faults) ADD_FAILURE() << fault;
}

TEST(IncludeLayers, TheTableRunsOneWay) {
  const LayerTable table = ReadLayerTable(fs::path(ZIRDAN_BINARY_DIR) / "layers.txt");
  EXPECT_EQ(Reachable(table, "core"), std::set<std::string>{"core"}) << "core includes only core";
  for (const auto& [name, layer] : table) {
    for (const auto& [other, otherLayer] : table) {
      if (other == name || !Reachable(table, other).contains(name)) continue;
      EXPECT_FALSE(Reachable(table, name).contains(other)) << name << " and " << other << " form a cycle";
      EXPECT_NE(layer.Kind, "program") << other << " uses the program folder " << name;
      if (otherLayer.Kind == "logic") {
        EXPECT_EQ(layer.Kind, "logic") << other << " is Qt-free but uses " << name;
      }
    }
  }
}

}  // namespace
