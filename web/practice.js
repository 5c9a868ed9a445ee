// SPDX-License-Identifier: GPL-3.0-or-later
// The practice room: a sheet chosen by its topic and level or typed as its code, its exercise in
// large type, boxes shaped like the answer, and the pupil's moves, each answered by the room's own
// module (web/page_practice.cpp), which a visit fetches the first time the room opens. Every word
// comes from that module, in the language the page speaks.
import createPractice from "./vorantis_practice.js";
import { answerBoxes, element, labelled, typedAnswer } from "./practice_boxes.js";
import { printDialog } from "./print_sheet.js";

const moveNames = ["practiceCheck", "practiceHint", "practiceShowWorking", "practiceNext"];

// Stored compressed, as the window's module is, and inflated as it arrives; inside the single file.
function instantiatePractice(imports, done) {
  const inside = document.getElementById("practiceModule");
  fetch(inside?.content ?? "vorantis_practice.wasm.gz")
    .then((response) => new Response(response.body.pipeThrough(new DecompressionStream("gzip")),
      { headers: { "Content-Type": "application/wasm" } }))
    .then((response) => WebAssembly.instantiateStreaming(response, imports))
    .then(({ instance, module }) => done(instance, module));
  return {};
}

// The service worker keeps the room from now on, as it keeps a language's words once asked for.
function keepRoom() {
  if (!document.getElementById("practiceModule") && location.protocol.startsWith("http") && "serviceWorker" in navigator)
    navigator.serviceWorker.ready.then((registration) => registration.active?.postMessage({ keep: "room" }));
}

// The room's elements, their words from `words`.
function buildRoom(root, words) {
  const texts = words.texts;
  const parts = {
    heading: element("h2", { id: "practiceHeading", textContent: texts.practice }),
    topic: element("select", { id: "practiceTopic" }),
    level: element("select", { id: "practiceLevel" }),
    code: element("input", { id: "practiceCode", type: "text", autocomplete: "off", spellcheck: false }),
    start: element("button", { id: "practiceStart", type: "submit", textContent: texts.start }),
    newSheet: element("button", { id: "practiceNewSheet", type: "button", textContent: texts.newSheet }),
    instruction: element("p", { id: "practiceInstruction" }),
    question: element("div", { id: "practiceQuestion", className: "question" }),
    boxes: element("div", { id: "practiceBoxes" }),
    moves: words.moves.map((caption, index) => element("button", { id: moveNames[index],
      type: index === 0 ? "submit" : "button", textContent: caption })),
    reply: element("div", { id: "practiceReply" }),
    working: element("ol", { id: "practiceWorking" }),
    tally: element("ul", { id: "practiceTally" }),
  };
  parts.topic.append(...words.topics.map(({ name }, index) => element("option", { value: index, textContent: name })));
  const sheet = element("form", { id: "practiceSheet" });
  sheet.append(labelled(texts.topic, parts.topic), labelled(texts.level, parts.level),
    labelled(texts.sheetCode, parts.code), parts.start, parts.newSheet);
  const answer = element("form", { id: "practiceAnswer" });
  const moves = element("div", { className: "moves" });
  moves.append(...parts.moves);
  answer.append(parts.boxes, moves);
  root.setAttribute("aria-labelledby", "practiceHeading");
  root.replaceChildren(parts.heading, sheet, parts.instruction, parts.question, answer, parts.reply,
    parts.working, parts.tally);
  return { ...parts, sheet, answer };
}

function fillLevels(parts, words, topic) {
  parts.level.replaceChildren(...words.topics[topic].levels.map((description, index) =>
    element("option", { value: index + 1, textContent: `${index + 1}. ${description}` })));
}

// What the module said of the room: a code that cannot be read says why and changes nothing else.
function showRoom(parts, words, state, newExercise) {
  if (state.problem !== undefined) {
    parts.reply.innerHTML = `<p>${state.problem}</p>`; // the module's HTML, every text in it escaped
    return;
  }
  parts.code.value = state.code;
  if (parts.topic.value !== String(state.topic) || !parts.level.options.length)
    fillLevels(parts, words, state.topic);
  parts.topic.value = state.topic;
  parts.level.value = state.level;
  parts.instruction.innerHTML = state.instruction;
  parts.question.innerHTML = state.question;
  if (newExercise)
    answerBoxes(parts.boxes, state, words.verdicts);
  parts.reply.innerHTML = state.lines.map((line) => `<p>${line}</p>`).join("");
  parts.working.innerHTML = state.working && `<li>${state.working}</li>`;
  parts.tally.innerHTML = state.tally.map((line) => `<li>${line}</li>`).join("");
}

// What each move asks of the module, in the order of the moves' buttons.
function moveCalls(call, boxes) {
  const answer = () => {
    const { texts, verdict } = typedAnswer(boxes);
    return call("practice_answer", texts.map((text) => `${text}\n`).join(""), verdict);
  };
  return [answer, () => call("practice_hint"), () => call("practice_show_working"), () => call("practice_next")];
}

// The room in `root`; `page` has the page's live region (say), the words of a language (wordsOf),
// its respelling of a number (respell) and the address (follow).
export async function openRoom(root, page, language) {
  const module = await createPractice({ instantiateWasm: instantiatePractice });
  keepRoom();
  const call = (name, ...args) => module.ccall(name, "string", args.map((a) => typeof a), args);
  let words, parts, spoken = "en";
  // A new exercise takes the focus to its first box where the pupil is in the room.
  const show = (state, newExercise = false, focus = root.contains(document.activeElement)) => {
    showRoom(parts, words, state, newExercise);
    if (state.problem === undefined)
      page.follow(state.code);
    if (state.said)
      page.say(state.said);
    if (newExercise && focus && state.problem === undefined)
      parts.boxes.querySelector("input")?.focus();
  };
  const start = (code, focus) => show(JSON.parse(call("practice_start", code)), true, focus);
  const fresh = () => start(call("practice_code", Number(parts.topic.value), Number(parts.level.value),
    1 + Math.floor(Math.random() * words.largestSeed)));
  function build() {
    words = JSON.parse(call("practice_words"));
    parts = buildRoom(root, words);
    fillLevels(parts, words, 0);
    parts.sheet.addEventListener("submit", (event) => { event.preventDefault(); start(parts.code.value); });
    parts.newSheet.addEventListener("click", fresh);
    parts.topic.addEventListener("change", () => { fillLevels(parts, words, parts.topic.value); fresh(); });
    parts.level.addEventListener("change", fresh);
    parts.answer.addEventListener("submit", (event) => event.preventDefault());
    const moves = moveCalls(call, parts.boxes);
    parts.moves.forEach((button, index) => button.addEventListener("click", () =>
      show(JSON.parse(moves[index]()), index === 3)));
  }
  // Says the room again in the language of the code (its words' text, where not English): the
  // boxes keep what they hold, a number in the new language's decimal mark.
  function speak(code, text) {
    if (text)
      call("practice_load_language", text);
    module.ccall("practice_speak", null, ["string"], [code]);
    const typed = parts && typedAnswer(parts.boxes), started = parts?.code.value;
    build();
    if (started) {
      show({ ...JSON.parse(call("practice_room")), said: "" }, true);
      [...parts.boxes.querySelectorAll("input:not([type=radio])")]
        .forEach((input, index) => { input.value = page.respell(typed.texts[index], spoken); });
      parts.boxes.querySelector(`input[value="${typed.verdict}"]`)?.click();
    }
    spoken = code;
  }
  speak(language.code, language.text);
  return {
    speak,
    // The sheet of the code, else the one on view, else a new one; `focus` takes the focus there.
    open(code, focus) {
      if (code || !parts.code.value)
        code ? start(code, focus) : fresh();
      if (focus)
        parts.boxes.querySelector("input")?.focus();
    },
    print: () => printDialog(words, parts.code.value, (code, count) => JSON.parse(call("practice_sheet", code, count))),
  };
}
