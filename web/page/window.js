// The bench window's behaviour, as the desktop's: the flow bars and spins
// move their floats, boxes and thermometers, and while the machine runs each
// change is one pass of the module, whose writes the page shows in order;
// the switch with its minimum-flow notice; Enter applying a typed setting;
// the tabs; the status line; the zoom.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.BenchWindow = class {
  constructor(gelvor, layout, built, locale) {
    this.gelvor = gelvor;
    this.layout = layout;
    this.texts = layout.texts;
    this.e = built.elements;
    this.rows = built.rows;
    this.locale = locale;
    this.on = false;
    this.lastSettings = null; // the settings of the pass on show, while the machine runs
    this.lastPass = null;
    this.flows = {};
    this.positions = {};
    this.applied = {}; // each setting box's text last applied
    this.settingBoxes = [];
    this.spinOfBox = {}; // each setting box's spin row
    this.results = [...this.e.keys()].filter((name) => name.startsWith("Text7_"));
    this.zoomIndex = 0;
    this.statusLine = document.getElementById("statusLine");
    this.measure = document.createElement("canvas").getContext("2d");
    this.rooms = new Map(); // box to its text's width in pixels, at this zoom

    for (const row of layout.controls) {
      if (row.kind === "flowbar") this.setupBar(row);
      else if (row.kind === "spin") this.setupSpin(row);
      else if (row.kind === "tabs") this.setupTabs(row);
      else if (row.kind === "gauge" || row.kind === "thermometer") this.moveInstrument(row.name, row.start);
    }
    this.e.get("Interruptor").addEventListener("click", () => this.operateSwitch());
    this.hideOverlay();
    this.clearResults();
  }

  // The settings as they stand in the controls.
  settings() {
    const s = { evaporatorFlow: this.flows.VScroll1, condenserFlow: this.flows.VScroll2 };
    for (const box of this.settingBoxes) s[box.id] = box.value;
    return s;
  }

  // An instrument that a setting moves, or a write's pose.
  moveInstrument(name, position) {
    this.showPose(name, this.gelvor.instrumentAt(name, position, this.locale));
  }

  showPose(name, pose) {
    GelvorPage.instruments.show(this.e.get(name), pose, this.rows.get(name).tip);
  }

  setupBar(row) {
    const bar = this.e.get(row.name);
    this.flows[row.name] = row.start;
    const steps = { ArrowUp: 1, ArrowDown: -1, PageUp: 1, PageDown: -1, Home: Infinity,
      End: -Infinity };
    bar.addEventListener("keydown", (event) => {
      if (event.key in steps && !event.ctrlKey && !event.altKey) {
        event.preventDefault();
        this.setFlow(row.name, this.flows[row.name] + steps[event.key]);
      }
    });
    bar.querySelector(".up").addEventListener("click", () => this.setFlow(row.name, this.flows[row.name] + 1));
    bar.querySelector(".down").addEventListener("click", () => this.setFlow(row.name, this.flows[row.name] - 1));
    this.showFlow(row.name, false); // the float stands where the layout put it until the bar moves
  }

  showFlow(name, moveFloat = true) {
    const row = this.rows.get(name);
    const flow = this.flows[name];
    const shown = this.gelvor.flowBar(flow);
    const bar = this.e.get(name);
    bar.setAttribute("aria-valuenow", flow);
    bar.setAttribute("aria-valuetext", shown.text);
    bar.title = `${row.label}: ${shown.text}`;
    const float = this.e.get(row.float);
    if (moveFloat) float.style.setProperty("--t", shown.floatTop);
    float.title = bar.title;
  }

  // A bar's change: its float moves, and the machine computes if it runs.
  setFlow(name, flow) {
    const row = this.rows.get(name);
    const clamped = Math.min(row.max, Math.max(row.min, flow));
    if (clamped === this.flows[name]) return;
    this.flows[name] = clamped;
    this.showFlow(name);
    if (this.on) this.marcha();
  }

  setupSpin(row) {
    const spin = this.e.get(row.name);
    const box = this.e.get(row.buddy);
    this.positions[row.name] = row.start;
    spin.setAttribute("aria-valuenow", row.start);
    this.spinOfBox[box.id] = row;
    this.settingBoxes.push(box);
    this.applied[box.id] = box.value;
    const onKey = (event) => {
      if ((event.key === "ArrowUp" || event.key === "ArrowDown") && !event.ctrlKey && !event.altKey) {
        event.preventDefault();
        this.stepSpin(row, event.key === "ArrowUp" ? 1 : -1);
      }
    };
    spin.addEventListener("keydown", onKey);
    box.addEventListener("keydown", onKey);
    spin.querySelector(".up").addEventListener("click", () => this.stepSpin(row, 1));
    spin.querySelector(".down").addEventListener("click", () => this.stepSpin(row, -1));
    box.addEventListener("keydown", (event) => {
      if (event.key === "Enter") {
        event.preventDefault();
        this.applyTypedSetting(box);
      }
    });
    box.addEventListener("input", () => this.onSettingTyped(box));
  }

  // A spin's click writes its position into its box, then runs its handler.
  stepSpin(row, step) {
    const position = Math.min(row.max, Math.max(row.min, this.positions[row.name] + step));
    if (position === this.positions[row.name]) return;
    this.positions[row.name] = position;
    this.e.get(row.name).setAttribute("aria-valuenow", position);
    const box = this.e.get(row.buddy);
    box.value = String(position);
    this.settingChanged(box, position);
  }

  // A setting's change, from its spin or from Enter in its box: the box's
  // text is applied, and its thermometers follow the number, before or after
  // the pass the change runs while the machine is on. Without a number, only
  // the pass runs.
  settingChanged(box, value) {
    this.applied[box.id] = box.value;
    this.markPendingBoxes();
    const row = this.spinOfBox[box.id];
    const move = (afterPass) => {
      if (value === null || row.thermometersAfterPass !== afterPass) return;
      for (const name of row.thermometers) this.moveInstrument(name, value);
    };
    move(false);
    if (this.on) this.marcha();
    move(true);
  }

  // Enter in a setting box: that box's spin handler, with the typed number
  // where the spin's position would be; the spin stays where it was.
  applyTypedSetting(box) {
    const read = this.gelvor.applyBox(box.id, this.settings(), this.locale);
    this.settingChanged(box, read.value);
    if (this.on) return;
    if (read.value === null) {
      // Nothing computes while the machine is off, but the box says at once why it is refused.
      this.markBox(box, "fault");
      this.showStatus(read.fault, "fault");
    } else if (box.dataset.mark === "fault") {
      this.markBox(box, "");
      this.showStatus("");
    }
  }

  onSettingTyped(box) {
    this.markPendingBoxes();
    if (box.classList.contains("pending")) this.showStatus(this.texts.applyHint, "note");
  }

  // A box whose text differs from what was last applied shows it, and the
  // status line says how to apply it.
  markPendingBoxes() {
    let any = false;
    for (const box of this.settingBoxes) {
      const pending = box.value !== this.applied[box.id];
      box.classList.toggle("pending", pending);
      any ||= pending;
      this.boxTip(box);
    }
    const hint = this.texts.applyHint;
    if (any && this.statusLine.textContent === "") this.showStatus(hint, "note");
    else if (!any && this.statusLine.textContent === hint) this.showStatus("");
  }

  // A box's tool tip: the hint while it is pending, and its whole text when cut.
  boxTip(box) {
    const tip = [];
    if (box.classList.contains("pending")) tip.push(this.texts.applyHint);
    if (box.dataset.cut) tip.push(box.value);
    const title = tip.join("\n");
    if (box.title !== title) box.title = title;
  }

  // A red frame for a box whose text failed a pass, amber for one out of range.
  markBox(box, mark) {
    if (mark) box.dataset.mark = mark;
    else delete box.dataset.mark;
    if (mark === "fault") box.setAttribute("aria-invalid", "true");
    else box.removeAttribute("aria-invalid");
  }

  // One recomputation from the settings as they stand in the controls.
  marcha() {
    const settings = this.settings();
    const pass = this.gelvor.runPass(settings, this.locale);
    this.lastSettings = settings;
    this.lastPass = pass;
    // What the pass read is applied, as typed.
    for (const box of this.settingBoxes) {
      if (pass.boxes[box.id] !== "unreached") this.applied[box.id] = box.value;
    }
    this.markPendingBoxes();
    for (const write of pass.writes) {
      if (write.pose) {
        this.showPose(write.target, write.pose);
      } else {
        this.showText(this.e.get(write.target), write.text);
      }
    }
    for (const target of pass.unreached) {
      const e = this.e.get(target);
      if (e.tagName === "INPUT") this.showText(e, "");
    }
    if (pass.overlay) this.placeOverlay(pass.overlay);
    for (const box of this.settingBoxes) {
      const state = pass.boxes[box.id];
      if (state === "unreadable") this.markBox(box, "fault");
      else if (state === "out of range") this.markBox(box, "warning");
      else if (state === "read") this.markBox(box, "");
    }
    this.showStatusLines(pass.statusLines);
    this.showOverlayIfDrawn();
    document.dispatchEvent(new CustomEvent("gelvor:pass"));
  }

  // A box's text; a text longer than its box shows its beginning (a box
  // without the focus does by itself).
  showText(box, text) {
    if (box.value === text) return;
    box.value = text;
    if (box === document.activeElement) box.setSelectionRange(0, 0);
    this.fitText(box);
  }

  // A text that would be cut off at its box steps down in size, a pixel at a
  // time, as long as it stays legible; one that cannot fit keeps the box's
  // size and shows whole in the tool tip. A box on a page not shown is
  // fitted when its page shows.
  fitText(box) {
    const room = this.textRoom(box);
    if (room === undefined) return;
    const form = this.layout.form;
    const own = Math.round(form.fontPixels * this.zoom());
    const smallest = Math.round(form.smallestBoxTextPixels * this.zoom());
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
    this.boxTip(box);
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
  fitShown() {
    this.fitCaptions();
    for (const box of document.querySelectorAll("input.box")) this.fitText(box);
  }

  placeOverlay(overlay) {
    overlay.lines.forEach((line, i) => {
      const l = document.getElementById(`Line1_${i}`);
      for (const name of ["x1", "y1", "x2", "y2"]) l.setAttribute(name, line[name]);
    });
    overlay.labels.forEach((label, i) => {
      const letter = document.getElementById(`Label2_${i}`);
      letter.style.setProperty("--l", label.left);
      letter.style.setProperty("--t", label.top);
    });
  }

  // The cycle shows exactly while the machine runs and its last pass drew it.
  showOverlayIfDrawn() {
    this.e.get("Line1").hidden = !(this.on && this.lastPass && this.lastPass.overlay);
  }

  hideOverlay() {
    this.e.get("Line1").hidden = true;
  }

  clearResults() {
    for (const name of this.results) this.showText(this.e.get(name), "");
  }

  // The status line: a fault in red, a warning in amber, a note in black.
  showStatus(message, tone = "fault") {
    this.showStatusLines(message ? [{ text: message, tone }] : []);
  }

  // One line of the status line for each message, each in its tone: a fault
  // in red, a warning in amber, where the model is not physical in violet.
  showStatusLines(lines) {
    const shown = [...this.statusLine.children].map((l) => [l.textContent, l.dataset.tone]);
    if (JSON.stringify(shown) === JSON.stringify(lines.map((l) => [l.text, l.tone]))) return;
    this.statusLine.replaceChildren();
    lines.forEach((line, i) => {
      if (i > 0) this.statusLine.append("\n");
      const span = document.createElement("span");
      span.textContent = line.text;
      span.dataset.tone = line.tone;
      this.statusLine.append(span);
    });
  }

  // The switch: the minimum-flow rule on every operation, a pass while on.
  async operateSwitch() {
    const power = this.e.get("Interruptor");
    this.on = !this.on;
    power.setAttribute("aria-pressed", String(this.on));
    const rule = this.gelvor.minimumFlowRule(this.flows.VScroll1, this.flows.VScroll2);
    if (rule) {
      await this.showNotice(rule.title, rule.text);
      // Each change runs that bar's own handler at once.
      this.setFlow("VScroll1", rule.flow);
      this.setFlow("VScroll2", rule.flow);
    }
    if (this.on) this.marcha();
    for (const name of this.layout.form.runningPictures) this.e.get(name).hidden = !this.on;
    if (this.on) {
      this.showOverlayIfDrawn();
      return;
    }
    this.lastSettings = null;
    this.lastPass = null;
    this.hideOverlay();
    this.clearResults();
    this.showStatus("");
    for (const box of this.settingBoxes) {
      if (box.dataset.mark === "warning") this.markBox(box, "");
    }
    document.dispatchEvent(new CustomEvent("gelvor:pass"));
  }

  // A modal notice with its one button; resolves when it is closed.
  showNotice(title, text) {
    const dialog = document.getElementById("notice");
    document.getElementById("noticeTitle").textContent = title;
    document.getElementById("noticeText").textContent = text;
    document.getElementById("noticeAccept").textContent = this.texts.accept;
    return new Promise((resolve) => {
      dialog.addEventListener("close", resolve, { once: true });
      dialog.showModal();
    });
  }

  // The tab controls: a click or the arrow keys choose a tab; Tab stops at
  // the chosen one only.
  setupTabs(row) {
    const tabs = [...this.e.get(row.name).querySelectorAll('[role="tab"]')];
    const choose = (index) => {
      tabs.forEach((tab, i) => {
        const chosen = i === index;
        tab.setAttribute("aria-selected", String(chosen));
        tab.tabIndex = chosen ? 0 : -1;
        document.getElementById(tab.getAttribute("aria-controls")).hidden = !chosen;
      });
      tabs[index].focus();
      this.fitShown();
    };
    tabs.forEach((tab, index) => {
      tab.addEventListener("click", () => choose(index));
      tab.addEventListener("keydown", (event) => {
        const step = { ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1 }[event.key];
        if (step === undefined || event.ctrlKey || event.altKey) return;
        event.preventDefault();
        const current = tabs.findIndex((t) => t.getAttribute("aria-selected") === "true");
        choose((current + step + tabs.length) % tabs.length);
      });
    });
  }

  // Captions shown for the first time or at another zoom step down in size
  // until they fit their place, as on the desktop: all are read at once, then
  // those cut off are made a pixel smaller, until none is or they are legible no more.
  fitCaptions() {
    const smallest = this.layout.form.smallestCaptionPixels * this.zoom();
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

  zoom() {
    return this.layout.zoomSteps[this.zoomIndex] / 100;
  }

  // One of the zoom steps: every twips, font and line of the window grows by it.
  setZoomStep(index) {
    this.zoomIndex = Math.min(this.layout.zoomSteps.length - 1, Math.max(0, index));
    document.getElementById("Form1").style.setProperty("--zoom", this.zoom());
    document.documentElement.style.setProperty("--page-zoom", this.zoom());
    this.rooms.clear();
    this.fitShown();
    document.dispatchEvent(new CustomEvent("gelvor:zoom"));
  }
};
