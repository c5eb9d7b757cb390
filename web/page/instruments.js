// Moves what an instrument draws to a pose the module computed: a
// manometer's needle turns, a thermometer's column rises, and both say their
// reading to a screen reader and in their tool tip.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.instruments = (() => {
  // `tip` is what the tool tip says above the reading (the instrument's name
  // or measuring point).
  const parts = new WeakMap(); // an instrument's needle or column

  function show(e, pose, tip) {
    if (!parts.has(e)) parts.set(e, e.querySelector("[data-part]"));
    const part = parts.get(e);
    if (part.dataset.part === "needle") {
      const x = part.getAttribute("x1");
      const y = part.getAttribute("y1");
      part.setAttribute("transform", `rotate(${pose.rotate} ${x} ${y})`);
    } else {
      part.setAttribute("y", pose.columnY);
      part.setAttribute("height", pose.columnHeight);
    }
    e.setAttribute("aria-valuenow", pose.value);
    e.setAttribute("aria-valuetext", pose.text);
    e.title = tip ? `${tip}\n${pose.text}` : pose.text;
  }

  return { show };
})();
