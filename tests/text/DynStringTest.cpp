#include "text/DynString.h"

#include <gtest/gtest.h>

#include <string>

namespace zentoir {
namespace {

std::string Str(const DynString& s) {
  return std::string(s.View());
}

TEST(DynString, FreshStringSharesTheEmptyBufferAndReleasesNothing) {
  DynString a, b;
  EXPECT_EQ(a.buffer, b.buffer);
  EXPECT_EQ(a.buffer, DynString::SharedEmpty());
  EXPECT_EQ(a.capacity, 0u);
  EXPECT_EQ(a.length, 0u);
  EXPECT_STREQ(a.CStr(), "");
  EXPECT_EQ(a.CharAt(0), 0);
  a.ReleaseText();
  EXPECT_EQ(a.buffer, nullptr);
  EXPECT_EQ(*DynString::SharedEmpty(), 0);  // the shared buffer is never freed or written
}

TEST(DynString, CapacityGrowsInSteps512AndNeverShrinks) {
  DynString s;
  s = "";
  EXPECT_EQ(s.capacity, 512u);
  EXPECT_NE(s.buffer, DynString::SharedEmpty());
  s = std::string(511, 'x').c_str();
  EXPECT_EQ(s.capacity, 512u);
  s = std::string(512, 'x').c_str();
  EXPECT_EQ(s.capacity, 1024u);
  s = std::string(1000, 'x').c_str();
  EXPECT_EQ(s.capacity, 1024u);
  s = "short";
  EXPECT_EQ(s.capacity, 1024u);
  EXPECT_EQ(Str(s), "short");

  const DynString empty;
  DynString copy(empty);
  EXPECT_EQ(copy.capacity, 512u);  // copying even an empty text allocates
  DynString appended;
  for (int i = 0; i < 1024; ++i)
    appended += "a";
  EXPECT_EQ(appended.length, 1024u);
  EXPECT_EQ(appended.capacity, 1536u);
}

TEST(DynString, ReserveAndRecountLetPlatformCallsWriteIntoTheBuffer) {
  DynString s;
  char* out = s.ReserveText(10);
  EXPECT_EQ(s.capacity, 512u);
  EXPECT_EQ(s.length, 0u);
  std::snprintf(out, s.capacity, "abc");
  s.RecountText();
  EXPECT_EQ(Str(s), "abc");
  s.TruncateAt(1);
  EXPECT_EQ(Str(s), "a");
  s.SetCharAt(0, 'Z');
  EXPECT_EQ(Str(s), "Z");
  s = "\xFC";
  EXPECT_EQ(s.CharAt(0), -4);  // bytes read as signed values
}

TEST(DynString, NumbersBecomeTheirText) {
  DynString a(12);
  DynString b(2.5);
  DynString c(3.0f);
  EXPECT_EQ(Str(a), "12");
  EXPECT_EQ(Str(b), "2.5");
  EXPECT_EQ(Str(c), "3");
  EXPECT_EQ(a.capacity, 512u);
  a = -7;
  EXPECT_EQ(Str(a), "-7");
  a = 0.1f;  // widened to double first
  EXPECT_EQ(Str(a), "0.1000000015");
}

TEST(DynString, ConcatenationMixesTextsAndNumbers) {
  const DynString punkte("Punkte");
  EXPECT_EQ(Str(punkte + 12), "Punkte12");
  EXPECT_EQ(Str(2.5 + DynString(" m")), "2.5 m");
  EXPECT_EQ(Str(punkte + 3.0), "Punkte3");
  EXPECT_EQ(Str(punkte + 1 + 2), "Punkte12");  // appended as digits, never added
  EXPECT_EQ(Str("x" + punkte), "xPunkte");
  EXPECT_EQ(Str(punkte + "!"), "Punkte!");
  EXPECT_EQ(Str(punkte + punkte), "PunktePunkte");
  EXPECT_EQ(Str(7 + punkte), "7Punkte");
  EXPECT_EQ(Str(1.5f + punkte), "1.5Punkte");
  EXPECT_EQ(Str(ConcatText("Level ", 3)), "Level 3");
  EXPECT_EQ(Str(ConcatText(4.25, " s")), "4.25 s");
  EXPECT_EQ(Str(ConcatText("a", "b")), "ab");
  EXPECT_EQ(Str(punkte), "Punkte");  // operands untouched
}

TEST(DynString, AppendingItselfAndItsOwnBytesIsSafe) {
  DynString s("abc");
  s += s;
  EXPECT_EQ(Str(s), "abcabc");
  DynString big(std::string(600, 'q').c_str());
  big += big;  // the buffer moves while its own bytes are copied
  EXPECT_EQ(big.length, 1200u);
  EXPECT_EQ(Str(big), std::string(1200, 'q'));
  s = s.CStr() + 3;
  EXPECT_EQ(Str(s), "abc");
  const DynString& same = s;
  s = same;
  EXPECT_EQ(Str(s), "abc");
}

TEST(DynString, MovesLeaveTheSourceEmpty) {
  DynString a("text");
  DynString b(std::move(a));
  EXPECT_EQ(Str(b), "text");
  EXPECT_EQ(a.length, 0u);
  EXPECT_STREQ(a.CStr(), "");
  a = std::move(b);
  EXPECT_EQ(Str(a), "text");
}

TEST(DynString, TextComparisonsUseUnsignedBytes) {
  const DynString ab("ab"), ac("ac"), b("B"), a("A");
  EXPECT_EQ(ab < ac, 1.0);
  EXPECT_EQ(ab > ac, 0.0);
  EXPECT_EQ(b > a, 1.0);
  EXPECT_EQ(DynString("same") == DynString("same"), 1.0);
  EXPECT_EQ(DynString("same") != "same", 0.0);
  EXPECT_EQ("same" == DynString("same"), 1.0);
  EXPECT_EQ(DynString("\xFC") > "z", 1.0);  // 0xFC sorts after ASCII
  EXPECT_EQ(DynString("a") <= "a", 1.0);
  EXPECT_EQ(DynString("a") >= "b", 0.0);
  EXPECT_EQ(DynString() == "", 1.0);
  EXPECT_EQ(DynString() == DynString(""), 1.0);  // shared empty equals an allocated empty
}

TEST(DynString, TextWithNumberComparesNumerically) {
  const DynString ten("10");
  EXPECT_EQ(ten == 10, 1.0);
  EXPECT_EQ(ten == 10.0, 1.0);
  EXPECT_EQ(10 == ten, 1.0);
  EXPECT_EQ(DynString("10.0") == 10, 1.0);
  EXPECT_EQ(DynString("9") < 10, 1.0);  // as text "9" > "10"; as numbers it is less
  EXPECT_EQ(DynString("abc") == 0, 1.0);
  EXPECT_EQ(ten != 11, 1.0);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(ten == nan, 0.0);
  EXPECT_EQ(ten != nan, 1.0);
  EXPECT_EQ(CompareTextNumber(ten, 3), 1.0);
  EXPECT_EQ(CompareTextNumber(ten, 10), 0.0);
  EXPECT_EQ(CompareTextNumber(ten, 30), -1.0);
}

}  // namespace
}  // namespace zentoir
