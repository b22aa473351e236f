// Loading, cross-fading and clearing the background image.
#include <gtest/gtest.h>

#include "RenderFixture.h"
#include "base/ErrorLogFile.h"
#include "base/RuntimeContext.h"
#include "gfx2d/renderer/Renderer.h"
#include "zentoir.h"

namespace zentoir {
namespace {

using testing::Pixel;

class BackgroundCommands : public testing::RenderTest {
 protected:
  OpenGLRadazuri& r = *Renderer();
  void TearDown() override { ClearBackground(); }
};

TEST_F(BackgroundCommands, LoadBackgroundDrawsThePictureAndKeepsIt) {
  FillRect(0, 0, 800, 600, 0xFFFFFF);
  LoadBackground(SolidBmp("sky.bmp", 40, 30, {0, 0, 200}).c_str());
  EXPECT_EQ(At(39, 29), (Pixel{0, 0, 200}));
  EXPECT_EQ(r.Background(0).columns, 1);
  const std::string log = testing::ReadFileBytes(ErrorLogPath());
  EXPECT_NE(log.find("Loadbmp"), std::string::npos);
  EXPECT_NE(log.find("OK?"), std::string::npos);
}

TEST_F(BackgroundCommands, AMissingPictureClearsTheBackground) {
  LoadBackground(SolidBmp("old.bmp", 8, 8, {1, 2, 3}).c_str());
  FillRect(0, 0, 10, 10, 0xFFFFFF);
  LoadBackground("no such picture.bmp");
  EXPECT_EQ(r.Background(0).columns, 0);
  EXPECT_EQ(At(5, 5), (Pixel{0, 0, 0}));
  EXPECT_NE(testing::ReadFileBytes(ErrorLogPath()).find("failed"), std::string::npos);
}

TEST_F(BackgroundCommands, FadeEndsWithThePictureAsBackgroundZero) {
  FadeToBackground("no such picture.bmp");  // nothing happens
  EXPECT_EQ(r.Background(0).columns, 0);
  FadeToBackground(SolidBmp("next.bmp", 20, 20, {0, 180, 0}).c_str());
  EXPECT_EQ(r.Background(0).columns, 1);
  EXPECT_EQ(r.Background(1).columns, 0);
  EXPECT_EQ(r.Background(2).columns, 0);
  EXPECT_EQ(r.Alpha(), 1.0f);
  EXPECT_EQ(At(10, 10), (Pixel{0, 180, 0}));  // drawn again after the last frame
}

}  // namespace
}  // namespace zentoir
