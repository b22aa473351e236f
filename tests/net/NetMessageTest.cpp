#include <gtest/gtest.h>

#include <string>

#include "net/NetMessage.h"
#include "net/NetPlayerRecord.h"

namespace zentoir {
namespace {

using State = NetMessageReader::State;

State FeedAll(NetMessageReader& reader, const std::string& bytes, size_t& used) {
  return reader.Feed(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), used);
}

std::string Header(const char* tag, int32_t length) {
  NetMessage message;
  message.type = kNetGameMessage;
  std::string bytes = EncodeNetMessage(message);
  bytes.replace(0, 4, tag, 4);
  for (int i = 0; i < 4; ++i)
    bytes[5 + i] = static_cast<char>((static_cast<uint32_t>(length) >> (8 * i)) & 0xFF);
  return bytes;
}

TEST(NetMessageReader, CutsWholeMessagesOutOfAStreamInAnyChunks) {
  NetMessage first{kNetGameMessage, -1, 101, "hi"};
  NetMessage second{kNetQueryCount, 0, 0x01020304, ""};
  const std::string stream = EncodeNetMessage(first) + EncodeNetMessage(second);
  EXPECT_EQ(stream.substr(0, 9), std::string("ZNTR\x03\x02\0\0\0", 9));  // little-endian
  NetMessageReader reader;
  std::vector<NetMessage> out;
  for (char byte : stream) {  // one byte at a time: every split point
    size_t used = 0;
    if (FeedAll(reader, std::string(1, byte), used) == State::Complete)
      out.push_back(reader.Take());
    EXPECT_EQ(used, 1u);
  }
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].target, -1);
  EXPECT_EQ(out[0].sender, 101);
  EXPECT_EQ(out[0].payload, "hi");
  EXPECT_EQ(out[1].type, kNetQueryCount);
  EXPECT_EQ(out[1].sender, 0x01020304);
  EXPECT_TRUE(out[1].payload.empty());
  // Given both at once, the reader stops at the end of the first.
  size_t used = 0;
  EXPECT_EQ(FeedAll(reader, stream, used), State::Complete);
  EXPECT_EQ(used, stream.size() - kNetHeaderSize);
  EXPECT_FALSE(reader.InProgress());
}

TEST(NetMessageReader, AWrongTagOrALengthOutsideTheLimitSpoilsTheStream) {
  const std::pair<const char*, int32_t> bad[] = {
      {"ZNTX", 0}, {"ZNTR", kNetMaxPayload + 1}, {"ZNTR", -1}, {"ZNTR", INT32_MIN}};
  for (const auto& [tag, length] : bad) {
    NetMessageReader reader;
    size_t used = 0;
    EXPECT_EQ(FeedAll(reader, Header(tag, length) + "more", used), State::Invalid) << length;
    EXPECT_EQ(used, kNetHeaderSize);
    EXPECT_EQ(reader.Wanted(), 0u);
  }
  NetMessageReader reader;
  size_t used = 0;
  EXPECT_EQ(FeedAll(reader, Header("ZNTR", kNetMaxPayload), used), State::NeedMore);
  EXPECT_TRUE(reader.InProgress());
  EXPECT_EQ(reader.Wanted(), static_cast<size_t>(kNetMaxPayload));
}

TEST(NetPlayerRecord, NameAndFlagSurviveTheTripAndLongNamesAreCut) {
  bool anonymous = true;
  std::string name;
  const std::string payload = EncodePlayerRecord(false, std::string(200, 'n'));
  EXPECT_EQ(payload.size(), 152u);
  ASSERT_TRUE(DecodePlayerRecord(payload, anonymous, name));
  EXPECT_FALSE(anonymous);
  EXPECT_EQ(name, std::string(127, 'n'));
  ASSERT_TRUE(DecodePlayerRecord(EncodePlayerRecord(true, ""), anonymous, name));
  EXPECT_TRUE(anonymous);
  EXPECT_EQ(name, "");
  EXPECT_FALSE(DecodePlayerRecord(payload.substr(0, 151), anonymous, name));
}

}  // namespace
}  // namespace zentoir
