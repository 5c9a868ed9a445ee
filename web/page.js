// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the module: gives it the form it reads and writes, passes it the clicks,
// shows what they left (the status line, the working, the results a failure did not reach)
// and keeps the view. No procedure runs here, and no word of the window is written here:
// the module hands over the window (web/window_json.cpp), which layout.js and menus.js build.
import createVorantis from "./vorantis.js";
import { buildSurface, layOutSurface, leastSizes, roomOnPage, wholeWindowWidth } from "./layout.js";
import { buildMenuBar, popupMenu } from "./menus.js";
import { keepInSight, makeKeys, offerKeys } from "./keys.js";
import { offerReadAloud, readAloud } from "./read_aloud.js";
import { keepWords, wordsOf } from "./words.js";

const byId = (id) => document.getElementById(id);
const [surface, status, pane, announcer, practice] =
  ["surface", "failureMessage", "workingPane", "announcer", "practiceRoom"].map(byId);
const storage = { // a page that cannot keep its view still works
  read() { try { return JSON.parse(localStorage.getItem("vorantis.view")) ?? {}; } catch { return {}; } },
  write(view) { try { localStorage.setItem("vorantis.view", JSON.stringify(view)); } catch { /* kept for this visit only */ } },
};
let module, win, built, menuBar, view;
let pageWidth; // as last measured: at the start, then by the size watcher
// The page-wide listeners of a start, which Exit ends, and those of what is made in the language
// in use, which a change of language ends.
let session, inLanguage;
const marked = new Map(); // element -> "stale" or "unfinished"
let saidOfClick = ""; // the status line as the last click left it
const wordsHad = new Map(); // a language's code -> the text of its words, for the practice room
// The practice room, a module of its own fetched the first time it is asked for: a promise of it.
let room;

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
  describe(id, said) { // what the user types is left to be read as typed
    said ? byId(id).setAttribute("aria-description", said) : byId(id).removeAttribute("aria-description");
  },
};
// A function of the module, its arguments texts.
const call = (name, returns, ...args) => module.ccall(name, returns, args.map(() => "string"), args);

const say = (text) => { // to a screen reader, once, even when it says the same again
  announcer.textContent = "";
  requestAnimationFrame(() => { announcer.textContent = text; });
};
const tell = (text) => { status.textContent = status.title = text; };
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
  const click = JSON.parse(call("vorantis_click", "string", control));
  tell(saidOfClick = click.status);
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
function layOut() {
  const leastOf = leastSizes(); // before the first write
  const beside = (view.working || view.practice) && pageWidth >= win.workingBesideFrom;
  document.body.classList.toggle("beside", beside);
  // The pane takes what the whole window leaves, or else its least width beside the panels.
  const least = win.workingBesideFrom * 0.3, whole = wholeWindowWidth(built, win, view.zoom, leastOf);
  const paneWidth = !beside ? 0 : pageWidth - whole >= least ? pageWidth - whole : least;
  const scale = layOutSurface(built, win, surface, view.zoom, pageWidth - paneWidth, leastOf);
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
  practice.hidden = !view.practice;
  for (const shown of ["working", "practice"])
    menuBar.flatMap((menu) => menu.items).filter((item) => item.dataset.command === shown)
      .forEach((item) => item.setAttribute("aria-checked", String(view[shown])));
  layOut();
  if (!view.practice && location.hash.startsWith("#practice="))
    history.replaceState(null, "", location.pathname + location.search);
}

// The room's words in a language: the page's, then the room's own (de.practice.lang.gz), fetched
// the first time the room speaks it and kept by the worker from then on; English's are in its
// module. Offline, where the room's own cannot be had, the page's alone: the room's texts show in
// English.
async function roomWords(code) {
  if (!wordsHad.has(code))
    return undefined;
  try {
    const text = wordsHad.get(code) + (await wordsOf(`${code}.practice`));
    keepWords(`${code}.practice`);
    return text;
  } catch {
    return wordsHad.get(code);
  }
}

// The room, fetched with its words in the language in use the first time it is asked for; where
// it cannot be had (offline before it was ever opened), asked for again the next time.
function practiceRoom() {
  room ??= Promise.all([import("./practice.js"), roomWords(win.language)]).then(([{ openRoom }, text]) => openRoom(practice, {
    say, respell: (text, writtenIn) => call("vorantis_respell", "string", text, writtenIn),
    follow: (code) => view.practice && history.replaceState(null, "", `#practice=${code}`),
  }, { code: win.language, text })).catch((failure) => {
    room = undefined;
    throw failure;
  });
  return room;
}

// The sheet an address names (#practice=FA3-4821), else "".
const addressedSheet = () => decodeURIComponent(location.hash.match(/^#practice=(.*)/)?.[1] ?? "");

// View > Practice, or the address's sheet: the room shows, at that sheet or the one it was at,
// and takes the focus where the pupil asked for it (not as the page starts).
function showPractice(shown, code, focus) {
  setView({ practice: shown });
  if (shown)
    practiceRoom().then((opened) => opened.open(code, focus));
}

function download(text, type, extension) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([text], { type: `${type};charset=utf-8` }));
  link.download = `${win.texts.savedName}.${extension}`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}
const working = (what) => call("vorantis_working", "string", what);

function buildPane() {
  const actions = {
    copyAll: () => navigator.clipboard.writeText(working("text")).then(() => tell(""), () => tell(win.texts.notCopied)),
    clearWorking: () => {
      working("clear");
      byId(win.workingView.name).replaceChildren();
    },
  };
  byId("paneCommands").replaceChildren(...win.paneCommands.map(({ name, caption }) => {
    const button = Object.assign(document.createElement("button"), { type: "button", id: name, textContent: caption });
    button.addEventListener("click", () => actions[name]?.());
    return button;
  }));
  // Save As… offers the two forms the window's file dialog does, as a download.
  const [, saveAs] = win.paneCommands.map(({ name }) => byId(name));
  popupMenu(saveAs, [
    { name: "saveAsText", caption: win.texts.saveAsText, run: () => download(working("text"), "text/plain", "txt") },
    { name: "saveAsPage", caption: win.texts.saveAsPage, run: () => download(working("page"), "text/html", "html") },
  ], inLanguage.signal);
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

// The page is laid out again whenever its width changes, in the next frame, so that the
// layout never resizes the root while its change is being reported.
function followRoom(signal) {
  const watch = new ResizeObserver(() => {
    const now = roomOnPage();
    if (now !== pageWidth) {
      pageWidth = now;
      requestAnimationFrame(layOut);
    }
  });
  watch.observe(document.documentElement);
  signal.addEventListener("abort", () => watch.disconnect());
}

// A fresh start in the language of the code: the controls as the table has them, no working,
// the view as remembered.
function start(code) {
  session?.abort();
  session = new AbortController();
  byId("ended").hidden = true;
  byId("window").hidden = false;
  speak(code);
  // Measured before the controls are made, while the page is quick to lay out; measuring it
  // again before they are placed would lay them all out where they were made.
  pageWidth = roomOnPage();
  document.body.style.fontFamily = `"${win.face.family}", sans-serif`; // the window's, shipped with the page
  built = buildSurface(win, surface, run);
  working("clear");
  buildPane();
  makeKeys(win.texts);
  tell("");
  marked.clear();
  // A first visit on a screen with room beside the panels shows the working there.
  const { working: shown, zoom, language, practice: practising } = storage.read();
  view = { working: shown === undefined ? pageWidth >= win.workingBesideFrom : shown === true,
    zoom: Math.round(Number(zoom) / win.zoom.step) * win.zoom.step || 0, ...(language && { language }),
    practice: practising === true };
  showPractice(view.practice || Boolean(addressedSheet()), addressedSheet());
  const { signal } = session;
  document.addEventListener("keydown", tab, { signal });
  surface.addEventListener("pointerover", showWhole, { signal });
  surface.addEventListener("input", ({ target }) => {
    target.removeAttribute("aria-description");
    marked.has(target) && unmark(target);
  }, { signal });
  offerKeys(surface, signal);
  keepInSight(status, signal);
  followRoom(signal);
  addEventListener("hashchange", () => addressedSheet() && showPractice(true, addressedSheet(), true), { signal });
  byId(win.tabOrder[0]).focus();
}

// Exit: the page cannot close itself (only a page a script opened, or an installed app's window,
// may), so Vorantis ends on the page, its listeners with it, with Start Again at hand.
function exit() {
  window.close();
  session.abort();
  inLanguage.abort();
  byId("window").hidden = true;
  byId("ended").hidden = false;
  byId("startAgain").focus();
}

const commands = {
  clear: () => run("clear"),
  about() {
    tell("");
    byId("aboutBox").showModal();
  },
  exit,
  working: () => setView({ working: !view.working }),
  practice: () => showPractice(!view.practice, "", true),
  printWorksheet: () => practiceRoom().then((opened) => opened.print()),
  readAloud: () => readAloud(win.workingView.name),
  language: (code) => chooseLanguage(code),
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

// The words of the language the pupil chose before, else of the browser's first, are asked for
// while the module arrives rather than after it, which decides what language that is: where it
// decides otherwise (a language Vorantis does not speak), the guess goes unused.
const guessed = storage.read().language || navigator.languages[0]?.split("-")[0].toLowerCase();
const early = guessed && guessed !== "en" ? wordsOf(guessed).catch(() => null) : null;

// Whether the module has the language's words, fetched here where it has not yet; false where
// they cannot be had (offline at a first visit).
async function haveWords(code) {
  if (call("vorantis_has_words", "boolean", code))
    return true;
  try {
    const text = (code === guessed && (await early)) || (await wordsOf(code));
    if (!call("vorantis_load_language", "boolean", text))
      return false;
    wordsHad.set(code, text);
    keepWords(code);
    return true;
  } catch {
    return false;
  }
}
const notLoaded = (code) => win.languages.find((language) => language.code === code).notLoaded;

// The language of the code, and the window as the module says it in that language.
function speak(code) {
  document.documentElement.lang = call("vorantis_speak", "string", code);
  win = JSON.parse(call("vorantis_window", "string"));
  words();
  inLanguage?.abort();
  inLanguage = new AbortController();
  menuBar = buildMenuBar(byId("menubar"), win, commands, inLanguage.signal);
  const readAloudItem = menuBar.flatMap((menu) => menu.items).find((item) => item.dataset.command === "readAloud");
  offerReadAloud(readAloudItem, win.texts.noVoice, inLanguage.signal);
}

// The View menu's language, once its words are here; where they cannot be had, the page goes on
// in the language it speaks and says why.
async function chooseLanguage(code) {
  if (await haveWords(code))
    speakIn(code);
  else
    tell(notLoaded(code));
}

// Says the page again in the language chosen: the fields keep what they hold, a number in the
// new language's decimal mark, a caption a procedure wrote keeps its number or takes its word in
// the new language, the status line says its message again, and the working keeps its entries
// as they were written.
function speakIn(code) {
  const before = win.language;
  const respelled = (text) => call("vorantis_respell", "string", text, before);
  const wordsBefore = new Map(win.captionWords.map(({ english, shown }) => [shown, english]));
  const shown = win.controls.map(({ name }) => byId(name)).map((element) =>
    [element.id, element.tagName === "INPUT" ? element.value : element.textContent, element.hidden,
      element.hasAttribute("aria-description")]);
  const captionsBefore = new Map(win.controls.map(({ name, caption }) => [name, caption]));
  const entries = [...byId(win.workingView.name).children];
  const focused = document.activeElement?.id;
  speak(code);
  const wordsNow = new Map(win.captionWords.map(({ english, shown }) => [english, shown]));
  const rows = new Map(win.controls.map((row) => [row.name, row]));
  built = buildSurface(win, surface, run);
  for (const [id, text, hidden, described] of shown) {
    const element = byId(id), row = rows.get(id);
    element.hidden = hidden;
    if (element.tagName === "INPUT")
      element.value = respelled(text);
    if (described) // a result's value, said in the new language
      form.describe(id, call("vorantis_spoken_value", "string", element.value));
    else if (row.kind !== "line" && text !== captionsBefore.get(id)) // written by a procedure
      element.textContent = wordsBefore.has(text) ? wordsNow.get(wordsBefore.get(text)) : respelled(text);
  }
  const kept = [...marked].map(([element, kind]) => [element.id, kind]);
  marked.clear();
  kept.forEach(([id, kind]) => byId(id) && mark(byId(id), kind));
  if (saidOfClick && status.textContent === saidOfClick) // not since cleared or replaced
    tell(saidOfClick = call("vorantis_status", "string"));
  buildPane();
  makeKeys(win.texts);
  byId(win.workingView.name).append(...entries);
  setView({ language: code });
  room?.then(async (opened) => opened.speak(code, await roomWords(code)));
  byId(focused)?.focus();
}

// The language the pupil chose before, else the browser's, in its own words before the page
// shows; where they cannot be had, in English, and the status line says why.
createVorantis({ form, instantiateWasm }).then(async (loaded) => {
  module = loaded;
  const asked = call("vorantis_language_for", "string", storage.read().language || navigator.languages.join(","));
  const spoken = (await haveWords(asked)) ? asked : "en";
  byId("startAgain").addEventListener("click", () => start(win.language));
  start(spoken);
  if (spoken !== asked)
    tell(notLoaded(asked));
  performance.mark("vorantis-ready");
  document.documentElement.dataset.ready = "";
  document.head.append(byId("afterStart").content);
  // Offline after the first visit: the service worker keeps the site's files. It is asked
  // for once the page is usable, so that it never slows the first visit down; a new build's
  // is looked for at once, to keep the next visit, rather than when the browser gets to it.
  // A first visit has just been given the server's worker: it asks nothing more.
  const served = Boolean(navigator.serviceWorker?.controller);
  if (location.protocol.startsWith("http") && "serviceWorker" in navigator)
    navigator.serviceWorker.register("service-worker.js", { updateViaCache: "none" })
      .then((registration) => served && registration.update()).catch(() => { /* offline: the kept worker stays */ });
});
