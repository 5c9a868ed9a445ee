# SPDX-License-Identifier: GPL-3.0-or-later
"""page_test.py SITE ONE_FILE ROWS AXE ABOUT_H: the page in headless Chromium, by mouse and keys: each
behaviour row, served and from disk; About; no request off the page; no serious a11y fault."""
import functools, http.server, json, pathlib, re, sys, tempfile, threading
from selenium.webdriver import ActionChains, Chrome, ChromeOptions, Keys
from selenium.webdriver.remote.remote_connection import RemoteConnection
from selenium.webdriver.support.ui import WebDriverWait

site, single, rows_file, axe, about_h = sys.argv[1:]
pathlib.Path(site, "index.html").exists() or sys.exit(77)  # skipped: there is no page built
single = pathlib.Path(single).resolve().as_uri()
http.server.SimpleHTTPRequestHandler.log_message = lambda *args: None
server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0), functools.partial(http.server.SimpleHTTPRequestHandler, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
origin = f"http://127.0.0.1:{server.server_port}/"

options, profile = ChromeOptions(), tempfile.TemporaryDirectory(ignore_cleanup_errors=True)
for flag in ("headless", "no-sandbox", "disable-gpu", "disable-quic", "no-first-run", "disable-sync",
             "disable-background-networking", "disable-component-update", f"user-data-dir={profile.name}"):
    options.add_argument("--" + flag)
options.set_capability("goog:loggingPrefs", {"performance": "ALL"})  # the network events
RemoteConnection.set_timeout(120)  # no command to the browser waits for ever
driver = Chrome(options=options)
driver.set_page_load_timeout(30)
find, script = functools.partial(driver.find_element, "id"), driver.execute_script
actions = functools.partial(ActionChains, driver, duration=0)  # no pause in a pointer move
results = {True: 0, False: 0}


def check(ok, what):
    results[ok] += 1
    ok or print("FAIL", what)


def open_page(url):
    events = [json.loads(entry["message"])["message"] for entry in driver.get_log("performance")]  # since last
    urls = {e["params"]["request"]["url"] for e in events if e["method"] == "Network.requestWillBeSent"
            and e["params"]["documentURL"].startswith((origin, single))}  # not the browser's own pages
    check(all(url.startswith((origin, single, "data:")) for url in urls), f"requests elsewhere: {urls}")
    if url:
        driver.get(url)
        WebDriverWait(driver, 10).until(lambda _: script("return 'ready' in document.documentElement.dataset"))


def click(name):  # at the middle of what a person aims at: a button, or a label's caption
    if name in ("clear", "about"):
        click("file")
    offset = script("""const r = new Range(); r.selectNodeContents(arguments[0]); const c = r.getBoundingClientRect(),
        e = arguments[0].getBoundingClientRect(); return arguments[0].tagName == "DIV" ?
        [c.x + c.width / 2 - (e.x + e.width / 2), c.y + c.height / 2 - (e.y + e.height / 2)] : [0, 0]""", find(name))
    actions().move_to_element_with_offset(find(name), *map(round, offset)).click().perform()


def pairs(column):
    escapes = {"s": " ", "n": "\n", "t": "\t", "0": "\0", "\\": "\\"}
    return [re.sub(r"\\(.)", lambda m: escapes[m[1]], item).split("=", 1) for item in column.split(" ") if item]


def run_rows(url):
    clicked = set()
    for number, line in enumerate(open(rows_file), 1):
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        control, typed, writes, *failure = [column.strip() for column in line.split("|")]
        if any("\n" in text for _, text in pairs(typed)):  # an <input> drops line breaks as they come
            print(f"not typed in a page's one-line field: line {number}: {line.strip()}")
            continue
        for by_enter in (False, True) if control.startswith("Label") else (False,):  # Enter in its field
            open_page(url)
            for name, text in pairs(typed):
                if not find(name).is_displayed():  # hidden: only a procedure writes it
                    script("arguments[0].value = arguments[1]", find(name), text)
                    continue
                click(name)
                actions().key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL).send_keys(Keys.DELETE).perform()
                driver.execute_cdp_cmd("Input.insertText", {"text": text})  # as typed or pasted
            actions().send_keys(Keys.ENTER).perform() if by_enter else click(control)
            clicked.add(control)
            for name, value in dict(pairs(writes)).items():
                shown = {"shown": True, "hidden": False}.get(value)
                got = script("return arguments[1] ? arguments[0].checkVisibility() : arguments[0].value"
                             " ?? arguments[0].textContent", find(name), shown is not None)
                check(got == (value if shown is None else shown), f"{url} line {number}: {name} is {got!r}")
            status, part = find("failureMessage").text, failure[0].partition(":")[2].strip() if failure else ""
            check(part in status and bool(status) == bool(failure), f"{url} line {number}: status {status!r}")
    clickable = script("return [...document.querySelectorAll('#surface button, [role=button]')].map(e => e.id)")
    check(set(clickable) <= clicked, f"never clicked: {set(clickable) - clicked}")


try:
    run_rows(origin)
    click("about")
    about = "".join(re.findall(r'"(.*?)"', pathlib.Path(about_h).read_text()))
    check(find("aboutBox").is_displayed() and find("aboutText").text == about, "About shows the window's text")
    click("aboutOk")
    check(not find("aboutBox").is_displayed(), "OK closes About")
    script(pathlib.Path(axe).read_text())
    found = driver.execute_async_script("axe.run().then(arguments[0])")["violations"]
    check(not [v for v in found if v["impact"] in ("serious", "critical")], f"accessibility: {found}")
    run_rows(single)
    open_page(None)
finally:
    driver.quit()
print(f"{results[True]} passed, {results[False]} failed")
sys.exit(results[False] > 0)
