// Moves what an instrument draws to a pose the module computed: a
// manometer's needle turns, a thermometer's column rises, and both say their
// reading to a screen reader and in their tool tip.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.instruments = (() => {
  // `tip` is what the tool tip says above the reading (the instrument's name
  // or measuring point).
  function show(e, pose, tip) {
    const needle = e.querySelector('[data-part="needle"]');
    if (needle) {
      const x = needle.getAttribute("x1");
      const y = needle.getAttribute("y1");
      needle.setAttribute("transform", `rotate(${pose.rotate} ${x} ${y})`);
    }
    const column = e.querySelector('[data-part="column"]');
    if (column) {
      column.setAttribute("y", pose.columnY);
      column.setAttribute("height", pose.columnHeight);
    }
    e.setAttribute("aria-valuenow", pose.value);
    e.setAttribute("aria-valuetext", pose.text);
    e.title = tip ? `${tip}\n${pose.text}` : pose.text;
  }

  return { show };
})();
