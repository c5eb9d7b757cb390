// The notebook's chart in the page, as the desktop's "Gráfica" tab: the
// presets of the manual's exercises, the quantities across, up and a second
// up, and the chart that the module lays out for them from the notebook's
// points, with the same lines, names and axes as the desktop's.
//
//   const chart = new GelvorPage.NotebookChart(gelvor, container);
//     container: an empty element, <div id="graficaRegistro">; the chart
//     fills it, as wide as it is, and follows its width and the page's zoom.
//   chart.refresh();           after any change of the notebook's points
//   chart.exportFile("svg" | "png")
//     a Promise of {bytes: Uint8Array, name: "grafica.svg", type}, the chart
//     as the screen shows it (900 px wide while its tab is hidden).
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.NotebookChart = class {
  constructor(gelvor, container) {
    this.gelvor = gelvor;
    this.container = container;
    const element = GelvorPage.controls.element;
    const controls = gelvor.chartControls();
    container.classList.add("notebook-chart");

    const presets = container.appendChild(element("div", {
      class: "chart-row", role: "group", "aria-labelledby": "chartPresetsLabel",
    }));
    presets.appendChild(element("span", { id: "chartPresetsLabel" }, controls.presetsLabel));
    for (const p of controls.presets) {
      const button = presets.appendChild(element("button", { type: "button", id: p.id }, p.caption));
      button.addEventListener("click", () => this.applyPreset(p.id));
    }

    const axes = container.appendChild(element("div", { class: "chart-row" }));
    this.selects = {};
    for (const axis of controls.axes) {
      const field = axes.appendChild(element("span", { class: "chart-axis" }));
      field.appendChild(element("label", { for: axis.id, title: axis.name }, axis.label));
      const select = field.appendChild(element("select", { id: axis.id, title: axis.name }));
      for (const choice of axis.choices) {
        select.appendChild(element("option", { value: choice.value }, choice.text));
      }
      select.addEventListener("change", () => this.refresh());
      this.selects[axis.id] = select;
    }

    this.frame = container.appendChild(element("div", { class: "picture-frame" }));
    this.svg = GelvorPage.picture.create(this.frame, "graficaRegistroSvg", controls.name);
    this.width = 0;
    new ResizeObserver(() => {
      if (this.frame.clientWidth !== this.width) this.refresh();
    }).observe(this.frame);
    document.addEventListener("gelvor:zoom", () => this.refresh());
    this.applyPreset(controls.first);
  }

  // The quantities a preset of the manual's exercises puts on the axes.
  applyPreset(id) {
    const { x, y, y2 } = this.gelvor.notebookChartPreset(id);
    this.selects.ejeHorizontal.value = x;
    this.selects.ejeVertical.value = y;
    this.selects.ejeVertical2.value = y2;
    this.refresh();
  }

  // The notebook columns chosen: across, up and a second up (-1 for none).
  choice() {
    return {
      x: Number(this.selects.ejeHorizontal.value),
      y: Number(this.selects.ejeVertical.value),
      y2: Number(this.selects.ejeVertical2.value),
    };
  }

  picture(width) {
    return this.gelvor.notebookChart({ ...this.choice(), width, zoom: GelvorPage.picture.zoom() },
      GelvorPage.picture.measure);
  }

  // Drawn anew at the frame's width; while its tab is hidden, when it shows.
  refresh() {
    this.width = this.frame.clientWidth;
    if (this.width === 0) return;
    const picture = this.picture(this.width);
    GelvorPage.picture.draw(this.svg, picture, picture.summary);
    this.shown = picture;
  }

  async exportFile(kind) {
    if (!this.shown || this.frame.clientWidth === 0) {
      const picture = this.picture(900);
      const svg = GelvorPage.picture.create(document.createElement("div"), "graficaExport", "");
      GelvorPage.picture.draw(svg, picture, picture.summary);
      return GelvorPage.picture.file(svg, picture, kind, picture.files[kind]);
    }
    this.refresh();
    return GelvorPage.picture.file(this.svg, this.shown, kind, this.shown.files[kind]);
  }
};
