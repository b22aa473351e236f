"""Draws the drawing scenes on the desktop (the native program, under an Xvfb server of
its own) and in headless chromium (the web build's drawing-scenes.html), and compares
each scene's two pictures.

    tests/web/compare_scenes.py WEB_FOLDER DESKTOP_PROGRAM

WEB_FOLDER holds drawing-scenes.html and its program; DESKTOP_PROGRAM is the native
zentoir_drawing_scenes."""

import glob
import os
import subprocess
import sys
import tempfile

from devtools import Browser
from pages import pictures_apart, serve, wait_for_file

# How far each scene's two pictures may be apart: the share of pixels more than two
# steps apart in a channel, and the largest step. Both draw the same batches through the
# same shaders. The two software rasterisers (llvmpipe on the desktop, SwiftShader in
# chromium) round filtered and blended texels apart by a step or two. Whole pixels differ
# only where the rules leave a tie: where a stretched or zoomed sprite drawn with nearest
# texels puts a pixel's centre exactly on the edge between two texels (every fifth pixel
# of a sprite stretched by 5/4), and where a rotated edge passes through a pixel's centre.
# Polygons are shaded with dithering, which each rasteriser does in its own pattern.
BOUNDS = {
    "sprites.png": (0.01, 255),  # measured: 0.71 %, nearest-texel ties in stretched sprites
    "alpha-modes.png": (0.004, 255),  # 0.22 %, the same ties in sprites zoomed by 1.3
    "primitives.png": (0.0002, 16),  # 0.003 %, at most 8 steps: dithered polygons
    "screens.png": (0.0002, 255),  # 0.003 %: 9 pixels on rotated edges
    "text.png": (0.0001, 4),  # nothing more than 1 step apart
}


def fail(message, page=None):
    if page:
        for level, text in page.console_lines():
            print(f"console {level}: {text}", file=sys.stderr)
    sys.exit(f"compare_scenes: {message}")


def draw_on_the_desktop(program, folder):
    """Runs the program under an Xvfb server of its own; the pictures' paths."""
    read_display, write_display = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_display), "-screen", "0",
                             "800x600x24", "-nolisten", "tcp"], pass_fds=[write_display],
                            stderr=subprocess.DEVNULL)
    os.close(write_display)
    try:
        with os.fdopen(read_display) as display:
            number = display.readline().strip()
        if not number:
            fail("Xvfb did not start")
        env = dict(os.environ, DISPLAY=f":{number}", SDL_AUDIODRIVER="dummy",
                   ZENTOIR_NO_MESSAGE_BOX="1", TMPDIR=folder)
        done = subprocess.run([program, f"{folder}/desktop"], env=env, timeout=120,
                              capture_output=True, text=True)
        if done.returncode != 0 or "scenes saved" not in done.stdout:
            fail(f"the desktop program ended with {done.returncode}: {done.stderr}")
    finally:
        xvfb.kill()
        xvfb.wait()
    return sorted(glob.glob(f"{folder}/desktop/*.png"))


def main():
    web_folder, program = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as work:
        pictures = draw_on_the_desktop(program, work)
        if len(pictures) != len(BOUNDS):
            fail(f"the desktop program saved {len(pictures)} of {len(BOUNDS)} scenes")
        server = serve(web_folder)
        browser = Browser(f"{work}/profile")
        try:
            page = browser.open_page(
                f"http://127.0.0.1:{server.server_address[1]}/drawing-scenes.html")
            if not page.wait_for_console("scenes saved", timeout=120):
                fail("the page did not save its scenes", page)
            different = []
            for path in pictures:
                name = os.path.basename(path)
                if name not in BOUNDS:
                    fail(f"{name} has no bound")
                drawn = wait_for_file(page, f"/scenes/{name}", timeout=5)
                if drawn is None:
                    fail(f"the page saved no {name}", page)
                problem, share, largest = pictures_apart(drawn, open(path, "rb").read(),
                                                         *BOUNDS[name])
                print(f"{name}: {share:.4%} of the pixels more than 2 steps apart, "
                      f"at most {largest} steps")
                if problem:
                    open(f"{web_folder}/browser-{name}", "wb").write(drawn)
                    open(f"{web_folder}/desktop-{name}", "wb").write(open(path, "rb").read())
                    different.append(f"{name}: {problem}")
            errors = [t for level, t in page.console_lines()
                      if level in ("error", "exception") or t.startswith("WebGL")]
            if errors:
                fail(f"the console has errors: {errors}", page)
        finally:
            browser.close()
            server.shutdown()
        if different:
            fail(f"{', '.join(different)} (both kept in {web_folder})")
    print(f"compare_scenes: {len(pictures)} scenes within the bound")


if __name__ == "__main__":
    main()
