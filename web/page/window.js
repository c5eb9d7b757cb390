// The bench window's behaviour: each control forwards what the operator does
// to the module's bench session, and the page draws the view it gets back;
// the switch shows the minimum-flow notice first when the module asks for
// it. The tabs and the zoom are the page's own.
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
    this.zoomIndex = 0;
    this.statusLine = document.getElementById("statusLine");
    this.fit = new GelvorPage.Fit(layout.form);
    this.fit.watchScreen(layout, this.e);

    for (const row of layout.controls) {
      if (row.kind === "flowbar") this.setupBar(row);
      else if (row.kind === "spin") this.setupSpin(row);
      else if (row.kind === "tabs") this.setupTabs(row);
    }
    this.e.get("Interruptor").addEventListener("click", () => this.operateSwitch());
    this.draw(gelvor.startBench(locale));
  }

  // An intent of the operator's, then what it changed.
  act(intent) {
    this.draw(intent(this.gelvor));
  }

  // Arrow keys that step a control; Home and End go all the way.
  static steps(event, all) {
    if (event.ctrlKey || event.altKey) return 0;
    return { ArrowUp: 1, ArrowDown: -1, PageUp: 1, PageDown: -1, Home: all, End: -all }[event.key] ?? 0;
  }

  setupBar(row) {
    const bar = this.e.get(row.name);
    bar.addEventListener("keydown", (event) => {
      const step = GelvorPage.BenchWindow.steps(event, row.max - row.min);
      if (!step) return;
      event.preventDefault();
      this.act((g) => g.stepFlow(row.name, step));
    });
    for (const [half, step] of [[".up", 1], [".down", -1]]) {
      GelvorPage.BenchWindow.hold(bar.querySelector(half), row.repeat,
        () => this.act((g) => g.stepFlow(row.name, step)));
    }
  }

  // An arrow steps when pressed and, held by a finger or a button, again
  // after the delay and then at every interval, until it is let go or left.
  static hold(arrow, { delay, interval }, step) {
    let timer;
    const stop = () => clearTimeout(timer);
    const again = (wait) => {
      timer = setTimeout(() => {
        step();
        again(interval);
      }, wait);
    };
    arrow.addEventListener("pointerdown", (event) => {
      if (event.button !== 0) return;
      stop();
      step();
      again(delay);
    });
    for (const type of ["pointerup", "pointercancel", "pointerleave"]) arrow.addEventListener(type, stop);
    arrow.addEventListener("contextmenu", (event) => event.preventDefault()); // a long press
  }

  // A spin and its box: the arrows step it, Enter in the box applies what
  // was typed, and every edit of the box is told.
  setupSpin(row) {
    const spin = this.e.get(row.name);
    const box = this.e.get(row.buddy);
    const onKey = (event) => {
      if ((event.key !== "ArrowUp" && event.key !== "ArrowDown") || event.ctrlKey || event.altKey) return;
      event.preventDefault();
      this.act((g) => g.stepSpin(row.buddy, event.key === "ArrowUp" ? 1 : -1));
    };
    spin.addEventListener("keydown", onKey);
    box.addEventListener("keydown", onKey);
    for (const [half, step] of [[".up", 1], [".down", -1]]) {
      GelvorPage.BenchWindow.hold(spin.querySelector(half), row.repeat,
        () => this.act((g) => g.stepSpin(row.buddy, step)));
    }
    box.addEventListener("keydown", (event) => {
      if (event.key !== "Enter") return;
      event.preventDefault();
      this.act((g) => g.applySetting(box.id));
    });
    box.addEventListener("input", () => this.act((g) => g.typeSetting(box.id, box.value)));
  }

  // The switch: the notice, when due, before the window shows what followed.
  async operateSwitch() {
    const view = this.gelvor.operateSwitch();
    this.e.get("Interruptor").setAttribute("aria-pressed", String(view.on));
    if (view.notice) await this.showNotice(view.notice);
    this.draw(view);
  }

  // The session's view, as the module gives what changed.
  draw(view) {
    this.on = view.on;
    this.e.get("Interruptor").setAttribute("aria-pressed", String(view.on));
    this.fit.applyHint = view.applyHint;
    for (const f of view.flows) {
      const bar = this.e.get(f.bar);
      bar.setAttribute("aria-valuenow", f.flow);
      bar.setAttribute("aria-valuetext", f.text);
      bar.title = f.tip;
      const float = this.e.get(f.float);
      float.style.setProperty("--t", f.floatTop);
      float.title = f.tip;
    }
    for (const s of view.settings) {
      this.e.get(s.spin).setAttribute("aria-valuenow", s.position);
      const box = this.e.get(s.box);
      if (box.value !== s.text) this.showText(box, s.text);
      if (s.mark) box.dataset.mark = s.mark;
      else delete box.dataset.mark;
      if (s.mark === "fault") box.setAttribute("aria-invalid", "true");
      else box.removeAttribute("aria-invalid");
      box.classList.toggle("pending", s.pending);
      this.fit.tip(box);
    }
    for (const d of view.displays) {
      const e = this.e.get(d.target);
      if (d.pose) GelvorPage.instruments.show(e, d.pose, this.rows.get(d.target).tip);
      else this.showText(e, d.text);
    }
    if (view.cycle.place) this.placeCycle(view.cycle.place);
    this.e.get("Line1").hidden = !view.cycle.shown;
    for (const p of view.pictures) this.e.get(p.name).hidden = !p.shown;
    this.showStatusLines(view.status);
  }

  // A box's text; a text longer than its box shows its beginning (a box
  // without the focus does by itself).
  showText(box, text) {
    if (box.value === text) return;
    box.value = text;
    if (box === document.activeElement) box.setSelectionRange(0, 0);
    this.fit.text(box);
  }

  placeCycle(cycle) {
    cycle.lines.forEach((line, i) => {
      const l = document.getElementById(`Line1_${i}`);
      for (const name of ["x1", "y1", "x2", "y2"]) l.setAttribute(name, line[name]);
    });
    cycle.labels.forEach((label, i) => {
      const letter = document.getElementById(`Label2_${i}`);
      letter.style.setProperty("--l", label.left);
      letter.style.setProperty("--t", label.top);
    });
  }

  // One line of the status line for each message, each in its tone.
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

  // A modal notice with its one button; resolves when it is closed.
  showNotice(notice) {
    const dialog = document.getElementById("notice");
    document.getElementById("noticeTitle").textContent = notice.title;
    document.getElementById("noticeText").textContent = notice.text;
    document.getElementById("noticeAccept").textContent = notice.accept;
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
      this.fit.shown();
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

  zoom() {
    return this.layout.zoomSteps[this.zoomIndex] / 100;
  }

  // One of the zoom steps: every twips, font and line of the window grows by it.
  setZoomStep(index) {
    this.zoomIndex = Math.min(this.layout.zoomSteps.length - 1, Math.max(0, index));
    document.getElementById("Form1").style.setProperty("--zoom", this.zoom());
    document.documentElement.style.setProperty("--page-zoom", this.zoom());
    this.fit.refit();
    document.dispatchEvent(new CustomEvent("gelvor:zoom"));
  }
};
