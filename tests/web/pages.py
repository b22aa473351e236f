"""What the browser tests share: serving a build's folder, reading a file from a page's
file system, and how far two pictures are apart."""

import functools
import http.server
import threading
import time

from devtools import decode_png


def serve(folder):
    """An HTTP server for the folder on a free port of 127.0.0.1, in a thread."""
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    handler = functools.partial(Quiet, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def wait_for_file(page, path, timeout=30):
    """The bytes of the file in the page's file system once it is there and not empty,
    or None."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        size = page.evaluate(f"typeof FS != 'undefined' && FS.analyzePath('{path}').exists"
                             f" ? FS.stat('{path}').size : 0")
        if size:
            return bytes(page.evaluate(f"Array.from(FS.readFile('{path}'))"))
        page.browser.pump(0.2)
    return None


def pictures_apart(png, other_png, most_pixels_apart, largest_step_apart):
    """Compares two PNG pictures: (what is wrong or None, the share of pixels more than
    two steps apart in a channel, the largest step apart)."""
    w1, h1, ours = decode_png(png)
    w2, h2, theirs = decode_png(other_png)
    if (w1, h1) != (w2, h2):
        return f"the pictures are {w1} x {h1} and {w2} x {h2}", 1.0, 255
    apart = [abs(a - b) for a, b in zip(ours, theirs)]
    share = sum(max(apart[i:i + 3]) > 2 for i in range(0, len(apart), 3)) / (w1 * h1)
    largest = max(apart)
    if share > most_pixels_apart or largest > largest_step_apart:
        return "the pictures differ", share, largest
    return None, share, largest
