// SPDX-License-Identifier: GPL-3.0-or-later
// Read Aloud: the entry a selection or the focus is in, else the newest, line by line in a voice
// of the page's language, the line being read shown highlighted; chosen again, it stops.
const speech = globalThis.speechSynthesis;
const language = () => document.documentElement.lang;
const voice = () => speech?.getVoices().find((v) => v.lang.toLowerCase().startsWith(language()));

export function readAloud(workingName) {
  const working = document.getElementById(workingName);
  if (speech?.speaking || speech?.pending) {
    speech.cancel();
    working.querySelectorAll(".reading").forEach((line) => line.classList.remove("reading"));
    return;
  }
  const within = (node) => node?.parentElement?.closest?.(`#${workingName} > li`);
  const chosen = within(getSelection().anchorNode) ?? within(document.activeElement?.firstChild) ?? working.lastElementChild;
  if (!chosen || !voice())
    return;
  speech.cancel();
  const lines = [...chosen.querySelectorAll("[data-spoken]")];
  lines.forEach((line, index) => {
    const utterance = Object.assign(new SpeechSynthesisUtterance(line.dataset.spoken), { lang: language(), voice: voice() });
    utterance.onstart = () => lines.forEach((other) => other.classList.toggle("reading", other === line));
    utterance.onend = () => index === lines.length - 1 && line.classList.remove("reading");
    speech.speak(utterance);
  });
}

// Without a voice of the language the command cannot be chosen, and its item says why. A
// browser's voices come after its page: the item follows them until `signal` ends.
export function offerReadAloud(item, noVoice, signal) {
  const offer = () => {
    const heard = Boolean(voice());
    // Still reached by the arrow keys, as a disabled command of a menu is, and said to be unavailable.
    item.setAttribute("aria-disabled", String(!heard));
    item.title = heard ? "" : noVoice;
  };
  offer();
  speech?.addEventListener("voiceschanged", offer, { signal });
}
