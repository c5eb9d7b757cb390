// The lab notebook beside the bench: the module records the pass on show,
// undoes and redoes, and gives the table, the CSV and the .gelvor file; the
// page shows the table, downloads the files and hands an opened file's
// bytes to the module.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.Notebook = class {
  constructor(gelvor, bench) {
    this.gelvor = gelvor;
    this.bench = bench;
    this.texts = gelvor.notebookTexts();
    this.table = document.getElementById("notebookTable");
    this.file = document.getElementById("notebookFile");
    this.file.accept = `.${this.texts.extension}`;
    this.file.addEventListener("change", () => this.openChosen());
    document.getElementById("notebookTitle").textContent = bench.texts.notebook;
    // Readings not saved are not lost with the page without the browser asking.
    window.addEventListener("beforeunload", (event) => {
      if (this.gelvor.notebookUnsaved()) event.preventDefault();
    });
    this.show();
  }

  // Ctrl+L: the pass on show becomes the next point, or the status line says why not.
  record() {
    this.bench.draw(this.gelvor.recordPoint());
    this.show();
  }

  undo() {
    this.gelvor.undoNotebook();
    this.show();
  }

  redo() {
    this.gelvor.redoNotebook();
    this.show();
  }

  show() {
    const { headers, rows, ...history } = this.gelvor.notebookTable();
    const head = this.table.tHead;
    head.replaceChildren(head.insertRow());
    for (const text of headers) {
      head.rows[0].appendChild(GelvorPage.controls.element("th", { scope: "col" }, text));
    }
    const body = this.table.tBodies[0];
    body.replaceChildren();
    for (const { cells, differing, marks } of rows) {
      const tr = body.insertRow();
      cells.forEach((text, i) => {
        const cell = tr.insertCell();
        cell.textContent = text;
        if (differing.includes(i)) {
          cell.classList.add("differing");
          cell.title = marks;
        }
      });
    }
    document.dispatchEvent(new CustomEvent("gelvor:notebook", { detail: history }));
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

  save() {
    GelvorPage.Notebook.download(this.gelvor.saveNotebook(), this.texts.notebookName,
      this.texts.mimeType);
    this.show();
  }

  open() {
    if (this.gelvor.notebookUnsaved() && !window.confirm(this.texts.discardToOpen)) return;
    this.file.value = "";
    this.file.click();
  }

  // The chosen file's bytes, at most one more than a notebook may have, to the module.
  async openChosen() {
    const file = this.file.files[0];
    if (!file) return;
    const bytes = new Uint8Array(await file.slice(0, this.texts.maxBytes + 1).arrayBuffer());
    const answer = this.gelvor.openNotebook(bytes, file.name);
    this.bench.draw(answer.view);
    if (answer.opened) this.show();
  }
};
