#include <gtest/gtest.h>

#include <string>

#include "files/FileChannels.h"
#include "support/Platform.h"
#include "support/StopReport.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;

// A death test's child runs the test again from its start; on Windows it cannot open
// the file that the parent's channel holds without sharing.
constexpr const char* kHeldFile = "a death test's child cannot open the file the test holds";

class ChannelTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (int channel = 0; channel < kChannelCount; ++channel)
      CloseFileChannel(channel);
  }

  // Opens channel 0 for reading on a file holding `bytes`.
  void OpenWith(const std::string& bytes) {
    CloseFileChannel(0);  // Windows writes no file that is open without sharing
    WriteFileBytes(path_, bytes);
    ASSERT_EQ(OpenFileChannel(0, path_.c_str(), 1), 1.0);
  }

  ScopedTempDir dir_;
  std::string path_ = dir_.Path() + "data.bin";
};

TEST_F(ChannelTest, BinaryValuesAreLittleEndianAndReadBackUnsigned) {
  ASSERT_EQ(OpenFileChannel(1, path_.c_str(), 0), 1.0);
  WriteByte(1, 263);    // low 8 bits: 7
  WriteWord(1, 65537);  // low 16 bits: 1
  WriteLong(1, -2);     // FE FF FF FF
  WriteLong(1, 4294967295.0);
  WriteIeee(1, -1.5);
  WriteText(1, "hi");
  WriteLine(1, "line");
  WriteNumberLine(1, 2.5);
  CloseFileChannel(1);

  const std::string expected = std::string("\x07\x01\x00\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 11) +
                               std::string("\x00\x00\x00\x00\x00\x00\xF8\xBF", 8) +
                               "hiline\r\n2.5\r\n";
  EXPECT_EQ(ReadFileBytes(path_), expected);

  ASSERT_EQ(OpenFileChannel(1, path_.c_str(), 1), 1.0);
  double value = 0;
  ReadByte(1, value);
  EXPECT_EQ(value, 7);
  ReadWord(1, value);
  EXPECT_EQ(value, 1);
  ReadLong(1, value);
  EXPECT_EQ(value, 4294967294.0);
  ReadLong(1, value);
  EXPECT_EQ(value, 4294967295.0);
  ReadIeee(1, value);
  EXPECT_EQ(value, -1.5);
  DynString text;
  ReadText(1, text, 2);
  EXPECT_STREQ(text.CStr(), "hi");
  ReadLine(1, text);
  EXPECT_STREQ(text.CStr(), "line");
  ReadNumberLine(1, value);
  EXPECT_EQ(value, 2.5);
  EXPECT_EQ(EndOfFile(1), 1.0);
}

TEST_F(ChannelTest, ReadTextEndsAtTheFirstNulAndConsumesEveryByte) {
  OpenWith(std::string("ab\0cdXY", 7));
  DynString text = "old";
  ReadText(0, text, 0);
  EXPECT_STREQ(text.CStr(), "");
  ReadText(0, text, 5);
  EXPECT_EQ(text.length, 2u);
  EXPECT_STREQ(text.CStr(), "ab");
  ReadText(0, text, 2);
  EXPECT_STREQ(text.CStr(), "XY");
  EXPECT_EQ(EndOfFile(0), 1.0);
}

TEST_F(ChannelTest, ReadLineSplitsAtCrLfAndLfAndEndsAtTheEndOfTheFile) {
  OpenWith("abc\r\ndef");
  DynString line;
  ReadLine(0, line);
  EXPECT_STREQ(line.CStr(), "abc");
  EXPECT_EQ(EndOfFile(0), 0.0);
  ReadLine(0, line);
  EXPECT_STREQ(line.CStr(), "def");
  EXPECT_EQ(EndOfFile(0), 1.0);
  if (testing::OnWindows()) GTEST_SKIP() << kHeldFile;
  EXPECT_STOPS_WITH_ERROR(3, ReadLine(0, line));

  OpenWith("one\n\r\nthree\r\n");
  ReadLine(0, line);
  EXPECT_STREQ(line.CStr(), "one");
  ReadLine(0, line);
  EXPECT_STREQ(line.CStr(), "");
  ReadLine(0, line);
  EXPECT_STREQ(line.CStr(), "three");
  EXPECT_EQ(EndOfFile(0), 1.0);
}

TEST_F(ChannelTest, LongLinesAreCutAt1024BytesAndContinueOnTheNextRead) {
  std::string longLine;
  for (int i = 0; i < 1500; ++i)
    longLine += static_cast<char>('a' + i % 26);
  OpenWith(longLine + "\r\nnext\r\n");
  DynString line;
  ReadLine(0, line);
  EXPECT_EQ(std::string(line.View()), longLine.substr(0, 1024));
  ReadLine(0, line);
  EXPECT_EQ(std::string(line.View()), longLine.substr(1024));
  ReadLine(0, line);
  EXPECT_STREQ(line.CStr(), "next");
}

TEST_F(ChannelTest, LineEndsOnPieceBoundariesAreFoundWhole) {
  // The file is read in pieces of 64 bytes: CR as the last byte of one piece and LF
  // as the first of the next still make one line end; a line of exactly 64 bytes at
  // the end of the file needs no line end.
  const std::string first(63, 'x');
  const std::string second(64, 'y');
  OpenWith(first + "\r\n" + second);
  DynString line;
  ReadLine(0, line);
  EXPECT_EQ(std::string(line.View()), first);
  ReadLine(0, line);
  EXPECT_EQ(std::string(line.View()), second);
  EXPECT_EQ(EndOfFile(0), 1.0);
}

TEST_F(ChannelTest, ReadingPastTheEndIsErrorThree) {
  OpenWith("\x01\x02\x03");
  double value = 0;
  ReadWord(0, value);
  EXPECT_EQ(value, 0x0201);
  EXPECT_EQ(EndOfFile(0), 0.0);
  if (testing::OnWindows()) GTEST_SKIP() << kHeldFile;
  EXPECT_STOPS_WITH_ERROR(3, ReadWord(0, value));
  EXPECT_STOPS_WITH_ERROR(3, ReadLong(0, value));
  DynString text;
  EXPECT_STOPS_WITH_ERROR(3, ReadText(0, text, 2));
  EXPECT_STOPS_WITH_ERROR(3, ReadText(0, text, 1e12));
}

TEST_F(ChannelTest, ClosedChannelsAndFailedOpensAreErrorThree) {
  EXPECT_EQ(OpenFileChannel(2, (dir_.Path() + "missing").c_str(), 1), 0.0);
  EXPECT_EQ(OpenFileChannel(3, dir_.Path().c_str(), 1), 0.0);  // a folder is no file
  double value = 0;
  DynString text;
  EXPECT_STOPS_WITH_ERROR(3, ReadByte(2, value));
  EXPECT_STOPS_WITH_ERROR(3, ReadLine(3, text));
  EXPECT_STOPS_WITH_ERROR(3, WriteByte(4, 1));
  OpenWith("abc");
  if (testing::OnWindows()) GTEST_SKIP() << kHeldFile;
  EXPECT_STOPS_WITH_ERROR(3, WriteLine(0, "no"));  // opened for reading
}

TEST_F(ChannelTest, ChannelNumbersOutsideZeroToSevenAreErrorSeven) {
  double value = 0;
  DynString text;
  EXPECT_STOPS_WITH_ERROR(7, OpenFileChannel(8, path_.c_str(), 0));
  EXPECT_STOPS_WITH_ERROR(7, CloseFileChannel(-1));
  EXPECT_STOPS_WITH_ERROR(7, ReadByte(8, value));
  EXPECT_STOPS_WITH_ERROR(7, ReadLine(-1, text));
  EXPECT_STOPS_WITH_ERROR(7, WriteLong(8, 1));
  EXPECT_STOPS_WITH_ERROR(7, WriteText(-0.5 - 1, "x"));
  // EndOfFile does not stop; there is nothing to read on such a channel.
  EXPECT_EQ(EndOfFile(8), 1.0);
  EXPECT_EQ(EndOfFile(-1), 1.0);
}

TEST_F(ChannelTest, OpeningForWritingEmptiesTheFileAtTheCloseAndOpeningAgainCloses) {
  // The new file takes the old one's place when the channel closes.
  WriteFileBytes(path_, "old contents");
  ASSERT_EQ(OpenFileChannel(5, path_.c_str(), 0), 1.0);
  EXPECT_EQ(ReadFileBytes(path_), "old contents");
  CloseFileChannel(5);
  EXPECT_EQ(ReadFileBytes(path_), "");

  ASSERT_EQ(OpenFileChannel(5, path_.c_str(), 0), 1.0);
  WriteText(5, "new");
  const std::string other = dir_.Path() + "other.txt";
  WriteFileBytes(other, "x");
  ASSERT_EQ(OpenFileChannel(5, other.c_str(), 1), 1.0);
  EXPECT_EQ(ReadFileBytes(path_), "new");
  // The first file is closed, so it can be opened again.
  EXPECT_EQ(OpenFileChannel(6, path_.c_str(), 1), 1.0);
}

TEST_F(ChannelTest, BackslashesInPathsAreSeparators) {
  std::string windowsStyle = path_;
  windowsStyle.replace(windowsStyle.rfind('/'), 1, "\\");
  WriteFileBytes(path_, "z");
  EXPECT_EQ(OpenFileChannel(0, windowsStyle.c_str(), 1), 1.0);
}

}  // namespace
}  // namespace zentoir
