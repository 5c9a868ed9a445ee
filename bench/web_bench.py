# SPDX-License-Identifier: GPL-3.0-or-later
"""How light and quick the page is, in headless Chromium (not a test: run it by hand and copy
its figures into the README):

    /usr/bin/python3 bench/web_bench.py [RUNS]     after scripts/web.sh --build-only

- the site's size without the fonts;
- navigation start to usable (controls laid out, module ready), with the browser's cache off,
  so that every file comes from the server as on a first visit;
- a click's procedure: a real mouse click, from the input event to the written result, and
  the click handler alone over many calls.
"""
import functools
import http.server
import pathlib
import shutil
import statistics
import sys
import tempfile
import threading

from selenium.webdriver import ActionChains, Chrome, ChromeOptions

runs = int(sys.argv[1]) if len(sys.argv) > 1 else 20
site = pathlib.Path(__file__).resolve().parent.parent / "build-web" / "site"
size = sum(f.stat().st_size for f in site.iterdir() if f.suffix != ".ttf")

http.server.SimpleHTTPRequestHandler.log_message = lambda *args: None
server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0), functools.partial(http.server.SimpleHTTPRequestHandler, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()


def browser():
    options, profile = ChromeOptions(), tempfile.mkdtemp()
    for flag in ("headless", "no-sandbox", "disable-gpu", "disable-quic", "no-first-run", "disable-sync",
                 "disable-background-networking", "disable-component-update", f"user-data-dir={profile}"):
        options.add_argument("--" + flag)
    driver = Chrome(options=options)
    driver.set_page_load_timeout(30)
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    return driver, profile


def usable(driver):
    driver.get(f"http://127.0.0.1:{server.server_port}/")
    return driver.execute_async_script(READY)


READY = """const done = arguments[0], mark = () => performance.getEntriesByName("vorantis-ready")[0];
    (function poll() { mark() ? done(mark().startTime) : setTimeout(poll, 1); })();"""
# A real click on the button, timed from the input event to the status line written after it.
TIMED = """window.clickTimes = [];
    document.addEventListener("click", (e) => clickTimes.push(performance.now() - e.timeStamp));"""
# The click handler alone: the event, the module, the procedure and its writes to the page.
# The page's clock is coarse (0.1 ms), so one long run of clicks is timed and divided.
HANDLER = """const start = performance.now();
    for (let i = 0; i < arguments[1]; ++i) arguments[0].click();
    return (performance.now() - start) / arguments[1];"""


def type_into(fields):
    driver.execute_script("for (const [id, v] of Object.entries(arguments[0])) document.getElementById(id).value = v",
                          fields)


first = []
for _ in range(5):  # the first page of a freshly started browser
    driver, profile = browser()
    first.append(usable(driver))
    driver.quit()
    shutil.rmtree(profile, ignore_errors=True)
driver, profile = browser()
try:
    ready = [usable(driver) for _ in range(runs)]
    clicks = {}
    driver.execute_script(TIMED)
    # The heading starts nothing: its click is the browser's input delivery alone.
    for name, control, fields in (("a click that starts nothing", "Label1", {}),
                                  ("decimal add", "decadd", {"Text20": "2.5", "Text21": "0.25"}),
                                  ("prime test of 2147483647", "Label17", {"Text9": "2147483647"})):
        type_into(fields)
        driver.execute_script("clickTimes.length = 0")
        element = driver.find_element("id", control)
        for _ in range(runs):
            ActionChains(driver, duration=0).move_to_element(element).click().perform()
        mouse = driver.execute_script("return clickTimes")
        handler = driver.execute_script(HANDLER, element, 10000)
        clicks[name] = (statistics.median(mouse), handler)
finally:
    driver.quit()
    shutil.rmtree(profile, ignore_errors=True)

print(f"site without fonts: {size / 1000:.1f} kB")
print(f"navigation to usable, cache off: median {statistics.median(ready):.1f} ms of {runs}, "
      f"slowest {max(ready):.1f} ms; first page of a fresh browser: median {statistics.median(first):.1f} ms of 5")
for name, (mouse, handler) in clicks.items():
    print(f"{name}: mouse event to written result {mouse * 1000:.0f} µs (median of {runs}), "
          f"click handler {handler * 1000:.1f} µs (mean of 10000)")
