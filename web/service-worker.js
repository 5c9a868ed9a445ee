// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the site's files, so that a second visit and the installed app start with the network
// off. The build writes in the files and a version made from their contents (web/offline.py):
// a new build's worker takes the new files into a cache of its own, takes over as soon as it
// has them and drops the old cache.
//
// A browser looks for a new worker only after a visit has begun, served by the old one
// (Chromium a second or two after, or never if the page closes first): that visit has the old
// files whatever the new worker does, and one that takes over at once serves the visit after.
// So a visit first asks the server for its worker: another build's means the kept files are out
// of date, and this worker answers from the network until the new one takes over. The next
// visit after a new build thus has its files.
"use strict";

const version = "vorantis-@VERSION@";
const files = @FILES@;
const patience = 1000; // ms a visit waits for the server before it starts from the kept files
let outdated = false;

const later = @LATER@; // the practice room's files
// A language's words (de.lang.gz, its room's de.practice.lang.gz) and the practice room are kept only
// once the page asks for them: a pupil who never speaks French never downloads French, nor the
// room if they never practise.
const keptWhenAsked = (name) => /^[a-z]{2,3}(\.practice)?\.lang\.gz$/.test(name) || later.includes(name);
const kept = (cache) => cache.keys().then((requests) => requests.map((request) => new URL(request.url).pathname.split("/").pop()));

// The languages an older build's cache kept, to be kept again in this build's words.
async function wordsKeptBefore() {
  const older = (await caches.keys()).filter((key) => key.startsWith("vorantis-") && key !== version);
  const names = await Promise.all(older.map((key) => caches.open(key).then(kept)));
  // Words an earlier build kept uncompressed (de.lang) are this build's de.lang.gz.
  const now = names.flat().map((name) => (name.endsWith(".lang") ? `${name}.gz` : name));
  return [...new Set(now.filter(keptWhenAsked))];
}

self.addEventListener("install", (event) => {
  // Asked of the server anew, not of the browser's cache, which may hold an older build's.
  const fresh = (names) => names.map((file) => new Request(file, { cache: "no-cache" }));
  event.waitUntil(caches.open(version).then(async (cache) => {
    await cache.addAll(fresh(files));
    // A language a later build no longer has is let go.
    await Promise.all(fresh(await wordsKeptBefore()).map((request) => cache.add(request).catch(() => {})));
  }).then(() => self.skipWaiting()));
});

// The page asks for a language's words ("de.lang.gz") or the practice room ("room") to be kept once
// it has them: on a first visit it had them before this worker served it.
self.addEventListener("message", (event) => {
  const name = event.data?.keep;
  const names = name === "room" ? later : typeof name === "string" && keptWhenAsked(name) ? [name] : [];
  event.waitUntil(caches.open(version).then(async (cache) => {
    const had = await kept(cache);
    await Promise.all(names.filter((file) => !had.includes(file)).map((file) => cache.add(file)));
  }));
});

self.addEventListener("activate", (event) => {
  const old = (key) => key.startsWith("vorantis-") && key !== version;
  event.waitUntil(caches.keys().then((keys) => Promise.all(keys.filter(old).map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});

// Whether the server's worker is another build's. A server that is slow to answer, or cannot
// be reached, leaves the kept files in use.
function superseded() {
  const asked = fetch("service-worker.js", { cache: "no-cache" })
    .then((response) => response.ok && response.text().then((text) => !text.includes(version)), () => false);
  return Promise.race([asked, new Promise((done) => setTimeout(done, patience, false))]);
}

async function answer(request) {
  if (request.mode === "navigate")
    outdated ||= await superseded();
  const kept = () => caches.match(request.mode === "navigate" ? "./" : request, { cacheName: version, ignoreSearch: true });
  return askedAgain(outdated ? await fetch(request.url, { cache: "no-cache" }).catch(kept)
    : (await kept()) ?? (await fetch(request)));
}

// Every answer is marked to be asked for again: a tab keeps in memory the files an earlier visit
// was given, and would otherwise show them beside a newer build's.
function askedAgain(response) {
  const headers = new Headers(response.headers);
  headers.set("Cache-Control", "no-cache");
  return new Response(response.body, { status: response.status, statusText: response.statusText, headers });
}

self.addEventListener("fetch", (event) => {
  const { request } = event;
  if (request.method !== "GET" || new URL(request.url).origin !== location.origin)
    return;
  event.respondWith(answer(request));
});
