// The window fitted to the screen, and texts to their places. On a screen
// narrower than the window, or worked by touch, the window's parts stand one
// under another (phone.css) and each part drawn to scale is scaled to its
// width. A box's text or a caption that would be cut off steps down in size,
// as the desktop fits them, a pixel at a time, as long as it stays legible;
// a box's text that cannot fit shows whole in its tool tip, with the hint of
// a text not yet applied.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.Fit = class {
  constructor(form) {
    this.form = form;
    this.measure = document.createElement("canvas").getContext("2d");
    this.rooms = new Map(); // box to its text's width in pixels, at this zoom
    this.sizes = new Map(); // box to its own and smallest letters in pixels, at this zoom
    this.applyHint = "";
  }

  // The zoom changed: every width is measured again.
  reset() {
    this.rooms.clear();
    this.sizes.clear();
  }

  // Lays the window out for the screen, now and whenever the screen changes:
  // narrower than the window at its normal size (with the page's margins),
  // or worked by a finger, it stands in parts; the drawing and each tab
  // control are scaled to the width they get.
  watchScreen(layout, elements) {
    const margin = parseFloat(getComputedStyle(document.body).marginLeft) || 0;
    const width = layout.form.rect.width / 15 + 2 * margin;
    const narrow = matchMedia(`(max-width: ${width - 0.02}px), (pointer: coarse)`);
    const bench = document.getElementById("bench");
    const drawing = bench.querySelector(".drawing");
    const tabs = layout.controls.filter((row) => row.kind === "tabs")
      .map((row) => [elements.get(row.name), row.rect.width / 15]);
    const scale = () => {
      if (!narrow.matches) return;
      let changed = this.setZoom(bench, "--drawing-zoom", drawing.clientWidth / layout.form.natural.width);
      for (const [e, natural] of tabs) changed = this.setZoom(e, "--fit-zoom", e.clientWidth / natural) || changed;
      if (changed) this.refit();
    };
    const apply = () => {
      document.documentElement.dataset.layout = narrow.matches ? "narrow" : "window";
      scale();
      this.refit();
    };
    narrow.addEventListener("change", apply);
    new ResizeObserver(scale).observe(bench);
    apply();
  }

  // Sets a part's scale; whether it changed.
  setZoom(e, name, zoom) {
    const value = String(Math.round(zoom * 1e4) / 1e4);
    if (!(zoom > 0) || e.style.getPropertyValue(name) === value) return false;
    e.style.setProperty(name, value);
    return true;
  }

  // Every text on show fitted again, after a part's size changed.
  refit() {
    this.reset();
    this.shown();
  }

  // A box on a page not shown is fitted when its page shows.
  text(box) {
    const room = this.textRoom(box);
    if (room === undefined) return;
    const { own, smallest } = this.sizes.get(box);
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

  // The width a box's text has, known once it has been laid out at this
  // zoom, and its own and smallest letters there: the window's, scaled as
  // the box is.
  textRoom(box) {
    if (!this.rooms.has(box)) {
      if (box.closest("[hidden]")) return undefined; // not laid out: asking would lay it out
      box.style.fontSize = "";
      const style = getComputedStyle(box);
      this.fontFamily ??= style.fontFamily;
      this.rooms.set(box, box.clientWidth - parseFloat(style.paddingLeft) -
        parseFloat(style.paddingRight));
      const own = parseFloat(style.fontSize);
      const smallest = Math.round(own * this.form.smallestBoxTextPixels / this.form.fontPixels);
      this.sizes.set(box, { own, smallest });
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
    const shown = [...document.querySelectorAll(".label:not(.autosize), .caption")]
      .filter((e) => !e.closest("[hidden]"));
    for (const e of shown) e.style.fontSize = "";
    let cut = shown;
    const styles = new Map(cut.map((e) => [e, getComputedStyle(e)]));
    const size = new Map(cut.map((e) => [e, parseFloat(styles.get(e).fontSize)]));
    // The smallest legible letters, at the zoom the caption is drawn at.
    const smallest = new Map(cut.map((e) => [e,
      this.form.smallestCaptionPixels * (parseFloat(styles.get(e).getPropertyValue("--zoom")) || 1)]));
    for (;;) {
      cut = cut.filter((e) => (e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight + 1) &&
        size.get(e) - 1 >= smallest.get(e));
      if (cut.length === 0) return;
      for (const e of cut) {
        size.set(e, size.get(e) - 1);
        e.style.fontSize = `${size.get(e)}px`;
      }
    }
  }
};
