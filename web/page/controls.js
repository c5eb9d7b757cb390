// The bench window's elements, one per row of the module's layout: each
// placed in its container by its twips (the style sheet turns them into
// pixels at the zoom), with the control's name as its id. Nothing here
// computes: what an element shows comes from the module.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.controls = (() => {
  const svgNS = "http://www.w3.org/2000/svg";

  function element(tag, attributes = {}, text) {
    const e = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) e.setAttribute(name, value);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // Puts `e` at its twips: the style sheet's .placed reads them.
  function place(e, rect) {
    e.classList.add("placed");
    for (const [name, value] of [["--l", rect.left], ["--t", rect.top], ["--w", rect.width],
      ["--h", rect.height]]) {
      e.style.setProperty(name, value);
    }
    if (rect.width === 0) e.classList.add("autosize");
  }

  // Where a control goes on a narrow screen (phone.css): its part of the
  // window, and on a form its cell; a line drawn over a picture keeps to it.
  function narrow(e, row, rows, rects) {
    const { part, wideColumn, ...cell } = row.narrow;
    e.dataset.narrow = part;
    if (part === "whole") e.dataset.wideColumn = wideColumn;
    for (const [name, value] of Object.entries(cell)) {
      if (name !== "over") e.style.setProperty(`--${name}`, value);
    }
    if (cell.over) {
      const under = rows.get(cell.over).rect;
      const frame = rects.get(row.parent);
      for (const [name, value] of [["--over-l", under.left], ["--over-t", under.top],
        ["--pw", frame.width], ["--ph", frame.height]]) {
        e.style.setProperty(name, value);
      }
    }
  }

  // A caption with "&" before its key, as a menu writes it, without the mark.
  function caption(text) {
    return text.replace(/&(.)/g, "$1");
  }

  function picture(row, pictures) {
    const e = element("div", { role: "img", "aria-label": row.label });
    if (row.border) e.classList.add("bordered");
    const inner = e.appendChild(element("div", { class: "inner" }));
    const img = inner.appendChild(element("img", { alt: "", draggable: "false" }));
    img.src = pictures[row.picture];
    if (row.stretched) {
      img.classList.add("stretched");
    } else {
      img.style.setProperty("--nw", row.natural.width);
      img.style.setProperty("--nh", row.natural.height);
    }
    e.hidden = !row.visible;
    return e;
  }

  // An instrument's face as SVG in the logical pixels of its size at 100 %.
  // It takes the focus, so that a finger or the keyboard can read it; those
  // on the drawing are Tab stops after the window's controls, and the room's
  // is read in the box it shows (instruments.js shows the reading).
  function instrument(row) {
    const e = element("div", {
      role: "meter", "aria-label": row.label, "aria-valuemin": row.min, "aria-valuemax": row.max,
      tabindex: row.parent === "Form1" ? "0" : "-1",
    });
    e.appendChild(face(row.face));
    return e;
  }

  // Two arrow halves that a click steps up or down; the keys are the control's own.
  function stepper(row, role) {
    const e = element("div", {
      role, tabindex: "0", "aria-label": row.label, "aria-valuemin": row.min,
      "aria-valuemax": row.max,
    });
    for (const half of ["up", "down"]) e.appendChild(element("div", { class: `arrow ${half}` }));
    return e;
  }

  // SVG elements from a face's shapes, a shading's stops inside it.
  // A face's shapes in an SVG of its logical pixels at 100 %.
  function face({ width, height, shapes }) {
    const svg = document.createElementNS(svgNS, "svg");
    svg.setAttribute("viewBox", `0 0 ${width} ${height}`);
    svg.setAttribute("aria-hidden", "true");
    appendShapes(svg, shapes);
    return svg;
  }

  function appendShapes(parent, shapes) {
    for (const shape of shapes) {
      const s = parent.appendChild(document.createElementNS(svgNS, shape.tag));
      for (const [name, value] of Object.entries(shape.attrs)) s.setAttribute(name, value);
      if (shape.text !== undefined) s.textContent = shape.text;
      if (shape.part) s.dataset.part = shape.part;
      if (shape.children) appendShapes(s, shape.children);
    }
  }

  // The switch's face holds both positions; the style sheet shows the one
  // aria-pressed says.
  function rockerSwitch(row) {
    const e = element("button", {
      type: "button", "aria-pressed": "false", "aria-label": row.label, title: row.tip,
    });
    e.appendChild(face(row.face));
    return e;
  }

  function box(row) {
    const e = element("input", {
      type: "text", "aria-label": row.label, spellcheck: "false", autocomplete: "off",
    });
    e.value = row.text;
    e.style.textAlign = row.align;
    if (row.keyboard) e.inputMode = row.keyboard;
    if (row.description) e.setAttribute("aria-description", row.description);
    if (row.readOnly) {
      e.readOnly = true;
      e.tabIndex = -1; // read-outs are no Tab stops, as on the desktop
    }
    return e;
  }

  // A tab control: its pages cover it whole, so that their controls stand in
  // its twips; the face lies under them, and the tabs over them.
  function tabs(row, containers) {
    const e = element("div", { role: "group", "aria-label": row.label });
    e.style.setProperty("--page", row.pageColour);
    e.style.setProperty("--ink", row.captionColour);
    const rows = Math.ceil(row.captions.length / row.perRow);
    e.style.setProperty("--strip", rows * row.rowTwips);
    e.appendChild(element("div", { class: "face" }));
    // Before the pages, so that Tab reaches the tabs before what lies on them.
    const strip = e.appendChild(element("div", {
      role: "tablist", "aria-label": row.label, class: "strip",
    }));
    row.captions.forEach((text, index) => {
      const id = `${row.name}_tab${index}`;
      const tab = strip.appendChild(element("button", {
        type: "button", role: "tab", id, "aria-controls": `${row.name}_page${index}`,
        "aria-selected": String(index === 0), tabindex: index === 0 ? "0" : "-1",
      }, text));
      tab.classList.toggle("front", index < row.perRow);
      tab.style.setProperty("--col", index % row.perRow);
      tab.style.setProperty("--per", row.perRow);
      tab.style.setProperty("--vrow", rows - 1 - Math.floor(index / row.perRow));
      tab.style.setProperty("--rowtw", row.rowTwips);
      const page = e.appendChild(element("div", {
        role: "tabpanel", class: "page", id: `${row.name}_page${index}`, "aria-labelledby": id,
      }));
      page.hidden = index !== 0;
      page.classList.toggle("form", row.formPages[index]);
      containers.set(`${row.name}:${index}`, page);
    });
    return e;
  }

  function frame(row) {
    const e = element("div", { role: "group", "aria-label": row.label });
    e.append(element("div", { class: "border" }), element("span", { class: "title" }, row.text));
    return e;
  }

  function label(row, kind) {
    const e = element("div", { class: kind }, row.text);
    if (row.tip) e.title = row.tip;
    if (kind === "hotspot") {
      e.setAttribute("role", "img");
      e.setAttribute("aria-label", row.label);
    }
    return e;
  }

  // A heading whose spoken name is not its text ("ρ (densidad)") says it in
  // words that only a screen reader gets.
  function resultCaption(row) {
    const e = element("div");
    if (row.label === row.text.trim()) {
      e.textContent = row.text;
    } else {
      e.append(element("span", { "aria-hidden": "true" }, row.text),
        element("span", { class: "spoken" }, row.label));
    }
    e.style.background = row.background;
    e.style.setProperty("--font", row.fontPixels);
    return e;
  }

  // A straight line over its container, in its container's twips.
  function line(row, parentRect) {
    const e = document.createElementNS(svgNS, "svg");
    e.setAttribute("viewBox", `0 0 ${parentRect.width} ${parentRect.height}`);
    e.setAttribute("role", "img");
    e.setAttribute("aria-label", row.label);
    const l = e.appendChild(document.createElementNS(svgNS, "line"));
    const { left: x1, top: y1, width: x2, height: y2 } = row.rect; // x1, y1, x2, y2
    for (const [name, value] of Object.entries({ x1, y1, x2, y2 })) l.setAttribute(name, value);
    l.setAttribute("stroke", row.colour);
    l.setAttribute("stroke-width", row.pixels * 15);
    return e;
  }

  // The cycle on the P-h chart: four segments and four letters, in twips.
  function overlay(row) {
    const e = element("div", { class: "cycle", hidden: "" });
    const svg = e.appendChild(document.createElementNS(svgNS, "svg"));
    svg.setAttribute("viewBox", `0 0 ${row.rect.width} ${row.rect.height}`);
    svg.setAttribute("aria-hidden", "true");
    for (const item of row.items) {
      const l = svg.appendChild(document.createElementNS(svgNS, "line"));
      l.id = item.line;
      l.setAttribute("stroke", item.lineColour);
      l.setAttribute("stroke-width", row.linePixels * 15);
      l.setAttribute("stroke-linecap", "round");
    }
    for (const item of row.items) {
      const letter = e.appendChild(element("div", {
        id: item.letterName, class: "letter", role: "img", "aria-label": item.letterLabel,
      }, item.letter));
      letter.style.color = item.letterColour;
    }
    return e;
  }

  // Builds every control into `root`; returns {elements: name to element, rows: name to row}.
  function build(layout, root, pictures) {
    const containers = new Map([["Form1", root]]);
    const elements = new Map();
    const rows = new Map();
    const rects = new Map([["Form1", layout.form.rect]]);
    for (const row of layout.controls) {
      let e;
      switch (row.kind) {
        case "hotspot": case "marker": case "label": e = label(row, row.kind); break;
        case "picture": e = picture(row, pictures); break;
        case "gauge": case "thermometer": e = instrument(row); break;
        case "switch": e = rockerSwitch(row); break;
        case "flowbar": case "spin": e = stepper(row, "spinbutton"); break;
        case "tabs": e = tabs(row, containers); break;
        case "frame": e = frame(row); break;
        case "box": e = box(row); break;
        case "caption": e = resultCaption(row); break;
        case "manual": e = document.getElementById("Text2"); e.hidden = false; break;
        case "line": e = line(row, rects.get(row.parent)); break;
        case "overlay": e = overlay(row); break;
        default: throw new Error(`a control of an unknown kind: ${row.kind}`);
      }
      e.id = e.id || row.name;
      e.classList.add("control", row.kind);
      if (row.kind !== "line") place(e, row.rect);
      narrow(e, row, rows, rects);
      if (row.kind === "manual") e.setAttribute("aria-label", row.label);
      if (row.pointer) e.style.cursor = row.pointer;
      const parent = row.page >= 0 ? `${row.parent}:${row.page}` : row.parent;
      containers.get(parent).appendChild(e);
      if (row.kind === "frame") containers.set(row.name, e);
      if (row.kind === "picture") containers.set(row.name, e.querySelector(".inner"));
      rects.set(row.name, row.rect);
      elements.set(row.name, e);
      rows.set(row.name, row);
    }
    // The drawing's instruments come last: Tab reaches them after the controls.
    root.append(...[...root.children].filter((e) => e.getAttribute("role") === "meter"));
    return { elements, rows };
  }

  return { build, caption, element };
})();
