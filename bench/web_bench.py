# SPDX-License-Identifier: GPL-3.0-or-later
"""How light and quick the page is, in headless Chromium (not a test: run it by hand and copy
its figures into the README):

    /usr/bin/python3 bench/web_bench.py [RUNS]     after scripts/web.sh --build-only

- the site's size, fonts included (what the service worker keeps, and the worker), and the
  single file's;
- navigation start to usable (controls laid out, module ready) over a slow link (1.6 Mbit/s,
  150 ms latency, as Chromium's network emulation makes it): a first visit in a fresh browser,
  and a second visit, served by the service worker the first one left;
- a click's procedure: a real mouse click, from the input event to the written result, and
  the click handler alone over many calls.
"""
import json
import pathlib
import re
import statistics
import sys

from selenium.webdriver import ActionChains

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from browser import chromium, serve  # noqa: E402

runs = int(sys.argv[1]) if len(sys.argv) > 1 else 20
build = pathlib.Path(__file__).resolve().parent.parent / "build-web"
site = build / "site"
kept = json.loads(re.search(r"const files = (\[.*\]);", (site / "service-worker.js").read_text())[1])
size = sum((site / name).stat().st_size for name in ["index.html", "service-worker.js", *kept[1:]])
origin = serve(site)
SLOW = {"offline": False, "latency": 150, "downloadThroughput": 1.6e6 / 8, "uploadThroughput": 1.6e6 / 8}
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


def usable(driver):
    driver.get(origin)
    return driver.execute_async_script(READY)


first, second = [], []
for _ in range(5):  # each a fresh browser: its first visit, then a second once the worker has the site
    driver = chromium()
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", SLOW)
    first.append(usable(driver))
    driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
    driver.get("about:blank")
    second.append(usable(driver))
    driver.quit()

driver = chromium()
try:
    usable(driver)
    clicks = {}
    driver.execute_script(TIMED)
    # The heading starts nothing: its click is the browser's input delivery alone.
    for name, control, fields in (("a click that starts nothing", "Label1", {}),
                                  ("decimal add", "decadd", {"Text20": "2.5", "Text21": "0.25"}),
                                  ("prime test of 2147483647", "Label17", {"Text9": "2147483647"})):
        driver.execute_script("for (const [id, v] of Object.entries(arguments[0]))"
                              " document.getElementById(id).value = v", fields)
        driver.execute_script("clickTimes.length = 0")
        element = driver.find_element("id", control)
        for _ in range(runs):
            ActionChains(driver, duration=0).move_to_element(element).click().perform()
        mouse = driver.execute_script("return clickTimes")
        handler = driver.execute_script(HANDLER, element, 10000)
        clicks[name] = (statistics.median(mouse), handler)
finally:
    driver.quit()

print(f"site with fonts: {size / 1000:.1f} kB; single file: {(build / 'vorantis.html').stat().st_size / 1000:.1f} kB")
print(f"usable over 1.6 Mbit/s, 150 ms: first visit median {statistics.median(first):.0f} ms (slowest "
      f"{max(first):.0f}), second visit median {statistics.median(second):.0f} ms (slowest {max(second):.0f}), of 5")
for name, (mouse, handler) in clicks.items():
    print(f"{name}: mouse event to written result {mouse * 1000:.0f} µs (median of {runs}), "
          f"click handler {handler * 1000:.1f} µs (mean of 10000)")
