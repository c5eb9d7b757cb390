// Texts fitted to their places, as the desktop fits them: a box's text or a
// caption that would be cut off steps down in size, a pixel at a time, as
// long as it stays legible; a box's text that cannot fit shows whole in its
// tool tip, with the hint of a text not yet applied.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.Fit = class {
  // `zoom()` gives the window's zoom factor.
  constructor(form, zoom) {
    this.form = form;
    this.zoom = zoom;
    this.measure = document.createElement("canvas").getContext("2d");
    this.rooms = new Map(); // box to its text's width in pixels, at this zoom
    this.applyHint = "";
  }

  // The zoom changed: every width is measured again.
  reset() {
    this.rooms.clear();
  }

  // A box on a page not shown is fitted when its page shows.
  text(box) {
    const room = this.textRoom(box);
    if (room === undefined) return;
    const own = Math.round(this.form.fontPixels * this.zoom());
    const smallest = Math.round(this.form.smallestBoxTextPixels * this.zoom());
    const fits = (px) => {
      const font = `${px}px ${this.fontFamily}`;
      if (this.measureFont !== font) {
        this.measure.font = font;
        this.measureFont = font;
      }
      return this.measure.measureText(box.value).width <= room;
    };
    let size = own;
    while (size > smallest && !fits(size)) size -= 1;
    const cut = !fits(size);
    const fontSize = cut || size === own ? "" : `${size}px`;
    if (box.style.fontSize !== fontSize) box.style.fontSize = fontSize;
    if (cut) box.dataset.cut = "true";
    else delete box.dataset.cut;
    this.tip(box);
  }

  // A box's tool tip: the hint while it is pending, and its whole text when cut.
  tip(box) {
    const tip = [];
    if (box.classList.contains("pending")) tip.push(this.applyHint);
    if (box.dataset.cut) tip.push(box.value);
    const title = tip.join("\n");
    if (box.title !== title) box.title = title;
  }

  // The width a box's text has, known once it has been laid out at this zoom.
  textRoom(box) {
    if (!this.rooms.has(box)) {
      if (box.closest("[hidden]")) return undefined; // not laid out: asking would lay it out
      const style = getComputedStyle(box);
      this.fontFamily ??= style.fontFamily;
      this.rooms.set(box, box.clientWidth - parseFloat(style.paddingLeft) -
        parseFloat(style.paddingRight));
    }
    return this.rooms.get(box);
  }

  // Every box and caption on show, after a tab or the zoom changed.
  shown() {
    this.captions();
    for (const box of document.querySelectorAll("input.box")) this.text(box);
  }

  // All captions are read at once, then those cut off are made a pixel
  // smaller, until none is or they are legible no more.
  captions() {
    const smallest = this.form.smallestCaptionPixels * this.zoom();
    const shown = [...document.querySelectorAll(".label:not(.autosize), .caption")]
      .filter((e) => !e.closest("[hidden]"));
    for (const e of shown) e.style.fontSize = "";
    let cut = shown;
    const size = new Map(cut.map((e) => [e, parseFloat(getComputedStyle(e).fontSize)]));
    for (;;) {
      cut = cut.filter((e) => (e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight + 1) &&
        size.get(e) - 1 >= smallest);
      if (cut.length === 0) return;
      for (const e of cut) {
        size.set(e, size.get(e) - 1);
        e.style.fontSize = `${size.get(e)}px`;
      }
    }
  }
};
