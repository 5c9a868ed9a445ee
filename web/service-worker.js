// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the site's files, so that a second visit and the installed app start with the network
// off. The build writes in the files and a version made from their contents (web/offline.py):
// a new build's worker takes the new files into a cache of its own and drops the old one, so
// the next visit after it has them.
"use strict";

const version = "vorantis-@VERSION@";
const files = @FILES@;

self.addEventListener("install", (event) => {
  // Asked of the server anew, not of the browser's cache, which may hold an older build's.
  const fresh = files.map((file) => new Request(file, { cache: "no-cache" }));
  event.waitUntil(caches.open(version).then((cache) => cache.addAll(fresh)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  const old = (key) => key.startsWith("vorantis-") && key !== version;
  event.waitUntil(caches.keys().then((keys) => Promise.all(keys.filter(old).map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  const { request } = event;
  if (request.method !== "GET" || new URL(request.url).origin !== location.origin)
    return;
  const kept = caches.match(request.mode === "navigate" ? "./" : request, { cacheName: version, ignoreSearch: true });
  event.respondWith(kept.then((response) => response ?? fetch(request)));
});
