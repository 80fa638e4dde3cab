#include "app/banner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dunra {
namespace {

const std::string kCompressed = "    COMPRESSED!";
const std::string kQuestionMarks = " ? ? ? ? ? ? ? ? ? ";

// The banner and the writers of the animation state, as the window wires
// them: the edit box ignores a text equal to the one it shows.
class BannerTest : public ::testing::Test {
 protected:
  void Tick() {
    BannerTick(state_, [this](std::string_view text) { SetText(text); });
  }
  // The texts on screen after each of the next `ticks` ticks.
  std::vector<std::string> Run(int ticks) {
    std::vector<std::string> shown;
    for (int i = 0; i < ticks; ++i) {
      Tick();
      shown.push_back(text_);
    }
    return shown;
  }
  void CompressCompletes() { state_.compressFrame = 1, state_.idleDelay = 7; }
  void ExtractCompletes() { state_.extractFrame = 1, state_.idleDelay = 3; }
  void MouseMovesOverLeftIcon() {
    SetText(kQuestionMarks);
    state_.idleDelay = 5;
  }
  void SetText(std::string_view text) {
    if (text == text_) return;
    text_ = text;
    ++changes_;
  }

  AnimationState state_;
  std::string text_;
  int changes_ = 0;
};

std::vector<std::string> Repeat(const std::string& text, int count) {
  return std::vector<std::string>(count, text);
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

template <size_t N>
std::vector<std::string> Frames(const std::array<std::string_view, N>& table,
                                int first, int last) {
  return {table.begin() + first, table.begin() + last + 1};
}

void ExpectState(const AnimationState& s, int32_t compress, int32_t extract,
                 int32_t idle, int32_t delay) {
  EXPECT_EQ(s.compressFrame, compress);
  EXPECT_EQ(s.extractFrame, extract);
  EXPECT_EQ(s.idleFrame, idle);
  EXPECT_EQ(s.idleDelay, delay);
}

TEST(BannerFramesTest, TablesHaveTheListedLengthsAndOneEndMark) {
  const std::vector<size_t> compress = {0, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 15, 1};
  const std::vector<size_t> extract = {0,  2,  4,  6,  9,  11, 13, 15, 15,
                                       15, 17, 19, 19, 19, 19, 19, 0,  1};
  const std::vector<size_t> idle = {
      4,  7,  10, 13, 16, 16, 16, 16, 16, 16, 0,  0,  1,  3,  5,  7,  9,
      11, 13, 15, 17, 19, 19, 19, 0,  16, 16, 0,  0,  16, 16, 0,  0,  16,
      16, 0,  0,  10, 13, 16, 16, 18, 15, 16, 17, 10, 10, 0,  0,  19, 19,
      19, 17, 15, 13, 11, 9,  7,  5,  3,  1,  0,  0,  0,  0,  0,  1};
  auto check = [](auto& table, const std::vector<size_t>& lengths, const char* name) {
    SCOPED_TRACE(name);
    ASSERT_EQ(table.size(), lengths.size());
    for (size_t i = 0; i < table.size(); ++i) {
      EXPECT_EQ(table[i].size(), lengths[i]) << "entry " << i;
      EXPECT_EQ(table[i] == kFrameEndMark, i + 1 == table.size()) << "entry " << i;
      if (i + 1 == table.size()) continue;
      for (char c : table[i]) {
        EXPECT_TRUE((c >= 'A' && c <= 'Z') || c == '!' || c == ' ')
            << "entry " << i << " holds '" << c << "'";
      }
    }
  };
  check(compressFrames, compress, "compressFrames");
  check(extractFrames, extract, "extractFrames");
  check(idleFrames, idle, "idleFrames");
}

TEST_F(BannerTest, AfterCompressTypesTheWordPausesSevenTicksAndRestartsIdle) {
  state_.idleFrame = 40;  // somewhere in the idle cycle
  CompressCompletes();
  const auto expected = Concat({
      {"    C", "    CO", "    COM", "    COMP", "    COMPR", "    COMPRE",
       "    COMPRES", "    COMPRESS", "    COMPRESSE", kCompressed, kCompressed},
      Repeat(kCompressed, 7),  // ticks 12 to 18: the pause
      {"   D", "   D  U"},       // ticks 19, 20
  });
  const auto shown = Run(11);
  ExpectState(state_, 0, 0, 0, 7);
  EXPECT_EQ(changes_, 10);  // entries 10 and 11 are one visible frame
  const auto rest = Run(7);
  ExpectState(state_, 0, 0, 0, 0);
  EXPECT_EQ(changes_, 10);
  EXPECT_EQ(Concat({shown, rest, Run(2)}), expected);
}

TEST_F(BannerTest, AfterExtractSlidesTheWordEndsBlankAndPausesThreeTicks) {
  ExtractCompletes();
  const auto expected = Concat({
      {"ED", "CTED", "RACTED", "EXTRACTED", "  EXTRACTED", "    EXTRACTED",
       "      EXTRACTED", "      EXTRACTED", "      EXTRACTED", "        EXTRACTED",
       "          EXTRACTED", "            EXTRACT", "              EXTRA",
       "                EXT", "                  T", ""},
      Repeat("", 3),  // ticks 17 to 19
      {"   D"},        // tick 20
  });
  const auto shown = Run(16);
  ExpectState(state_, 0, 0, 0, 3);
  EXPECT_EQ(changes_, 14);  // entries 7 to 9 are one visible frame
  EXPECT_EQ(Concat({shown, Run(4)}), expected);
}

TEST_F(BannerTest, IdleCycleShowsEveryEntryOnceIn66TicksWithoutAPause) {
  const auto shown = Run(66);
  EXPECT_EQ(shown, Frames(idleFrames, 0, 65));
  EXPECT_EQ(state_.idleFrame, 0);
  EXPECT_EQ(Run(1), std::vector<std::string>{"   D"});
}

TEST_F(BannerTest, CompressDuringCompressRestartsTheSequenceAndPause) {
  CompressCompletes();
  Run(5);
  state_.idleDelay = 0;  // as if the pause had been used up elsewhere
  CompressCompletes();
  EXPECT_EQ(Run(11), Frames(compressFrames, 1, 11));
  ExpectState(state_, 0, 0, 0, 7);
}

TEST_F(BannerTest, CompressDuringExtractPlaysFirstThenExtractResumes) {
  ExtractCompletes();
  Run(4);  // up to "EXTRACTED"; entry 5 is next
  CompressCompletes();
  const auto shown = Run(11 + 12 + 7 + 1);
  const auto expected = Concat({Frames(compressFrames, 1, 11),
                                Frames(extractFrames, 5, 16),
                                Repeat("", 7),  // the pause written last
                                {"   D"}});
  EXPECT_EQ(shown, expected);
}

TEST_F(BannerTest, ExtractDuringCompressFollowsItWithItsOwnPause) {
  CompressCompletes();
  Run(3);
  ExtractCompletes();
  EXPECT_EQ(state_.compressFrame, 4);
  const auto shown = Run(8 + 16 + 3 + 1);
  const auto expected = Concat({Frames(compressFrames, 4, 11),
                                Frames(extractFrames, 1, 16),
                                Repeat("", 3),
                                {"   D"}});
  EXPECT_EQ(shown, expected);
}

TEST_F(BannerTest, MouseMoveDuringSequenceShowsUntilNextTickAndSetsPauseToFive) {
  CompressCompletes();
  Run(4);
  MouseMovesOverLeftIcon();
  EXPECT_EQ(text_, kQuestionMarks);
  const auto shown = Run(7 + 5 + 1);
  const auto expected = Concat({Frames(compressFrames, 5, 11),
                                Repeat(kCompressed, 5),
                                {"   D"}});
  EXPECT_EQ(shown, expected);
}

TEST_F(BannerTest, MouseMoveWhileIdleHoldsFiveTicksAfterLastMoveThenContinues) {
  Run(8);  // idle entries 0 to 7 shown
  MouseMovesOverLeftIcon();
  Run(3);
  MouseMovesOverLeftIcon();  // a later move restarts the hold
  const auto shown = Run(5 + 2);
  const auto expected = Concat({Repeat(kQuestionMarks, 5), Frames(idleFrames, 8, 9)});
  EXPECT_EQ(shown, expected);
}

TEST_F(BannerTest, OutOfRangeIndexEndsTheSequenceInsteadOfReadingPastTheTable) {
  state_.compressFrame = 12;  // the end mark's index; no writer sets it
  state_.idleFrame = 30;
  Tick();
  ExpectState(state_, 0, 0, 0, 0);
  state_.extractFrame = -3;
  state_.idleFrame = 500;
  Tick();
  ExpectState(state_, 0, 0, 0, 0);
  Tick();
  Tick();
  EXPECT_EQ(text_, "   D  U");
}

}  // namespace
}  // namespace dunra
