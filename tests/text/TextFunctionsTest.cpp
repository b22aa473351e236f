#include "text/TextFunctions.h"

#include "arrays/SplitText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zentoir {
namespace {

std::string Str(const DynString& s) {
  return std::string(s.View());
}

TEST(MidText, TakesTheRequestedBytes) {
  const DynString text("Hallo");
  EXPECT_EQ(Str(MidText(text, 1, 3)), "all");
  EXPECT_EQ(Str(MidText(text, 3, 10)), "lo");
  EXPECT_EQ(Str(MidText(text, 0, 5)), "Hallo");
  EXPECT_EQ(Str(MidText(text, 1.9, 2.9)), "al");  // both truncated
}

TEST(MidText, OutOfRangeGivesEmptyText) {
  const DynString text("Hallo");
  EXPECT_EQ(Str(MidText(text, 5, 1)), "");
  EXPECT_EQ(Str(MidText(text, 6, 1)), "");
  EXPECT_EQ(Str(MidText(text, -1, 3)), "");
  EXPECT_EQ(Str(MidText(text, 2, 0)), "");
  EXPECT_EQ(Str(MidText(text, 1e300, 1)), "");
  EXPECT_EQ(Str(MidText(text, std::nan(""), 2)), "");
  EXPECT_EQ(Str(MidText(DynString(), 0, 3)), "");
  // A count so large that start + count wraps in 32 bits still stays in the text.
  EXPECT_EQ(Str(MidText(text, 0, 4294967296.0)), "Hallo");
}

TEST(MidText, NegativeCountReadsToTheEnd) {
  // start + count below 0 wraps to a large unsigned value, which means "to the end".
  EXPECT_EQ(Str(MidText("Hallo", 1, -5)), "allo");
}

TEST(FindText, FirstOccurrenceOrMinusOne) {
  EXPECT_EQ(FindText("xyabcab", "ab"), 2);
  EXPECT_EQ(FindText("xyabxab", "ab"), 2);
  EXPECT_EQ(FindText("xyabxab", "ba"), -1);
  EXPECT_EQ(FindText("abc", ""), 0);
  EXPECT_EQ(FindText("", "a"), -1);
  EXPECT_EQ(FindText("ABC", "b"), -1);  // case-sensitive
}

TEST(ReplaceText, ReplacesLeftToRightWithoutRescanning) {
  EXPECT_EQ(Str(ReplaceText("aaaa", "aa", "a")), "aa");
  EXPECT_EQ(Str(ReplaceText("a.b.c", ".", "/")), "a/b/c");
  EXPECT_EQ(Str(ReplaceText("a.b", ".", "..")), "a..b");  // inserted text not searched again
  EXPECT_EQ(Str(ReplaceText("abc", "x", "y")), "abc");
  EXPECT_EQ(Str(ReplaceText("abcabc", "abc", "")), "");
  EXPECT_EQ(Str(ReplaceText("xaay", "a", "aa")), "xaaaay");
  EXPECT_EQ(Str(ReplaceText("ab", "", "z")), "ab");  // an empty pattern changes nothing
}

TEST(CaseChanges, OnlyAsciiLettersChange) {
  EXPECT_EQ(Str(UpperText("abz-\xFC\xE4!")), "ABZ-\xFC\xE4!");
  EXPECT_EQ(Str(LowerText("ABZ-\xDC\xC4!")), "abz-\xDC\xC4!");
  EXPECT_EQ(Str(LowerText("@[`{")), "@[`{");  // neighbours of the letter ranges
}

TEST(CharCodes, RoundTripBytes) {
  EXPECT_EQ(GetCharCode("A"), 65);
  EXPECT_EQ(GetCharCode("\xFC"), 252);
  EXPECT_EQ(GetCharCode(""), 0);
  EXPECT_EQ(Str(MakeCharText(252)), "\xFC");
  EXPECT_EQ(Str(MakeCharText(65.7)), "A");
  EXPECT_EQ(MakeCharText(0).length, 0u);
}

TEST(FormatHexBytes, HighNibbleFirstInMemoryOrder) {
  const unsigned char bytes[] = {0x00, 0x1F, 0xA0, 0xFF};
  EXPECT_EQ(Str(FormatHexBytes(bytes, 4)), "001FA0FF");
  EXPECT_EQ(Str(FormatHexBytes(bytes, 0)), "");
  EXPECT_EQ(Str(FormatHexBytes(bytes, -3)), "");
}

TEST(SplitText, SkipsRunsOfSeparators) {
  GenericArray<DynString> pieces;
  EXPECT_EQ(SplitText("Wirklich|beenden?|Ja", pieces, "|"), 3);
  ASSERT_EQ(pieces.size0, 3);
  EXPECT_EQ(Str(pieces.data[0]), "Wirklich");
  EXPECT_EQ(Str(pieces.data[2]), "Ja");

  EXPECT_EQ(SplitText(",,a, b;;c,", pieces, ",; "), 3);
  EXPECT_EQ(Str(pieces.data[1]), "b");
  EXPECT_EQ(pieces.dimCount, 1);

  EXPECT_EQ(SplitText("|||", pieces, "|"), 0);
  EXPECT_EQ(pieces.dimCount, 0);
  EXPECT_EQ(SplitText("", pieces, "|"), 0);
  EXPECT_EQ(SplitText("one", pieces, ""), 1);  // no separators: the whole text
}

}  // namespace
}  // namespace zentoir
