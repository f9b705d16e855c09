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
  const OpResult text = OpResult::Failure("Chyba při čtení dat", "the file ends at byte 3");
  EXPECT_FALSE(text);
  EXPECT_EQ(text.Text(), "Chyba při čtení dat");
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

// --- Context and description --------------------------------------------------------------

TEST(OpResultTest, ContextLeadsTheDetailAndKeepsTheRest) {
  const OpResult read = OpResult::Failure("Chyba při čtení dat", "the file ends at byte 3");
  EXPECT_EQ(read.WithContext("dive 2 of 5"),
            OpResult::Failure("Chyba při čtení dat", "dive 2 of 5: the file ends at byte 3"));
  EXPECT_EQ(read.WithContext("dive 2 of 5").WithContext("/x/a.LOG").Detail(),
            "/x/a.LOG: dive 2 of 5: the file ends at byte 3");
  EXPECT_EQ(OpResult::FailureKey("StrChybaDat").WithContext("a.csv"),
            OpResult::FailureKey("StrChybaDat", "a.csv"));
  EXPECT_EQ(OpResult::Success().WithContext("dive 1"), OpResult::Success());
}

TEST(OpResultTest, DescribeJoinsTextOrKeyWithTheDetail) {
  EXPECT_EQ(OpResult::Failure("cannot write /x", "Permission denied").Describe(),
            "cannot write /x: Permission denied");
  EXPECT_EQ(OpResult::Failure("image rejected").Describe(), "image rejected");
  EXPECT_EQ(OpResult::FailureKey("StrChybaDat", "a.csv").Describe(), "StrChybaDat: a.csv");
  EXPECT_EQ(OpResult::Failure("", "only a detail").Describe(), "only a detail");
}

}  // namespace
}  // namespace zirdan
