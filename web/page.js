// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the module: lays out the controls the module describes, gives it the
// form it reads and writes, and passes it the clicks. No procedure runs here.
"use strict";

(() => {
  const byId = (id) => document.getElementById(id);
  const surface = byId("surface");
  const status = byId("failureMessage");
  let runClick = () => "";

  // Whether only part of the element's text shows.
  const isCut = (element) => element.scrollWidth > element.clientWidth;

  // How the module reads and writes the page.
  const form = {
    text: (id) => byId(id).value,
    setText(id, text) {
      // A result shows from its first character, and whole in a tooltip if wider.
      const field = byId(id);
      field.value = text;
      field.setSelectionRange(0, 0);
      field.scrollLeft = 0;
      field.title = isCut(field) ? text : "";
    },
    caption: (id) => byId(id).textContent,
    setCaption(id, caption) {
      const label = byId(id);
      label.textContent = caption;
      if (label.dataset.hint)
        label.title = isCut(label) ? `${caption}\n${label.dataset.hint}` : label.dataset.hint;
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
      element.addEventListener("input", () => (element.title = "")); // the tooltip was a result's
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
