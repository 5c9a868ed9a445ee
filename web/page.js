// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the module: gives it the form it reads and writes, passes it the clicks,
// shows what they left (the status line, the working, the results a failure did not reach)
// and keeps the view. No procedure runs here, and no word of the window is written here:
// the module hands over the window (web/window_json.cpp), which layout.js and menus.js build.
"use strict";

(() => {
  const byId = (id) => document.getElementById(id);
  const [surface, status, pane, announcer] = ["surface", "failureMessage", "workingPane", "announcer"].map(byId);
  const storage = { // a page that cannot keep its view still works
    read() { try { return JSON.parse(localStorage.getItem("vorantis.view")) ?? {}; } catch { return {}; } },
    write(view) { try { localStorage.setItem("vorantis.view", JSON.stringify(view)); } catch { /* kept for this visit only */ } },
  };
  let module, win, built, menuBar, view;
  const marked = new Map(); // element -> "stale" or "unfinished"
  let saidOfClick = ""; // the status line as the last click left it

  // How the module reads and writes the page. A result shows from its first character.
  const form = {
    text: (id) => byId(id).value,
    setText(id, text) {
      const field = byId(id);
      field.value = text;
      field.setSelectionRange(0, 0);
      if (field === document.activeElement)
        field.scrollLeft = 0; // a field without focus goes back to its start by itself
    },
    caption: (id) => byId(id).textContent,
    setCaption(id, caption) {
      byId(id).textContent = caption;
    },
    setVisible(id, visible) {
      byId(id).hidden = !visible;
    },
  };

  const say = (text) => { // to a screen reader, once, even when it says the same again
    announcer.textContent = "";
    requestAnimationFrame(() => { announcer.textContent = text; });
  };
  // What a failed click did not reach shows what an earlier click left, and what it wrote before
  // it stopped is unfinished: both marked, shown and described, never changed.
  const notes = { stale: "staleNote", unfinished: "unfinishedNote" };
  const mark = (element, kind) => {
    element.classList.add(kind);
    element.setAttribute("aria-describedby", notes[kind]);
    marked.set(element, kind);
  };
  const unmark = (element) => {
    element.classList.remove(...Object.keys(notes));
    element.removeAttribute("aria-describedby");
    marked.delete(element);
  };

  function run(control) {
    [...marked.keys()].forEach(unmark);
    const click = JSON.parse(module.ccall("vorantis_click", "string", ["string"], [control]));
    status.textContent = status.title = saidOfClick = click.status;
    click.stale.map(byId).forEach((element) => mark(element, "stale"));
    click.unfinished.map(byId).forEach((element) => mark(element, "unfinished"));
    const entry = document.createElement("li");
    entry.innerHTML = click.entryPage; // the module's own HTML and MathML, every text in it escaped
    const working = byId(win.workingView.name);
    working.append(entry);
    while (working.childElementCount > win.workingCapacity)
      working.firstElementChild.remove();
    working.scrollTop = working.scrollHeight;
    say(click.said || click.entry);
  }

  // A value wider than its field, or a caption cut short, shows whole in the tooltip, worked
  // out when the pointer comes rather than at every write, which would lay the page out anew.
  function showWhole({ target }) {
    const cut = target.scrollWidth > target.clientWidth;
    if (target.tagName === "INPUT")
      target.title = cut ? target.value : "";
    else if (target.dataset?.hint)
      target.title = cut ? `${target.textContent}\n${target.dataset.hint}` : target.dataset.hint;
  }

  // The working stands beside the panels where the screen has room for both, the height of the
  // screen; elsewhere below them. Its text is never smaller than a phone's body text.
  const besidePanels = () => view.working && roomOnPage() >= win.workingBesideFrom;
  function layOut() {
    const beside = besidePanels();
    document.body.classList.toggle("beside", beside);
    // The pane takes what the whole window leaves, or else its least width beside the panels.
    const room = roomOnPage(), least = win.workingBesideFrom * 0.3, whole = wholeWindowWidth(built, win, view.zoom);
    const paneWidth = !beside ? 0 : room - whole >= least ? room - whole : least;
    const scale = layOutSurface(built, win, surface, view.zoom, room - paneWidth);
    byId("window").style.setProperty("--pane-width", `${paneWidth}px`);
    status.style.fontSize = `${win.face.statusLinePoints * scale}pt`;
    pane.style.fontSize = `max(16px, ${win.face.workingPanePoints * scale}pt)`;
    pane.style.setProperty("--lines", win.face.workingPaneLines);
  }

  function setView(change) {
    view = { ...view, ...change };
    view.zoom = Math.min(win.zoom.largest, Math.max(win.zoom.smallest, view.zoom));
    storage.write(view);
    pane.hidden = !view.working;
    menuBar.flatMap((menu) => menu.items).filter((item) => item.dataset.command === "working")
      .forEach((item) => item.setAttribute("aria-checked", String(view.working)));
    layOut();
  }

  function download(text, type, extension) {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([text], { type: `${type};charset=utf-8` }));
    link.download = `${win.texts.savedName}.${extension}`;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }
  const working = (what) => module.ccall("vorantis_working", "string", ["string"], [what]);

  function buildPane() {
    const commands = byId("paneCommands");
    const actions = {
      copyAll: () => navigator.clipboard.writeText(working("text")).then(
        () => { status.textContent = ""; }, () => { status.textContent = win.texts.notCopied; }),
      clearWorking: () => {
        working("clear");
        byId(win.workingView.name).replaceChildren();
      },
    };
    commands.replaceChildren(...win.paneCommands.map(({ name, caption }) => {
      const button = Object.assign(document.createElement("button"), { type: "button", id: name, textContent: caption });
      button.addEventListener("click", () => actions[name]?.());
      return button;
    }));
    // Save As… offers the two forms the window's file dialog does, as a download.
    const [, saveAs] = win.paneCommands.map(({ name }) => byId(name));
    popupMenu(saveAs, [
      { name: "saveAsText", caption: win.texts.saveAsText, run: () => download(working("text"), "text/plain", "txt") },
      { name: "saveAsPage", caption: win.texts.saveAsPage, run: () => download(working("page"), "text/html", "html") },
    ]);
    const entries = Object.assign(document.createElement("ol"), { id: win.workingView.name, tabIndex: 0 });
    entries.setAttribute("aria-label", win.workingView.caption);
    pane.setAttribute("aria-label", win.workingView.caption);
    byId("entries").replaceChildren(entries);
  }

  // Tab goes through the controls in the window's order, from the menu bar on.
  function tab(event) {
    const order = [...menuBar.map((m) => m.button), ...win.tabOrder.map(byId)]
      .filter((element) => element?.checkVisibility() && !element.closest("[inert]"));
    const at = order.indexOf(document.activeElement);
    if (event.key !== "Tab" || at < 0 || event.ctrlKey || event.altKey)
      return;
    event.preventDefault();
    order[(at + (event.shiftKey ? -1 : 1) + order.length) % order.length].focus();
  }

  // The keys a phone's number pad may lack, in the language's own marks ("-,e" with a decimal
  // comma), above its keyboard while a field has focus.
  function makeKeys() {
    const keys = byId("keys");
    keys.setAttribute("aria-label", win.texts.keysName);
    keys.replaceChildren(...[...win.texts.keys].map((key) => {
      const button = Object.assign(document.createElement("button"), { type: "button", textContent: key, tabIndex: -1 });
      button.addEventListener("pointerdown", (event) => event.preventDefault()); // the field keeps focus
      button.addEventListener("click", () => {
        const field = document.activeElement;
        if (field?.tagName !== "INPUT")
          return;
        field.setRangeText(key, field.selectionStart, field.selectionEnd, "end");
        field.dispatchEvent(new Event("input", { bubbles: true }));
      });
      return button;
    }));
  }

  function offerKeys() {
    const keys = byId("keys");
    makeKeys();
    const place = () => {
      const seen = visualViewport;
      keys.style.top = `${seen.offsetTop + seen.height - keys.offsetHeight}px`;
      keys.style.left = `${seen.offsetLeft}px`;
      keys.style.width = `${seen.width}px`;
    };
    // Offered to a finger or a pen on a field, not to a keyboard, which has every key.
    surface.addEventListener("pointerup", (event) => {
      if (event.target.tagName === "INPUT" && event.pointerType !== "mouse") {
        keys.hidden = false;
        place();
        // Room below the page for the row, so that what it covers can be scrolled above it. The
        // room stays when the row goes: taken away, it could move the page under a finger mid-tap.
        document.body.style.paddingBottom = `${keys.offsetHeight}px`;
      }
    });
    // A finger moves the focus only after it lifts, so a tap from one field to the next passes
    // through here after the keys were offered: they stay while a field keeps the focus.
    surface.addEventListener("focusout", (event) => { keys.hidden ||= event.relatedTarget?.tagName !== "INPUT"; });
    visualViewport.addEventListener("resize", place);
    visualViewport.addEventListener("scroll", place);
  }

  // A message in the status line is brought into sight if the key row or the screen's edge
  // hides it: a pupil who taps Solve at the foot of a phone's page reads why nothing came.
  function keepStatusInSight() {
    const bringIn = () => {
      const seen = visualViewport, keys = byId("keys");
      const floor = Math.min(seen.offsetTop + seen.height, keys.hidden ? Infinity : keys.getBoundingClientRect().top);
      const { top, bottom } = status.getBoundingClientRect();
      scrollBy(0, bottom > floor ? bottom - floor : Math.min(0, top - seen.offsetTop));
    };
    new MutationObserver(() => status.textContent && bringIn()).observe(status, { childList: true });
  }

  // The page is laid out again whenever its width changes, in the next frame, so that the
  // layout never resizes the root while its change is being reported.
  function followRoom() {
    let room = roomOnPage();
    new ResizeObserver(() => {
      if (roomOnPage() !== room) {
        room = roomOnPage();
        requestAnimationFrame(layOut);
      }
    }).observe(document.documentElement);
  }

  // A fresh start: the controls as the table has them, no working, the view as remembered.
  function start() {
    byId("ended").hidden = true;
    byId("window").hidden = false;
    built = buildSurface(win, surface, run);
    working("clear");
    buildPane();
    status.textContent = "";
    marked.clear();
    // A first visit on a screen with room beside the panels shows the working there.
    const { working: shown, zoom, language } = storage.read();
    view = { working: shown === undefined ? roomOnPage() >= win.workingBesideFrom : shown === true,
      zoom: Math.round(Number(zoom) / win.zoom.step) * win.zoom.step || 0, ...(language && { language }) };
    setView({});
    byId(win.tabOrder[0]).focus();
  }

  // Read Aloud: the entry a selection or the focus is in, else the newest, line by line in a
  // voice of the page's language, the line being read shown highlighted; again, it stops.
  const speech = globalThis.speechSynthesis;
  const voice = () => speech?.getVoices().find((v) => v.lang.toLowerCase().startsWith(document.documentElement.lang));
  function readAloud() {
    const working = byId(win.workingView.name);
    if (speech?.speaking || speech?.pending) { // chosen again while it reads, it stops
      speech.cancel();
      working.querySelectorAll(".reading").forEach((line) => line.classList.remove("reading"));
      return;
    }
    const within = (node) => node?.parentElement?.closest?.(`#${win.workingView.name} > li`);
    const chosen = within(getSelection().anchorNode) ?? within(document.activeElement?.firstChild) ?? working.lastElementChild;
    if (!chosen || !voice())
      return;
    speech.cancel();
    const lines = [...chosen.querySelectorAll("[data-spoken]")];
    lines.forEach((line, index) => {
      const utterance = Object.assign(new SpeechSynthesisUtterance(line.dataset.spoken),
        { lang: document.documentElement.lang, voice: voice() });
      utterance.onstart = () => lines.forEach((other) => other.classList.toggle("reading", other === line));
      utterance.onend = () => index === lines.length - 1 && line.classList.remove("reading");
      speech.speak(utterance);
    });
  }
  // Without a voice of the language the command cannot be chosen, and says why.
  function offerReadAloud() {
    const item = menuBar.flatMap((menu) => menu.items).find((entry) => entry.dataset.command === "readAloud");
    const heard = Boolean(voice());
    // Still reached by the arrow keys, as a disabled command of a menu is, and said to be unavailable.
    item.setAttribute("aria-disabled", String(!heard));
    item.title = heard ? "" : win.texts.noVoice;
  }

  const commands = {
    clear: () => run("clear"),
    about() {
      status.textContent = "";
      byId("aboutBox").showModal();
    },
    exit() {
      window.close(); // only a page a script opened, or an installed app's window, may close itself
      byId("window").hidden = true;
      byId("ended").hidden = false;
      byId("startAgain").focus();
    },
    working: () => setView({ working: !view.working }),
    readAloud,
    language: (code) => speakIn(code),
    zoomIn: () => setView({ zoom: view.zoom + win.zoom.step }),
    zoomOut: () => setView({ zoom: view.zoom - win.zoom.step }),
    actualSize: () => setView({ zoom: win.zoom.smallest }),
  };

  function words() {
    const texts = win.texts;
    byId("menubar").setAttribute("aria-label", texts.menuBar);
    byId("surface").setAttribute("aria-label", texts.programName);
    byId("staleNote").textContent = texts.stale;
    byId("unfinishedNote").textContent = texts.unfinished;
    byId("endedText").textContent = texts.ended;
    byId("startAgain").textContent = texts.startAgain;
    byId("aboutTitle").textContent = texts.programName;
    byId("aboutText").textContent = texts.about;
    byId("aboutOk").textContent = texts.ok;
  }

  // The module is stored compressed (web/CMakeLists.txt): it is inflated as it arrives.
  function instantiateWasm(imports, done) {
    const source = byId("module");
    fetch(source.href ?? source.content)
      .then((response) => new Response(response.body.pipeThrough(new DecompressionStream("gzip")),
        { headers: { "Content-Type": "application/wasm" } }))
      .then((response) => WebAssembly.instantiateStreaming(response, imports))
      .then(({ instance, module: compiled }) => done(instance, compiled));
    return {};
  }

  // The language of the first of the preferences that Vorantis has (a code chosen in the View
  // menu, or the browser's list), and the window as the module says it in that language.
  function speak(preferences) {
    document.documentElement.lang = module.ccall("vorantis_speak", "string", ["string"], [preferences]);
    win = JSON.parse(module.ccall("vorantis_window", "string", [], []));
    words();
    menuBar = buildMenuBar(byId("menubar"), win.menus, commands, win.languages, win.language);
    offerReadAloud();
  }

  // Says the page again in the language chosen: the fields keep what they hold, a number in the
  // new language's decimal mark, a caption a procedure wrote keeps its number or takes its word in
  // the new language, the status line says its message again, and the working keeps its entries
  // as they were written.
  function speakIn(code) {
    const before = win.language;
    const respelled = (text) => module.ccall("vorantis_respell", "string", ["string", "string"], [text, before]);
    const wordsBefore = new Map(win.captionWords.map(({ english, shown }) => [shown, english]));
    const shown = win.controls.map(({ name }) => byId(name)).map((element) =>
      [element.id, element.tagName === "INPUT" ? element.value : element.textContent, element.hidden]);
    const captionsBefore = new Map(win.controls.map(({ name, caption }) => [name, caption]));
    const entries = [...byId(win.workingView.name).children];
    const focused = document.activeElement?.id;
    speak(code);
    const wordsNow = new Map(win.captionWords.map(({ english, shown }) => [english, shown]));
    const rows = new Map(win.controls.map((row) => [row.name, row]));
    built = buildSurface(win, surface, run);
    for (const [id, text, hidden] of shown) {
      const element = byId(id), row = rows.get(id);
      element.hidden = hidden;
      if (element.tagName === "INPUT")
        element.value = respelled(text);
      else if (row.kind !== "line" && text !== captionsBefore.get(id)) // written by a procedure
        element.textContent = wordsBefore.has(text) ? wordsNow.get(wordsBefore.get(text)) : respelled(text);
    }
    const kept = [...marked].map(([element, kind]) => [element.id, kind]);
    marked.clear();
    kept.forEach(([id, kind]) => byId(id) && mark(byId(id), kind));
    if (saidOfClick && status.textContent === saidOfClick) // not since cleared or replaced
      status.textContent = status.title = saidOfClick = module.ccall("vorantis_status", "string", [], []);
    buildPane();
    makeKeys();
    byId(win.workingView.name).append(...entries);
    setView({ language: code });
    byId(focused)?.focus();
  }

  createVorantis({ form, instantiateWasm }).then((loaded) => {
    module = loaded;
    speak(storage.read().language || navigator.languages.join(","));
    document.addEventListener("keydown", tab);
    surface.addEventListener("pointerover", showWhole);
    surface.addEventListener("input", ({ target }) => marked.has(target) && unmark(target));
    byId("startAgain").addEventListener("click", start);
    offerKeys();
    keepStatusInSight();
    start();
    followRoom();
    speech?.addEventListener("voiceschanged", offerReadAloud); // a browser's voices come after its page
    performance.mark("vorantis-ready");
    document.documentElement.dataset.ready = "";
    // Offline after the first visit: the service worker keeps the site's files. It is asked
    // for once the page is usable, so that it never slows the first visit down; a new build's
    // is looked for at once, to keep the next visit, rather than when the browser gets to it.
    if (location.protocol.startsWith("http") && "serviceWorker" in navigator)
      navigator.serviceWorker.register("service-worker.js", { updateViaCache: "none" })
        .then((registration) => registration.update()).catch(() => { /* offline: the kept worker stays */ });
  });
})();
