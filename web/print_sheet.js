// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print Worksheet…: a small dialog for the sheet's code, how many exercises, the key or
// none, the text size and the paper; then a view made for paper alone, printed by the browser and
// gone after, the page as it was. The sheet's code heads every page and each page counts itself
// in its margins (Chromium 131 and later); no exercise splits over a page, and the key starts a
// page of its own.
import { element, labelled } from "./practice_boxes.js";


const choices = (rows) => rows.map(([value, caption]) => element("option", { value, textContent: caption }));

// A CSS text of its own: the page's sheet has no rule for paper sizes it cannot know before.
const cssString = (text) => JSON.stringify(text);

function paperRules(words, sheet, { points, paper }) {
  const foot = words.pageParts.map((part) => part.text !== undefined ? cssString(part.text) : `counter(${part.count})`);
  return `@page { size: ${paper}; margin: 16mm 16mm 18mm;
      @top-right { content: ${cssString(sheet.sheetLine)}; font: 10pt sans-serif; }
      @bottom-center { content: ${foot.join(" ")}; font: 10pt sans-serif; } }
    #printSheet { display: none; }
    @media print {
      html.printing body > :not(#printSheet) { display: none !important; }
      html.printing #printSheet { display: block; font-size: ${points}pt; color: #000; background: #fff; }
    }
    #printSheet h1 { font-size: 1.3em; margin: 0 0 0.3em; }
    #printSheet .fields { display: flex; gap: 2em; margin-bottom: 1em; }
    #printSheet .fields span { flex: 1; border-bottom: 1px solid #000; }
    #printSheet li { break-inside: avoid; margin: 0.6em 0; }
    #printSheet .exercises div { display: flex; align-items: end; gap: 1em; }
    #printSheet .exercises span { flex: 1; border-bottom: 1px dotted #000; min-height: 2.6em; }
    #printSheet .exercises math, #printSheet .key li > math { font-size: 1.4em; }
    #printSheet .key { break-before: page; }
    #printSheet .key p { margin: 0.15em 0 0 1.5em; font-size: 0.85em; }
    #printSheet .key p math { font-size: 1.2em; }`;
}

function sheetView(words, sheet, withKey) {
  const texts = words.texts, view = element("div", { id: "printSheet" });
  const fields = element("p", { className: "fields" });
  fields.append(texts.name, element("span"), texts.date, element("span"));
  const exercises = element("ol", { className: "exercises" });
  exercises.innerHTML = sheet.exercises.map((question) => `<li><div>${question}<span></span></div></li>`).join("");
  view.innerHTML = `<h1>${sheet.title}</h1><p>${sheet.level}</p><p>${sheet.instruction}</p>`; // the module's HTML
  view.prepend(fields);
  view.append(exercises);
  if (withKey) {
    const key = element("section", { className: "key" });
    key.innerHTML = `<h2></h2><ol>${sheet.key.map(({ answer, working }) =>
      `<li>${answer}${working.map((line) => `<p>${line}</p>`).join("")}</li>`).join("")}</ol>`;
    key.firstChild.textContent = texts.answers;
    view.append(key);
  }
  return view;
}

// The sheet on paper: the print view, the browser's printing, and the page as it was after.
function printSheet(words, sheet, choices) {
  const rules = new CSSStyleSheet();
  rules.replaceSync(paperRules(words, sheet, choices));
  const view = sheetView(words, sheet, choices.withKey);
  document.adoptedStyleSheets = [...document.adoptedStyleSheets, rules];
  document.documentElement.classList.add("printing");
  document.body.append(view);
  addEventListener("afterprint", () => {
    view.remove();
    document.documentElement.classList.remove("printing");
    document.adoptedStyleSheets = document.adoptedStyleSheets.filter((sheet) => sheet !== rules);
  }, { once: true });
  print();
}

function dialogParts(words, code) {
  const texts = words.texts;
  return {
    code: element("input", { id: "printCode", type: "text", value: code, autocomplete: "off", spellcheck: false }),
    count: element("input", { id: "printCount", type: "number", min: words.fewest, max: words.most, value: 20 }),
    withKey: element("input", { id: "printKey", type: "checkbox", checked: true }),
    points: element("select", { id: "printPoints" }),
    paper: element("select", { id: "printPaper" }),
    problem: element("p", { id: "printProblem", role: "alert" }),
    go: element("button", { id: "printGo", type: "submit", textContent: texts.printWorksheet }),
    cancel: element("button", { id: "printCancel", type: "button", textContent: texts.cancel }),
  };
}

// The dialog; `sheetOf(code, count)` is the module's sheet, or why its code cannot be read.
export function printDialog(words, code, sheetOf) {
  const texts = words.texts, parts = dialogParts(words, code);
  parts.points.append(...choices(words.points.map((points) => [points, points])));
  parts.paper.append(...choices(words.papers.map(({ code: paper, caption }) => [paper, caption])));
  const dialog = element("dialog", { id: "printDialog" }), form = element("form");
  dialog.setAttribute("aria-labelledby", "printTitle");
  const buttons = element("p", { className: "buttons" });
  buttons.append(parts.go, parts.cancel);
  form.append(labelled(texts.sheetCode, parts.code), labelled(texts.exercises, parts.count),
    labelled(texts.textSize, parts.points), labelled(texts.paper, parts.paper), labelled(texts.answerKey, parts.withKey),
    parts.problem, buttons);
  dialog.append(element("h2", { id: "printTitle", textContent: texts.printWorksheet }), form);
  form.addEventListener("submit", (event) => {
    event.preventDefault();
    const count = Math.min(words.most, Math.max(words.fewest, Math.round(Number(parts.count.value)) || words.fewest));
    const sheet = sheetOf(parts.code.value, count);
    if (sheet.problem !== undefined) {
      parts.problem.innerHTML = sheet.problem; // the module's HTML, every text in it escaped
      return;
    }
    dialog.close();
    printSheet(words, sheet, { points: parts.points.value, paper: parts.paper.value, withKey: parts.withKey.checked });
  });
  parts.cancel.addEventListener("click", () => dialog.close());
  dialog.addEventListener("close", () => dialog.remove());
  document.body.append(dialog);
  dialog.showModal();
}
