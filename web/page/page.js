// The bench page: it builds its controls from the module's table of settings,
// and on every change hands their values to the module and shows the pass it
// returns. Names, ranges and numbers all come from the C++.
"use strict";

(async () => {
  const pictures = JSON.parse(document.getElementById("pictures").textContent);
  document.getElementById("bench-drawing").src = pictures["bench.svg"];

  const gelvor = await createGelvor();
  const form = document.getElementById("settings");
  const inputs = gelvor.settingControls().map((control) => {
    const input = document.createElement("input");
    Object.assign(input, {
      type: "number", id: control.name, name: control.name, step: "any",
      min: control.min, max: control.max, value: control.initial,
    });
    const label = document.createElement("label");
    label.htmlFor = control.name;
    label.textContent = control.name;
    form.append(label, input);
    return input;
  });

  const table = document.querySelector("#readings tbody");
  const cells = new Map();
  const show = () => {
    const settings = Object.fromEntries(inputs.map((i) => [i.name, i.valueAsNumber]));
    for (const { name, value } of gelvor.benchPass(settings).readings) {
      if (!cells.has(name)) {
        const row = table.insertRow();
        row.insertCell().textContent = name;
        const cell = row.insertCell();
        cell.dataset.reading = name;
        cells.set(name, cell);
      }
      cells.get(name).textContent = value ?? "";
    }
  };
  form.addEventListener("input", show);
  show();
  performance.mark("ready");
  document.documentElement.dataset.ready = "";
})();
