// SPDX-License-Identifier: GPL-3.0-or-later
// What a phone's screen keyboard must not hide: the keys its number pad may lack, in a row above
// it while a field has focus, and the status line's message.
// The keys in the language's own marks ("-,e" with a decimal comma), each typed into the field
// that has focus.
export function makeKeys(texts) {
  const keys = document.getElementById("keys");
  keys.setAttribute("aria-label", texts.keysName);
  keys.replaceChildren(...[...texts.keys].map((key) => {
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

// Offers the row to a finger or a pen on a field of `surface`, not to a keyboard, which has
// every key, until `signal` ends.
export function offerKeys(surface, signal) {
  const keys = document.getElementById("keys");
  const place = () => {
    const seen = visualViewport;
    keys.style.top = `${seen.offsetTop + seen.height - keys.offsetHeight}px`;
    keys.style.left = `${seen.offsetLeft}px`;
    keys.style.width = `${seen.width}px`;
  };
  surface.addEventListener("pointerup", (event) => {
    if (event.target.tagName === "INPUT" && event.pointerType !== "mouse") {
      keys.hidden = false;
      place();
      // Room below the page for the row, so that what it covers can be scrolled above it. The
      // room stays when the row goes: taken away, it could move the page under a finger mid-tap.
      document.body.style.paddingBottom = `${keys.offsetHeight}px`;
    }
  }, { signal });
  // A finger moves the focus only after it lifts, so a tap from one field to the next passes
  // through here after the keys were offered: they stay while a field keeps the focus.
  surface.addEventListener("focusout", (event) => { keys.hidden ||= event.relatedTarget?.tagName !== "INPUT"; }, { signal });
  visualViewport.addEventListener("resize", place, { signal });
  visualViewport.addEventListener("scroll", place, { signal });
}

// A message in the status line is brought into sight if the key row or the screen's edge hides
// it: a pupil who taps Solve at the foot of a phone's page reads why nothing came.
export function keepInSight(status, signal) {
  const bringIn = () => {
    const seen = visualViewport, keys = document.getElementById("keys");
    const floor = Math.min(seen.offsetTop + seen.height, keys.hidden ? Infinity : keys.getBoundingClientRect().top);
    const { top, bottom } = status.getBoundingClientRect();
    scrollBy(0, bottom > floor ? bottom - floor : Math.min(0, top - seen.offsetTop));
  };
  const watch = new MutationObserver(() => status.textContent && bringIn());
  watch.observe(status, { childList: true });
  signal.addEventListener("abort", () => watch.disconnect());
}
