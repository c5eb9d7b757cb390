// The notebook's table, "tablaRegistro", as the desktop's: a grid of cells
// chosen by mouse, touch and keyboard, each point's note and the group's own
// results typed in place
// (double-click it or start typing on it), and each point's marks: the
// warning sign and the violet dot on its number, the fills of its cells and
// what they mean, shown beside the cell and given as its description. Only
// the rows in view are made, from the module, so that ten thousand points
// scroll as ten do.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.NotebookTable = class {
  // `texts`: the module's notebookTexts(); `on`: {edit(row, col, text),
  // selected(row|null)}, what the table asks of the notebook.
  constructor(gelvor, texts, on) {
    this.gelvor = gelvor;
    this.texts = texts;
    this.on = on;
    this.table = document.getElementById("tablaRegistro");
    this.frame = document.getElementById("marcoTabla");
    this.marksBox = document.getElementById("marcasPunto");
    this.columns = texts.headers.length;
    this.noteColumn = texts.noteColumn;
    // The cells typed in place: column → its name for a screen reader.
    this.editable = new Map(texts.editable.map(({ column, name }) => [column, name]));
    this.count = 0;
    this.rows = new Map(); // row → the module's row, while nothing changes
    this.active = null; // {row, col}: the cell the keys act on
    this.anchor = null; // where Shift extends from
    this.ranges = []; // chosen cells, as {r1, r2, c1, c2}
    this.rowHeight = 0;
    this.from = 0; // the rows made, from `from` up to `to`
    this.to = 0;
    this.all = false; // every row made, for printing
    this.editor = null; // {row, col, input, before}: a cell being typed
    this.redrawing = false; // the editor's row is being made again

    // What each row's marks mean, the description of its marked cells.
    this.descriptions = this.frame.appendChild(GelvorPage.controls.element("div", { hidden: "" }));
    this.table.setAttribute("aria-label", texts.tableName);
    this.table.setAttribute("aria-colcount", this.columns);
    const head = this.table.tHead.appendChild(document.createElement("tr"));
    head.setAttribute("aria-rowindex", "1");
    texts.headers.forEach((text, c) => {
      const th = head.appendChild(GelvorPage.controls.element("th", {
        scope: "col", role: "columnheader", "aria-colindex": c + 1,
      }, text));
      th.addEventListener("click", (event) => this.chooseColumn(c, event));
    });
    this.table.addEventListener("keydown", (event) => this.onKey(event));
    this.table.addEventListener("mousedown", (event) => this.onPress(event));
    this.table.addEventListener("mouseover", (event) => this.onHover(event));
    this.table.addEventListener("dblclick", (event) => {
      const cell = this.cellAt(event.target);
      if (cell && this.editable.has(cell.col)) this.edit(cell.row, cell.col);
    });
    this.table.addEventListener("focus", () => {
      if (!this.active && this.count > 0) this.moveTo({ row: 0, col: 0 }, false);
      else this.showMarks();
    });
    this.table.addEventListener("focusout", (event) => {
      if (!this.table.contains(event.relatedTarget)) this.showMarks(null);
    });
    this.frame.addEventListener("mouseleave", () => this.showMarks());
    // Rows are made again as the table scrolls up or down; a note being
    // typed is kept first when its row goes out of view.
    let drawing = false;
    const redraw = () => {
      if (drawing) return;
      drawing = true;
      requestAnimationFrame(() => {
        drawing = false;
        const { from, to } = this.inView();
        if (from === this.from && to === this.to) return;
        if (this.editor && (this.editor.row < from || this.editor.row >= to)) this.commitEdit(false);
        this.draw();
      });
    };
    this.frame.addEventListener("scroll", redraw);
    window.addEventListener("resize", redraw);
  }

  // After any change of the notebook: `count` rows, each made again from the module.
  refresh(count) {
    if (this.editor) this.commitEdit(false); // its own change refreshes the table first
    const changed = count !== this.count;
    this.count = count;
    this.rows.clear();
    if (changed) {
      this.ranges = [];
      this.anchor = null;
      if (this.active && this.active.row >= count) this.active = count ? { row: count - 1, col: this.active.col } : null;
      this.on.selected(null);
    }
    this.table.setAttribute("aria-rowcount", count + 1);
    this.draw();
  }

  // The chosen rows, ascending; none chosen, the active cell's.
  chosenRows() {
    const rows = new Set();
    for (const r of this.ranges) for (let i = r.r1; i <= r.r2; i++) rows.add(i);
    if (!rows.size && this.active) rows.add(this.active.row);
    return [...rows].sort((a, b) => a - b);
  }

  // The chosen rows and columns for copying; none chosen, all of them.
  chosenCells() {
    const rows = new Set();
    const columns = new Set();
    for (const r of this.ranges) {
      for (let i = r.r1; i <= r.r2; i++) rows.add(i);
      for (let i = r.c1; i <= r.c2; i++) columns.add(i);
    }
    return { rows: [...rows], columns: [...columns] };
  }

  // Chooses a row by its index, as a click on its cycle in the diagram does.
  chooseRow(row) {
    if (row === null || row >= this.count) return;
    this.active = { row, col: 0 };
    this.anchor = { ...this.active };
    this.ranges = [{ r1: row, r2: row, c1: 0, c2: this.columns - 1 }];
    this.scrollTo(row);
    this.draw();
    this.on.selected(row);
  }

  // What a key press on the table does, as a table view of the desktop's.
  onKey(event) {
    if (this.editor && this.editor.input === event.target) return;
    if (!this.count) return;
    const at = this.active ?? { row: 0, col: 0 };
    const page = Math.max(1, Math.floor(this.frame.clientHeight / (this.rowHeight || 20)) - 1);
    const moves = {
      ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1],
      PageUp: [-page, 0], PageDown: [page, 0],
    };
    const { key, ctrlKey, shiftKey, altKey, metaKey } = event;
    let to = null;
    if (altKey || metaKey) return;
    if (moves[key] && !(ctrlKey && key.startsWith("Page"))) {
      const [dr, dc] = moves[key];
      to = ctrlKey ? { row: dr ? (dr < 0 ? 0 : this.count - 1) : at.row, col: dc ? (dc < 0 ? 0 : this.columns - 1) : at.col }
        : { row: at.row + dr, col: at.col + dc };
    } else if (key === "Home" || key === "End") {
      const last = key === "End";
      to = ctrlKey ? { row: last ? this.count - 1 : 0, col: at.col } : { row: at.row, col: last ? this.columns - 1 : 0 };
    } else if (ctrlKey && key.toLowerCase() === "a") {
      event.preventDefault();
      this.ranges = [{ r1: 0, r2: this.count - 1, c1: 0, c2: this.columns - 1 }];
      this.draw();
      this.on.selected(0);
      return;
    } else if (key === " " && (shiftKey || ctrlKey)) {
      event.preventDefault();
      this.ranges = [shiftKey ? { r1: at.row, r2: at.row, c1: 0, c2: this.columns - 1 }
        : { r1: 0, r2: this.count - 1, c1: at.col, c2: at.col }];
      this.draw();
      this.on.selected(shiftKey ? at.row : 0);
      return;
    } else if (this.editable.has(at.col) && !ctrlKey && (key === "Enter" || key.length === 1)) {
      // Typing on a cell replaces it, as on the desktop; Enter edits it as it is.
      event.preventDefault();
      this.edit(at.row, at.col, key === "Enter" ? null : key);
      return;
    }
    if (!to) return;
    event.preventDefault();
    this.moveTo({ row: Math.min(this.count - 1, Math.max(0, to.row)),
      col: Math.min(this.columns - 1, Math.max(0, to.col)) }, shiftKey);
  }

  // The active cell moves; with `extend`, the last choice grows to it.
  moveTo(cell, extend) {
    this.active = cell;
    if (extend && this.anchor) {
      const range = { r1: Math.min(this.anchor.row, cell.row), r2: Math.max(this.anchor.row, cell.row),
        c1: Math.min(this.anchor.col, cell.col), c2: Math.max(this.anchor.col, cell.col) };
      this.ranges = [...this.ranges.slice(0, -1), range];
    } else {
      this.anchor = { ...cell };
      this.ranges = [{ r1: cell.row, r2: cell.row, c1: cell.col, c2: cell.col }];
    }
    this.scrollTo(cell.row);
    this.draw();
    this.scrollToColumn(cell);
    this.on.selected(Math.min(...this.ranges.map((r) => r.r1)));
  }

  // Across too: the active cell's column comes into view.
  scrollToColumn({ row, col }) {
    const td = document.getElementById(this.cellId(row, col));
    if (!td) return;
    const left = td.offsetLeft;
    const right = left + td.offsetWidth;
    if (left < this.frame.scrollLeft) this.frame.scrollLeft = left;
    else if (right > this.frame.scrollLeft + this.frame.clientWidth) {
      this.frame.scrollLeft = right - this.frame.clientWidth;
    }
  }

  cellAt(target) {
    const td = target.closest?.("td[data-col]");
    return td && this.table.contains(td) ? { row: Number(td.parentElement.dataset.row), col: Number(td.dataset.col) } : null;
  }

  // A click or a touch chooses a cell; Shift extends the choice, Ctrl adds
  // to it; dragging extends it too.
  onPress(event) {
    const cell = this.cellAt(event.target);
    if (!cell || event.button !== 0 || (this.editor && this.editor.input === event.target)) return;
    event.preventDefault(); // the focus goes to the table, not into the cell's text
    this.table.focus({ preventScroll: true });
    if (event.ctrlKey || event.metaKey) {
      this.active = cell;
      this.anchor = { ...cell };
      this.ranges.push({ r1: cell.row, r2: cell.row, c1: cell.col, c2: cell.col });
      this.draw();
      this.on.selected(Math.min(...this.ranges.map((r) => r.r1)));
    } else {
      this.moveTo(cell, event.shiftKey);
    }
    const drag = (move) => {
      const over = this.cellAt(document.elementFromPoint(move.clientX, move.clientY) ?? this.table);
      if (over && (over.row !== this.active.row || over.col !== this.active.col)) this.moveTo(over, true);
    };
    document.addEventListener("mousemove", drag);
    document.addEventListener("mouseup", () => document.removeEventListener("mousemove", drag), { once: true });
  }

  // A click on a column's heading chooses the column; Ctrl adds it.
  chooseColumn(col, event) {
    if (!this.count) return;
    const range = { r1: 0, r2: this.count - 1, c1: col, c2: col };
    this.ranges = event.ctrlKey || event.metaKey ? [...this.ranges, range] : [range];
    this.active = { row: this.active?.row ?? 0, col };
    this.anchor = { ...this.active };
    this.table.focus({ preventScroll: true });
    this.draw();
    this.on.selected(0);
  }

  onHover(event) {
    const cell = this.cellAt(event.target);
    if (cell) this.showMarks(cell);
  }

  chosen(row, col) {
    return this.ranges.some((r) => row >= r.r1 && row <= r.r2 && col >= r.c1 && col <= r.c2);
  }

  shown(row) {
    return this.all || (row >= this.from && row < this.to);
  }

  scrollTo(row) {
    if (!this.rowHeight) return;
    const top = row * this.rowHeight;
    const headHeight = this.table.tHead.offsetHeight;
    const view = this.frame.clientHeight - headHeight;
    if (top < this.frame.scrollTop) this.frame.scrollTop = top;
    else if (top + this.rowHeight > this.frame.scrollTop + view) this.frame.scrollTop = top + this.rowHeight - view;
  }

  // The module's rows from `from` up to `to`, asked for once each.
  fetch(from, to) {
    let first = from;
    while (first < to && this.rows.has(first)) first++;
    let last = to;
    while (last > first && this.rows.has(last - 1)) last--;
    if (first < last) {
      this.gelvor.notebookRows(first, last).forEach((row, i) => this.rows.set(first + i, row));
    }
    // What scrolled far out of view is asked for again when it comes back.
    if (this.rows.size > 4 * (to - from) + 400) {
      for (const r of this.rows.keys()) if (r < from || r >= to) this.rows.delete(r);
    }
  }

  // The rows in view, and some above and below, between two spacers as
  // tall as the rows they stand for.
  draw() {
    const body = this.table.tBodies[0];
    if (!this.rowHeight && this.count) {
      this.fetch(0, 1);
      body.replaceChildren(this.makeRow(0));
      this.descriptions.replaceChildren();
      this.rowHeight = body.rows[0].getBoundingClientRect().height || 20;
    }
    ({ from: this.from, to: this.to } = this.inView());
    this.fetch(this.from, this.to);
    // The note being typed goes into its row made again, still typed in.
    const typing = this.editor && document.activeElement === this.editor.input;
    this.redrawing = true;
    const made = [];
    const described = [];
    if (this.from > 0) made.push(this.spacer(this.from));
    for (let r = this.from; r < this.to; r++) {
      made.push(this.makeRow(r));
      const { marks } = this.rows.get(r);
      if (marks) described.push(GelvorPage.controls.element("span", { id: `marcas-${r}` }, marks));
    }
    if (this.to < this.count) made.push(this.spacer(this.count - this.to));
    body.replaceChildren(...made);
    this.descriptions.replaceChildren(...described);
    if (this.editor && this.shown(this.editor.row)) this.placeEditor();
    if (typing && this.editor) this.editor.input.focus({ preventScroll: true });
    this.redrawing = false;
    const cell = this.active && this.shown(this.active.row) ? this.cellId(this.active.row, this.active.col) : null;
    if (cell) this.table.setAttribute("aria-activedescendant", cell);
    else this.table.removeAttribute("aria-activedescendant");
    if (document.activeElement === this.table) this.showMarks();
  }

  // The rows to make: those in view, and some above and below.
  inView() {
    if (this.all) return { from: 0, to: this.count };
    const spare = 10;
    const height = this.rowHeight || 20;
    const headHeight = this.table.tHead.offsetHeight;
    const shown = Math.ceil(Math.max(0, this.frame.clientHeight - headHeight) / height);
    const first = Math.floor(this.frame.scrollTop / height);
    return { from: Math.max(0, first - spare), to: Math.min(this.count, first + shown + spare) };
  }

  spacer(rows) {
    const tr = document.createElement("tr");
    tr.className = "spacer";
    tr.setAttribute("aria-hidden", "true");
    tr.style.height = `${rows * this.rowHeight}px`;
    return tr;
  }

  cellId(row, col) {
    return `celda-${row}-${col}`;
  }

  // One point's row: its number with its marks, its readings with their
  // fills, its note; what the marks mean is each marked cell's description.
  makeRow(r) {
    const { element } = GelvorPage.controls;
    const row = this.rows.get(r);
    const tr = element("tr", { "aria-rowindex": r + 2, "data-row": r });
    if (r % 2) tr.className = "alternate";
    const marked = (col) => col === 0 ? row.marks !== "" : row.warning.includes(col) || row.differing.includes(col);
    const described = `marcas-${r}`;
    row.cells.forEach((text, col) => {
      const td = tr.appendChild(element("td", {
        role: "gridcell", id: this.cellId(r, col), "data-col": col, "aria-colindex": col + 1,
        "aria-selected": String(this.chosen(r, col)),
      }));
      if (col === this.noteColumn) td.className = "note";
      if (row.unreadable.includes(col)) {
        td.classList.add("warning");
        td.title = row.unreadableText;
      }
      if (row.warning.includes(col)) td.classList.add("warning");
      else if (row.differing.includes(col)) td.classList.add("differing");
      if (this.active && this.active.row === r && this.active.col === col) td.classList.add("active");
      if (marked(col)) td.setAttribute("aria-describedby", described);
      if (col === 0 && row.marks) {
        td.classList.add("marked");
        if (row.warned) td.appendChild(element("span", { class: "mark warning-sign", "aria-hidden": "true" }));
        if (row.validity) td.appendChild(element("span", { class: "mark validity-dot", "aria-hidden": "true" }));
        td.append(text);
      } else {
        td.textContent = text;
      }
    });
    return tr;
  }

  // What the marks of `cell` mean (by default the active cell's, while the
  // table has the focus), beside it; nothing for a cell without marks.
  showMarks(cell = document.activeElement === this.table ? this.active : null) {
    const row = cell && this.rows.get(cell.row);
    const td = cell && document.getElementById(this.cellId(cell.row, cell.col));
    if (!row || !td || !td.hasAttribute("aria-describedby")) {
      this.marksBox.hidden = true;
      return;
    }
    this.marksBox.textContent = row.marks;
    this.marksBox.hidden = false;
    const frame = this.frame.getBoundingClientRect();
    const box = td.getBoundingClientRect();
    const panel = this.marksBox.offsetParent?.getBoundingClientRect() ?? frame;
    this.marksBox.style.left = `${Math.max(0, Math.min(box.left, frame.right - this.marksBox.offsetWidth) - panel.left)}px`;
    this.marksBox.style.top = `${box.bottom - panel.top + 2}px`;
  }

  // A cell typed in place: `typed` replaces it, or none edits it as it is.
  edit(row, col, typed = null) {
    if (row >= this.count) return;
    if (this.editor) this.commitEdit();
    this.active = { row, col };
    this.scrollTo(row);
    const input = GelvorPage.controls.element("input", {
      type: "text", class: "note-editor", spellcheck: "false",
      "aria-label": this.editable.get(col).replace("%1", this.rows.get(row)?.cells[0] ?? row + 1),
    });
    if (col !== this.noteColumn) input.inputMode = "decimal";
    this.editor = { row, col, input, before: this.rows.get(row)?.cells[col] ?? "" };
    input.value = typed ?? this.editor.before;
    // Enter, Tab and Esc end the typing here; the table does not see them.
    input.addEventListener("keydown", (event) => {
      if (!["Enter", "Tab", "Escape"].includes(event.key)) return;
      event.preventDefault();
      event.stopPropagation();
      if (event.key === "Escape") this.cancelEdit();
      else this.commitEdit();
    });
    input.addEventListener("blur", () => {
      if (this.editor?.input === input && !this.redrawing) this.commitEdit(false);
    });
    this.draw();
    input.focus();
    if (typed === null) input.select();
  }

  placeEditor() {
    const td = document.getElementById(this.cellId(this.editor.row, this.editor.col));
    if (!td) return;
    td.classList.add("editing");
    td.replaceChildren(this.editor.input);
  }

  // The text as typed becomes the point's, an undoable change; the focus
  // goes back to the table.
  commitEdit(refocus = true) {
    const { row, col, input, before } = this.editor;
    this.editor = null;
    if (refocus) this.table.focus({ preventScroll: true });
    if (input.value !== before) this.on.edit(row, col, input.value);
    else this.draw();
  }

  cancelEdit() {
    this.editor = null;
    this.table.focus({ preventScroll: true });
    this.draw();
  }

  // Every row made, for the printer; then back to those in view.
  printing(all) {
    if (this.editor) this.commitEdit(false);
    this.all = all;
    this.draw();
  }

  // The rows' height follows the page's zoom.
  zoomed() {
    this.rowHeight = 0;
    this.draw();
  }
};
