#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DownloadFixture.h"
#include "net/Download.h"

namespace zentoir {
namespace {

using testing::Download;
using testing::Exists;
using testing::ReadFileBytes;
using testing::ScriptedServer;

TEST_F(Download, HeadersOnlyLeaveAnEmptyFileAndTheRequestIsSentAsItStands) {
  const std::string file = File("empty.txt");
  testing::WriteFileBytes(file, "old contents");
  ScriptedServer server({"HTTP/1.0 200 OK\r\nServer: test\r\n\r\n"});
  EXPECT_EQ(DownloadFile("127.0.0.1", "/a b/../c?x=1", server.Port(), file.c_str()), 1);
  EXPECT_TRUE(Exists(file));
  EXPECT_EQ(ReadFileBytes(file), "");
  EXPECT_EQ(server.Request(),
            "GET /a b/../c?x=1 HTTP/1.0\r\nHost:127.0.0.1\r\nAccept: */*\r\n"
            "User-Agent: Zentoir game\r\n\r\n");
}

TEST_F(Download, TheBodyStartsAfterTheFirstEmptyLineWhateverTheLineEndsAndChunks) {
  struct Case {
    std::vector<std::string> chunks;
    std::string body;
  } cases[] = {
      {{"HTTP/1.0 200 OK\nX-A: 1\n\nline one\r\n\r\nline two"}, "line one\r\n\r\nline two"},
      {{"HTTP/1.0 200 OK\r\nX-A: 1\r\n\r", "\nsecond chunk", " and a third"},
       "second chunk and a third"},
      {{"HTTP/1.0 404 Not Found\r\n\r\n<h1>missing</h1>"}, "<h1>missing</h1>"},
  };
  for (const Case& c : cases) {
    const std::string file = File("body.txt");
    ScriptedServer server(c.chunks);
    EXPECT_EQ(DownloadFile("127.0.0.1", "/", server.Port(), file.c_str()), 1) << c.body;
    EXPECT_EQ(ReadFileBytes(file), c.body);
  }
}

TEST_F(Download, NoServerMeansNoFileAndASilentServerTimesOut) {
  const std::string file = File("never.txt");
  EXPECT_EQ(DownloadFile("127.0.0.1", "/", testing::FreePort(), file.c_str()), 0);
  EXPECT_FALSE(Exists(file));

  DownloadSettingsInUse().stallTimeoutS = 1;
  ScriptedServer silent({}, false);
  EXPECT_EQ(DownloadFile("127.0.0.1", "/", silent.Port(), file.c_str()), 0);
}

}  // namespace
}  // namespace zentoir
