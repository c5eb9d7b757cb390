// Moves what an instrument draws to a pose the module computed: a
// manometer's needle turns, a thermometer's column rises, and both say their
// reading to a screen reader and in their tool tip. An instrument that has
// the focus (a tap or Tab gives it) shows its tool tip's reading beside it,
// where neither a hover nor a tool tip is to be had.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.instruments = (() => {
  // `tip` is what the tool tip says above the reading (the instrument's name
  // or measuring point).
  const parts = new WeakMap(); // an instrument's needle or column
  let reading; // the reading on show, made when first needed

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
    if (e === document.activeElement) showReading(e);
  }

  // The reading under the instrument, or above it near the screen's foot,
  // within the screen's width. A screen reader has it as the meter's value.
  function showReading(e) {
    if (!reading) {
      reading = document.body.appendChild(document.createElement("div"));
      reading.id = "reading";
      reading.setAttribute("aria-hidden", "true");
    }
    reading.textContent = e.title;
    reading.hidden = false;
    const at = e.getBoundingClientRect();
    const own = reading.getBoundingClientRect();
    const room = document.documentElement.clientWidth;
    const left = Math.max(0, Math.min(at.left + at.width / 2 - own.width / 2, room - own.width));
    const below = at.bottom + 4 + own.height <= window.innerHeight;
    const top = below ? at.bottom + 4 : Math.max(0, at.top - 4 - own.height);
    reading.style.left = `${left + window.scrollX}px`;
    reading.style.top = `${top + window.scrollY}px`;
  }

  document.addEventListener("focusin", (event) => {
    if (event.target.getAttribute?.("role") === "meter") showReading(event.target);
  });
  // A browser that does not focus what a finger taps is made to.
  document.addEventListener("click", (event) => {
    const meter = event.target.closest?.('[role="meter"]');
    if (meter && meter !== document.activeElement) meter.focus();
  });
  document.addEventListener("focusout", (event) => {
    if (reading && event.target.getAttribute?.("role") === "meter") reading.hidden = true;
  });

  return { show };
})();
