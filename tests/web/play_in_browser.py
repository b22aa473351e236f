"""Plays the web build (build-web/) in headless chromium: the page starts the game with
no error on its console, a seeded board looks as the desktop game draws it, a whole
game played by the rules ends with the player's name in the table, and the table is
still there after a reload.

    tests/web/play_in_browser.py BUILD_WEB DESKTOP_SCREENSHOT

DESKTOP_SCREENSHOT is scripts/screenshot's picture of the same scene, taken from the
desktop game."""

import sys
import tempfile
import time

import board
from devtools import Browser, encode_png
from pages import pictures_apart, serve, wait_for_file

# How far the browser's picture may be from the desktop's: both draw the same batches
# through the same shaders; the software rasterisers round a blended or filtered texel
# differently by a step or two.
MOST_PIXELS_APART = 0.001  # share of pixels off by more than two steps
LARGEST_STEP_APART = 16


def fail(message, page=None):
    if page:
        for level, text in page.console_lines():
            print(f"console {level}: {text}", file=sys.stderr)
    sys.exit(f"play_in_browser: {message}")


def point(page, x, y, left=0, top=0):
    """The game hides the system's pointer and moves its own by the mouse's movement:
    pushed into the top left corner of the area it keeps the pointer in first (the
    screen, or a dialog's box), it then moves by the distance to (x, y)."""
    for at in ((639, 479), (0, 0), (x - left, y - top)):
        page.call("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": at[0], "y": at[1]})
        time.sleep(0.1)
    page.pointer = (x, y)


def click(page, x, y, left=0, top=0):
    point(page, x, y, left, top)
    page.click(x - left, y - top)


def play_seeded_board(page):
    """As scripts/screenshot plays it: the title left, a group burst, the picture saved.
    Each step waits for the screen to settle, however slowly the machine draws."""
    if not page.wait_for_console("Init OK"):
        fail("the game did not start", page)
    time.sleep(2)
    click(page, 320, 240)  # leave the title screen
    still_screen(page)  # the board has risen
    click(page, 200, 140)  # a group of yellow balloons
    still_screen(page)
    point(page, 300, 300)
    time.sleep(0.3)
    page.press_key("s", "KeyS", 83, "s")
    return wait_for_file(page, "/ScreenShot.png")


def reddish(p):
    return p[0] > 200 and 50 < p[1] < 170 and p[2] < 150


def dialog_shown(shot):
    """The dialog's box is plain red beside its buttons."""
    def count(x0, x1):
        return sum(reddish(board.pixel(shot, x, y)) for y in range(305, 345) for x in range(x0, x1))
    return count(150, 230) > 3100 and count(410, 490) > 3100


def without_pointer(page, shot):
    """The picture with the pointer's square blacked out: the game draws the pointer
    without blending in the frames that take its screen copy, so its soft edge changes
    every tenth of a second."""
    x0, y0 = getattr(page, "pointer", (-100, -100))
    width, height, rgb = shot
    pixels = bytearray(rgb)
    for y in range(max(0, y0 - 2), min(height, y0 + 40)):
        start, end = (y * width + max(0, x0 - 2)) * 3, (y * width + min(width, x0 + 40)) * 3
        pixels[start:end] = bytes(end - start)
    return bytes(pixels)


def still_screen(page, timeout=30):
    """The screen once it has stayed the same, but for the pointer, for most of a second
    (a burst pauses between its balloons for less)."""
    deadline, shot, same = time.monotonic() + timeout, page.screenshot(), 0
    last = without_pointer(page, shot)
    while time.monotonic() < deadline:
        time.sleep(0.4)
        shot = page.screenshot()
        seen = without_pointer(page, shot)
        same, last = (same + 1 if seen == last else 0), seen
        if same == 2:
            return shot
    fail("the screen did not settle", page)


def play_to_the_end(page, build):
    """Bursts the largest group until none is left, each burst checked against the rules,
    then waits for the game's "Game Over"; the moves made."""
    moves, shot = 0, still_screen(page)
    while True:
        seen = board.read(shot)
        cell = board.largest_group(seen)
        if cell is None:
            break
        click(page, *board.centre(cell))
        moves += 1
        shot = still_screen(page)
        expected, shown = board.burst(seen, cell), board.read(shot)
        if shown != expected and board.largest_group(expected) is None and dialog_shown(shot):
            break  # the game is over, and its dialog covers the board
        if shown != expected:
            open(f"{build}/browser-failure.png", "wb").write(encode_png(shot))
            fail(f"move {moves} at {cell} did not leave the board the rules give:\n"
                 f"before {board.text(seen)}\nexpected {board.text(expected)}\n"
                 f"shown {board.text(shown)}", page)
    deadline = time.monotonic() + 30
    while not dialog_shown(shot):
        if time.monotonic() > deadline:
            fail("no dialog came at the end of the game", page)
        shot = page.screenshot()
    return moves


def enter_name(page, name):
    click(page, 320, 326, 120, 130)  # "OK" in "Game Over", whose box starts at (120, 130)
    time.sleep(2)  # the name entry starts
    for letter in name:
        page.press_key(letter, f"Key{letter.upper()}", ord(letter.upper()), letter)
    page.press_key("Enter", "Enter", 13, "\r")


def main():
    build, desktop_screenshot = sys.argv[1], sys.argv[2]
    server = serve(build)
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html?arg=--seed&arg=7"
    with tempfile.TemporaryDirectory() as profile:
        browser = Browser(profile)
        try:
            page = browser.open_page(url)
            picture = play_seeded_board(page)
            if picture is None:
                fail("the game saved no screenshot", page)
            shown = page.screenshot()
            if not any(shown[2]):
                fail("the page shows nothing but black", page)
            problem, share, largest = pictures_apart(
                picture, open(desktop_screenshot, "rb").read(), MOST_PIXELS_APART,
                LARGEST_STEP_APART)
            print(f"browser against desktop: {share:.4%} of the pixels more than 2 steps "
                  f"apart, at most {largest} steps")
            if problem:
                open(f"{build}/browser-screenshot.png", "wb").write(picture)
                fail(f"{problem} (kept as {build}/browser-screenshot.png)", page)
            moves = play_to_the_end(page, build)
            enter_name(page, "Webplayer")
            scores = wait_for_file(page, "/saved/Score.dat", timeout=30)
            if not scores or b"Webplayer" not in scores:
                fail("the name did not reach the table in the browser's storage", page)
            print(f"a whole game of {moves} moves, the name in the table")
            errors = [t for level, t in page.console_lines()
                      if level in ("error", "exception") or t.startswith("WebGL")]
            if errors:
                fail(f"the console has errors: {errors}", page)

            browser.events.clear()  # the console lines so far were checked
            page.call("Page.reload")
            if not page.wait_for_console("Init OK", timeout=60):
                fail("the game did not start again after a reload", page)
            kept = wait_for_file(page, "/Score.dat", timeout=10)
            if kept != scores:
                fail("the table was gone after a reload", page)
        finally:
            browser.close()
            server.shutdown()
    print("play_in_browser: passed")


if __name__ == "__main__":
    main()
