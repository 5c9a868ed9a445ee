// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a language other than English, whose are in the module: inside the page where it
// is the single file, else the site's file <code>.lang.gz, fetched only when the language is asked
// for, so that a language a pupil never asks for costs them nothing. Once fetched, the service
// worker keeps it: a pupil offline keeps the language they used.

// The text of the language's file ("de"), or of its practice room's ("de.practice"); it throws
// where the file cannot be had.
export async function wordsOf(code) {
  const inside = document.getElementById(`words-${code}`);
  if (inside)
    return JSON.parse(inside.textContent);
  const response = await fetch(`${code}.lang.gz`);
  if (!response.ok)
    throw new Error(`${code}.lang.gz: ${response.status}`);
  // Stored compressed, as the module is (web/CMakeLists.txt), and inflated as it arrives.
  return new Response(response.body.pipeThrough(new DecompressionStream("gzip"))).text();
}

// Asks the service worker to keep the language's file for the visits after, offline too. On a
// first visit the page had the file before it had a worker: the worker is asked once it works.
export function keepWords(code) {
  if (!document.getElementById(`words-${code}`) && location.protocol.startsWith("http") && "serviceWorker" in navigator)
    navigator.serviceWorker.ready.then((registration) => registration.active?.postMessage({ keep: `${code}.lang.gz` }));
}
