#include <gtest/gtest.h>

#include "text/Latin1Text.h"

namespace zentoir {
namespace {

TEST(Latin1Text, BytesBecomeUtf8AndBack) {
  EXPECT_EQ(Utf8FromLatin1("M\xFCller \xA7\xFF"), "M\xC3\xBCller \xC2\xA7\xC3\xBF");
  EXPECT_EQ(Utf8FromLatin1(""), "");
  EXPECT_EQ(Latin1FromUtf8("M\xC3\xBCller \xC2\xA7\xC3\xBF"), "M\xFCller \xA7\xFF");
}

TEST(Latin1Text, CharactersOutsideLatin1AndBrokenBytesAreLeftOut) {
  EXPECT_EQ(Latin1FromUtf8("a\xE2\x82\xAC"
                           "b"),
            "ab");                                      // €
  EXPECT_EQ(Latin1FromUtf8("\xF0\x9F\x8E\x88!"), "!");  // a four-byte character
  EXPECT_EQ(Latin1FromUtf8("\xC1\xA1x"), "x");          // overlong 'a'
  EXPECT_EQ(Latin1FromUtf8("\xBCx"), "x");              // stray continuation byte
  EXPECT_EQ(Latin1FromUtf8("x\xC3"), "x");              // cut short at the end
  EXPECT_EQ(Latin1FromUtf8("\xE2\x82y"), "y");          // cut short before 'y'
  EXPECT_EQ(Latin1FromUtf8("\xFF\xC3\xA4"), "\xE4");    // no lead byte, then ä
}

}  // namespace
}  // namespace zentoir
