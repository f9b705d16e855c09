#include "env/failure_text.h"

#include <gtest/gtest.h>

#include "core/win1250.h"

namespace zirdan {
namespace {

TMessageTable Messages() {
  TMessageTable messages;
  messages.Set("StrPripojitChyba1", Utf8ToWin1250("Graf nelze připojit"));
  messages.Set("StrChybaDat", Utf8ToWin1250("Chyba při zpracování dat, operaci nelze dokončit."));
  messages.Set("chybaCteni", Utf8ToWin1250("Chyba při čtení"));
  messages.Set("StrDetNelzeOtevrit", Utf8ToWin1250("nelze otevřít %1"));
  messages.Set("StrDetPonorZ", Utf8ToWin1250("ponor %1 z %2"));
  messages.Set("StrChPort", Utf8ToWin1250("Port nelze otevřít"));
  messages.Set("StrDetPortPristup", Utf8ToWin1250("přístup odepřen"));
  messages.Set("StrDetPortVolba", Utf8ToWin1250("Port se volí v nabídce Nastavení."));
  return messages;
}

TEST(FailureText, ATextFailureShowsItsTextThenItsDetail) {
  EXPECT_EQ(FailureText(OpResult::Failure("battery warning above 15", "/x/ň.bin"), Messages()),
            "battery warning above 15: /x/ň.bin");
}

TEST(FailureText, AKeyShowsTheTableTextInUtf8) {
  EXPECT_EQ(FailureText(OpResult::FailureKey("StrPripojitChyba1"), Messages()),
            "Graf nelze připojit");
  EXPECT_EQ(FailureText(OpResult::FailureKey("StrPripojitChyba1", "/x/ň.LOG"), Messages()),
            "Graf nelze připojit: /x/ň.LOG");
}

TEST(FailureText, DetailsAreTableTextsWithTheirPlacesFilled) {
  const OpResult failure = OpResult::FailureKey("chybaCteni")
                               .With("StrDetNelzeOtevrit", {"/x/ň.LOG"})
                               .WithContext("StrDetPonorZ", {"3", "12"})
                               .WithSystemText("No such file or directory");
  EXPECT_EQ(FailureText(failure, Messages()),
            "Chyba při čtení: ponor 3 z 12: nelze otevřít /x/ň.LOG (No such file or directory)");
  EXPECT_EQ(FailureText(OpResult::FailureKey("chybaCteni").WithSystemText("EIO"), Messages()),
            "Chyba při čtení (EIO)");
  EXPECT_EQ(FillPlaces("%2 after %1, %3 stays, 100%", {"a", "b"}), "b after a, %3 stays, 100%");
  // A translation without the key still names the file.
  EXPECT_EQ(FailureText(OpResult::FailureKey("chybaCteni").With("StrDetNelzeCist", {"/x/a.bin"}),
                        Messages()),
            "Chyba při čtení: Error /x/a.bin");
}

TEST(FailureText, AdviceFollowsOnLinesOfItsOwn) {
  const OpResult failure = OpResult::FailureKey("StrChPort", "/dev/ttyUSB0")
                               .With("StrDetPortPristup", {})
                               .With("StrDetPortVolba", {})
                               .WithSystemText("Permission denied");
  EXPECT_EQ(FailureText(failure, Messages()),
            "Port nelze otevřít: /dev/ttyUSB0: přístup odepřen (Permission denied)\n"
            "Port se volí v nabídce Nastavení.");
}

TEST(FailureText, AKeyTheTableLacksReadsError) {
  EXPECT_EQ(FailureText(OpResult::FailureKey("StrChRozdelitPonor"), Messages()), "Error");
  EXPECT_EQ(FailureText(OpResult::FailureKey("StrChRozdelitPonor", "dive 3"), TMessageTable()),
            "Error: dive 3");
}

TEST(FailureText, AfterAWholeSentenceTheDetailStartsALine) {
  EXPECT_EQ(FailureText(OpResult::FailureKey("StrChybaDat", "/x/a.csv"), Messages()),
            "Chyba při zpracování dat, operaci nelze dokončit.\n/x/a.csv");
  EXPECT_EQ(FailureText(OpResult::Failure("Really?", "no"), Messages()), "Really?\nno");
}

TEST(FailureText, ASuccessHasNoText) {
  EXPECT_EQ(FailureText(OpResult::Success(), Messages()), "");
}

}  // namespace
}  // namespace zirdan
