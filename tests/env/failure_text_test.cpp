#include "env/failure_text.h"

#include <gtest/gtest.h>

#include "core/win1250.h"

namespace zirdan {
namespace {

TMessageTable Messages() {
  TMessageTable messages;
  messages.Set("StrPripojitChyba1", Utf8ToWin1250("Graf nelze připojit"));
  messages.Set("StrChybaDat", Utf8ToWin1250("Chyba při zpracování dat, operaci nelze dokončit."));
  return messages;
}

TEST(FailureText, ATextFailureShowsItsTextThenItsDetail) {
  EXPECT_EQ(FailureText(OpResult::Failure("Chyba při čtení dat", "cannot open /x/ň.LOG: gone"),
                        Messages()),
            "Chyba při čtení dat: cannot open /x/ň.LOG: gone");
  EXPECT_EQ(FailureText(OpResult::Failure("Importované ponory se do deníku nevejdou"), Messages()),
            "Importované ponory se do deníku nevejdou");
}

TEST(FailureText, AKeyShowsTheTableTextInUtf8) {
  EXPECT_EQ(FailureText(OpResult::FailureKey("StrPripojitChyba1"), Messages()),
            "Graf nelze připojit");
  EXPECT_EQ(FailureText(OpResult::FailureKey("StrPripojitChyba1", "dive 3"), Messages()),
            "Graf nelze připojit: dive 3");
}

TEST(FailureText, AKeyTheTableLacksReadsError) {
  EXPECT_EQ(FailureText(OpResult::FailureKey("StrChRozdelitPonor"), Messages()), "Error");
  EXPECT_EQ(FailureText(OpResult::FailureKey("StrChRozdelitPonor", "dive 3"), TMessageTable()),
            "Error: dive 3");
}

TEST(FailureText, AfterAWholeSentenceTheDetailStartsALine) {
  EXPECT_EQ(FailureText(OpResult::FailureKey("StrChybaDat", "cannot replace a.csv: Is a directory"),
                        Messages()),
            "Chyba při zpracování dat, operaci nelze dokončit.\n"
            "cannot replace a.csv: Is a directory");
  EXPECT_EQ(FailureText(OpResult::Failure("Really?", "no"), Messages()), "Really?\nno");
}

TEST(FailureText, ASuccessHasNoText) {
  EXPECT_EQ(FailureText(OpResult::Success(), Messages()), "");
}

}  // namespace
}  // namespace zirdan
