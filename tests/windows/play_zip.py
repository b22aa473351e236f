#!/usr/bin/env python3
"""The Windows game as a player gets it, under Wine: unpacked into an empty folder and
started, it shows its title screen within 30 s; on the board a click leads to, it saves
a screenshot on S; a whole game played to its end takes a name into the high-score
table and saves it in "Score.dat"; and it ends with code 0 on Esc. It leaves nothing in
its folder but the screenshot, the score file and its statistics, and its error log in
the Wine user's temporary folder.

    play_zip.py GAME.zip      (DISPLAY and WINEPREFIX set by the caller)
"""
import ctypes
import ctypes.util
import os
import subprocess
import sys
import tempfile
import time
import zipfile


def fail(message):
    print("play_zip: " + message, file=sys.stderr)
    sys.exit(1)


def until(condition, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        result = condition()
        if result:
            return result
        time.sleep(0.25)
    return None


def find_window():
    found = subprocess.run(["xdotool", "search", "--name", "^Pindrake"],
                           capture_output=True, text=True)
    ids = found.stdout.split()
    return ids[0] if ids else None


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]


def sky_share(window):
    """The share of sampled pixels of the window's 640 x 480 picture that are sky blue."""
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XGetImage.restype = ctypes.POINTER(XImage)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                              ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x11.XDestroyImage.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(os.environ["DISPLAY"].encode())
    if not display:
        return 0.0
    image = x11.XGetImage(display, int(window), 0, 0, 640, 480, 0xFFFFFFFF, 2)
    share = 0.0
    if image:
        pitch = image.contents.bytes_per_line
        data = ctypes.string_at(image.contents.data, pitch * 480)
        samples = [(x, y) for y in range(4, 480, 16) for x in range(4, 640, 16)]
        sky = 0
        for x, y in samples:
            blue, green, red = data[y * pitch + x * 4:y * pitch + x * 4 + 3]
            sky += red < 120 and 110 < green < 210 and blue > 160
        share = sky / len(samples)
        x11.XDestroyImage(image)
    x11.XCloseDisplay(display)
    return share


# The centres of the board's cells in the 640 x 480 picture, row by row, each row the
# other way round, so that the pointer moves one cell at a time.
CELL_CENTRES = [(x if y % 80 == 60 else 640 - x, y) for y in range(60, 461, 40)
                for x in range(160, 481, 40)]


def move_by(dx, dy):
    # The game moves its own pointer by the mouse's motion, so moves are relative.
    return ["mousemove_relative", "--", str(dx), str(dy), "sleep", "0.06"]


CLICK = ["mousedown", "1", "sleep", "0.06", "mouseup", "1", "sleep", "0.03"]


def corner(window, dx, dy):
    """The pointer pushed into a corner of the area the game keeps it in."""
    chain = ["mousemove", "--window", window, "320", "240", "sleep", "0.1"]
    for _ in range(4):
        chain += move_by(dx, dy)
    return chain


def sweep_chain(window):
    """xdotool commands that click every cell from the top-left corner on, then the OK
    button of a message dialog (the dialog keeps the pointer in its box, 200 right of
    its button and 24 below); on the board that last click lands on a cell."""
    chain = corner(window, -300, -300)
    x, y = 0, 0
    for cx, cy in CELL_CENTRES:
        chain += move_by(cx - x, cy - y) + CLICK
        x, y = cx, cy
    return chain + corner(window, 300, 300) + move_by(-200, -24) + CLICK


def play_whole_game(window, score_file, seconds):
    """Clicks every cell of the board over and over, so that every group of two or more
    balloons bursts, until the game is over; then closes the "Game Over" dialog and
    enters a name. True once the score file is written."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        subprocess.run(["xdotool"] + sweep_chain(window), check=True)
        subprocess.run(["xdotool", "key", "--delay", "80", "w", "Return"], check=True)
        if until(lambda: os.path.exists(score_file), 1):
            return True
    return False


def main():
    if len(sys.argv) != 2:
        fail("usage: play_zip.py GAME.zip")
    with tempfile.TemporaryDirectory() as folder:
        with zipfile.ZipFile(sys.argv[1]) as archive:
            archive.extractall(folder)
        (game,) = os.listdir(folder)
        game = os.path.join(folder, game)
        before = set(os.listdir(game))
        env = dict(os.environ, ZENTOIR_NO_MESSAGE_BOX="1", SDL_AUDIODRIVER="dummy")
        program = subprocess.Popen(["wine", "Pindrake.exe", "--windowed", "--seed", "7"],
                                   cwd=game, env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            window = until(find_window, 60)
            if not window:
                fail("no Pindrake window")
            if not until(lambda: sky_share(window) > 0.5, 30):
                fail("no title screen within 30 s")
            # A click leaves the title screen for the board, where S saves the screen,
            # and gives the window the focus: Wine takes keys from the X server's own
            # input, not from events sent to a window.
            subprocess.run(["xdotool", "mousemove", "--window", window, "320", "240",
                            "click", "1"], check=True)
            subprocess.run(["xdotool", "keydown", "s"], check=True)
            shot = os.path.join(game, "ScreenShot.png")
            saved = until(lambda: os.path.exists(shot) and os.path.getsize(shot) > 1000, 30)
            subprocess.run(["xdotool", "keyup", "s"], check=True)
            if not saved:
                fail("no ScreenShot.png on S")
            if not play_whole_game(window, os.path.join(game, "Score.dat"), 480):
                fail("no Score.dat after a whole game")
            subprocess.run(["xdotool", "key", "Escape"], check=True)
            code = program.wait(60)
        finally:
            if program.poll() is None:
                program.kill()
        if code != 0:
            fail("exit code %d on Esc" % code)
        written = set(os.listdir(game)) - before
        if not {"ScreenShot.png", "Score.dat"} <= written <= {"ScreenShot.png", "Score.dat",
                                                               "Pindrake.ini"}:
            fail("the game wrote %s beside itself" % sorted(written))
    users = os.path.join(os.environ["WINEPREFIX"], "drive_c", "users")
    logs = [os.path.join(root, "ErrorLog.txt") for root, _, files in os.walk(users)
            if "ErrorLog.txt" in files and os.path.basename(root).lower() == "temp"]
    if not logs:
        fail("no ErrorLog.txt in the user's temporary folder")
    print("play_zip: title screen, screenshot, a whole game with its score, Esc and the "
          "error log as expected")


main()
