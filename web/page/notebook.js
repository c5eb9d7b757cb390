// The lab notebook below the bench, as the desktop's notebook window: who
// recorded it and when, the table, the chart and the p-h diagram on their
// tabs, its title with the file's name and the unsaved mark. The module
// keeps the notebook's history; the page shows it, downloads the files,
// opens a file's bytes in steps and keeps a copy in the browser.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.Notebook = class {
  constructor(gelvor, bench) {
    this.gelvor = gelvor;
    this.bench = bench;
    this.texts = gelvor.notebookTexts();
    this.words = gelvor.pageDialogs();
    this.busy = false; // a file is being opened
    for (const [name, colour] of Object.entries(this.texts.colours)) {
      document.documentElement.style.setProperty(`--${name}`, colour);
    }
    const now = new Date();
    const pad = (n) => String(n).padStart(2, "0");
    gelvor.startNotebook(`${now.getFullYear()}-${pad(now.getMonth() + 1)}-${pad(now.getDate())}`);

    this.heading = document.getElementById("notebookTitle");
    this.fields = this.makeFields();
    // A notebook the teacher handed out says which of its points are still to take.
    this.assignment = document.getElementById("estadoPractica");
    this.assignment.setAttribute("aria-label", this.texts.assignmentName);
    this.tabs = this.makeTabs();
    this.table = new GelvorPage.NotebookTable(gelvor, this.texts, {
      edit: (row, col, text) => this.change(() => gelvor.setCell(row, col, text)),
      selected: (row) => this.diagram?.setSelectedRow(row),
    });
    document.addEventListener("gelvor:zoom", () => this.table.zoomed());

    // The chart and the diagram, where the page has them.
    this.stale = new Set();
    if (GelvorPage.NotebookChart) {
      this.chart = new GelvorPage.NotebookChart(gelvor, document.getElementById("graficaRegistro"));
    }
    if (GelvorPage.PhDiagram) {
      this.diagram = new GelvorPage.PhDiagram(gelvor, document.getElementById("diagramaPh"));
      this.diagram.onSelectRow = (row) => this.table.chooseRow(row);
    }

    this.file = document.getElementById("notebookFile");
    this.file.accept = `.${this.texts.extension}`;
    this.file.addEventListener("change", () => this.openChosen());
    this.copy = new GelvorPage.BrowserCopy({
      keep: () => (this.busy ? undefined : this.state.keep),
      kept: () => gelvor.keptNotebook(),
      points: () => this.state.count,
      notice: (text) => this.showCopyNotice(text),
      words: this.words.browserCopy,
    });
    // Readings not saved are not lost with the page without the browser asking.
    window.addEventListener("beforeunload", (event) => {
      if (this.state.keep) event.preventDefault();
    });
    addEventListener("beforeprint", () => {
      this.table.printing(true);
      for (const view of [this.chart, this.diagram]) view?.refresh();
      this.stale.clear();
    });
    addEventListener("afterprint", () => this.table.printing(false));
    document.addEventListener("copy", (event) => {
      if (this.copied === undefined) return;
      event.clipboardData.setData("text/plain", this.copied);
      event.preventDefault();
    });
    this.changed();
  }

  // The students, the group and the date, each an undoable change of the
  // history; typing on in one field is one change.
  makeFields() {
    const who = document.getElementById("who");
    const fields = {};
    for (const { id, label, name } of this.texts.fields) {
      const l = who.appendChild(GelvorPage.controls.element("label", { for: id }));
      const input = who.appendChild(GelvorPage.controls.element("input", {
        id, type: id === "fecha" ? "date" : "text", "aria-label": name, autocomplete: "off",
      }));
      const key = GelvorPage.dialogs.mnemonic(l, label);
      if (key) {
        l.dataset.key = key;
        input.setAttribute("aria-keyshortcuts", `Alt+${key.toUpperCase()}`);
      }
      input.addEventListener("input", () => this.change(() =>
        this.gelvor.setHeader(fields.alumnos.value, fields.grupo.value, fields.fecha.value)));
      fields[id] = input;
    }
    return fields;
  }

  // "Lecturas", "Gráfica" and "Diagrama p-h", chosen by a click, the arrow
  // keys or Ctrl+PgDn and Ctrl+PgUp.
  makeTabs() {
    const list = document.getElementById("pestanasRegistro");
    list.setAttribute("aria-label", this.texts.tabsName);
    const panels = ["panelLecturas", "panelGrafica", "panelDiagrama"];
    const tabs = this.texts.tabs.map((caption, i) => {
      const tab = list.appendChild(GelvorPage.controls.element("button", {
        type: "button", role: "tab", id: `pestana-${panels[i]}`, "aria-controls": panels[i],
      }, caption));
      document.getElementById(panels[i]).setAttribute("aria-labelledby", tab.id);
      tab.addEventListener("click", () => this.showTab(i));
      tab.addEventListener("keydown", (event) => {
        const step = { ArrowRight: 1, ArrowLeft: -1, Home: -i, End: panels.length - 1 - i }[event.key];
        if (step === undefined || event.ctrlKey || event.altKey) return;
        event.preventDefault();
        this.showTab((i + step + panels.length) % panels.length, true);
      });
      return tab;
    });
    this.tabIndex = 0;
    tabs.forEach((tab, i) => {
      tab.setAttribute("aria-selected", String(i === 0));
      tab.tabIndex = i === 0 ? 0 : -1;
    });
    return { list, tabs, panels };
  }

  showTab(index, focus = false) {
    const { tabs, panels } = this.tabs;
    this.tabIndex = index;
    tabs.forEach((tab, i) => {
      tab.setAttribute("aria-selected", String(i === index));
      tab.tabIndex = i === index ? 0 : -1;
      document.getElementById(panels[i]).hidden = i !== index;
    });
    if (focus) tabs[index].focus();
    const view = this.viewOn(index);
    if (view && this.stale.has(view)) {
      this.stale.delete(view);
      view.refresh();
    }
    this.table.showMarks(null);
  }

  // Ctrl+PgDn and Ctrl+PgUp: the next tab and the one before.
  nextTab(step) {
    const count = this.tabs.tabs.length;
    this.showTab((this.tabIndex + step + count) % count, true);
  }

  viewOn(index) {
    return index === 1 ? this.chart : index === 2 ? this.diagram : null;
  }

  // The chart and the diagram follow the notebook; one not on show does
  // when it next shows.
  refreshViews(views) {
    for (const view of views) {
      if (!view) continue;
      if (this.viewOn(this.tabIndex) === view) view.refresh();
      else this.stale.add(view);
    }
  }

  // The bench showed a pass: the diagram draws the machine's cycle.
  passShown() {
    this.refreshViews([this.diagram]);
  }

  // A change of the notebook's, then everything that shows it.
  change(edit) {
    if (this.busy) return;
    edit();
    this.changed();
  }

  changed() {
    const state = this.gelvor.notebookState();
    this.state = state;
    document.title = state.title;
    this.heading.textContent = state.title;
    const { students, group, date } = state.header;
    for (const [field, value] of [[this.fields.alumnos, students], [this.fields.grupo, group],
      [this.fields.fecha, date]]) {
      if (field.value !== value) field.value = value;
    }
    this.assignment.hidden = state.assignment === "";
    this.assignment.textContent = state.assignment;
    this.table.refresh(state.count);
    this.refreshViews([this.chart, this.diagram]);
    this.copy.changed();
    document.dispatchEvent(new CustomEvent("gelvor:notebook", { detail: state }));
  }

  // Ctrl+L: the pass on show becomes the next point, or the status line says why not.
  record() {
    this.change(() => this.bench.draw(this.gelvor.recordPoint()));
  }

  undo() {
    this.change(() => this.gelvor.undoNotebook());
  }

  redo() {
    this.change(() => this.gelvor.redoNotebook());
  }

  // Supr: the rows of the chosen cells.
  removeRows() {
    const rows = this.table.chosenRows();
    if (rows.length) this.change(() => this.gelvor.removeRows(rows));
  }

  // "Borrar registro", after the desktop's question; Cancel is the default.
  async askClear() {
    if (this.busy) return;
    const asked = this.gelvor.askClear();
    if (asked.view) {
      this.bench.draw(asked.view);
      return;
    }
    const answer = await GelvorPage.dialogs.question({
      title: asked.title, text: asked.text, focus: "cancel",
      buttons: [{ caption: asked.accept, value: "ok" }, { caption: asked.cancel, value: "cancel" }],
    });
    if (answer === "ok") this.change(() => this.bench.draw(this.gelvor.clearNotebook()));
  }

  // F2: the five settings at once, as the desktop's "Fijar condiciones".
  async fixConditions() {
    const values = await GelvorPage.dialogs.conditions(this.gelvor);
    if (values) this.bench.draw(this.gelvor.setConditions(...values));
  }

  // Ctrl+C: the chosen cells, or the whole table, as tab-separated text
  // with its headers, as the desktop copies them.
  copyCells() {
    const { rows, columns } = this.table.chosenCells();
    const text = this.gelvor.copiedText(rows, columns);
    this.copied = text;
    const done = document.execCommand("copy"); // the copy event takes the text
    this.copied = undefined;
    if (!done) navigator.clipboard?.writeText(text).catch(() => {});
  }

  // Ctrl+R: the table, with the focus.
  focusTable() {
    this.showTab(0);
    this.table.table.focus({ preventScroll: true });
    document.getElementById("notebook").scrollIntoView({ block: "nearest" });
  }

  // Esc in the notebook: back to the bench.
  leave() {
    document.querySelector("#bench [tabindex='0'], #bench button")?.focus();
  }

  static download(bytes, name, type) {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([bytes], { type }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }

  exportCsv() {
    GelvorPage.Notebook.download(this.gelvor.notebookCsv(), this.texts.csvName, "text/csv;charset=utf-8");
  }

  // Ctrl+S: the file, under the name it has; Ctrl+Shift+S: under one the
  // user types.
  save(name = "") {
    if (this.busy) return;
    const saved = this.gelvor.saveNotebook(name);
    GelvorPage.Notebook.download(saved.bytes, saved.name, this.texts.mimeType);
    this.changed();
  }

  async saveAs() {
    if (this.busy) return;
    const name = await GelvorPage.dialogs.saveAs(this.words.saveAs, this.gelvor.notebookTexts().fileName);
    if (name) this.save(name);
  }

  // Ctrl+G: the diagram when its tab is on show, the chart otherwise, as
  // PNG or SVG.
  async exportPicture() {
    const view = this.tabIndex === 2 ? this.diagram : this.chart;
    if (!view) return;
    const kind = await GelvorPage.dialogs.pictureKind(this.words.picture);
    if (!kind) return;
    if (this.stale.delete(view)) view.refresh();
    const { bytes, name, type } = await view.exportFile(kind);
    GelvorPage.Notebook.download(bytes, name, type);
  }

  print() {
    window.print();
  }

  // Before unsaved readings would be lost, the desktop's question: true
  // when they may go, saved first or not.
  async maySave(what) {
    if (!this.state.keep) return true;
    const q = this.gelvor.unsavedQuestion(what);
    const answer = await GelvorPage.dialogs.question({
      title: q.title, text: q.text, focus: "save",
      buttons: [{ caption: q.save, value: "save" }, { caption: q.discard, value: "discard" },
        { caption: q.cancel, value: "cancel" }],
    });
    if (answer === "save") this.save();
    return answer === "save" || answer === "discard";
  }

  async open() {
    if (this.busy || !(await this.maySave("open"))) return;
    this.file.value = "";
    this.file.click();
  }

  // The chosen file: refused unread when larger than any notebook, else its
  // bytes to the module.
  async openChosen() {
    const file = this.file.files[0];
    if (!file || this.busy) return;
    if (file.size > this.texts.maxBytes) {
      this.bench.draw(this.gelvor.refuseLarge(file.name));
      return;
    }
    this.busy = true;
    this.showProgress(this.gelvor.openingText(file.name), 0);
    let bytes;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
    } catch {
      bytes = new Uint8Array(); // unreadable: the module says it is no notebook
    }
    this.busy = false;
    await this.openBytes(bytes, file.name, false);
  }

  // A notebook's bytes, opened in steps that leave the page responsive,
  // with its progress shown; true when it opened.
  async openBytes(bytes, name, recovered) {
    this.busy = true;
    const started = performance.now();
    const pause = () => new Promise((resolve) => setTimeout(resolve, 0));
    this.showProgress(this.gelvor.openingText(name), 0);
    await pause();
    const begun = this.gelvor.openBegin(bytes, name, recovered);
    if (begun.view) {
      this.busy = false;
      this.showProgress(null);
      this.bench.draw(begun.view);
      return false;
    }
    for (;;) {
      const step = this.gelvor.openStep(12);
      if (step.view) {
        // A point further on shows the file is no notebook.
        this.busy = false;
        this.showProgress(null);
        this.bench.draw(step.view);
        return false;
      }
      if (step.done === step.total) break;
      // A quick file opens without a flash of progress.
      if (performance.now() - started > 150) this.showProgress(step.text, step.done / step.total);
      await pause();
    }
    this.bench.draw(this.gelvor.openEnd());
    this.busy = false;
    this.showProgress(null);
    this.changed();
    return true;
  }

  showProgress(text, fraction) {
    const box = document.getElementById("progresoRegistro");
    box.hidden = text === null;
    if (text === null) return;
    document.getElementById("barraProgreso").value = fraction;
    document.getElementById("textoProgreso").textContent = text;
  }

  showCopyNotice(text) {
    const notice = document.getElementById("avisoCopia");
    if (text === null) {
      notice.hidden = true;
      notice.textContent = "";
    } else if (notice.textContent !== text) {
      notice.textContent = text;
      notice.hidden = false;
    }
  }

  // At start, the copies the browser kept of pages that are gone, as the
  // desktop offers its recovery files: "Recuperar", "Descartar" or, with
  // Esc, "Más tarde".
  async offerCopies() {
    for (const left of await this.copy.left()) {
      const q = this.gelvor.recoveryQuestion(left.at, left.points);
      const answer = await GelvorPage.dialogs.question({
        title: q.title, text: q.text, focus: "recover",
        buttons: [{ caption: q.recover, value: "recover" }, { caption: q.discard, value: "discard" },
          { caption: q.later, value: "later" }],
      });
      if (answer !== "recover" && answer !== "discard") continue;
      if (answer === "recover" && !(await this.maySave("recover"))) continue;
      const text = this.copy.text(left.id);
      this.copy.forget(left.id);
      if (answer === "recover" && text !== null && await this.openBytes(text, this.texts.untitled, true)) {
        return;
      }
    }
  }
};
