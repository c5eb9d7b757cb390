// The notebook's chart and p-h diagram in the page, after the manual's three
// points recorded by keyboard: the chart draws each line of the model that
// the desktop's chart is checked against (tests/ui/notebook_charts_test.cpp),
// point for point, with its names, ticks and titles; the diagram draws the
// three cycles with the selected one in the schematic's colours, and a click
// on a faint one picks its row; both export well-formed SVG and PNG files.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { existsSync } from "node:fs";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { launchBrowser, openReadyPage } from "./browser.mjs";

const root = fileURLToPath(new URL("../..", import.meta.url));
const onePage = pathToFileURL(path.join(root, "dist/web/gelvor.html")).href;

// (mc, me) in g/s: the condenser's bar, then the evaporator's.
const exercise = [[20, 20], [4, 20], [40, 10]];

async function chord(page, ...keys) {
  for (const k of keys.slice(0, -1)) await page.keyboard.down(k);
  await page.keyboard.press(keys.at(-1));
  for (const k of keys.slice(0, -1).reverse()) await page.keyboard.up(k);
}

// Tab from the page's start reaches the condenser's bar, the switch and the
// evaporator's bar in turn.
async function recordExercise(page) {
  const order = ["VScroll2", "Interruptor", "VScroll1"];
  let at = -1;
  const goTo = async (id) => {
    const to = order.indexOf(id);
    for (; at < to; at++) await page.keyboard.press("Tab");
    for (; at > to; at--) await chord(page, "Shift", "Tab");
  };
  await goTo("Interruptor");
  await page.keyboard.press("Space");
  await page.waitForSelector("#notice[open]");
  await page.keyboard.press("Enter");
  await page.waitForSelector("#notice:not([open])");
  for (const [mc, me] of exercise) {
    for (const [bar, flow] of [["VScroll2", mc], ["VScroll1", me]]) {
      await goTo(bar);
      const now = Number(await page.$eval(`#${bar}`, (e) => e.getAttribute("aria-valuenow")));
      for (let i = 0; i < Math.abs(flow - now); i++) {
        await page.keyboard.press(flow > now ? "ArrowUp" : "ArrowDown");
      }
    }
    await chord(page, "Control", "KeyL");
  }
}

// The notebook section's chart and diagram, both panels shown at once so
// that each draws; a click's row noted, then chosen as the page chooses it.
function buildPanels() {
  const { notebook } = window.gelvorPage;
  for (const id of ["panelGrafica", "panelDiagrama"]) document.getElementById(id).hidden = false;
  window.chartsUnderTest = { chart: notebook.chart, diagram: notebook.diagram, picked: [] };
  const choose = notebook.diagram.onSelectRow;
  notebook.diagram.onSelectRow = (row) => {
    window.chartsUnderTest.picked.push(row);
    choose(row);
  };
  notebook.chart.refresh();
  notebook.diagram.refresh();
}

// What the page's chart draws: each line's marked points, in the chart's
// values through the plot's box and the axes' ranges; the legend's, ticks'
// and titles' texts.
function drawnChart(axes) {
  const svg = document.querySelector("#graficaRegistro svg");
  const clip = svg.querySelector("clipPath rect");
  const box = ["x", "y", "width", "height"].map((a) => Number(clip.getAttribute(a)));
  const lines = {};
  for (const circle of svg.querySelectorAll("g.content circle")) {
    const name = circle.querySelector("title").textContent;
    const x = Number(circle.getAttribute("cx"));
    const y = Number(circle.getAttribute("cy"));
    const up = name.startsWith(axes.secondUp.title) && axes.secondUp.shown ? axes.secondUp : axes.up;
    (lines[name] ??= []).push([
      axes.across.min + (x - box[0]) / box[2] * (axes.across.max - axes.across.min),
      up.max - (y - box[1]) / box[3] * (up.max - up.min),
    ]);
  }
  return {
    lines,
    texts: [...svg.querySelectorAll("text")].map((t) => t.textContent),
    role: svg.getAttribute("role"),
    description: document.getElementById(svg.getAttribute("aria-describedby"))?.textContent,
  };
}

let browser;
let opened;
before(async () => {
  assert.ok(existsSync(fileURLToPath(onePage)), `${onePage} is missing: run scripts/build-web`);
  browser = await launchBrowser();
  opened = await openReadyPage(browser, `${onePage}?locale=es_ES`);
  await recordExercise(opened.page);
  await opened.page.evaluate(buildPanels);
});
after(async () => {
  await opened?.page.browserContext().close();
  await browser?.close();
});

describe("the notebook's chart in the page", { timeout: 60_000 }, () => {
  test("each preset draws the model's lines, names and axes", async () => {
    const { page } = opened;
    const ids = await page.evaluate(() => window.gelvorPage.bench.gelvor.chartControls().presets
      .map((p) => p.id));
    assert.deepEqual(ids, ["presetQcQe", "presetTePe", "presetCopTc"]);
    for (const id of ids) {
      await page.focus(`#${id}`);
      await page.keyboard.press("Enter");
      const choice = await page.evaluate(() => ["ejeHorizontal", "ejeVertical", "ejeVertical2"]
        .map((id) => Number(document.getElementById(id).value)));
      const preset = await page.evaluate((name) =>
        window.gelvorPage.bench.gelvor.notebookChartPreset(name), id);
      assert.deepEqual(choice, [preset.x, preset.y, preset.y2], id);
      const model = await page.evaluate((c) => window.gelvorPage.bench.gelvor.notebookChartModel(c),
        preset);
      const drawn = await page.evaluate(drawnChart, model);
      const readings = model.curves.filter((c) => c.reading);
      assert.ok(readings.length >= 1, `${id}: no line`);
      assert.equal(model.message, "");
      assert.deepEqual(Object.keys(drawn.lines).sort(), readings.map((c) => c.name).sort(), id);
      for (const c of readings) {
        const points = drawn.lines[c.name];
        assert.equal(points.length, c.points.length, c.name);
        c.points.forEach(([x, y], i) => {
          const scale = (a) => (a.max - a.min) / 500; // well under a pixel of the plot
          assert.ok(Math.abs(points[i][0] - x) < scale(model.across), `${c.name}: x ${points[i][0]} ${x}`);
          const up = c.right ? model.secondUp : model.up;
          assert.ok(Math.abs(points[i][1] - y) < scale(up), `${c.name}: y ${points[i][1]} ${y}`);
        });
      }
      // The legend names every line, the saturation curves too; the ticks and titles as the model's.
      for (const c of model.curves) assert.ok(drawn.texts.includes(c.name), `${id}: legend ${c.name}`);
      for (const axis of [model.across, model.up, ...(model.secondUp.shown ? [model.secondUp] : [])]) {
        assert.ok(drawn.texts.includes(axis.title), `${id}: ${axis.title}`);
        for (const label of axis.labels) assert.ok(drawn.texts.includes(label), `${id}: tick ${label}`);
      }
      assert.equal(drawn.role, "img");
      assert.match(drawn.description, / frente a /);
    }
    // The te against Pe preset draws the saturation curves under the readings.
    const tePe = await page.evaluate(() => {
      const g = window.gelvorPage.bench.gelvor;
      return g.notebookChartModel(g.notebookChartPreset("presetTePe")).curves.filter((c) => !c.reading).length;
    });
    assert.equal(tePe, 2);
  });

  test("the selectors choose any quantity and say so, and nothing drawn says why", async () => {
    const { page } = opened;
    const labelled = await page.evaluate(() => ["ejeHorizontal", "ejeVertical", "ejeVertical2"]
      .map((id) => document.querySelector(`label[for=${id}]`)?.textContent ?? ""));
    assert.ok(labelled.every((text) => text.length > 0), `labels: ${labelled}`);
    // By keyboard: the quantity up one choice further down its list.
    await page.focus("#ejeVertical");
    const before = await page.$eval("#ejeVertical", (e) => e.value);
    await page.keyboard.press("ArrowDown");
    const choice = await page.evaluate(() => ({
      x: Number(document.getElementById("ejeHorizontal").value),
      y: Number(document.getElementById("ejeVertical").value),
      y2: Number(document.getElementById("ejeVertical2").value),
    }));
    assert.equal(choice.y, Number(before) + 1);
    const model = await page.evaluate((c) => window.gelvorPage.bench.gelvor.notebookChartModel(c), choice);
    const drawn = await page.evaluate(drawnChart, model);
    assert.ok(drawn.texts.includes(model.up.title));
    if (model.message) assert.ok(drawn.texts.join(" ").includes(model.message.split(" ")[0]));
  });

  test("on a phone's width at 200 % the texts grow and the plots keep room", async () => {
    const { page } = opened;
    const plots = async () => page.evaluate(() => ["graficaRegistro", "diagramaPh"].map((id) => {
      const svg = document.querySelector(`#${id} svg`);
      const clip = svg.querySelector("clipPath rect");
      return { width: Number(svg.getAttribute("width")), plot: Number(clip.getAttribute("height")),
        pixels: Math.max(...[...svg.querySelectorAll("text")].map((t) => Number(t.getAttribute("font-size")))) };
    }));
    const wide = await plots();
    for (const id of ["graficaRegistro", "diagramaPh"]) {
      await page.$eval(`#${id}`, (e) => { e.style.width = "340px"; });
    }
    for (let i = 0; i < 4; i++) await chord(page, "Control", "Equal"); // 125, 150, 175, 200 %
    await page.waitForFunction(() => document.querySelector("#graficaRegistro svg").getAttribute("width") === "340");
    await page.evaluate(() => { window.chartsUnderTest.chart.refresh(); window.chartsUnderTest.diagram.refresh(true); });
    const narrow = await plots();
    narrow.forEach((p, i) => {
      assert.equal(p.width, 340);
      assert.ok(p.pixels >= wide[i].pixels * 1.8, `texts of ${p.pixels} px`);
      assert.ok(p.plot > 100, `a plot ${p.plot} px tall`);
    });
    for (let i = 0; i < 4; i++) await chord(page, "Control", "Minus");
    for (const id of ["graficaRegistro", "diagramaPh"]) await page.$eval(`#${id}`, (e) => { e.style.width = ""; });
    assert.deepEqual(opened.errors, []);
  });

  test("exports a well-formed SVG and a PNG at twice its size", async () => {
    const files = await opened.page.evaluate(async () => {
      const chart = window.chartsUnderTest.chart;
      const out = {};
      for (const kind of ["svg", "png"]) {
        const f = await chart.exportFile(kind);
        out[kind] = { name: f.name, type: f.type, bytes: [...f.bytes.slice(0, 24)], size: f.bytes.length,
          text: kind === "svg" ? new TextDecoder().decode(f.bytes) : "" };
      }
      const doc = new DOMParser().parseFromString(out.svg.text, "image/svg+xml");
      out.svg.root = doc.documentElement.localName;
      out.svg.errors = doc.getElementsByTagName("parsererror").length;
      out.svg.width = Number(doc.documentElement.getAttribute("width"));
      out.svg.title = doc.querySelector("title")?.textContent;
      return out;
    });
    assert.equal(files.svg.name, "grafica.svg");
    assert.equal(files.svg.type, "image/svg+xml");
    assert.equal(files.svg.root, "svg");
    assert.equal(files.svg.errors, 0);
    assert.equal(files.svg.title, "Gráfica del registro");
    checkPng(files.png, "grafica.png", files.svg.width);
  });
});

// A PNG's signature, and its width in its header: twice the picture's.
function checkPng(file, name, width) {
  assert.equal(file.name, name);
  assert.equal(file.type, "image/png");
  assert.deepEqual(file.bytes.slice(0, 8), [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
  const header = Buffer.from(file.bytes.slice(16, 20)).readUInt32BE(0);
  assert.equal(header, Math.round(width * 2));
}

describe("the notebook's p-h diagram in the page", { timeout: 60_000 }, () => {
  // The faint cycles' path (one stroke for all, each cycle's four lines a
  // piece of it), the highlighted cycle's marked points and the title.
  const drawnDiagram = () => {
    const svg = document.querySelector("#diagramaPh svg");
    const faint = [...svg.querySelectorAll("g.content path")]
      .find((p) => p.getAttribute("stroke") === "#6e789b");
    const d = faint?.getAttribute("d") ?? "";
    const first = d.match(/^M([-\d.]+) ([-\d.]+)/);
    return {
      faintCycles: (d.match(/M/g) ?? []).length / 4,
      firstFaint: first ? [Number(first[1]), Number(first[2])] : null,
      marked: [...svg.querySelectorAll("g.content circle")].filter((c) => c.getAttribute("fill") !== "none")
        .length,
      texts: [...svg.querySelectorAll("text")].map((t) => t.textContent),
      description: document.getElementById(svg.getAttribute("aria-describedby"))?.textContent,
      role: svg.getAttribute("role"),
    };
  };

  test("draws the three cycles, the selected one in the schematic's colours", async () => {
    const { page } = opened;
    // None selected, the machine running: its own cycle stands out, the three recorded are faint.
    const live = await page.evaluate(drawnDiagram);
    assert.equal(live.role, "img");
    assert.equal(live.faintCycles, 3);
    assert.ok(live.texts.some((t) => t.includes("estado actual de la máquina")), live.texts.join("|"));
    for (const row of [0, 1, 2]) {
      await page.evaluate((r) => window.chartsUnderTest.diagram.setSelectedRow(r), row);
      const shown = await page.evaluate(drawnDiagram);
      assert.equal(shown.faintCycles, 2, `row ${row}`);
      assert.ok(shown.marked >= 4, `row ${row}: ${shown.marked} points marked`);
      assert.ok(shown.texts.some((t) => t.includes(`punto ${row + 1}`)), `row ${row}`);
      assert.ok(shown.description.includes(`punto ${row + 1}`), shown.description);
    }
  });

  test("a click on a faint cycle picks its row, and the bench's region keeps them", async () => {
    const { page } = opened;
    await page.evaluate(() => window.chartsUnderTest.diagram.setSelectedRow(1));
    const { firstFaint } = await page.evaluate(drawnDiagram);
    const at = await page.evaluate(([x, y]) => {
      const svg = document.querySelector("#diagramaPh svg");
      svg.scrollIntoView();
      const box = svg.getBoundingClientRect();
      const scale = box.width / Number(svg.getAttribute("width"));
      return [box.left + x * scale, box.top + y * scale];
    }, firstFaint);
    await page.mouse.click(at[0], at[1]);
    assert.deepEqual(await page.evaluate(() => window.chartsUnderTest.picked), [0]);
    // Its row is chosen in the table, and its cycle drawn apart from the two faint ones, named.
    assert.equal(await page.evaluate(() =>
      document.querySelector('#tablaRegistro td[aria-selected="true"]')?.closest("tr").dataset.row), "0");
    const hovered = await page.evaluate(drawnDiagram);
    assert.equal(hovered.faintCycles, 2);
    assert.ok(hovered.texts.some((t) => /punto 1$/i.test(t)), hovered.texts.join("|"));
    await page.mouse.move(1, 1);

    // Alt+R's check box: the bench's region, the same three cycles.
    await chord(page, "Alt", "KeyR");
    assert.equal(await page.$eval("#regionBanco", (e) => e.checked), true);
    assert.equal(await page.evaluate(() => document.activeElement.id), "regionBanco");
    const region = await page.evaluate(drawnDiagram);
    assert.equal(region.faintCycles, 2);
    assert.ok(region.marked >= 4);
  });

  test("exports a well-formed SVG and a PNG at twice its size", async () => {
    const files = await opened.page.evaluate(async () => {
      const diagram = window.chartsUnderTest.diagram;
      const out = {};
      for (const kind of ["svg", "png"]) {
        const f = await diagram.exportFile(kind);
        out[kind] = { name: f.name, type: f.type, bytes: [...f.bytes.slice(0, 24)],
          text: kind === "svg" ? new TextDecoder().decode(f.bytes) : "" };
      }
      const doc = new DOMParser().parseFromString(out.svg.text, "image/svg+xml");
      out.svg.root = doc.documentElement.localName;
      out.svg.errors = doc.getElementsByTagName("parsererror").length;
      out.svg.width = Number(doc.documentElement.getAttribute("width"));
      out.svg.cycles = [...doc.querySelectorAll("path")].filter((p) => p.getAttribute("stroke") === "#6e789b")
        .length;
      return out;
    });
    assert.equal(files.svg.name, "diagrama-ph.svg");
    assert.equal(files.svg.root, "svg");
    assert.equal(files.svg.errors, 0);
    assert.equal(files.svg.cycles, 1);
    checkPng(files.png, "diagrama-ph.png", files.svg.width);
    assert.deepEqual(opened.errors, []);
  });
});
