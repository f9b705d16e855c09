#include "core/op_result.h"

#include <gtest/gtest.h>

#include "support/op_result_print.h"

namespace zirdan {
namespace {

// --- What a result holds ------------------------------------------------------------------

TEST(OpResultTest, ASuccessHoldsNothing) {
  for (const OpResult& ok : {OpResult(), OpResult::Success()}) {
    EXPECT_TRUE(ok);
    EXPECT_TRUE(ok.Ok());
    EXPECT_EQ(ok.Text(), "");
    EXPECT_EQ(ok.MessageKey(), "");
    EXPECT_EQ(ok.Detail(), "");
    EXPECT_EQ(ok.Describe(), "");
  }
}

TEST(OpResultTest, AFailureCarriesATextOrAKeyAndADetail) {
  const OpResult text = OpResult::Failure("battery warning above 15", "the file ends at byte 3");
  EXPECT_FALSE(text);
  EXPECT_EQ(text.Text(), "battery warning above 15");
  EXPECT_EQ(text.MessageKey(), "");
  EXPECT_EQ(text.Detail(), "the file ends at byte 3");

  const OpResult key = OpResult::FailureKey("StrPripojitChyba1");
  EXPECT_FALSE(key.Ok());
  EXPECT_EQ(key.Text(), "");
  EXPECT_EQ(key.MessageKey(), "StrPripojitChyba1");
  EXPECT_EQ(key.Detail(), "");
}

TEST(OpResultTest, EqualityComparesEveryPart) {
  EXPECT_EQ(OpResult::Failure("a", "b"), OpResult::Failure("a", "b"));
  EXPECT_NE(OpResult::Failure("a", "b"), OpResult::Failure("a", "c"));
  EXPECT_NE(OpResult::Failure("a"), OpResult::FailureKey("a"));
  EXPECT_NE(OpResult::Failure(""), OpResult::Success());  // an empty text still failed
}

// --- Details, context and description ------------------------------------------------------

TEST(OpResultTest, ContextLeadsTheDetailsAndAddedPartsFollow) {
  const OpResult read = OpResult::FailureKey("chybaCteni").With("StrDetKonecSouboru", {"3"});
  const OpResult inDive = read.WithContext("StrDetPonorZ", {"2", "5"});
  EXPECT_EQ(inDive.Details(), (std::vector<MessagePart>{{"StrDetPonorZ", {"2", "5"}},
                                                        {"StrDetKonecSouboru", {"3"}}}));
  EXPECT_EQ(inDive.WithContext(MessagePart::Literal("/x/a.LOG")).Detail(),
            "/x/a.LOG: StrDetPonorZ(2, 5): StrDetKonecSouboru(3)");
  EXPECT_EQ(OpResult::FailureKey("StrChybaDat").WithContext(MessagePart::Literal("a.csv")),
            OpResult::FailureKey("StrChybaDat", "a.csv"));
  EXPECT_EQ(OpResult::Success().WithContext("StrDetPonor", {"1"}).With("StrDetPonor", {"1"}),
            OpResult::Success());
}

TEST(OpResultTest, ReportedUnderAWiderKeyTheOwnKeyBecomesTheFirstPart) {
  const OpResult written = OpResult::FailureKey("chybaZapisu")
                               .With("StrDetNelzeZapsat", {"/x/a.csv"})
                               .WithSystemText("No space left on device");
  const OpResult exported = written.ReportedAs("StrChybaDat");
  EXPECT_EQ(exported.MessageKey(), "StrChybaDat");
  EXPECT_EQ(exported.Describe(),
            "StrChybaDat: chybaZapisu(): StrDetNelzeZapsat(/x/a.csv) (No space left on device)");
  EXPECT_EQ(written.ReportedAs("chybaZapisu"), written);
  EXPECT_EQ(OpResult::Failure("bad input").ReportedAs("StrChybaDat").Detail(), "bad input");
}

TEST(OpResultTest, DescribeJoinsTextOrKeyWithTheDetails) {
  EXPECT_EQ(OpResult::Failure("cannot write /x", "Permission denied").Describe(),
            "cannot write /x: Permission denied");
  EXPECT_EQ(OpResult::Failure("image rejected").Describe(), "image rejected");
  EXPECT_EQ(OpResult::FailureKey("StrChybaDat", "a.csv").Describe(), "StrChybaDat: a.csv");
  EXPECT_EQ(OpResult::FailureKey("chybaCteni").WithSystemText("EIO").Describe(),
            "chybaCteni (EIO)");
  EXPECT_EQ(OpResult::Failure("", "only a detail").Describe(), "only a detail");
}

}  // namespace
}  // namespace zirdan
