// Guards a ranking system record: grades or numbers, the comparison of two
// systems, the older layouts with their refusals (the current one is pinned
// byte for byte by the document layout test), and the
// ".cla" files of the ranking-systems folder.
#include "ranking/ranking_system.h"

#include <gtest/gtest.h>

#include "ranking/builtin_systems.h"
#include "ranking/ranking_registry.h"
#include "tests/support/byte_writer.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::ByteWriter;
using testing::CoreTest;

// A ranking-system record written by hand, for the older layouts.
SYSTEME_CLASSEMENT ReadSystem(const ByteWriter& w) {
  Archive in(w.Get());
  SYSTEME_CLASSEMENT system;
  system.Serialize(in);
  return system;
}

class RankingSystemTest : public CoreTest {};

TEST_F(RankingSystemTest, ANewSystemIsEmptyAndGradesUpTo300MakeItAGradeSystem) {
  SYSTEME_CLASSEMENT system;
  EXPECT_FALSE(system.HasGrades());
  EXPECT_EQ(system.Lowest(), 0);
  EXPECT_EQ(system.Highest(), -1);
  EXPECT_FALSE(system.HigherIsBetter());
  EXPECT_FALSE(system.HasCodeName());
  system.AddGrade("weak");
  system.AddGrade("strong");
  EXPECT_TRUE(system.HasGrades());
  EXPECT_TRUE(system.HigherIsBetter());
  EXPECT_EQ(system.Highest(), 1);
  EXPECT_EQ(system.IndexOfGrade("strong"), 1);
  EXPECT_EQ(system.IndexOfGrade("Strong"), -1);
  EXPECT_EQ(system.BestValue(), 1);
  EXPECT_EQ(system.WorstValue(), 0);
  EXPECT_EQ(system.TextOfValue(0), "weak");
  EXPECT_EQ(system.TextOfValue(-1), "-1");
  EXPECT_EQ(system.TextOfValue(7), "7");
  // A 301st grade changes nothing.
  for (int i = 2; i < 300; ++i)
    system.AddGrade("g" + std::to_string(i));
  system.AddGrade("extra");
  EXPECT_EQ(system.Highest(), 299);
  EXPECT_EQ(system.IndexOfGrade("extra"), -1);
  EXPECT_EQ(system.TextOfValue(299), "g299");
}

TEST_F(RankingSystemTest, SameAsIgnoresTitlesButNotKindOrYearly) {
  SYSTEME_CLASSEMENT a = Registry().French();
  SYSTEME_CLASSEMENT b = Registry().French();
  b.SetTitle("Other");
  b.SetCodeName("");
  b.SetFrenchDescription("x");
  EXPECT_TRUE(a.IsSameAs(b));
  b.SetYearly(false);
  EXPECT_FALSE(a.IsSameAs(b));

  SYSTEME_CLASSEMENT grades, numbers;
  grades.AddGrade("a");
  grades.AddGrade("b");
  numbers.SetScale(0, 1, true);
  EXPECT_FALSE(grades.IsSameAs(numbers));
  SYSTEME_CLASSEMENT reversed;
  reversed.SetScale(0, 1, false);
  EXPECT_FALSE(numbers.IsSameAs(reversed));
}

TEST_F(RankingSystemTest, Versions0And1HaveNoCodeNameAndAreOldFormat) {
  ByteWriter b;
  b.Text("SYS.CLASS").U16(1).Text("Mine").Text("fr").Text("en").U16(0xBEEF);
  b.U16(1).U16(0).U32(0).U32(1).Text("low").Text("high").U16(1);
  const SYSTEME_CLASSEMENT read = ReadSystem(b);
  EXPECT_TRUE(read.IsOldFormat());
  EXPECT_EQ(read.CodeName(), "");
  EXPECT_TRUE(read.HigherIsBetter());  // forced for grade systems
  EXPECT_TRUE(read.IsYearly());
  EXPECT_EQ(read.TextOfValue(1), "high");

  // Version 0 has no yearly flag either.
  ByteWriter v0;
  v0.Text("SYS.CLASS").U16(0).Text("Tour").Text("").Text("").U16(0);
  v0.U16(0).U16(0).U32(1).U32(500);
  const SYSTEME_CLASSEMENT old = ReadSystem(v0);
  EXPECT_TRUE(old.IsOldFormat());
  EXPECT_FALSE(old.IsYearly());
  EXPECT_FALSE(old.HasGrades());
  EXPECT_FALSE(old.HigherIsBetter());
  EXPECT_EQ(old.Highest(), 500);
}

TEST_F(RankingSystemTest, BadTagFutureVersionAndHostileCountsAreRefused) {
  ByteWriter bad_tag;
  bad_tag.Text("SYS.CLAS").U16(2);
  EXPECT_THROW(ReadSystem(bad_tag), ArchiveError);

  ByteWriter future;
  future.Text("SYS.CLASS").U16(3);
  try {
    ReadSystem(future);
    FAIL();
  } catch (const ArchiveError& error) {
    EXPECT_EQ(error.kind(), ArchiveError::Kind::kFutureVersion);
  }

  ByteWriter many;  // claims two billion grades with five bytes left
  many.Text("SYS.CLASS").U16(2).Text("t").Text("").Text("").Text("");
  many.U16(1).U16(1).U32(0).U32(250).Text("a");
  EXPECT_THROW(ReadSystem(many), ArchiveError);

  ByteWriter too_many;
  too_many.Text("SYS.CLASS").U16(2).Text("t").Text("").Text("").Text("");
  too_many.U16(1).U16(1).U32(0).U32(0x7FFFFFFF);
  EXPECT_THROW(ReadSystem(too_many), ArchiveError);
}

TEST_F(RankingSystemTest, ClaFilesAreWrittenReadAndDeletedInTheFolder) {
  SYSTEME_CLASSEMENT mine;
  mine.SetTitle("Club ladder");
  mine.SetScale(1, 64, false);
  ASSERT_TRUE(mine.WriteFile());
  EXPECT_TRUE(std::filesystem::exists(Temp() / "RankSys" / "Club ladder.cla"));

  SYSTEME_CLASSEMENT read;
  ASSERT_TRUE(read.ReadFile("Club ladder"));
  EXPECT_TRUE(read.IsSameAs(mine));
  EXPECT_EQ(read.Title(), "Club ladder");
  EXPECT_FALSE(read.ReadFile(""));
  std::string why;
  EXPECT_FALSE(read.ReadFile("missing", &why));
  EXPECT_NE(why.find("No such file"), std::string::npos);

  EXPECT_TRUE(mine.DeleteFile());
  EXPECT_FALSE(std::filesystem::exists(Temp() / "RankSys" / "Club ladder.cla"));
  EXPECT_TRUE(mine.DeleteFile());
}

TEST_F(RankingSystemTest, ATitleThatIsAPathNamesNoFile) {
  SYSTEME_CLASSEMENT system;
  system.SetTitle("../escape");
  EXPECT_FALSE(system.WriteFile());
  EXPECT_TRUE(SYSTEME_CLASSEMENT::FileFor("..").empty());
  EXPECT_TRUE(SYSTEME_CLASSEMENT::FileFor("a/b").empty());
}

}  // namespace
}  // namespace scorvane
