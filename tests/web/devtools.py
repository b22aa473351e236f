"""A small client of Chromium's DevTools protocol over --remote-debugging-pipe: the
system's headless chromium, driven with no library beyond Python's own."""

import base64
import json
import os
import select
import shutil
import signal
import struct
import subprocess
import time
import zlib


class Browser:
    def __init__(self, profile, width=640, height=480):
        to_browser_read, self._to_browser = os.pipe()
        self._from_browser, from_browser_write = os.pipe()

        def pipes_as_3_and_4():
            os.dup2(to_browser_read, 3)
            os.dup2(from_browser_write, 4)
            os.set_inheritable(3, True)
            os.set_inheritable(4, True)

        command = [shutil.which("chromium") or "chromium", "--headless=new",
                   "--remote-debugging-pipe", "--use-angle=swiftshader",
                   "--enable-unsafe-swiftshader", "--no-first-run",
                   "--no-default-browser-check", "--mute-audio",
                   f"--user-data-dir={profile}", f"--window-size={width},{height}"]
        if os.geteuid() == 0:
            command.append("--no-sandbox")
        # In a session of its own: its helpers (the crash handler among them) end with it.
        self.process = subprocess.Popen(command, preexec_fn=pipes_as_3_and_4,
                                        close_fds=False, start_new_session=True,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_read)
        os.close(from_browser_write)
        self._next_id = 0
        self._buffer = b""
        self.events = []
        self.width, self.height = width, height

    def close(self):
        try:
            self.call("Browser.close")
            self.process.wait(timeout=20)
        except Exception:
            self.process.kill()
            self.process.wait()
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        os.close(self._to_browser)
        os.close(self._from_browser)

    def _read_message(self, deadline):
        while b"\0" not in self._buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self._from_browser], [], [], left)[0]:
                raise TimeoutError("the browser did not answer")
            chunk = os.read(self._from_browser, 1 << 20)
            if not chunk:
                raise EOFError("the browser closed its pipe")
            self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, params=None, session=None, timeout=60):
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + timeout
        while True:
            reply = self._read_message(deadline)
            if reply.get("id") == self._next_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply.get("result", {})
            self.events.append(reply)

    def pump(self, seconds):
        """Collects the events that arrive within the time given."""
        deadline = time.monotonic() + seconds
        try:
            while True:
                self.events.append(self._read_message(deadline))
        except TimeoutError:
            pass

    def open_page(self, url):
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.call("Target.attachToTarget",
                            {"targetId": target, "flatten": True})["sessionId"]
        page = Page(self, session)
        for domain in ("Runtime.enable", "Log.enable", "Page.enable"):
            page.call(domain)
        page.call("Emulation.setDeviceMetricsOverride",
                  {"width": self.width, "height": self.height,
                   "deviceScaleFactor": 1, "mobile": False})
        page.call("Page.navigate", {"url": url})
        return page


class Page:
    def __init__(self, browser, session):
        self.browser, self.session = browser, session

    def call(self, method, params=None, timeout=60):
        return self.browser.call(method, params, self.session, timeout)

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate",
                           {"expression": expression, "returnByValue": True,
                            "awaitPromise": True})
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def console_lines(self):
        """(level, text) of every console line and uncaught error so far."""
        self.browser.pump(0.05)
        lines = []
        for event in self.browser.events:
            if event.get("sessionId") != self.session:
                continue
            params = event.get("params", {})
            if event.get("method") == "Runtime.consoleAPICalled":
                text = " ".join(str(a.get("value", a.get("description", "")))
                                for a in params.get("args", []))
                lines.append((params.get("type"), text))
            elif event.get("method") == "Runtime.exceptionThrown":
                lines.append(("exception", json.dumps(params["exceptionDetails"])))
            elif event.get("method") == "Log.entryAdded":
                entry = params["entry"]
                lines.append((entry.get("level"), entry.get("text", "")))
        return lines

    def wait_for_console(self, text, timeout=60):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if any(text in line for _, line in self.console_lines()):
                return True
            self.browser.pump(0.2)
        return False

    def screenshot(self):
        """The page's picture as (width, height, RGB bytes)."""
        png = self.call("Page.captureScreenshot", {"format": "png"})["data"]
        return decode_png(base64.b64decode(png))

    def click(self, x, y):
        self.call("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y})
        time.sleep(0.1)  # a frame sees the pointer there before the press
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent",
                      {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})

    def press_key(self, key, code, key_code, text=None):
        down = {"type": "keyDown", "key": key, "code": code,
                "windowsVirtualKeyCode": key_code}
        if text:
            down["text"] = text
        self.call("Input.dispatchKeyEvent", down)
        self.call("Input.dispatchKeyEvent", {"type": "keyUp", "key": key, "code": code,
                                             "windowsVirtualKeyCode": key_code})


def decode_png(data):
    """8-bit RGB or RGBA PNG, as the browser writes it, to (width, height, RGB bytes)."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            assert depth == 8 and colour in (2, 6), "unexpected PNG format"
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    channels = 3 if colour == 2 else 4
    raw, stride = zlib.decompress(idat), width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up, corner = previous[i], previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(bytes(line) if channels == 3 else
                    bytes(b for j in range(0, stride, 4) for b in line[j:j + 3]))
        previous = line
    return width, height, b"".join(rows)


def encode_png(shot):
    """(width, height, RGB bytes) as a PNG file's bytes."""
    width, height, rgb = shot
    rows = b"".join(b"\0" + rgb[y * width * 3:(y + 1) * width * 3] for y in range(height))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows)) +
            chunk(b"IEND", b""))
