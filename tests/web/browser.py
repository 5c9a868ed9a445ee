# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's server and browser, shared by its test and its benchmark: the site served on the
loopback address, and headless Chromium with the flags it needs on a machine without a
network, in a profile of its own that goes with it."""
import functools
import gzip
import http.server
import io
import os
import shutil
import tempfile
import threading
import time

from selenium.webdriver import Chrome, ChromeOptions
from selenium.webdriver.remote.remote_connection import RemoteConnection

FLAGS = ("headless", "no-sandbox", "disable-gpu", "disable-quic", "no-first-run", "disable-sync",
         "disable-background-networking", "disable-component-update")


class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".webmanifest": "application/manifest+json", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


# Files a host sends as they are, being compressed already.
COMPRESSED = (".woff2", ".gz", ".png")


class Compressing(Quiet):
    """Sends each file gzip-compressed, as a static host that compresses does, unless it is
    compressed already; a file named in `late` after that many seconds."""

    late = {}

    def send_head(self):
        time.sleep(self.late.get(os.path.basename(self.path.split("?")[0]), 0))
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if (not os.path.isfile(path) or path.endswith(COMPRESSED)
                or "gzip" not in self.headers.get("Accept-Encoding", "")):
            return super().send_head()
        with open(path, "rb") as file:
            body = gzip.compress(file.read(), 9)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Last-Modified", self.date_time_string(os.stat(path).st_mtime))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return io.BytesIO(body)


def serve(site, compressing=False):
    """The origin the site is served at, until the program ends; compressing, the text files
    are sent gzip-compressed."""
    handler = Compressing if compressing else Quiet
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(handler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"http://127.0.0.1:{server.server_port}/"


def chromium(network_log=False):
    options, profile = ChromeOptions(), tempfile.mkdtemp()
    for flag in (*FLAGS, f"user-data-dir={profile}"):
        options.add_argument("--" + flag)
    if network_log:
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    RemoteConnection.set_timeout(120)  # no command to the browser waits for ever
    driver = Chrome(options=options)
    driver.set_page_load_timeout(30)
    quit = driver.quit
    driver.quit = lambda: (quit(), shutil.rmtree(profile, ignore_errors=True))
    return driver


def emulate(driver, width, height, touch=False):
    """A device's screen: its size in CSS pixels, and a touch screen's coarse pointer and floating
    scrollbars."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": touch})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5})
    # Scrollbars as the device has them: a desktop's take room from the page, a phone's float over it.
    driver.execute_cdp_cmd("Emulation.setScrollbarsHidden", {"hidden": False})
