#include "settings/app_settings.h"

#include <gtest/gtest.h>

namespace zirdan {
namespace {

TEST(AppSettings, AnEmptyStoreGivesTheFirstStartDefaults) {
  const MemorySettingsStore empty;
  const TAppSettings s = ReadAppSettings(empty);
  EXPECT_EQ(s.MTop, 0);
  EXPECT_EQ(s.MLeft, 0);
  EXPECT_EQ(s.Jazyk, "2");
  EXPECT_EQ(s.OutputEncoding(), Encoding::Kamenicky);
  EXPECT_EQ(s.Port(), 1);
  EXPECT_EQ(s.PortChecked, 0);
  EXPECT_TRUE(s.CasZGrafu);
  EXPECT_TRUE(s.JenNovePonory);
  EXPECT_EQ(s.Graf, (WindowGeometry{0, 100, 640, 480}));
  EXPECT_EQ(s.Statistika, (WindowGeometry{0, 100, 640, 750}));
  EXPECT_EQ(s.Prehled, (WindowGeometry{0, 100, 780, 750}));
  EXPECT_EQ(s.LevyOkraj, 1500);
  EXPECT_EQ(s.DefaultProfileFormat(), 22);
}

TEST(AppSettings, UnreadableNumbersTakeTheirDefaults) {
  MemorySettingsStore store;
  store.Set("zaklad", "PocetMinutMeziGrafy", "five");
  store.Set("zaklad", "CasZGrafu", "yes");
  store.Set("tisk", "LevyOkraj", "12x");
  store.Set("zaklad", "PocetPonoruProSoucet", "-3");
  store.Set("zaklad", "KompatibilniAktivity", "7");
  const TAppSettings s = ReadAppSettings(store);
  EXPECT_EQ(s.PocetMinutMeziGrafy, 5);
  EXPECT_TRUE(s.CasZGrafu);
  EXPECT_EQ(s.LevyOkraj, 1500);
  EXPECT_EQ(s.PocetPonoruProSoucet, -3);  // a number, so it is taken as it is
  EXPECT_TRUE(s.KompatibilniAktivity);    // any number but 0 is true
}

TEST(AppSettings, NitroxWinsOverOxyAndOxyIsWrittenOff) {
  MemorySettingsStore store;
  store.Set("zaklad", "ZirdanNitrox", "1");
  store.Set("zaklad", "ZirdanOxy", "1");
  const TAppSettings s = ReadAppSettings(store);
  EXPECT_TRUE(s.ZirdanNitrox);
  EXPECT_FALSE(s.ZirdanOxy);
  EXPECT_EQ(s.DefaultProfileFormat(), 24);
  MemorySettingsStore written;
  WriteAppSettings(s, written);
  EXPECT_EQ(written.Get("zaklad", "ZirdanOxy"), "0");
}

TEST(AppSettings, TheLastCheckedPortAndEncodingWin) {
  MemorySettingsStore store;
  store.Set("komunikace", "COM3", "1");
  store.Set("komunikace", "COM6", "1");
  store.Set("soubory", "KodovaniLatin2", "1");
  const TAppSettings s = ReadAppSettings(store);
  EXPECT_EQ(s.Port(), 6);
  EXPECT_EQ(s.OutputEncoding(), Encoding::Latin2);
  MemorySettingsStore written;
  WriteAppSettings(s, written);
  for (int n = 1; n <= 8; ++n)
    EXPECT_EQ(written.Get("komunikace", "COM" + std::to_string(n)), n == 6 ? "1" : "0") << n;
  EXPECT_EQ(written.Get("soubory", "KodovaniKamenicky"), "0");
  EXPECT_EQ(written.Get("soubory", "KodovaniLatin2"), "1");
}

TEST(AppSettings, APortTheSystemReportedIsStoredByNameAndOldNumbersStillRead) {
  MemorySettingsStore old;  // written by a version that knew COM1..COM8 only
  old.Set("komunikace", "COM4", "1");
  EXPECT_EQ(ReadAppSettings(old).Port(), 4);
  EXPECT_EQ(ReadAppSettings(old).PortDevice, "");

  TAppSettings s = ReadAppSettings(old);
  s.PortDevice = "/dev/ttyACM0";
  MemorySettingsStore written;
  WriteAppSettings(s, written);
  EXPECT_EQ(written.Get("komunikace", "Port"), "/dev/ttyACM0");
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(written.Get("komunikace", "COM" + std::to_string(n)), "0");
  const TAppSettings r = ReadAppSettings(written);
  EXPECT_EQ(r.PortDevice, "/dev/ttyACM0");
  EXPECT_EQ(r.PortChecked, 0);

  // Choosing COM2 again drops the name.
  s.PortDevice.clear();
  s.PortChecked = 2;
  WriteAppSettings(s, written);
  EXPECT_EQ(written.Get("komunikace", "Port"), "");
  EXPECT_EQ(ReadAppSettings(written).Port(), 2);
}

TEST(AppSettings, WhatIsWrittenIsReadBack) {
  TAppSettings s;
  s.MTop = 33;
  s.Jazyk = "1";
  s.ZirdanOxy = true;
  s.FontSerif = "DejaVu Sans";
  s.FontCourierSize = 12;
  s.PortChecked = 3;
  s.Kodovani = {true, false, false, false};
  s.Historie = {"/a/b.LOG", "", "/c.LOG", "", ""};
  s.Prehled = {5, 6, 700, 800};
  MemorySettingsStore store;
  ASSERT_TRUE(WriteAppSettings(s, store));
  const TAppSettings r = ReadAppSettings(store);
  EXPECT_EQ(r.MTop, 33);
  EXPECT_EQ(r.Jazyk, "1");
  EXPECT_EQ(r.DefaultProfileFormat(), 25);
  EXPECT_EQ(r.FontSerif, "DejaVu Sans");
  EXPECT_EQ(r.FontCourierSize, 12);
  EXPECT_EQ(r.Port(), 3);
  EXPECT_EQ(r.OutputEncoding(), Encoding::Windows1250);
  EXPECT_EQ(r.Historie, s.Historie);
  EXPECT_EQ(r.Prehled, s.Prehled);
}

using Recent = std::array<std::string, kRecentFileCount>;

TEST(RecentFiles, AKnownFileMovesToTheTopAndANewOneDropsTheOldest) {
  Recent r = {"a", "b", "c", "d", "e"};
  AddRecentFile(r, "c");
  EXPECT_EQ(r, (Recent{"c", "a", "b", "d", "e"}));
  AddRecentFile(r, "f");
  EXPECT_EQ(r, (Recent{"f", "c", "a", "b", "d"}));
  AddRecentFile(r, "f");
  EXPECT_EQ(r, (Recent{"f", "c", "a", "b", "d"}));
}

TEST(RecentFiles, LetterCaseIsIgnoredAndTheNewSpellingKept) {
  Recent r = {"/logs/A.LOG", "/logs/b.log", "", "", ""};
  AddRecentFile(r, "/logs/B.LOG");
  EXPECT_EQ(r, (Recent{"/logs/B.LOG", "/logs/A.LOG", "", "", ""}));
}

TEST(RecentFiles, ANewLogbookIsNeverAdded) {
  Recent r = {"x", "", "", "", ""};
  AddRecentFile(r, "Novy.log");
  EXPECT_EQ(r, (Recent{"x", "", "", "", ""}));
}

}  // namespace
}  // namespace zirdan
