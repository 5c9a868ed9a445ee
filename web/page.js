// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the module: lays out the controls the module describes, gives it the
// form it reads and writes, and passes it the clicks. No procedure runs here.
"use strict";

(() => {
  const byId = (id) => document.getElementById(id);
  const surface = byId("surface");
  const status = byId("failureMessage");
  let runClick = () => "";

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

  function click(control) {
    status.textContent = runClick(control);
    status.title = status.textContent;
  }

  const tags = { field: "input", button: "button", label: "div" };

  function line(row, pixels) {
    // The line's bounding box, widened by the pen on every side.
    const pen = 3;
    const [x, y, run, rise] = row.rect.map(pixels);
    const left = Math.min(x, x + run) - pen;
    const top = Math.min(y, y + rise) - pen;
    const svg = document.createElementNS("http://www.w3.org/2000/svg", "svg");
    svg.setAttribute("width", Math.abs(run) + 2 * pen);
    svg.setAttribute("height", Math.abs(rise) + 2 * pen);
    svg.setAttribute("aria-hidden", "true");
    svg.style.left = `${left}px`;
    svg.style.top = `${top}px`;
    const stroke = document.createElementNS(svg.namespaceURI, "line");
    for (const [name, value] of Object.entries({
      x1: x - left, y1: y - top, x2: x + run - left, y2: y + rise - top,
      stroke: "currentColor", "stroke-width": pen,
    }))
      stroke.setAttribute(name, value);
    svg.append(stroke);
    return svg;
  }

  function control(row, pixels) {
    const element = row.kind === "line" ? line(row, pixels) : document.createElement(tags[row.kind]);
    element.id = row.name;
    if (row.kind === "line")
      return element;
    const [left, top, width, height] = row.rect.map(pixels);
    Object.assign(element.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
    if (row.fontPoints)
      element.style.fontSize = `${row.fontPoints}pt`;
    if (row.bold)
      element.style.fontWeight = "bold";
    if (row.spokenName)
      element.setAttribute("aria-label", row.spokenName);
    element.hidden = row.hidden;
    if (row.kind === "field") {
      Object.assign(element, { type: "text", autocomplete: "off", spellcheck: false });
      if (row.enterRuns)
        element.addEventListener("keydown", (event) => {
          if (event.key === "Enter" && !event.isComposing) {
            event.preventDefault();
            click(row.enterRuns);
          }
        });
      return element;
    }
    element.textContent = row.caption;
    if (row.kind === "button") {
      element.type = "button";
      // Space presses a button; Enter presses none, as no button is the default.
      element.addEventListener("keydown", (event) => event.key === "Enter" && event.preventDefault());
    } else {
      element.className = row.runs ? "label clickable" : "label";
      if (row.runs) {
        element.setAttribute("role", "button");
        element.dataset.hint = element.title = row.hint;
      } else if (row.spokenName) {
        element.setAttribute("role", "img"); // a drawn fraction bar, named as the window names it
      }
    }
    if (row.runs)
      element.addEventListener("click", () => click(row.name));
    return element;
  }

  // A value wider than its field, or a caption cut short, shows whole in the tooltip, worked
  // out when the pointer comes rather than at every write, which would lay the page out anew.
  function showWhole({ target }) {
    const cut = target.scrollWidth > target.clientWidth;
    if (target.tagName === "INPUT")
      target.title = cut ? target.value : "";
    else if (target.dataset.hint)
      target.title = cut ? `${target.textContent}\n${target.dataset.hint}` : target.dataset.hint;
  }

  function layOut(window) {
    const pixels = (twips) => twips / window.twipsPerPixel;
    surface.style.width = `${pixels(window.width)}px`;
    surface.style.height = `${pixels(window.height)}px`;
    // Labels and lines first, behind the rest; then fields and buttons in the window's
    // Tab order, which the page's order gives.
    const behind = window.controls.filter((row) => row.kind === "label" || row.kind === "line");
    const focusable = window.controls
      .filter((row) => row.kind === "field" || row.kind === "button")
      .sort((a, b) => a.tabIndex - b.tabIndex);
    surface.append(...[...behind, ...focusable].map((row) => control(row, pixels)));
    surface.addEventListener("pointerover", showWhole);
    byId("aboutText").textContent = window.about;
  }

  // File menu: Clear, About, Exit.
  const file = byId("file");
  const menu = byId("fileMenu");
  const items = [...menu.querySelectorAll("[role=menuitem]")];

  function showMenu(open) {
    menu.hidden = !open;
    file.setAttribute("aria-expanded", String(open));
    (open ? items[0] : file).focus();
  }

  file.addEventListener("click", () => showMenu(menu.hidden));
  file.addEventListener("keydown", (event) => {
    if (event.key === "ArrowDown") {
      event.preventDefault();
      showMenu(true);
    }
  });
  menu.addEventListener("keydown", (event) => {
    const step = { ArrowDown: 1, ArrowUp: -1 }[event.key];
    if (step) {
      event.preventDefault();
      items[(items.indexOf(document.activeElement) + step + items.length) % items.length].focus();
    } else if (event.key === "Escape" || event.key === "Tab") {
      event.preventDefault();
      showMenu(false);
    }
  });
  document.addEventListener("pointerdown", (event) => {
    if (!menu.hidden && !menu.contains(event.target) && event.target !== file)
      showMenu(false);
  });
  byId("clear").addEventListener("click", () => {
    showMenu(false);
    click("clear");
  });
  byId("about").addEventListener("click", () => {
    showMenu(false);
    status.textContent = "";
    byId("aboutBox").showModal();
  });
  byId("exit").addEventListener("click", () => {
    showMenu(false);
    window.close(); // only a page a script opened may close itself
    byId("window").inert = true;
    status.textContent = "Vorantis has ended: this page may now be closed.";
  });

  createVorantis({ form }).then((module) => {
    layOut(JSON.parse(module.ccall("vorantis_window", "string", [], [])));
    runClick = (control) => module.ccall("vorantis_click", "string", ["string"], [control]);
    byId("n").focus();
    performance.mark("vorantis-ready");
    document.documentElement.dataset.ready = "";
  });
})();
