# SPDX-License-Identifier: GPL-3.0-or-later
"""How light and quick the page is, in headless Chromium (not a test: run it by hand and copy
its figures into the README):

    /usr/bin/python3 bench/web_bench.py [RUNS] [BUILD]     after scripts/web.sh --build-only
                                                           (BUILD: build-web by default)

- a first visit's bytes in each language, as a static host that compresses sends them: every
  file the page asks for and every file the service worker keeps from the start, each once,
  gzip -9 but for those that are compressed already (WOFF2, the .wasm.gz, PNG); and the single
  file's size;
- navigation start to usable (controls laid out, module ready, the language's words loaded), the
  site served as that host sends it, over a slow and a slower link (1.6 Mbit/s with 150 ms
  latency, 400 kbit/s with 400 ms, as Chromium's network emulation makes them, and the loopback
  address with no emulation, where the page's own time shows), in English and
  in German: a first visit in a fresh browser, and a second, served by the service worker the
  first one left (the emulation slows the page's requests, not the worker's own: the server
  answers its question for a new build one latency late);
- a click's procedure: a real mouse click, from the input event to the written result, and
  the click handler alone over many calls.
"""
import gzip
import json
import pathlib
import re
import statistics
import sys

from selenium.webdriver import ActionChains
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from browser import COMPRESSED, Compressing, chromium, serve  # noqa: E402

runs = int(sys.argv[1]) if len(sys.argv) > 1 else 20
build = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else pathlib.Path(__file__).resolve().parent.parent / "build-web"
site = build / "site"
kept = json.loads(re.search(r"files\s*=\s*(\[.*?\])", (site / "service-worker.js").read_text())[1])
origin = serve(site, compressing=True)
ACCEPTED = {"en": "en-US,en", "de": "de-DE,de", "fr": "fr-FR,fr", "es": "es-ES,es", "nl": "nl-NL,nl"}
# The loopback address as it is: the page's own time, with no link's latency to wait for.
LINKS = {"loopback": None, "1.6 Mbit/s, 150 ms": (1.6e6, 150), "400 kbit/s, 400 ms": (4e5, 400)}
READY = """const done = arguments[0], mark = () => performance.getEntriesByName("vorantis-ready")[0];
    (function poll() { mark() ? done(mark().startTime) : setTimeout(poll, 1); })();"""
# Once the worker has taken over, and kept the languages' words the page fetched.
KEPT = """const done = arguments[0];
    const words = performance.getEntriesByType("resource").map((r) => r.name).filter((url) => url.endsWith(".lang.gz"));
    navigator.serviceWorker.ready.then(async function kept() {
      const urls = [];
      for (const key of await caches.keys())
        urls.push(...(await (await caches.open(key)).keys()).map((r) => r.url));
      words.every((url) => urls.includes(url)) ? done() : setTimeout(kept, 20);
    });"""
# A real click on the button, timed from the input event to the status line written after it.
TIMED = """window.clickTimes = [];
    document.addEventListener("click", (e) => clickTimes.push(performance.now() - e.timeStamp));"""
# The click handler alone: the event, the module, the procedure and its writes to the page.
# The page's clock is coarse (0.1 ms), so one long run of clicks is timed and divided.
HANDLER = """const start = performance.now();
    for (let i = 0; i < arguments[1]; ++i) arguments[0].click();
    return (performance.now() - start) / arguments[1];"""


def sent(name):  # bytes a compressing host sends for a file of the site
    data = (site / name).read_bytes()
    return len(data) if name.endswith(COMPRESSED) else len(gzip.compress(data, 9))


def browser(language, link=None):
    driver = chromium(network_log=True)
    agent = driver.execute_script("return navigator.userAgent")
    driver.execute_cdp_cmd("Emulation.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": ACCEPTED[language]})
    if link and LINKS[link]:
        bits, latency = LINKS[link]
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": False, "latency": latency, "downloadThroughput": bits / 8, "uploadThroughput": bits / 8})
    return driver


def usable(driver):
    driver.get(origin)
    return driver.execute_async_script(READY)


def first_visit_files(language):  # the site's files a first visit brings, by name
    driver = browser(language)
    try:
        usable(driver)
        driver.execute_async_script(KEPT)
        events = [json.loads(entry["message"])["message"] for entry in driver.get_log("performance")]
    finally:
        driver.quit()
    asked = {e["params"]["request"]["url"] for e in events if e["method"] == "Network.requestWillBeSent"}
    names = {url[len(origin):] for url in asked if url.startswith(origin)} | {"service-worker.js", *kept}
    return sorted({"index.html" if name in ("", "./") else name for name in names})


def visits(language, link):  # usable after navigation, ms: first visits, then second ones
    # The emulation slows the page's requests, not the service worker's: its question for a new
    # build, which a second visit waits for, is answered one link latency late by the server.
    Compressing.late["service-worker.js"] = LINKS[link][1] / 1000 if LINKS[link] else 0
    first, second = [], []
    for _ in range(5):  # each a fresh browser: its first visit, then a second once the worker has the site
        driver = browser(language, link)
        try:
            first.append(usable(driver))
            driver.execute_async_script(KEPT)
            driver.get("about:blank")
            second.append(usable(driver))
        finally:
            driver.quit()
    return first, second


def clicks():
    driver = browser("en")
    found = {}
    try:
        usable(driver)
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
            found[name] = (statistics.median(mouse), handler)
    finally:
        driver.quit()
    return found


files = {language: first_visit_files(language) for language in ACCEPTED}
print("a first visit, as a compressing host sends it: " + ", ".join(
    f"{language} {sum(map(sent, names)) / 1000:.1f} kB" for language, names in files.items()))
print("  its files in English: " + ", ".join(f"{name} {sent(name) / 1000:.1f}" for name in files["en"]))
print(f"  the words of a language: {', '.join(name for name in files['de'] if name not in files['en']) or 'none'}")
print(f"single file: {(build / 'vorantis.html').stat().st_size / 1000:.1f} kB")
for link in LINKS:
    for language in ("en", "de"):
        first, second = visits(language, link)
        print(f"usable over {link}, {language}: first visit median {statistics.median(first):.0f} ms (slowest "
              f"{max(first):.0f}), second visit median {statistics.median(second):.0f} ms (slowest {max(second):.0f}), of 5")
for name, (mouse, handler) in clicks().items():
    print(f"{name}: mouse event to written result {mouse * 1000:.0f} µs (median of {runs}), "
          f"click handler {handler * 1000:.1f} µs (mean of 10000)")
