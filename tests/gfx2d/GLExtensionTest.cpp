#include <gtest/gtest.h>

#include "gfx2d/gl/GLExtensions.h"
#include "gfx2d/renderer/SoftwareWarning.h"

namespace zentoir {
namespace {

TEST(ExtensionList, NamesCountOnlyAsWholeWords) {
  const char* list = "GL_ARB_multitexture GL_EXT_blend GL_ARB_fragment_program";
  EXPECT_TRUE(ExtensionListHas(list, "GL_ARB_multitexture"));      // first
  EXPECT_TRUE(ExtensionListHas(list, "GL_EXT_blend"));             // middle
  EXPECT_TRUE(ExtensionListHas(list, "GL_ARB_fragment_program"));  // last
  EXPECT_FALSE(ExtensionListHas(list, "GL_ARB_multi"));            // prefix of a name
  EXPECT_FALSE(ExtensionListHas(list, "ARB_multitexture"));        // suffix of a name
  EXPECT_FALSE(ExtensionListHas(list, "GL_EXT_blend GL"));
  EXPECT_FALSE(ExtensionListHas(list, ""));
  EXPECT_FALSE(ExtensionListHas(nullptr, "GL_EXT_blend"));
  EXPECT_FALSE(ExtensionListHas("", "GL_EXT_blend"));
}

TEST(ExtensionList, SearchGoesOnAfterAPartialMatch) {
  EXPECT_TRUE(ExtensionListHas("GL_ARB_multitexture_x GL_ARB_multitexture", "GL_ARB_multitexture"));
  EXPECT_TRUE(ExtensionListHas("XGL_A GL_A", "GL_A"));
  EXPECT_FALSE(ExtensionListHas("XGL_A GL_AB", "GL_A"));
  EXPECT_TRUE(ExtensionListHas("GL_A ", "GL_A"));  // trailing space
}

TEST(SoftwareRenderer, MesaSoftwareRasterisersAreRecognised) {
  EXPECT_TRUE(IsSoftwareRendererName("llvmpipe (LLVM 15.0.6, 256 bits)"));
  EXPECT_TRUE(IsSoftwareRendererName("softpipe"));
  EXPECT_TRUE(IsSoftwareRendererName("Mesa DRI Intel Software Rasterizer"));
  EXPECT_TRUE(IsSoftwareRendererName("Mesa Windows GDI Driver"));
  EXPECT_FALSE(IsSoftwareRendererName("AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6)"));
  EXPECT_FALSE(IsSoftwareRendererName("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
  EXPECT_FALSE(IsSoftwareRendererName(""));
  EXPECT_FALSE(IsSoftwareRendererName(nullptr));
}

}  // namespace
}  // namespace zentoir
