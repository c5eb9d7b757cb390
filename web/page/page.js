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

  // The desktop's menu commands as buttons, with their captions and keys
  // from the program's table of commands.
  const commands = gelvor.commands();
  const zoomTo = (index) => bench.setZoomStep(index);
  const groups = [
    [layout.texts.zoomMenu, {
      ampliar: () => zoomTo(bench.zoomIndex + 1),
      reducir: () => zoomTo(bench.zoomIndex - 1),
      tamanoOriginal: () => zoomTo(0),
    }],
    [layout.texts.notebook, {
      anotarLecturas: () => notebook.record(),
      exportarCsv: () => notebook.exportCsv(),
      guardarRegistro: () => notebook.save(),
      abrirRegistro: () => notebook.open(),
      deshacer: () => notebook.undo(),
      rehacer: () => notebook.redo(),
    }],
  ];
  const tools = document.getElementById("tools");
  const buttons = {};
  for (const [group, runs] of groups) {
    const g = tools.appendChild(GelvorPage.controls.element("div", {
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

  // A symbol's key ("+") matches however its shift is held.
  const pressed = (event, k) => event.ctrlKey === k.ctrl && event.altKey === k.alt &&
    event.key.toLowerCase() === k.key && (k.symbol || event.shiftKey === k.shift);
  document.addEventListener("keydown", (event) => {
    if (document.getElementById("notice").open) return;
    const id = Object.keys(buttons).find((name) => commands[name].keys.some((k) => pressed(event, k)));
    if (!id) return;
    event.preventDefault();
    if (!buttons[id].disabled) buttons[id].click();
  });

  bench.fit.shown();
  window.gelvorPage = { bench, notebook }; // for the browser's console
  performance.mark("ready");
  document.documentElement.dataset.ready = "";
})();
