// SPDX-License-Identifier: GPL-3.0-or-later
// The boxes an answer is typed in, shaped like the answer as it is written: a fraction's numerator
// over its denominator with a bar between, and its whole part before them; a quotient and its
// remainder; a choice of verdicts. Each box is named by its caption, from the module.
export const element = (tag, properties = {}) => Object.assign(document.createElement(tag), properties);

// A control with its caption before it, which names it.
export function labelled(caption, control) {
  const label = element("label");
  label.append(caption, control);
  return label;
}

function box(caption, id) {
  const input = element("input", { id, type: "text", autocomplete: "off", spellcheck: false });
  input.setAttribute("aria-label", caption);
  return input;
}

// An optional whole part, then the numerator above the denominator.
function fractionBoxes([whole, numerator, denominator]) {
  const stack = element("span", { className: "stacked" });
  stack.append(box(numerator, "practiceNumerator"), element("span", { className: "bar" }),
    box(denominator, "practiceDenominator"));
  return [box(whole, "practiceWhole"), stack];
}

// The boxes side by side, each with its caption before it.
function captionedBoxes(captions) {
  return captions.map((caption, index) => {
    const label = element("label", { className: "captioned" });
    label.append(caption, box(caption, `practiceBox${index}`));
    return label;
  });
}

function verdictChoices(verdicts) {
  const group = element("div", { className: "verdicts", role: "radiogroup" });
  group.setAttribute("aria-labelledby", "practiceQuestion"); // the exercise asks which
  group.append(...verdicts.map((caption, index) => {
    const label = element("label");
    label.append(element("input", { type: "radio", name: "practiceVerdict", value: String(index) }), caption);
    return label;
  }));
  return [group];
}

// The boxes of the exercise's shape in `where`, empty; a percent's box has its sign after it.
export function answerBoxes(where, exercise, verdicts) {
  const parts = {
    fraction: () => fractionBoxes(exercise.fields),
    quotientAndRemainder: () => captionedBoxes(exercise.fields),
    verdict: () => verdictChoices(verdicts),
  }[exercise.shape]?.() ?? [box(exercise.fields[0], "practiceBox0")];
  where.replaceChildren(...parts);
  where.dataset.shape = exercise.shape;
  if (exercise.shape === "percent")
    where.append(Object.assign(element("span", { textContent: "%" }), { ariaHidden: "true" }));
}

// What the pupil typed, in the order of the shape's captions, and the verdict's place or -1.
export function typedAnswer(where) {
  const texts = [...where.querySelectorAll("input:not([type=radio])")].map((input) => input.value);
  const chosen = where.querySelector("input[type=radio]:checked");
  return { texts, verdict: chosen ? Number(chosen.value) : -1 };
}
