// The page's start: the module, the window built from its layout, the
// locale, the tools and the keys of the desktop's menus; then the page says
// it is ready.
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

  // The desktop's menu commands as buttons, with the same keys.
  const texts = layout.texts;
  const zoomTo = (index) => bench.setZoomStep(index);
  const commands = [
    [texts.zoomMenu, [
      ["ampliar", texts.zoom[0], "Control++", () => zoomTo(bench.zoomIndex + 1)],
      ["reducir", texts.zoom[1], "Control+-", () => zoomTo(bench.zoomIndex - 1)],
      ["tamanoOriginal", texts.zoom[2], "Control+0", () => zoomTo(0)],
    ]],
    [texts.notebook, [
      ["anotarLecturas", texts.record, "Control+L", () => notebook.record()],
      ["exportarCsv", texts.export, "Control+E", () => notebook.exportCsv()],
      ["guardarRegistro", texts.save, "Control+S", () => notebook.save()],
      ["abrirRegistro", texts.open, "Control+O", () => notebook.open()],
      ["deshacer", texts.undo, "Control+Z", () => notebook.undo()],
      ["rehacer", texts.redo, "Control+Shift+Z Control+Y", () => notebook.redo()],
    ]],
  ];
  const tools = document.getElementById("tools");
  const buttons = {};
  for (const [group, items] of commands) {
    const g = tools.appendChild(GelvorPage.controls.element("div", {
      role: "group", "aria-label": GelvorPage.controls.caption(group),
    }));
    for (const [id, caption, keys, run] of items) {
      buttons[id] = g.appendChild(GelvorPage.controls.element("button", {
        type: "button", id, "aria-keyshortcuts": keys,
      }, GelvorPage.controls.caption(caption)));
      buttons[id].addEventListener("click", run);
    }
  }
  // The zoom's buttons are there while they can do something.
  const showZoom = () => {
    buttons.ampliar.disabled = bench.zoomIndex === layout.zoomSteps.length - 1;
    buttons.reducir.disabled = bench.zoomIndex === 0;
    buttons.tamanoOriginal.disabled = bench.zoomIndex === 0;
  };
  document.addEventListener("gelvor:zoom", showZoom);
  showZoom();
  // Undo and redo name what they would undo or redo, while there is any.
  const showHistory = ({ detail }) => {
    for (const [button, can, text] of [[buttons.deshacer, detail.canUndo, detail.undo],
      [buttons.rehacer, detail.canRedo, detail.redo]]) {
      button.disabled = !can;
      button.textContent = text;
    }
  };
  document.addEventListener("gelvor:notebook", showHistory);
  notebook.show();

  // Ctrl++ is typed as Ctrl+= where + needs the shift key.
  const keys = {
    "+": buttons.ampliar, "=": buttons.ampliar, "-": buttons.reducir, "0": buttons.tamanoOriginal,
    l: buttons.anotarLecturas, e: buttons.exportarCsv, s: buttons.guardarRegistro,
    o: buttons.abrirRegistro, z: buttons.deshacer, y: buttons.rehacer,
  };
  document.addEventListener("keydown", (event) => {
    const key = event.key.toLowerCase();
    const button = event.ctrlKey && !event.altKey &&
      (key === "z" && event.shiftKey ? buttons.rehacer : keys[key]);
    if (!button || document.getElementById("notice").open) return;
    event.preventDefault();
    if (!button.disabled) button.click();
  });

  bench.fit.shown();
  window.gelvorPage = { bench, notebook }; // for the browser's console
  performance.mark("ready");
  document.documentElement.dataset.ready = "";
})();
