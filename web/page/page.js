// The page's start: the module, the window built from its layout, the
// locale, the notebook, the tools and the keys of the desktop's menus; then
// the page says it is ready, and offers back a notebook left unsaved.
"use strict";

(async () => {
  const pictures = JSON.parse(document.getElementById("pictures").textContent);
  const gelvor = await createGelvor();
  const layout = gelvor.windowLayout();

  // The browser's language picks the number format, unless ?locale= names one.
  const asked = new URLSearchParams(location.search).get("locale");
  const language = asked ?? navigator.language ?? "es";
  const locale = language.toLowerCase().startsWith("en") ? "en_US" : "es_ES";
  document.documentElement.dataset.locale = locale;

  const form = document.getElementById("Form1");
  form.setAttribute("aria-label", layout.form.caption);
  form.style.setProperty("--font", layout.form.fontPixels);
  form.style.setProperty("--status", layout.form.statusTwips);
  for (const [name, colour] of Object.entries(layout.colours)) {
    document.documentElement.style.setProperty(`--${name}`, colour);
  }
  const area = document.getElementById("bench");
  area.setAttribute("aria-label", layout.form.label);
  form.style.setProperty("--w", layout.form.rect.width);
  form.style.setProperty("--h", layout.form.rect.height);
  area.style.background = layout.form.background;
  const drawing = area.appendChild(GelvorPage.controls.element("img", { alt: "", class: "drawing" }));
  drawing.src = pictures[layout.form.picture];
  drawing.style.setProperty("--nw", layout.form.natural.width);
  drawing.style.setProperty("--nh", layout.form.natural.height);
  document.getElementById("statusLine").setAttribute("aria-label", layout.form.statusLabel);

  const built = GelvorPage.controls.build(layout, area, pictures);
  const bench = new GelvorPage.BenchWindow(gelvor, layout, built, locale);
  const notebook = new GelvorPage.Notebook(gelvor, bench);
  // Each pass the bench shows is the diagram's live cycle too.
  const drawBench = bench.draw.bind(bench);
  bench.draw = (view) => {
    drawBench(view);
    notebook.passShown();
  };

  // The desktop's menus as groups of buttons, and the notebook window's
  // toolbar in the notebook, with their captions and keys from the
  // program's table of commands.
  const commands = gelvor.commands();
  const { menus } = notebook.words;
  const zoomTo = (index) => bench.setZoomStep(index);
  const groups = [
    ["tools", menus.file, {
      abrirRegistro: () => notebook.open(),
      guardarRegistro: () => notebook.save(),
      guardarRegistroComo: () => notebook.saveAs(),
    }],
    ["tools", menus.view, {
      ampliar: () => zoomTo(bench.zoomIndex + 1),
      reducir: () => zoomTo(bench.zoomIndex - 1),
      tamanoOriginal: () => zoomTo(0),
    }],
    ["tools", menus.notebook, {
      fijarCondiciones: () => notebook.fixConditions(),
      anotarLecturas: () => notebook.record(),
      verRegistro: () => notebook.focusTable(),
      borrarRegistro: () => notebook.askClear(),
      deshacer: () => notebook.undo(),
      rehacer: () => notebook.redo(),
    }],
    ["tools", menus.help, {
      atajos: () => GelvorPage.dialogs.keyList(gelvor),
      acercaDe: () => GelvorPage.dialogs.about(gelvor),
    }],
    ["notebookTools", menus.tools, {
      copiarRegistro: () => notebook.copyCells(),
      quitarFilas: () => notebook.removeRows(),
      exportarCsv: () => notebook.exportCsv(),
      exportarGrafica: () => notebook.exportPicture(),
      imprimirRegistro: () => notebook.print(),
    }],
  ];
  // Keys with no button: the notebook's tabs, and Esc back to the bench.
  const keysOnly = {
    pestanaSiguiente: () => notebook.nextTab(1),
    pestanaAnterior: () => notebook.nextTab(-1),
    cerrarRegistro: () => notebook.leave(),
  };
  const buttons = {};
  for (const [bar, group, runs] of groups) {
    const g = document.getElementById(bar).appendChild(GelvorPage.controls.element("div", {
      role: "group", "aria-label": GelvorPage.controls.caption(group),
    }));
    for (const [id, run] of Object.entries(runs)) {
      const { caption, keys } = commands[id];
      buttons[id] = g.appendChild(GelvorPage.controls.element("button", {
        type: "button", id, "aria-keyshortcuts": keys.map((k) => k.aria).join(" "),
      }, GelvorPage.controls.caption(caption)));
      buttons[id].addEventListener("click", run);
    }
  }
  document.getElementById("notebookTools").setAttribute("aria-label",
    GelvorPage.controls.caption(menus.tools));
  buttons.exportarGrafica.disabled = !GelvorPage.NotebookChart && !GelvorPage.PhDiagram;
  // The zoom's buttons are there while they can do something.
  const showZoom = () => {
    buttons.ampliar.disabled = bench.zoomIndex === layout.zoomSteps.length - 1;
    buttons.reducir.disabled = bench.zoomIndex === 0;
    buttons.tamanoOriginal.disabled = bench.zoomIndex === 0;
  };
  document.addEventListener("gelvor:zoom", showZoom);
  showZoom();
  // Undo and redo name what they would undo or redo, while there is any;
  // rows are taken out while there are some.
  const showHistory = ({ detail }) => {
    for (const [button, can, text] of [[buttons.deshacer, detail.canUndo, detail.undo],
      [buttons.rehacer, detail.canRedo, detail.redo]]) {
      button.disabled = !can;
      button.textContent = text;
    }
    buttons.quitarFilas.disabled = detail.count === 0;
  };
  document.addEventListener("gelvor:notebook", showHistory);
  notebook.changed();

  // A symbol's key ("+") matches however its shift is held; a named key
  // ("PageDown") whatever its case.
  const pressed = (event, k) => event.ctrlKey === k.ctrl && event.altKey === k.alt &&
    event.key.toLowerCase() === k.key.toLowerCase() && (k.symbol || event.shiftKey === k.shift);
  // Where a command's keys belong to what has the focus: copying and
  // taking out rows act on the table, as on the desktop; a text box keeps
  // its own editing keys; Esc leaves the notebook.
  const table = document.getElementById("tablaRegistro");
  const typing = (e) => (e.tagName === "INPUT" && !e.readOnly &&
    ["text", "date", "number", "search"].includes(e.type)) || e.tagName === "TEXTAREA";
  const belongs = {
    copiarRegistro: (e) => e === table,
    quitarFilas: (e) => e === table,
    deshacer: (e) => !typing(e),
    rehacer: (e) => !typing(e),
    cerrarRegistro: (e) => e.closest("#notebook") !== null && !typing(e),
  };
  const runs = Object.assign({}, ...groups.map(([, , r]) => r), keysOnly);
  document.addEventListener("keydown", (event) => {
    if (document.querySelector("dialog[open]")) return;
    const id = Object.keys(runs).find((name) => commands[name].keys.some((k) => pressed(event, k)));
    if (id && belongs[id] && !belongs[id](event.target)) return;
    if (!id) {
      // Alt and the marked letter of a notebook field's label.
      if (!event.altKey || event.ctrlKey || event.key.length !== 1) return;
      const label = document.querySelector(`#notebook label[data-key="${CSS.escape(event.key.toLowerCase())}"]`);
      if (!label) return;
      event.preventDefault();
      label.control?.focus();
      return;
    }
    event.preventDefault();
    if (!buttons[id]) runs[id]();
    else if (!buttons[id].disabled) buttons[id].click();
  });

  bench.fit.shown();
  window.gelvorPage = { bench, notebook }; // for the browser's console
  performance.mark("ready");
  document.documentElement.dataset.ready = "";
  // A notebook a page that is gone left unsaved is offered back.
  notebook.offerCopies();
})();
