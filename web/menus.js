// SPDX-License-Identifier: GPL-3.0-or-later
// Menus that open from a button: the menu bar's, from the module's menus with their access
// keys and shortcuts, and the choice of Save As…. What a command does is the page's.
const accessKey = (caption) => caption.match(/&(.)/)?.[1].toLowerCase();
const withoutMark = (caption) => caption.replace(/&(.)/, "$1");

// A menu's item for `entry`; choosing it closes the menu (`close`) and runs the entry.
function makeItem(entry, close) {
  const item = Object.assign(document.createElement("button"), { type: "button", id: entry.name, tabIndex: -1 });
  item.setAttribute("role", entry.radio ? "menuitemradio" : entry.checkable ? "menuitemcheckbox" : "menuitem");
  if (entry.checkable || entry.radio)
    item.setAttribute("aria-checked", String(Boolean(entry.checked)));
  if (entry.lang)
    item.lang = entry.lang; // a language's own name, read in that language
  item.dataset.key = accessKey(entry.caption) ?? "";
  item.dataset.command = entry.command ?? entry.name;
  const shortcut = Object.assign(document.createElement("span"), { textContent: entry.shortcuts?.[0] ?? "" });
  shortcut.setAttribute("aria-hidden", "true");
  item.append(withoutMark(entry.caption), shortcut);
  item.addEventListener("click", () => {
    close();
    entry.run();
  });
  return item;
}

// The keys inside an open menu: Up and Down go through its items, an item's letter chooses it,
// Escape and Tab close it.
function followKeys(menu, items, show) {
  menu.addEventListener("keydown", (event) => {
    const step = { ArrowDown: 1, ArrowUp: -1 }[event.key];
    const chosen = items.find((item) => item.dataset.key && item.dataset.key === event.key.toLowerCase());
    if (step || chosen || ["Escape", "Tab"].includes(event.key))
      event.preventDefault();
    if (step)
      items[(items.indexOf(document.activeElement) + step + items.length) % items.length].focus();
    else if (chosen)
      chosen.click();
    else if (event.key === "Escape" || event.key === "Tab")
      show(false);
  });
}

// A pop-up menu of `entries` ({name, caption, shortcuts, checkable, radio, separatorBefore, run})
// under `button`; focus goes back where it was when the menu closes. Its page-wide listener
// ends with `signal`: the menu's owner ends it when it makes the menu anew (in another language).
export function popupMenu(button, entries, signal) {
  const menu = Object.assign(document.createElement("div"), { id: `${button.id}Menu`, className: "menu", hidden: true });
  menu.setAttribute("role", "menu");
  menu.setAttribute("aria-labelledby", button.id);
  button.setAttribute("aria-haspopup", "menu");
  button.setAttribute("aria-expanded", "false");
  button.setAttribute("aria-controls", menu.id);
  let back = null;
  function show(open) {
    if (open === !menu.hidden)
      return;
    if (open)
      back = document.activeElement === button || document.activeElement === document.body ? null : document.activeElement;
    menu.hidden = !open;
    button.setAttribute("aria-expanded", String(open));
    if (open) {
      menu.style.left = `${button.offsetLeft}px`;
      menu.style.top = `${button.offsetTop + button.offsetHeight}px`;
      items[0].focus();
    } else if (menu.contains(document.activeElement) || document.activeElement === button) {
      (back?.isConnected ? back : button).focus();
    }
  }
  const items = entries.map((entry) => {
    if (entry.separatorBefore)
      menu.append(Object.assign(document.createElement("div"), { role: "separator" }));
    return menu.appendChild(makeItem(entry, () => show(false)));
  });
  button.addEventListener("click", () => show(menu.hidden));
  button.addEventListener("keydown", (event) => {
    if (event.key === "ArrowDown") {
      event.preventDefault();
      show(true);
    }
  });
  followKeys(menu, items, show);
  document.addEventListener("pointerdown", (event) => {
    if (!menu.contains(event.target) && !button.contains(event.target))
      show(false);
  }, { signal });
  button.after(menu);
  return { button, menu, items, show, key: accessKey(button.dataset.caption ?? "") };
}

// A shortcut as the table writes it ("Ctrl+Shift+W", "Ctrl++") against a key press.
function pressed(shortcut, event) {
  const key = shortcut.endsWith("++") ? "+" : shortcut.slice(shortcut.lastIndexOf("+") + 1);
  const mods = shortcut.slice(0, -key.length - 1).split("+");
  const letter = /^[a-z]$/i.test(key);
  return event.key.toLowerCase() === key.toLowerCase() && event.ctrlKey === mods.includes("Ctrl") &&
    event.altKey === mods.includes("Alt") && (!letter || event.shiftKey === mods.includes("Shift"));
}

// A menu's entries: its commands, the Language command one item a language, each by its own
// name, the one in use checked. An item's id is its menu's and its own: View's Working is not
// the working pane's view.
function entriesOf(menu, commands, languages, language) {
  return menu.commands.flatMap((command) => command.name !== "language"
    ? [{ ...command, name: `${menu.name}-${command.name}`, command: command.name, run: commands[command.name] }]
    : languages.map(({ code, ownName }, index) => ({ name: `${menu.name}-language-${code}`, caption: ownName,
      radio: true, checked: code === language, lang: code, separatorBefore: index === 0 && command.separatorBefore,
      run: () => commands.language(code) })));
}

// Alt and a menu's letter opens it; a command's shortcut runs it from anywhere on the page.
function followShortcuts(opened, menus, commands, signal) {
  const shortcuts = menus.flatMap((menu) => menu.commands).filter((command) => command.shortcuts.length);
  document.addEventListener("keydown", (event) => {
    if (event.altKey && !event.ctrlKey && !event.metaKey) {
      const menu = opened.find((m) => m.key === event.code.replace(/^Key/, "").toLowerCase());
      if (menu) {
        event.preventDefault();
        opened.forEach((m) => m.show(m === menu));
      }
      return;
    }
    const command = shortcuts.find((c) => c.shortcuts.some((shortcut) => pressed(shortcut, event)));
    if (command) {
      event.preventDefault();
      commands[command.name]();
    }
  }, { signal });
}

// The menu bar, in `bar`: Left and Right go to the next menu. Its page-wide listeners end with
// `signal`, which its owner ends when it makes the bar anew (in another language).
export function buildMenuBar(bar, { menus, languages, language }, commands, signal) {
  bar.replaceChildren();
  const opened = menus.map((menu) => {
    const button = Object.assign(document.createElement("button"), { type: "button", id: menu.name,
      textContent: withoutMark(menu.caption) });
    button.dataset.caption = menu.caption;
    bar.append(button);
    return popupMenu(button, entriesOf(menu, commands, languages, language), signal);
  });
  bar.addEventListener("keydown", (event) => {
    const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
    const at = opened.findIndex((m) => m.menu.contains(event.target) || m.button === event.target);
    if (!step || at < 0)
      return;
    event.preventDefault();
    const next = opened[(at + step + opened.length) % opened.length];
    const open = !opened[at].menu.hidden;
    opened[at].show(false);
    open ? next.show(true) : next.button.focus();
  }, { signal });
  followShortcuts(opened, menus, commands, signal);
  return opened;
}
