# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's server and browser, shared by its test and its benchmark: the site served on the
loopback address, and headless Chromium with the flags it needs on a machine without a
network, in a profile of its own that goes with it."""
import functools
import http.server
import shutil
import tempfile
import threading

from selenium.webdriver import Chrome, ChromeOptions
from selenium.webdriver.remote.remote_connection import RemoteConnection

FLAGS = ("headless", "no-sandbox", "disable-gpu", "disable-quic", "no-first-run", "disable-sync",
         "disable-background-networking", "disable-component-update")


class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".webmanifest": "application/manifest+json", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def serve(site):
    """The origin the site is served at, until the program ends."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=site))
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
