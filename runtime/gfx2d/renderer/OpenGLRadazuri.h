// OpenGLRadazuri: the renderer. It owns the one main window, the one OpenGL context, the
// frame pacing values and the drawing side (sprite table, fonts, drawing state, drawing
// targets); the drawing commands reach these through its methods.
//
// The renderer's methods are written in gfx2d/renderer/, one file per job; every GL
// call they make goes through gfx2d/gl/.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx2d/gl/DrawBackends.h"
#include "gfx2d/gl/GLStateCache.h"
#include "gfx2d/gl/QuadBatch.h"
#include "gfx2d/gl/SpriteGeometry.h"
#include "gfx2d/gl/SwapWait.h"
#include "gfx2d/gl/TextLayout.h"
#include "gfx2d/renderer/OffscreenScreen.h"
#include "gfx2d/renderer/ScaledTarget.h"
#include "gfx2d/renderer/SpriteRecord.h"

#include "os/GLContext.h"
#include "os/Window.h"

namespace zentoir {

struct ImageBuffer;

class OpenGLRadazuri {
 public:
  // Sets the next-frame time stamp to now.
  OpenGLRadazuri();
  // Releases the textures and the GL context. The window itself is destroyed by the
  // last shutdown stage (or DestroyGameWindow).
  ~OpenGLRadazuri();
  OpenGLRadazuri(const OpenGLRadazuri&) = delete;
  OpenGLRadazuri& operator=(const OpenGLRadazuri&) = delete;

  // Creates the window with its GL context (a context that already exists is reused, so
  // its textures survive). Colour depth 0 means the desktop's; multisampleLevel is the
  // number of samples asked for, halved until the display offers a format. 1 or 0.
  int CreateGameWindow(int width, int height, int colourDepth, int framesPerSecond,
                       int multisampleLevel);
  // A captioned window of the stored size. Returns 1.
  int EnterWindowed();
  // The display switched to the stored size on the same window and context. 1, or 0
  // (with a visible notice, a log line and the window kept) when the display cannot.
  int EnterFullScreen();
  // Stores every positive value (0 or less keeps the stored one), then enters the mode the flag
  // asks for.
  int ApplyScreenMode(int width, int height, int colourDepth, int fullScreen);
  // Leaves full screen and hides the window. Returns 1.
  int HideGameWindow();
  // Deletes every texture, leaves full screen and destroys the window; the context stays.
  void DestroyGameWindow();
  // Stores the drawing size (the window is not resized) and resets the drawing state.
  void SetWindowSize(int width, int height);
  // Whether the context's extension list names the extension as a whole word.
  bool HasGLExtension(const char* name) const;
  // Clears the back buffer to black.
  void ClearColourBuffer();
  // Returns drawing to the back buffer, swaps and clears it.
  void SwapBackBuffer();
  // The frame pacing: how long until the next frame may be shown, and, once it has
  // been, when the one after it may.
  double MsUntilNextFrame(double now) const;
  void ScheduleNextFrame(double now);
  // After a frame is shown: blending off, full white and alpha, background image 0 and
  // the full-screen 2D drawing state.
  void BeginFrame();
  // The full-screen viewport and the fixed 2D state, while there is a context.
  void ResetFullDrawingState();
  // Deletes every texture and framebuffer (sprites, backgrounds, screens).
  void ReleaseEverything();
  // Turns waiting for the display's vertical refresh on or off when buffers are swapped.
  void SetVerticalSync(bool on);
  // Frames per second; 0 or less: no limit (at most one frame every 2 ms).
  void SetFrameRateLimit(int32_t framesPerSecond);
  bool IsFullScreen() const { return fullScreenActive != 0; }
  // The main window, kept in the runtime context so that it outlives the renderer
  // until the last shutdown stage; the renderer is its only writer.
  os::WindowHandle Window() const;
  os::GLContextHandle Context() const { return context; }

  // Image store (numbers outside the tables are ignored).
  void BindSprite(int32_t n);
  int FreeSprite(int32_t n);
  // Loads an image file into sprite n with a colour key (-1: none); 1 or 0.
  int LoadSpriteImage(int32_t n, const std::string& path, int64_t colourKey, bool normalMap);
  // Puts a whole image into sprite n as LoadSpriteImage does with a file's; 1 or 0.
  int LoadSpriteFromImage(int32_t n, const ImageBuffer& image, bool normalMap);
  // Makes a texture from a region of an image (see BuildTexels); 1, or 0 for an empty
  // region. *texture (and *mipTexture when given) receive the new names.
  int UploadImage(const ImageBuffer& image, int32_t x, int32_t y, int32_t w, int32_t h,
                  uint32_t* texture, uint32_t* mipTexture, bool normalMap, bool fontMode);
  int LoadBackgroundImage(int32_t slot, const std::string& path);
  void FreeBackgroundImage(int32_t slot);
  void DrawBackgroundImage(int32_t slot);
  // Deletes every sprite and background texture and resets the records.
  void ReleaseAllTextures();
  // Sprite n's texels as BGR rows (textureWidth × textureHeight); empty without a texture.
  std::vector<uint8_t> SpriteTexels(int32_t n);
  // The alpha plane of sprite n (textureWidth × textureHeight bytes), read back once.
  const std::vector<uint8_t>& AlphaMask(int32_t n);
  // The full-screen or given viewport and the fixed 2D state.
  void ResetDrawingState(int32_t x, int32_t y, int32_t w, int32_t h);
  // Gives the bound texture this magnification and minification filter, skipping the
  // GL calls when it has it already (they would break the batching of quads).
  void SetBoundTextureFilter(uint32_t texture, int32_t filter);
  // Blending, alpha test and texture environment for drawing the bound texture in the
  // current colour: no more than the alpha mode's blending with the alpha test needs.
  void PrepareTexturedFragments(uint32_t texture);
  TextureAlpha AlphaOfTexture(uint32_t texture) const;
  void SetTextureAlpha(uint32_t texture, TextureAlpha alpha);
  // Texturing off on the second texture unit (2D drawing uses one). Switching units
  // costs, so it is skipped while the unit is known to be off; code that enables the
  // second unit clears that knowledge.
  void DisableSecondTextureUnit();
  // The largest texture side the context takes, capped so sizes fit the records.
  int32_t MaxTextureSize() const;
  bool GLReady() const { return context != nullptr; }

  // Text: draws the bytes of `text` with font slot `font` (0..31), top-left at (x, y),
  // as one vertex-array draw. An empty text draws and binds nothing.
  void DrawText(int32_t font, std::string_view text, float x, float y, float z);

  // Capture. Rectangles are in pixels of the current drawing target, y from the top.
  // Copies the rectangle into sprite n (a texture of at least 32 × 32, reused when its
  // size fits); 1, or 0 for an empty or oversized rectangle or a bad sprite number.
  int CaptureSprite(int32_t n, int32_t x, int32_t y, int32_t w, int32_t h);
  // The ways CaptureSprite fills a texture of size T × U: a GL copy into the bound
  // texture (targets with alpha), or a read-back keyed by ReadKeyColourFromScreen; or,
  // for the read-back's texels without reading back, a copy keyed on the GPU where the
  // back end can and the target stores the key as it is (false where not).
  void CopyTargetIntoTexture(int32_t x, int32_t y, int32_t w, int32_t h);
  void ReadTargetIntoTexture(uint32_t texture, int32_t x, int32_t y, int32_t w, int32_t h,
                             int32_t T, int32_t U);
  bool KeyTargetIntoTexture(uint32_t texture, int32_t x, int32_t y, int32_t w, int32_t h, int32_t T,
                            int32_t U);
  // Whether the drawing target keeps alpha.
  bool TargetHasAlpha();
  // The whole target as square tiles into background slot 0..7.
  void CaptureScreenToBackground(int32_t slot);
  // One pixel of the target as red + 256 × green + 65536 × blue (0 outside it).
  uint32_t ReadPixel(int32_t x, int32_t y);
  // The transparent colour as the target stores it, as R << 24 | G << 16 | B << 8; 0 when
  // the transparent colour is 0.
  uint32_t ReadKeyColourFromScreen();
  // Size of the current drawing target: the back buffer, or a framebuffer screen's
  // drawn area.
  int32_t TargetWidth() const;
  int32_t TargetHeight() const;

  // Writes BGR pixels (rowLength per row, source row 0 at the bottom) as PNG when the
  // path ends in ".png" (any case), else as a 24-bit bitmap; 1 written, 0 not.
  int SaveImageFile(const std::string& path, const std::vector<uint8_t>& pixels, int32_t w,
                    int32_t h, int32_t rowLength, int32_t rows);

  // Offscreen screens.
  void CreateScreen(int32_t s, int32_t n, int32_t w, int32_t h);
  void UseScreen(int32_t s);
  // Deletes every framebuffer and forgets the screens (drawing back to the back buffer).
  void ReleaseScreens();

  // Drawing state, as the drawing commands set and read it.
  // Sprite record n; n must be a sprite number (IsSpriteNumber).
  const SpriteRecord& Sprite(int32_t n) const { return spriteTable[n]; }
  // Its sizes, as the quad geometry takes them.
  SpriteExtent Extent(int32_t n) const {
    const SpriteRecord& s = spriteTable[n];
    return {s.width, s.height, s.textureWidth, s.textureHeight, s.frameWidth, s.frameHeight};
  }
  // The frame size the drawing commands cut sprite n into.
  void SetSpriteFrame(int32_t n, int16_t frameWidth, int16_t frameHeight);
  // The sprite bound for drawing (-1: none).
  int32_t BoundSprite() const { return currentSprite; }
  // Binds sprite n for drawing with the filter the smoothing flag asks for and the
  // alpha test on.
  void PrepareSprite(int32_t n);
  // Blending by the alpha mode: 0 off (opaque), above 0 additive, below 0 blended; the
  // current alpha becomes |a| (at most 1), or 1 for 0.
  void SetAlphaMode(float a);
  float Alpha() const { return currentAlpha; }
  // The alpha a primitive draws a colour with: 0 for the transparent colour, else the
  // current alpha.
  float AlphaOfColour(uint32_t colour) const {
    return colour == transparentColour ? 0.0f : currentAlpha;
  }
  void SetSmoothing(bool on) { smoothingFlag = on ? 1 : 0; }
  // The texture filter the smoothing flag asks for.
  int32_t SmoothingFilter() const;
  // The colour key of sprites and fonts loaded from now on (also what primitives draw
  // transparent).
  void SetTransparentColour(uint32_t colour) { transparentColour = fontTransparentColour = colour; }
  uint32_t TransparentColour() const { return transparentColour; }
  uint32_t FontTransparentColour() const { return fontTransparentColour; }
  // The font slot PrintText uses.
  void SelectFont(int32_t font) { selectedFont = font; }
  int32_t SelectedFont() const { return selectedFont; }
  // The 2D quads waiting to be drawn are batched (on by default; off draws each at once,
  // for tests and benchmarks that compare).
  void SetBatching(bool on) { quadBatch.SetEnabled(on); }
  // Draws the quads waiting, before pixels are read directly.
  void FlushDrawing() { quadBatch.Flush(); }
  // Draws what waits and forgets the GL state, for code that then uses GL directly and
  // leaves it changed (see GLStateCache.h); UseGLDirectly forgets it again at the end.
  void ForgetGLState() { glState.FlushAndForget(); }
  [[nodiscard]] DirectGL UseGLDirectly() { return DirectGL(glState); }
  // A textured quad of the bound sprite, drawn as the sprite commands draw it.
  void AddSpriteQuad(const SpriteQuad& quad) { quadBatch.AddSpriteQuad(quad); }
  // Untextured vertices (x, y pairs) in a colour, without the alpha test: the transparent
  // colour draws with alpha 0, any other with the current alpha. Afterwards no sprite is
  // bound and the colour is opaque white with the current alpha, as after every primitive.
  void DrawColoured(uint32_t mode, const float* xy, size_t vertexCount, uint32_t colour);
  // A triangle fan of coloured (and, while a sprite is bound, textured) vertices, drawn
  // with smooth shading and the alpha test.
  void DrawPolygon(const std::vector<PolygonVertex>& vertices);
  // Off: sprites and text always draw with the alpha mode's blending, the alpha test and
  // the colour multiplied in (for tests and benchmarks that compare).
  void SetFragmentShortcuts(bool on) { fragmentShortcuts = on; }
  // Drawing through shaders or the fixed-function pipeline (start-up picks shaders
  // where the context runs them): the kind in use afterwards, with the full-screen 2D
  // state set again. For tests and benchmarks that compare the two.
  DrawBackendKind UseDrawBackend(DrawBackendKind kind);
  DrawBackendKind DrawBackendInUse() const { return drawBackends.CurrentKind(); }
  // A new or reused texture name: its filter is unknown again and it counts as translucent.
  void ForgetTextureState(uint32_t texture);
  // Background slot 0..7 and its tiles.
  const BackgroundImage& Background(int32_t slot) const { return backgrounds[size_t(slot)]; }
  // The drawing size of the screen mode (the window's drawn area).
  int32_t ScreenWidth() const { return width; }
  int32_t ScreenHeight() const { return height; }
  int32_t MultisampleLevel() const { return multisampleLevel; }
  // The back buffer as BGR rows (bottom row first), read even while a framebuffer screen
  // is the drawing target.
  std::vector<uint8_t> ReadBackBuffer();

  // The scaled screen (gfx2d/ScaledScreen.h): the screen is drawn into a framebuffer of
  // its size and shown scaled to the window, its aspect kept. On: true when it is on
  // afterwards (false: off, or no framebuffers).
  bool SetScaledScreen(bool on);
  bool ScaledScreenOn() const { return scaled.on; }
  // The framebuffer that stands for the back buffer while drawing (0 without scaling).
  uint32_t BackBufferFramebuffer() const { return scaled.on ? scaled.framebuffer : 0; }
  // Shows the drawn screen scaled in the window's back buffer; drawing then goes on
  // into the screen's framebuffer. Run before every swap.
  void PresentScaledScreen();
  // After a screen-mode change: the framebuffer follows the screen's size.
  void FitScaledScreen();

 private:
  friend struct RendererTestAccess;  // tests that look at screens and pacing values

  int OpenWindowWithContext(int samples);
  bool TryOpenWindow(int samples);
  // The time between frames: the frame-rate limit, or the display's refresh interval
  // where swaps should wait for it but do not.
  double PacedFrameInterval() const;
  void StartSwapCheck();
  void EnterScreen(int32_t s);
  void LeaveScreen(int32_t s);
  // The scaled screen's framebuffer follows the screen size; false when it cannot be
  // made.
  bool FitScaledTarget();
  bool CreateScaledTarget();
  void TurnOffScaledScreen();
  // The user may resize the window, though not below the screen's size (text must stay
  // readable) unless the desktop is smaller.
  void LetUserResize(bool on);
  // Turns the scaled screen off and deletes its framebuffer (the release).
  void ReleaseScaledScreen();
  // The mapping of pointer positions follows the window's size.
  void UpdateWindowMapping() const;
  // The viewport, projection and fixed 2D state, set directly.
  void SetViewportDirectly(int32_t x, int32_t y, int32_t w, int32_t h);

  // Image store.
  int32_t currentSprite = -1;
  std::unique_ptr<SpriteRecord[]> spriteTable{new SpriteRecord[kSpriteCount]};
  AlphaMaskCache alphaMaskCache = AlphaMaskCache(kSpriteCount);
  std::array<BackgroundImage, kBackgroundSlots> backgrounds{};
  std::vector<int32_t> textureFilters;  // by texture name: the filter it has, 0 unknown

  // 2D drawing state.
  float currentAlpha = 0;
  uint8_t smoothingFlag = 1;
  uint32_t transparentColour = 0x8000FF;
  uint32_t fontTransparentColour = 0;
  uint8_t secondUnitDisabled = 0;
  std::vector<TextureAlpha> textureAlphas;  // by texture name, as uploaded
  bool fragmentShortcuts = true;
  DrawBackends drawBackends;
  QuadBatch quadBatch{drawBackends};
  GLStateCache glState{quadBatch, drawBackends};

  // Text.
  int32_t selectedFont = 0;
  std::vector<TextVertex> textVertices;  // reused by every text; only grows

  // Drawing targets: offscreen screens, the scaled screen, captures.
  std::array<OffscreenScreen, kScreenCount> screens{};
  int32_t activeScreen = -1;  // -1: drawing goes to the back buffer
  ScaledTarget scaled;
  int32_t alphaBits = 0;  // of the back buffer; a non-zero answer is kept
  // Whether the back buffer (the window's, or the scaled screen's) stores 8 bits a colour
  // channel: asked once for each, and again after the window is made anew.
  struct {
    uint32_t framebuffer = 0;
    int8_t answer = -1;  // 1 or 0; -1: not asked yet
  } eightBitColour;
  std::vector<uint8_t> captureScratch;  // read-back captures; grows, kept between calls

  // Window and display.
  int32_t width = 0;
  int32_t height = 0;
  int32_t colourDepth = 0;
  uint8_t fullScreenActive = 0;
  int32_t multisampleLevel = 0;
  int32_t viewportX = 0;
  int32_t viewportY = 0;
  int32_t viewportWidth = 0;
  int32_t viewportHeight = 0;
  os::GLContextHandle context = nullptr;
  uint8_t initialised = 0;
  uint8_t verticalSync = 1;

  // Frame pacing.
  double nextFrameTime = 0;
  double frameInterval = 2.0;
  SwapWait swapWait;
};

}  // namespace zentoir
