// A small logbook's UDDF document read back as another program would read it, with Qt's
// XML reader: every dive, its waypoints, and every link resolving to an element.
#include <gtest/gtest.h>

#include <QString>
#include <QXmlStreamReader>
#include <map>
#include <set>
#include <vector>

#include "core/win1250.h"
#include "env/field_labels.h"
#include "interchange/uddf_writer.h"
#include "support/dive_builders.h"

namespace zirdan {
namespace {

struct ReadDive {
  QString number;
  std::vector<double> times;   // seconds, one a waypoint
  std::vector<double> depths;  // metres
  std::vector<QString> links;
};

struct ReadDocument {
  std::map<QString, QString> elementOfId;  // id -> element name
  std::vector<QString> refs;
  std::vector<ReadDive> dives;
  std::vector<QString> buddyFirstNames;
  QString version;
};

ReadDocument Read(const std::string& utf8) {
  ReadDocument read;
  QXmlStreamReader xml(QByteArray::fromStdString(utf8));
  QString parent;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QString name = xml.name().toString();
    if (name == "uddf") read.version = xml.attributes().value("version").toString();
    if (xml.attributes().hasAttribute("id"))
      read.elementOfId[xml.attributes().value("id").toString()] = name;
    if (xml.attributes().hasAttribute("ref")) {
      read.refs.push_back(xml.attributes().value("ref").toString());
      if (!read.dives.empty()) read.dives.back().links.push_back(read.refs.back());
    }
    if (name == "dive") read.dives.emplace_back();
    if (name == "buddy") parent = name;
    if (name == "firstname" && parent == "buddy")
      read.buddyFirstNames.push_back(xml.readElementText());
    if (name == "divenumber") read.dives.back().number = xml.readElementText();
    if (name == "divetime") read.dives.back().times.push_back(xml.readElementText().toDouble());
    if (name == "depth") read.dives.back().depths.push_back(xml.readElementText().toDouble());
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line "
                               << xml.lineNumber();
  return read;
}

TEST(UddfReadBack, DivesWaypointsAndLinksComeBack) {
  TLogbook logbook;
  for (uint16_t n = 1; n <= 3; ++n) {
    ponor dive;
    dive.Cislo = n;
    dive.Lokalita = Utf8ToWin1250("Česko");
    dive.Misto = n == 2 ? "Lom" : "Vrak";
    dive.Partner = Utf8ToWin1250("Tomáš, Eva");
    dive.SpotrebaVzduchu = 12000;
    if (n != 2)
      test::SetProfile(dive, kFormatBasic, {{500, {}}, {1000, {}}, {750, {}}, {1250, {}}});
    logbook.Append(dive);
  }
  TMessageTable messages;
  const FieldLabelCaptions labels = FieldLabelCaptions::DesignTime();
  std::string document;
  WriteUddf(AllDives(logbook), test::TestContext(), UddfTexts{messages, labels.Label},
            [&document](std::string_view piece) { document += piece; });

  const ReadDocument read = Read(document);
  EXPECT_EQ(read.version, "3.2.3");
  ASSERT_EQ(read.dives.size(), 3u);
  for (std::size_t i = 0; i < read.dives.size(); ++i) {
    const ReadDive& dive = read.dives[i];
    EXPECT_EQ(dive.number, QString::number(i + 1));
    if (i == 1) {
      EXPECT_TRUE(dive.times.empty());
      continue;
    }
    EXPECT_EQ(dive.times, (std::vector<double>{0, 20, 40, 60, 80}));
    EXPECT_EQ(dive.depths, (std::vector<double>{0, 5.0, 10.0, 7.5, 12.5}));
  }
  for (const QString& ref : read.refs)
    EXPECT_TRUE(read.elementOfId.contains(ref)) << ref.toStdString();
  std::multiset<QString> linked;
  for (const QString& ref : read.dives[0].links) linked.insert(read.elementOfId.at(ref));
  EXPECT_EQ(linked, (std::multiset<QString>{"site", "buddy", "buddy", "mix", "mix"}));
  EXPECT_EQ(read.buddyFirstNames, (std::vector<QString>{QString::fromUtf8("Tomáš"), "Eva"}));
  EXPECT_EQ(read.dives[1].links.size(), 4u);  // its own site, the two buddies, the tank's mix
}

}  // namespace
}  // namespace zirdan
