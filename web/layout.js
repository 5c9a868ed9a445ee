// SPDX-License-Identifier: GPL-3.0-or-later
// The controls the module describes, made into the page's elements and laid out. Where the
// screen has room for the window with every target big enough for the pointer, the window
// shows whole, scaled to the width; elsewhere each panel shows on its own, as many side by
// side as fit, and a panel too wide for the screen as its parts, one under another where
// need be. Either way every control keeps its arrangement from the table, and no control's box
// lies over another's.
// Where the page puts a control other than the window does, in the window's pixels at 100 %:
// [left, top, right, bottom]. The window lets a label run under its neighbours and a button over
// the fields above it; on a page that hides part of a field and catches taps meant for it. So a
// label ends where its neighbour begins, a heading above the fields under it, a button moves
// below the fields it covered, a line spans the gap between the fields it joins, and a fraction
// bar the gap between numerator and denominator (style.css draws it there).
const pageBoxes = {
  // Fraction, decimal and percent; the slash between numerator and denominator.
  Label3: [200, 48, 248, 64], Label4: [248, 48, 288, 64], Label7: [288, 56, 312, 81],
  Label9: [320, 48, 345, 64], Label10: [376, 48, 401, 64], Line2: [145, 64, 152, 80],
  // Prime: the heading clear of Simplify and of the fields below it, Check clear of the numerator.
  Label13: [8, 48, 128, 64], Label17: [56, 64, 112, 81],
  // Square root: Calculate clear of the dividend.
  Label11: [8, 96, 121, 120], Label12: [56, 120, 128, 137],
  // Integer division: Solve below the result and the remainder, the slash between the operands.
  Label5: [176, 88, 233, 104], Line1: [185, 104, 200, 128], Label6: [136, 128, 177, 144],
  Label40: [208, 128, 265, 144], Command3: [168, 164, 217, 181],
  // Exponents: Calculate below the exponent, the "=" and the power.
  Label15: [440, 48, 536, 64], Text13: [424, 64, 456, 94], Text14: [456, 64, 480, 83],
  Label16: [480, 64, 496, 83], calcsquare: [456, 83, 529, 100],
  // Decimals: the heading below the exponents' Calculate, the four buttons edge to edge.
  Label34: [320, 100, 529, 120], Label36: [344, 120, 360, 137], Label35: [424, 120, 432, 137],
  decadd: [376, 144, 392, 157], decsub: [392, 144, 408, 157], decmulti: [408, 144, 424, 157],
  // Fractions: the bars between the fields, the signs beside them.
  Label19: [544, 24, 673, 56], Label20: [576, 72, 600, 97], Label41: [664, 56, 680, 81],
  Label22: [536, 83, 569, 96], Label23: [600, 83, 633, 96], Label24: [680, 83, 713, 96],
};

const svg = "http://www.w3.org/2000/svg";
const tags = { field: "input", button: "button", label: "div" };

// A field: the number pad, with the keys it may lack offered beside it (keys.js); Return runs
// the panel where the window's field does.
function makeField(element, row, run) {
  Object.assign(element, { type: "text", autocomplete: "off", spellcheck: false, inputMode: "decimal" });
  element.setAttribute("autocapitalize", "off");
  if (!row.enterRuns)
    return;
  element.enterKeyHint = "go";
  element.addEventListener("keydown", (event) => {
    if (event.key === "Enter" && !event.isComposing) {
      event.preventDefault();
      run(row.enterRuns);
    }
  });
}

function makeCaptioned(element, row) {
  element.textContent = row.caption;
  if (row.kind === "button") {
    element.type = "button";
    // Space presses a button; Enter presses none, as no button is the default.
    element.addEventListener("keydown", (event) => event.key === "Enter" && event.preventDefault());
    return;
  }
  element.classList.add("label");
  if (row.runs) {
    element.classList.add("clickable");
    element.setAttribute("role", "button");
    element.dataset.hint = element.title = row.hint;
  } else if (row.spokenName) {
    element.setAttribute("role", "img"); // a drawn fraction bar, named as the window names it
    element.classList.add("bar");
  }
}

// The element of a row of the table; its own listeners go with it.
function makeControl(row, tag, { win, unseen, elements, run }) {
  const element = row.kind === "line" ? document.createElementNS(svg, "svg") : document.createElement(tag);
  element.id = row.name;
  element.classList.add("control");
  element.style.zIndex = win.stacking.indexOf(row.name) + 1; // labels and lines behind
  element.hidden = row.hidden || unseen.has(row.name);
  if (row.bold)
    element.style.fontWeight = "bold";
  elements.set(row.name, element);
  if (row.kind === "line") {
    element.setAttribute("aria-hidden", "true");
    element.append(document.createElementNS(svg, "line"));
    return element;
  }
  if (row.spokenName)
    element.setAttribute("aria-label", row.spokenName);
  if (row.kind === "field")
    makeField(element, row, run);
  else
    makeCaptioned(element, row);
  if (row.runs)
    element.addEventListener("click", () => run(row.name));
  return element;
}

// A panel in the page's order: its heading, then each part's controls as read.
function makePanel(panel, index, made) {
  const { rows } = made;
  const make = (name, tag) => makeControl(rows.get(name), tag ?? tags[rows.get(name).kind], made);
  const section = document.createElement(panel.spokenName || index ? "section" : "div");
  section.className = "panel";
  if (panel.heading) {
    const heading = make(panel.heading, index ? "h2" : "h1");
    heading.classList.add("heading");
    section.append(heading);
    if (index)
      section.setAttribute("aria-labelledby", panel.heading);
  } else if (panel.spokenName) {
    section.setAttribute("aria-label", panel.spokenName);
  }
  const stage = Object.assign(document.createElement("div"), { className: "stage" });
  const parts = panel.parts.map((names) => {
    const part = Object.assign(document.createElement("div"), { className: "part" });
    part.append(...names.map((name) => make(name)));
    stage.append(part);
    return { element: part, rows: names.map((name) => rows.get(name)) };
  });
  section.append(stage);
  return { section, stage, parts, heading: panel.heading && rows.get(panel.heading) };
}

// The window's controls as the page's elements, panel by panel; `run(name)` runs a click.
export function buildSurface(win, surface, run) {
  const made = { win, run, rows: new Map(win.controls.map((row) => [row.name, row])), unseen: new Set(win.unseen),
    elements: new Map() };
  const panels = win.panels.map((panel, index) => makePanel(panel, index, made));
  const placed = new Set([...made.elements.keys()]);
  const outside = win.controls.filter((row) => !placed.has(row.name)).map((row) => makeControl(row, tags[row.kind], made));
  surface.replaceChildren(...panels.map((panel) => panel.section), ...outside);
  return { rows: made.rows, elements: made.elements, panels };
}

// The pixel rectangle of a row on the page at 100 %: [left, top, right, bottom]; a line's holds
// its pen.
function pixelBox(row, win) {
  if (pageBoxes[row.name])
    return pageBoxes[row.name];
  const [x, y, run, rise] = row.rect.map((twips) => twips / win.twipsPerPixel);
  const pen = row.kind === "line" ? win.penPixels / 2 : 0;
  return [Math.min(x, x + run) - pen, Math.min(y, y + rise) - pen, Math.max(x, x + run) + pen, Math.max(y, y + rise) + pen];
}

// The width the page really has: the root's, less the room a classic scrollbar takes, which
// style.css keeps for it whether it shows or not (the root's clientWidth leaves out only a
// scrollbar that shows).
export const roomOnPage = () => document.documentElement.getBoundingClientRect().width;

// A target is what can be clicked or typed into, and shows (the scratch field never does).
const isTarget = (row) => (row.kind === "field" || row.kind === "button" || row.runs) && !row.hidden;

// The least size of a row's target, from the style sheet: larger under a finger. Read once for
// a whole layout, before it writes: a read after a write would restyle the page then and there.
export function leastSizes() {
  const root = getComputedStyle(document.documentElement);
  const [field, button] = ["--field-target", "--button-target"].map((name) => parseFloat(root.getPropertyValue(name)));
  return (row) => (row.kind === "field" ? field : button);
}

// The least scale at which every target of the rows is big enough for the pointer, and never
// below the zoom.
function targetScale(rows, { win, zoom, leastOf }) {
  return Math.max(zoom / 100, ...rows.filter(isTarget).map((row) => {
    const [left, top, right, bottom] = pixelBox(row, win);
    return leastOf(row) / Math.min(right - left, bottom - top);
  }));
}

// The width the whole window needs to show at its own layout.
export const wholeWindowWidth = (built, win, zoom, leastOf) =>
  (win.width / win.twipsPerPixel) * targetScale([...built.rows.values()], { win, zoom, leastOf });

// Puts a row's element at its box, from the corner [left, top] of what it is laid out in,
// scaled by sx across and sy down.
function place(row, [left, top], sx, sy, { built, win }) {
  const element = built.elements.get(row.name);
  const points = row.fontPoints * Math.min(sx, sy);
  element.style.fontSize = row.kind === "field" ? `max(16px, ${points}pt)` : `${points}pt`;
  const [x0, y0, x1, y1] = pixelBox(row, win);
  const [width, height] = [(x1 - x0) * sx, (y1 - y0) * sy];
  Object.assign(element.style, { left: `${(x0 - left) * sx}px`, top: `${(y0 - top) * sy}px` });
  if (row.kind !== "line") {
    size(element, width, height);
    return;
  }
  // From corner to corner the way the window's line runs, the pen wholly inside the box.
  const pen = win.penPixels * Math.min(sx, sy);
  const [, , run, rise] = row.rect;
  const ends = (length, back) => (back ? [length - pen / 2, pen / 2] : [pen / 2, length - pen / 2]);
  const [[xa, xb], [ya, yb]] = [ends(width, run < 0), ends(height, rise < 0)];
  element.setAttribute("width", width);
  element.setAttribute("height", height);
  for (const [name, value] of Object.entries({ x1: xa, y1: ya, x2: xb, y2: yb, stroke: "currentColor", "stroke-width": pen }))
    element.firstChild.setAttribute(name, value);
}

const size = (element, width, height) => Object.assign(element.style, { width: `${width}px`, height: `${height}px` });

// The box [left, top, right, bottom] that holds the rows that may show (the minus sign of a
// fraction result takes room, hidden or not).
function bounds(rows, { win }) {
  const unseen = new Set(win.unseen);
  return rows.filter((row) => !unseen.has(row.name)).map((row) => pixelBox(row, win)).reduce((a, b) =>
    [Math.min(a[0], b[0]), Math.min(a[1], b[1]), Math.max(a[2], b[2]), Math.max(a[3], b[3])]);
}

// A part of a panel too wide for the screen: narrower than the screen where it must be, never so
// narrow that a target gets too small. Gives the least scale it lays its text out at.
function layOutPart(part, inside, at) {
  const { win, leastOf } = at;
  const sy = targetScale(part.rows, at);
  const [l, t, r, b] = bounds(part.rows, at);
  const widest = part.rows.filter(isTarget).map((row) => {
    const [left, , right] = pixelBox(row, win);
    return leastOf(row) / (right - left);
  });
  const sx = Math.max(Math.min(sy, inside / (r - l)), ...widest);
  size(part.element, (r - l) * sx, (b - t) * sy);
  part.rows.forEach((row) => place(row, [l, t], sx, sy, at));
  return Math.min(sx, sy);
}

// A panel on its own, its heading above it, whole where it fits `inside`, else as its parts.
function layOutPanel(panel, inside, at) {
  const { zoom } = at;
  const rows = panel.parts.flatMap((part) => part.rows);
  const scale = targetScale(rows, at);
  if (panel.heading) { // above the panel, no smaller than the style sheet allows
    const heading = at.built.elements.get(panel.heading.name);
    heading.style.left = heading.style.top = heading.style.width = heading.style.height = "";
    heading.style.fontSize = `max(var(--least-heading), ${(panel.heading.fontPoints * zoom) / 100}pt)`;
  }
  const [left, top, right, bottom] = bounds(rows, at);
  const together = (right - left) * scale <= inside;
  panel.stage.classList.toggle("together", together);
  if (together) {
    size(panel.stage, (right - left) * scale, (bottom - top) * scale);
    rows.forEach((row) => place(row, [left, top], scale, scale, at));
    return scale;
  }
  panel.stage.style.width = panel.stage.style.height = "";
  return Math.min(...panel.parts.map((part) => layOutPart(part, inside, at)));
}

// Lays the controls out in `room`, the width the surface may take (the page's, less a working
// pane beside it), their targets at least `leastOf` theirs; gives the scale the text beside
// them takes.
export function layOutSurface(built, win, surface, zoom, room, leastOf) {
  const at = { built, win, zoom, leastOf };
  const all = [...built.rows.values()];
  const width = win.width / win.twipsPerPixel;
  const windowed = room >= width * targetScale(all, at);
  surface.classList.toggle("reflow", !windowed);
  document.body.classList.toggle("reflowed", !windowed);
  if (windowed) {
    const scale = Math.min(win.zoom.largest / 100, room / width);
    size(surface, width * scale, (win.height / win.twipsPerPixel) * scale);
    all.forEach((row) => place(row, [0, 0], scale, scale, at));
    return scale;
  }
  surface.style.width = surface.style.height = "";
  // The surface's and a panel's own padding, from the style sheet, are taken off the room.
  const edges = (element) => ["paddingLeft", "paddingRight", "borderLeftWidth", "borderRightWidth"]
    .reduce((sum, edge) => sum + parseFloat(getComputedStyle(element)[edge]), 0);
  const inside = room - edges(surface) - edges(built.panels[0].section);
  return Math.min(...built.panels.map((panel) => layOutPanel(panel, inside, at)));
}
