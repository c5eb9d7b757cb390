// The notebook's p-h diagram of R-11 in the page, as the desktop's
// "Diagrama p-h" tab: the module lays out the chart's lines and every
// recorded cycle, the selected row's (or, with none selected, the running
// machine's) in the schematic's colours and the others faint; a faint cycle
// under the pointer is named, and a click on it asks for its row.
//
//   const diagram = new GelvorPage.PhDiagram(gelvor, container);
//     container: an empty element, <div id="diagramaPh">; the diagram and
//     its "Región del banco" check box (Alt+R) fill it, as wide as it is,
//     following its width and the page's zoom.
//   diagram.refresh();              after any change of the notebook, and
//                                   after each pass of the bench
//   diagram.setSelectedRow(row | null)  the table's selected row (0-based)
//   diagram.onSelectRow = (row) => { ... }  a faint cycle was clicked
//   diagram.exportFile("svg" | "png")
//     a Promise of {bytes: Uint8Array, name: "diagrama-ph.svg", type}, the
//     diagram as the screen shows it (900 px wide while its tab is hidden).
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.PhDiagram = class {
  constructor(gelvor, container) {
    this.gelvor = gelvor;
    this.container = container;
    this.selected = null;
    this.hovered = null;
    this.onSelectRow = null;
    const element = GelvorPage.controls.element;
    const controls = gelvor.diagramControls();
    container.classList.add("ph-diagram");

    const row = container.appendChild(element("div", { class: "chart-row" }));
    this.region = row.appendChild(element("input", {
      type: "checkbox", id: "regionBanco", "aria-keyshortcuts": `Alt+${controls.regionKey}`,
      title: controls.regionTip,
    }));
    // Alt and the caption's letter, as on the desktop, while the diagram
    // shows and no modal dialog stands over it.
    document.addEventListener("keydown", (event) => {
      if (document.querySelector("dialog:modal")) return;
      if (!event.altKey || event.ctrlKey || event.metaKey || this.frame.clientWidth === 0 ||
        event.key.toLowerCase() !== controls.regionKey.toLowerCase()) return;
      event.preventDefault();
      this.region.focus();
      this.region.click();
    });
    row.appendChild(element("label", { for: "regionBanco", title: controls.regionTip },
      controls.regionCaption));
    this.region.addEventListener("change", () => this.refresh(true));

    this.frame = container.appendChild(element("div", { class: "picture-frame" }));
    this.svg = GelvorPage.picture.create(this.frame, "diagramaPhSvg", controls.name);
    this.width = 0;
    new ResizeObserver(() => {
      if (this.frame.clientWidth !== this.width) this.refresh(true);
    }).observe(this.frame);
    document.addEventListener("gelvor:zoom", () => this.refresh(true));
    this.svg.addEventListener("pointermove", (event) => this.hover(this.rowAt(event)));
    this.svg.addEventListener("pointerleave", () => this.hover(null));
    this.svg.addEventListener("click", (event) => {
      const at = this.rowAt(event);
      if (at !== null) this.onSelectRow?.(at);
    });
  }

  setSelectedRow(row) {
    this.selected = row ?? null;
    this.refresh();
  }

  options(width, extra) {
    return {
      range: this.region.checked ? "bench" : "dome", selected: this.selected, width,
      zoom: GelvorPage.picture.zoom(), ...extra,
    };
  }

  // The faint cycle's row under the pointer, or null.
  rowAt(event) {
    if (!this.width) return null;
    const box = this.svg.getBoundingClientRect();
    const scale = this.width / box.width;
    return this.gelvor.phDiagramRowAt(this.options(this.width, {
      x: (event.clientX - box.left) * scale, y: (event.clientY - box.top) * scale,
    }), GelvorPage.picture.measure);
  }

  hover(row) {
    if (row === this.hovered) return;
    this.hovered = row;
    this.svg.classList.toggle("pointing", row !== null);
    this.refresh();
  }

  // Drawn anew at the frame's width; the grid, axes and chart lines only
  // when the range, the width or the zoom changed. While its tab is hidden,
  // when it shows.
  refresh(whole = false) {
    const width = this.frame.clientWidth;
    if (width === 0) {
      this.width = 0;
      return;
    }
    const backdrop = whole || width !== this.width || !this.svg.querySelector("g.backdrop");
    this.width = width;
    const picture = this.gelvor.phDiagram(this.options(width, { hovered: this.hovered, backdrop }),
      GelvorPage.picture.measure);
    GelvorPage.picture.draw(this.svg, picture, picture.summary);
    this.shown = picture;
  }

  async exportFile(kind) {
    const width = this.frame.clientWidth || 900;
    const picture = this.gelvor.phDiagram(this.options(width, { backdrop: true }),
      GelvorPage.picture.measure);
    const svg = GelvorPage.picture.create(document.createElement("div"), "diagramaPhExport", "");
    GelvorPage.picture.draw(svg, picture, picture.summary);
    return GelvorPage.picture.file(svg, picture, kind, picture.files[kind]);
  }
};
