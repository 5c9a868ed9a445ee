# SPDX-License-Identifier: GPL-3.0-or-later
"""page_test.py SITE ONE_FILE TESTS_DIR AXE ABOUT_H [SHEET_TEXT]: the page in headless Chromium as a
person uses it: each behaviour row tapped on a phone, served, and clicked from disk; the working table's
entries; six screens' layouts; menus by their letters; Exit; offline; a new build; installable; the
practice room against the native build's sheets (SHEET_TEXT, else build/tests/web/sheet_text) and its
printed worksheet; axe; nothing off the page."""
import base64, decimal, fractions, functools, json, pathlib, re, shutil, subprocess, sys, tempfile
from selenium.webdriver import ActionChains, Keys
from selenium.webdriver.support.ui import WebDriverWait
sys.path.insert(0, str(pathlib.Path(__file__).parent))
from browser import chromium, emulate, serve

site, single, tests, axe, about_h = sys.argv[1:6]
sheet_text = sys.argv[6] if len(sys.argv) > 6 else pathlib.Path(tests).parent / "build/tests/web/sheet_text"
pathlib.Path(site, "index.html").exists() or sys.exit(77)  # skipped: there is no page built
single, origin = pathlib.Path(single).resolve().as_uri(), serve(site)
driver = chromium(network_log=True)
find, script, cdp = functools.partial(driver.find_element, "id"), driver.execute_script, driver.execute_cdp_cmd
keys = functools.partial(ActionChains, driver, duration=0)  # no pause in a pointer move
results, press = {True: 0, False: 0}, None
# CLASSIC: a 1280-pixel desktop screen zoomed to 400 %, its scrollbar taking room from the page.
PHONE, CLASSIC = (390, 844, True), (320, 568, False)
SCREENS = [(320, 568, True), CLASSIC, PHONE, (768, 1024, True), (1366, 768, False), (1920, 1080, False)]


def check(ok, what):
    results[ok] += 1
    ok or print("FAIL", what)


def requested():  # what the page asked for since the last call, in order: none of it elsewhere
    events = [json.loads(entry["message"])["message"] for entry in driver.get_log("performance")]
    urls = [e["params"]["request"]["url"] for e in events if e["method"] == "Network.requestWillBeSent"
            and e["params"]["documentURL"].startswith((origin, single))]  # not the browser's own pages
    check(all(url.startswith((origin, single, "data:", "blob:")) for url in urls), f"requests elsewhere: {urls}")
    return urls


def fetched():  # the languages' files and the practice room's the page asked for since the last call, by name
    names = [url.rpartition("/")[2] for url in requested()]
    return sorted(n for n in names if n.endswith(".lang.gz")), sorted(n for n in names if re.search("practice|print_sheet", n))


def speak_in(code):  # the View menu's language: the page speaks it once its words are here
    choose("view", f"language-{code}")
    WebDriverWait(driver, 10).until(lambda _: script("return document.documentElement.lang") == code)


def caption_drawn(name):  # whether the control's caption shows: its box differs with the text made transparent
    box = script("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                 "return {x: r.x, y: r.y, width: r.width, height: r.height, scale: 1}", name)
    shots = []
    for color in ("transparent", ""):
        script("document.getElementById(arguments[0]).style.color = arguments[1]", name, color)
        shots.append(cdp("Page.captureScreenshot", {"clip": box})["data"])
    return shots[0] != shots[1]


def described(name):  # what a screen reader hears of a control after its name
    root = cdp("DOM.getDocument", {})["root"]["nodeId"]
    node = cdp("DOM.querySelector", {"nodeId": root, "selector": f"#{name}"})["nodeId"]
    tree = cdp("Accessibility.getPartialAXTree", {"nodeId": node, "fetchRelatives": False})["nodes"]
    return tree[0].get("description", {}).get("value", "")


def open_page(url, screen=(1920, 1080, False)):
    requested()
    if url:
        emulate(driver, *screen)
        driver.get(url)
        WebDriverWait(driver, 10).until(lambda _: script("return 'ready' in document.documentElement.dataset"))


def aim(name):  # the middle of what a person aims at, in sight: a button, or a label's caption
    return script("""const e = arguments[0], r = new Range(); e.scrollIntoView({block: "center"});
        r.selectNodeContents(e); const c = e.tagName == "DIV" ? r.getBoundingClientRect() : e.getBoundingClientRect();
        return [c.x + c.width / 2, c.y + c.height / 2]""", find(name) if isinstance(name, str) else name)


def tap(name):
    x, y = aim(name)
    cdp("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
    cdp("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})


def click(name):
    x, y = aim(name)
    for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
        cdp("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})


def choose(menu, command):  # a menu's command, as a person reaches it
    press(menu)
    press(f"{menu}-{command}")


def pairs(column):
    escapes = {"s": " ", "n": "\n", "t": "\t", "0": "\0", "\\": "\\"}
    return [re.sub(r"\\(.)", lambda m: escapes[m[1]], item).split("=", 1) for item in column.split(" ") if item]


def rows(table):
    for number, line in enumerate(open(pathlib.Path(tests, table)), 1):
        if line.strip() and not line.lstrip().startswith("#"):
            yield number, [column.strip() for column in line.split("|")]


def type_in(typed):
    for name, text in pairs(typed):
        if not find(name).is_displayed():  # hidden: only a procedure writes it
            script("arguments[0].value = arguments[1]", find(name), text)
            continue
        press(name)
        if press == tap:  # a phone's Select All
            script("arguments[0].select()", find(name))
        else:
            keys().key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL).perform()
        keys().send_keys(Keys.DELETE).perform()
        cdp("Input.insertText", {"text": text})  # as typed or pasted


def shows(writes, failure, where):  # what a row says the click leaves on view, and its status line
    for name, value in dict(pairs(writes)).items():
        shown = {"shown": True, "hidden": False}.get(value)
        got = script("return arguments[1] ? arguments[0].checkVisibility() : arguments[0].value"
                     " ?? arguments[0].textContent", find(name), shown is not None)
        check(got == (value if shown is None else shown), f"{where}: {name} is {got!r}")
    status = script("return arguments[0].textContent", find("failureMessage"))  # as written: a no-break space too
    part = failure[0].partition(":")[2].strip() if failure and failure[0] else ""
    check(part in status and bool(status) == bool(part), f"{where}: status {status!r}")


def run_rows(url, screen):
    clicked = set()
    for number, (control, typed, writes, *failure) in rows("behaviour.table"):
        if any("\n" in text for _, text in pairs(typed)):  # an <input> drops line breaks as they come
            print(f"not typed in a page's one-line field: behaviour.table line {number}")
            continue
        for by_enter in (False, True) if control.startswith("Label") else (False,):  # Enter in its field
            open_page(url, screen)
            type_in(typed)
            keys().send_keys(Keys.ENTER).perform() if by_enter else choose("file", "clear") if control == "clear" \
                else press(control)
            clicked.add(control)
            shows(writes, failure[:1], f"{url} line {number}")
            for column, kind in ((1, "stale"), (2, "unfinished")):  # marked, shown and described
                got = script(f"return [...document.querySelectorAll('[aria-describedby={kind}Note].{kind}')].map(e => e.id)")
                check(len(failure) <= column or sorted(got) == sorted(failure[column].split()), f"{url} line {number}: {kind} {got}")
    clickable = script("return [...document.querySelectorAll('#surface button, [role=button]')].map(e => e.id)")
    check(set(clickable) <= clicked, f"never clicked: {set(clickable) - clicked}")


def laid_out(width):  # every control whole on the screen, every target big enough, no sideways scrolling
    faults = script("""const target = "button, input, [role=button]", width = document.documentElement.clientWidth;
        return [...document.querySelectorAll(`.control, ${target}`)].filter(e => e.checkVisibility())
        .map(e => [e.id || e.textContent, e.getBoundingClientRect(), e.matches(target)]).filter(([, r, aimed]) =>
        r.left < 0 || r.right > width || aimed && (r.width < 24 || r.height < 24)).map(([id]) => id)""")
    sideways = script("const root = document.documentElement; return root.scrollWidth > root.clientWidth")  # beside a scrollbar
    check(not faults and not sideways, f"at {width}: {faults}, scrolls sideways {sideways}")


def apart(where):  # no control's box over another's, where it would hide it or take its taps
    # Every control that shows counts, the headings, the lines and the fraction bars too: each has the
    # box it is drawn in. Boxes whose edges meet are apart: Chromium places edges in 64ths of a pixel,
    # so an overlap of one 64th is two meeting edges rounded.
    found = script("""const over = (p, q, from, to) => Math.min(p[to], q[to]) - Math.max(p[from], q[from]) > 1 / 64;
        const boxes = [...document.querySelectorAll(".control")].filter(e => e.checkVisibility())
        .map(e => [e.id, e.getBoundingClientRect()]);
        return boxes.flatMap(([a, p], i) => boxes.slice(i + 1).filter(([, q]) => over(p, q, "left", "right")
        && over(p, q, "top", "bottom")).map(([b]) => `${a}/${b}`))""")
    check(not found, f"{where}: overlapping {found}")


FRACTION = re.compile(r'(?:\((?:[^()]|\([^()]*\))*\)|"[^"]*"|[\w.,+-]*\w)/(?:\((?:[^()]|\([^()]*\))*\)|"[^"]*"|-?[\w.,]*\w)')


def shows_entry(plain, where, shown=None):  # the newest entry (or `shown`) in MathML: each fraction stacked
    got = script("""const li = arguments[0] ?? document.getElementById("working").lastElementChild, runs = [];
        const walk = (node) => node.nodeName.toLowerCase() === "math" ? runs.push("") : node.nodeType === 3
            ? runs.push(node.textContent) : node.childNodes.forEach(walk);
        walk(li);
        return [li.querySelectorAll("mfrac").length, li.textContent, runs.join(""),
            [...li.querySelectorAll("math")].map((m) => m.getAttribute("aria-label"))]""", shown)
    fractions, text, runs, names = got
    check(all(name and not re.search(r"\d\s*/\s*\d", name) for name in names), f"{where}: the pieces are named {names}")
    same = lambda t: re.sub(r"[\s()/^√\u00a0]", "", t.replace("−", "-").translate(str.maketrans("⁰¹²³⁴⁵⁶⁷⁸⁹⁻", "0123456789-")))
    check(fractions == len(FRACTION.findall(plain)) and not re.search(r"\d\s*/\s*\d", runs) and same(text) == same(plain),
          f"{where}: {fractions} stacked, {text!r}")


def working_pane(screen):  # readable on every screen, and beside the panels where there is room for both
    if not find("workingPane").is_displayed():
        choose("view", "working")
    size, beside, below, tall = script("""const p = document.getElementById("workingPane").getBoundingClientRect(),
        s = document.getElementById("surface").getBoundingClientRect();
        return [parseFloat(getComputedStyle(document.getElementById("working")).fontSize), p.left >= s.right - 1,
            p.top >= s.bottom - 1, p.height / innerHeight]""")
    check(size >= 16 and (beside and tall >= 0.6 if screen[0] >= 1280 else below and not beside),
          f"{screen}: the working at {size} px, beside {beside}, below {below}, {tall:.2f} of the height")


def network(offline):
    cdp("Network.enable", {})
    cdp("Network.emulateNetworkConditions", {"offline": offline, "latency": 0, "downloadThroughput": -1,
                                             "uploadThroughput": -1})


def native_sheet(language, code, count):  # the native build's first exercises of the sheet, as plain text
    return subprocess.run([str(sheet_text), language, code, str(count)], capture_output=True, text=True,
                          check=True).stdout.splitlines()


def catalogue(code, english):  # the language's words from its catalogue, English where it has none yet
    po = pathlib.Path(tests).parent.joinpath("po", f"{code}.po").read_text(encoding="utf-8") if code != "en" else ""
    found = re.search(r'^msgid "%s"\nmsgstr "(.+)"$' % re.escape(english), po, re.M)
    return found[1] if found else english


def due(plain):  # the answer of a question of two numbers and a sign, worked apart from the program
    left, sign, right = re.fullmatch(r"\(?(.+?)\)? ([+−×÷]) \(?(.+?)\)?", plain.replace(",", ".")).groups()
    a, b = fractions.Fraction(left), fractions.Fraction(right)
    return {"+": a + b, "−": a - b, "×": a * b, "÷": a / b}[sign]


def start_sheet(code):  # a teacher's code typed, and Enter
    type_in(f"practiceCode={code}")
    keys().send_keys(Keys.ENTER).perform()


def room_says():  # the reply's lines, the tally's counts and what the live region says, once said
    return driver.execute_async_script("""const done = arguments[0], all = (s) => [...document.querySelectorAll(s)];
        requestAnimationFrame(() => requestAnimationFrame(() => done([all("#practiceReply p").map((p) => p.textContent),
        all("#practiceTally math").map((m) => m.textContent), document.getElementById("announcer").textContent])))""")


def shows_exercise(language, code, number, where):  # as the native build writes the sheet's exercise
    WebDriverWait(driver, 10).until(lambda _: script("return document.querySelector('#practiceQuestion math')"))
    shows_entry(native_sheet(language, code, number)[-1], f"{where}: {code} exercise {number}", find("practiceQuestion"))


def practice_sheets():  # an address's sheet, a few codes' first exercises, each file of the room fetched once
    driver.get("about:blank")
    open_page(origin + "#practice=FA3-4821", (1366, 768, False))
    shows_exercise("en", "FA3-4821", 1, "#practice=FA3-4821")
    press("practiceNext")
    shows_exercise("en", "FA3-4821", 2, "Next")
    for code, boxes in (("FM2-1", 3), ("WD1-7", 2), ("PC1-3", 3), ("DA2-1", 1)):
        start_sheet(code)
        shows_exercise("en", code, 1, "a code typed")
        shown = script("return [location.hash, document.querySelectorAll('#practiceBoxes input').length]")
        check(shown == [f"#practice={code}", boxes], f"{code}: the address and the boxes {shown}")
    start_sheet("FA9-1")  # no level 9: why is said, and the sheet stays
    lines, _, heard = room_says()
    check(len(lines) == 1 and lines[0] in heard and script("return location.hash") == "#practice=DA2-1",
          f"a code that cannot be read: {lines}, heard {heard!r}")
    room = fetched()[1]
    choose("view", "practice")
    choose("view", "practice")  # closed and opened again: nothing fetched anew
    check(len(room) == len(set(room)) >= 2 and "vorantis_practice.wasm.gz" in room and not fetched()[1]
          and find("practiceQuestion").is_displayed(), f"the room's files fetched once: {room}")


def practice_answers():  # 6/8 for 3/4, a wrong answer, the working; a decimal comma in German
    start_sheet("FM2-1")
    answer = due(native_sheet("en", "FM2-1", 1)[0])
    type_in(f"practiceNumerator={2 * answer.numerator} practiceDenominator={2 * answer.denominator}")
    keys().send_keys(Keys.ENTER).perform()  # Enter in a box checks
    lines, tally, heard = room_says()
    said = re.sub(r"\s", "", " ".join(lines))
    check(f"{2 * answer.numerator}{2 * answer.denominator}" in said and f"{answer.numerator}{answer.denominator}" in said
          and tally == ["0", "1", "0"] and heard and not re.search(r"\d\s*/\s*\d", heard),
          f"{answer} typed in larger terms: {lines}, {tally}, heard {heard!r}")
    press("practiceNext")
    answer = due(native_sheet("en", "FM2-1", 2)[1])
    type_in(f"practiceNumerator={answer.numerator + 1} practiceDenominator={answer.denominator}")
    press("practiceCheck")
    lines = room_says()[0]
    check(len(lines) == 2 and lines[0] == catalogue("en", "Not yet."), f"a wrong answer: {lines}")
    press("practiceShowWorking")
    worked = script("return document.querySelector('#practiceWorking li h3') && document.getElementById('practiceWorking').textContent")
    check(worked and f"{answer.numerator}{answer.denominator}" in re.sub(r"\s", "", worked) and room_says()[1] == ["0", "1", "1"],
          f"Show Working: {worked!r}")
    start_sheet("DA2-1")
    type_in("practiceBox0=1.5")
    fetched()
    speak_in("de")  # the room said again, the exercise and what the box holds with a decimal comma
    shows_exercise("de", "DA2-1", 1, "in German")
    words = fetched()[0]  # the page's German, and the room's own words with the room open
    check(words == ["de.lang.gz", "de.practice.lang.gz"], f"German's words with the room open: {words}")
    check(find("practiceBox0").get_attribute("value") == "1,5", f"the box in German: {find('practiceBox0').get_attribute('value')}")
    answer = due(native_sheet("de", "DA2-1", 1)[0])
    type_in("practiceBox0=" + str(decimal.Decimal(answer.numerator) / answer.denominator).replace(".", ","))
    keys().send_keys(Keys.ENTER).perform()
    lines, tally, _ = room_says()
    check(lines == [catalogue("de", "Right.")] and tally[0] == "1", f"a decimal comma in German: {lines}, {tally}")
    speak_in("en")


def practice_offline():  # kept by the service worker once opened: a reload offline has the room
    driver.execute_async_script("""const done = arguments[0];
        (async function kept() { for (const key of await caches.keys())
            if ((await (await caches.open(key)).keys()).some((r) => r.url.endsWith("vorantis_practice.wasm.gz"))) return done();
          setTimeout(kept, 50); })()""")
    network(True)
    driver.get("about:blank")  # a page at another sheet's address would only change its hash
    open_page(origin + "#practice=FM2-1")
    shows_exercise("en", "FM2-1", 1, "offline")
    # A pupil who spoke German but never practised in it has the page's German words kept and not
    # the room's: German, offline, speaks the page in German and leaves the room at work in English.
    # (The emulation keeps the page, not its worker, offline: the server has the file no more.)
    driver.execute_async_script("""const done = arguments[0];
        (async () => { for (const key of await caches.keys()) await (await caches.open(key)).delete("de.practice.lang.gz");
          done(); })()""")
    cdp("Network.clearBrowserCache", {})
    words = pathlib.Path(site, "de.practice.lang.gz")
    words.rename(words.with_suffix(".away"))
    try:
        script("document.getElementById('practiceHeading').dataset.before = ''")
        speak_in("de")
        WebDriverWait(driver, 10).until(lambda _: script("return !('before' in document.getElementById('practiceHeading').dataset)"))
        shown = [find("view").text, find("practiceNewSheet").text, find("practiceQuestion").is_displayed()]
        check(shown == ["Ansicht", "New Sheet", True], f"offline, German without the room's German words: {shown}")
        speak_in("en")
    finally:
        words.with_suffix(".away").rename(words)
    network(False)


def printed_sheet():  # File > Print Worksheet…: read back from Chromium's PDF, and the page as it was after
    choose("file", "printWorksheet")
    WebDriverWait(driver, 10).until(lambda _: script("return document.getElementById('printDialog')?.open"))
    type_in("printCode=FA3-4821 printCount=20")
    script("window.print = () => {}")  # the PDF below stands for the paper
    press("printGo")
    with tempfile.NamedTemporaryFile(suffix=".pdf") as pdf:
        pdf.write(base64.b64decode(cdp("Page.printToPDF", {"preferCSSPageSize": True})["data"]))
        pdf.flush()
        pages = subprocess.run(["pdftotext", "-layout", pdf.name, "-"], capture_output=True, text=True,
                               check=True).stdout.split("\f")[:-1]
    key = next((i for i, page in enumerate(pages) if re.search(r"^\s*%s\s*$" % catalogue("en", "Answers"), page, re.M)), 0)
    asked = " ".join(pages[:key])
    numbers = [re.findall(r"\d+", question) for question in native_sheet("en", "FA3-4821", 20)]
    check(0 < key < len(pages) and all(f"{n}." in asked for n in range(1, 21))
          and all(number in asked for question in numbers for number in question)
          and all("Sheet FA3-4821" in page and f"Page {i + 1} of {len(pages)}" in page for i, page in enumerate(pages)),
          f"the printed sheet: {len(pages)} pages, the key from page {key + 1}: {pages}")
    script("dispatchEvent(new Event('afterprint'))")
    check(script("return !document.getElementById('printSheet') && !document.documentElement.className"),
          "after printing the page is as it was")


def no_faults(where):
    script(pathlib.Path(axe).read_text())
    found = driver.execute_async_script("axe.run().then(arguments[0])")["violations"]
    check(not found, f"accessibility {where}: {[(v['id'], [n['target'] for n in v['nodes']]) for v in found]}")


try:
    # A first visit on a desktop zoomed to 400 %: the page grows taller than the screen as it is laid
    # out, and the scrollbar that comes takes room the layout must leave it.
    open_page(origin, CLASSIC)
    laid_out(CLASSIC[0])
    press = tap
    run_rows(origin, PHONE)
    speaking = "en"  # each language chosen in the View menu, as a person chooses it
    requested()
    for number, (language, control, typed, writes, *failure) in rows("languages.table"):
        if language != speaking:
            speak_in(language)
            speaking = language
            marks = script("return document.getElementById('keys').textContent")  # every one but English: a comma
            check(marks == ("-.e" if language == "en" else "-,e"), f"languages.table line {number}: keys {marks!r}")
            named = script("""return [["Text5", "Label9"], ["Text6", "Label10"], ["Text3", "Label6"]].map(([f, l]) =>
                [document.getElementById(f).ariaLabel, document.getElementById(l).textContent])""")
            check(all(name.lower().startswith(caption.lower()) for name, caption in named), f"{language}: names {named}")
        check(script("return document.documentElement.lang") == language, f"languages.table line {number}: lang")
        if typed != "(kept)":  # else the row before's numbers, said again in this language
            type_in(typed)
        press(control)
        shows(writes, failure[:1], f"languages.table line {number}")
        if len(failure) > 1:
            shows_entry(failure[1].replace("\\n", "\n"), f"languages.table line {number}")
    # A screen reader hears each answer as a pupil of the language says it: the golden tables' clicks.
    for code in ("en", "de", "fr", "es", "nl"):
        speak_in(code)
        for line in open(pathlib.Path(tests).parent / "po" / f"{code}.golden", encoding="utf-8"):
            what, _, said = line.rstrip("\n").partition(" | ")
            words = what.split()
            if not what.startswith("click ") or words[-1] != "answer" or words[1] not in ("addfrac", "simp", "Command3"):
                continue
            type_in(" ".join(words[2:-1]))
            press(words[1])
            heard = driver.execute_async_script("""const done = arguments[0];
                requestAnimationFrame(() => requestAnimationFrame(() => done(document.getElementById("announcer").textContent)))""")
            check(heard == said, f"{code}: {what} is heard as {heard!r}")
    # A result is described as it is said, and said again in another language; what a pupil types
    # is read as typed.
    for code, typed, said in (("en", "Text20=1 Text21=8", "0 point 1 2 5"), ("de", "", "0 Komma 1 2 5")):
        speak_in(code)
        type_in(typed)
        typed and press("mecdiv")
        check(described("Text22") == said, f"{code}: the result 0.125 is described as {described('Text22')!r}")
    type_in("Text22=0,125")
    check(described("Text22") == "", f"a typed number is described as {described('Text22')!r}")
    # Each language's words are fetched once, however often it is chosen, and English's never.
    words = fetched()[0]
    check(words == ["de.lang.gz", "es.lang.gz", "fr.lang.gz", "nl.lang.gz"], f"words fetched as languages were chosen: {words}")
    # A first visit (nothing kept from before) speaks the language the browser accepts: its captions,
    # its decimal comma, with its words alone fetched; the worker keeps them, and a reload offline
    # still speaks it.
    agent = script("return navigator.userAgent")
    for accepted, code, words in (("de-DE,de", "de", ["Datei", "Bruch", "0,5", "1", "2", "50"]),
                                  ("en-US,en", "en", ["File", "Fraction", "0.5", "1", "2", "50"])):
        driver.get("about:blank")
        cdp("Storage.clearDataForOrigin", {"origin": origin.rstrip("/"), "storageTypes": "all"})
        cdp("Network.clearBrowserCache", {})
        cdp("Emulation.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": accepted})
        # The window's face held up on its way: the heading is drawn all the same, in the system's.
        cdp("Fetch.enable", {"patterns": [{"urlPattern": "*.woff2"}]})
        open_page(origin, PHONE)
        check(caption_drawn("Label1") and script("return [...document.fonts].every((face) => face.status == 'loading')"),
              f"{accepted}: the heading shows while the face is still on its way")
        cdp("Fetch.disable", {})
        type_in(f"Text1={words[2]}")
        press("fromdec")
        shown = script("return [document.documentElement.lang, ...arguments[0].map(id => document.getElementById(id))"
                       ".map(e => e.tagName == 'INPUT' ? e.value : e.textContent)]",
                       ["file", "Label8", "Text1", "n", "d", "Text2"])
        words_had, room = fetched()  # and none of the practice room, which it never opened
        check(shown == [code, *words] and words_had == ([f"{code}.lang.gz"] if code != "en" else []) and not room,
              f"a first visit from a browser that accepts {accepted}: {shown}, fetched {words_had} {room}")
        if code == "en":
            continue
        driver.execute_async_script("""const [name, done] = arguments;  // the callback comes last
            (async function kept() { for (const key of await caches.keys())
                if ((await (await caches.open(key)).keys()).some((r) => r.url.endsWith(name))) return done();
              setTimeout(kept, 50); })()""", f"{code}.lang.gz")
        cdp("Network.enable", {})
        cdp("Network.emulateNetworkConditions", {"offline": True, "latency": 0, "downloadThroughput": -1,
                                                 "uploadThroughput": -1})
        open_page(origin, PHONE)
        type_in("Text20=1 Text21=0")
        press("mecdiv")
        said = [find("view").text, find("failureMessage").text]
        check(said[0] == "Ansicht" and "die rechte Zahl ist 0" in said[1], f"a reload offline in German: {said}")
        cdp("Network.emulateNetworkConditions", {"offline": False, "latency": 0, "downloadThroughput": -1,
                                                 "uploadThroughput": -1})
    speak_in("en")
    choose("view", "working")  # the working, shown from now on, entry for entry as the window's
    for number, (control, typed, entry) in rows("working.table"):
        type_in(typed)
        choose("file", "clear") if control == "clear" else press(control)
        shows_entry(entry.replace("\\n", "\n"), f"working.table line {number}")
    # A phone's number pad may lack the minus sign and the exponent: the page has them, and keeps them
    # on offer as the finger moves from one field to the next.
    type_in("Text21=1 Text20=")
    [press(button) for button in script("return [...document.querySelectorAll('#keys button')]")]
    check(find("Text20").get_attribute("value") == "-.e", f"the keys a number pad lacks: {find('Text20').get_attribute('value')!r}")
    # The key row hides nothing for good: the page's end scrolls above it, and a failure, from a tap on
    # Solve or from Enter in a field, brings the status line into sight above the row (if it still
    # shows) and the screen's foot.
    for typed, run in (("Text24=0", lambda: press("Command3")), ("Text8=-4", lambda: keys().send_keys(Keys.ENTER).perform())):
        type_in(typed)  # a tap on the field: the keys show
        end = script("""scrollTo(0, document.body.scrollHeight); const keys = document.getElementById("keys");
            return !keys.hidden && document.getElementById("window").getBoundingClientRect().bottom <= keys.getBoundingClientRect().top""")
        run()
        seen = script("""const s = document.getElementById("failureMessage"), keys = document.getElementById("keys"),
            v = visualViewport, box = s.getBoundingClientRect(), row = keys.hidden ? Infinity : keys.getBoundingClientRect().top;
            return [s.textContent, box.top >= v.offsetTop && box.bottom <= Math.min(row, v.offsetTop + v.height)]""")
        check(end and bool(seen[0]) and seen[1], f"{typed}: the end above the keys {end}, the status in sight {seen}")
    for screen in SCREENS:
        for scheme in ("light", "dark"):
            cdp("Emulation.setEmulatedMedia", {"features": [{"name": "prefers-color-scheme", "value": scheme}]})
            open_page(origin, screen)
            laid_out(screen[0])
            apart(f"{screen} {scheme}")
            check(screen != CLASSIC or script("return innerWidth - document.documentElement.clientWidth") > 0,
                  f"{screen}: no scrollbar takes room")
            dark = script("""return getComputedStyle(document.body).backgroundColor.match(/\\d+/g)
                .slice(0, 3).reduce((sum, c) => sum + +c, 0) < 384""")
            check(dark == (scheme == "dark") and find("surface").get_attribute("class") == ("" if screen[0] > 1480
                  else "reflow"), f"{screen} {scheme}: {find('surface').get_attribute('class')}")
            if scheme == "light":
                working_pane(screen)
    open_page(origin, PHONE)
    for typed in ("Text23=17 Text24=5", "Text24=0"):
        type_in(typed)
        press("Command3")
    no_faults("on a phone, dark, with the working and a result left from before")
    open_page(origin, (1920, 1080, False))
    press = click
    for letters, element in (("vw", "workingPane"), ("fa", "aboutBox")):  # Alt and the menus' letters
        shown = find(element).is_displayed()
        keys().key_down(Keys.ALT).send_keys(letters[0]).key_up(Keys.ALT).send_keys(letters[1]).perform()
        check(find(element).is_displayed() != shown, f"Alt+{letters[0]}, {letters[1]} shows or hides {element}")
    about = "".join(re.findall(r'"(.*?)"', pathlib.Path(about_h).read_text().partition("aboutMessage")[2]))
    check(find("aboutText").text == about, "About shows the window's text")
    no_faults("with About open")
    press("aboutOk")
    choose("file", "exit")
    check(find("ended").is_displayed() and not find("window").is_displayed(), "Exit ends Vorantis")
    press("startAgain")
    type_in("Text9=7")
    press("Label17")
    check(find("Label17").text == "Prime", "a start again after Exit computes")
    # The service worker has kept the site: with the network off it serves a reload.
    driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
    check(not cdp("Page.getInstallabilityErrors", {})["installabilityErrors"], "installable")
    cdp("Network.enable", {})
    cdp("Network.emulateNetworkConditions", {"offline": True, "latency": 0, "downloadThroughput": -1,
                                             "uploadThroughput": -1})
    open_page(origin)
    type_in("Text9=91")
    press("Label17")
    check(find("Label17").text == "Composite", "offline, the page computes")
    cdp("Network.emulateNetworkConditions", {"offline": False, "latency": 0, "downloadThroughput": -1,
                                             "uploadThroughput": -1})
    practice_sheets()
    practice_answers()
    no_faults("with the practice room open")
    practice_offline()
    printed_sheet()
    # A new build reaches the next visit: a copy of the site visited, built anew (the page and a file
    # the worker keeps changed, and the worker's version with them), and visited again.
    with tempfile.TemporaryDirectory() as scratch:
        copy = pathlib.Path(shutil.copytree(site, pathlib.Path(scratch, "site")))
        again = serve(copy)
        open_page(again)
        driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
        page = copy / "index.html"
        page.write_text(page.read_text().replace('<html lang="en">', '<html lang="en" data-build="next">'))
        manifest = copy / "manifest.webmanifest"
        manifest.write_text(manifest.read_text().replace("{", '{"build": "next",', 1))
        worker = copy / "service-worker.js"
        worker.write_text(re.sub(r"vorantis-[0-9a-f]{16}", "vorantis-next", worker.read_text()))
        open_page(again)
        build = driver.execute_async_script("""const done = arguments[0];
            fetch("manifest.webmanifest").then((answer) => answer.json()).then((kept) => done([
              Boolean(navigator.serviceWorker.controller), document.documentElement.dataset.build, kept.build]));""")
        check(build == [True, "next", "next"], f"the visit after a new build: worker, page, kept file {build}")
    run_rows(single, (1920, 1080, False))
    # The single file holds every language's words: German shows with nothing fetched.
    cdp("Emulation.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": "de-DE,de"})
    open_page(single)
    asked = [url for url in requested() if not url.startswith("data:")]
    check(find("file").text == "Datei" and asked == [single], f"the single file in German: {find('file').text}, {asked}")
    driver.get("about:blank")  # and the practice room, with nothing fetched
    open_page(single + "#practice=FA3-4821")
    shows_exercise("de", "FA3-4821", 1, "the single file")
    asked = [url for url in requested() if not url.startswith("data:")]
    check(asked == [single], f"the single file's room fetched {asked}")
finally:
    driver.quit()
print(f"{results[True]} passed, {results[False]} failed")
sys.exit(results[False] > 0)
