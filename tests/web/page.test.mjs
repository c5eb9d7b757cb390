// The web edition in Debian's chromium, against the desktop's own pass: the
// page in one file opens from disk and asks for nothing else, the server's
// page works from a web server, every display shows what gelvor-readings
// prints for the same settings, to the last digit, the manual's exercise is
// done and recorded by keyboard alone, and the controls stand where the
// layout tables put them.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { fileChooser, launchBrowser, openReadyPage } from "./browser.mjs";

const root = fileURLToPath(new URL("../..", import.meta.url));
const dist = path.join(root, "dist/web");
const onePage = pathToFileURL(path.join(dist, "gelvor.html")).href;
const readings =
  process.env.GELVOR_READINGS ?? path.join(root, "build-test/readings/gelvor-readings");

// The page's settings and the readings command's options for them.
const options = {
  evaporatorFlow: "--evaporator-flow", condenserFlow: "--condenser-flow", Text3: "--barometer",
  Text8: "--water", Text4: "--ambient",
};

function runReadings(settings, locale, extra = []) {
  const args = ["--locale", locale, ...extra];
  for (const [name, value] of Object.entries(settings)) args.push(options[name], String(value));
  // The window speaks Spanish whatever the numbers' locale: so does the command here.
  const env = { ...process.env, LC_ALL: "es_ES.UTF-8", LANGUAGE: "es" };
  const run = spawnSync(readings, args, { encoding: "utf8", timeout: 10_000, env });
  assert.ok(run.status === 0 || run.status === 1,
    `gelvor-readings ${args.join(" ")} failed (${run.status ?? run.error}): ${run.stderr}`);
  return run;
}

// What the window shows for these settings: each display's text or position,
// the cycle's lines and letters, and what its status line says.
function nativePass(settings, locale) {
  const run = runReadings(settings, locale);
  const shown = new Map(run.stdout.split("\n").filter(Boolean).map((line) => line.split("\t")));
  const warnings = run.stderr.split("\n").filter(Boolean)
    .map((line) => line.replace(/^gelvor-readings: /, ""));
  const status = shown.get("fault") ?? warnings.join("\n");
  shown.delete("fault");
  return { shown, status };
}

// RFC 4180 as the notebook writes it.
function parseCsv(text, separator) {
  const rows = [];
  let row = [];
  let field = "";
  let quoted = false;
  for (let i = 0; i < text.length; i++) {
    const c = text[i];
    if (quoted) {
      if (c === '"' && text[i + 1] === '"') { field += '"'; i++; } else if (c === '"') quoted = false;
      else field += c;
    } else if (c === '"') quoted = true;
    else if (c === separator) { row.push(field); field = ""; } else if (c === "\n") {
      rows.push([...row, field]); row = []; field = "";
    } else if (c !== "\r") field += c;
  }
  return rows;
}

// The notebook's columns and a row for each of these settings, as the
// readings command's CSV gives them (without its last column, the fault).
function nativeTable(points, locale) {
  const rows = points.map((settings) => parseCsv(runReadings(settings, locale, ["--csv"]).stdout, ";"));
  return { headers: rows[0][0].slice(0, -1), rows: rows.map((r) => r[1].slice(0, -1)) };
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The switch by the space bar, and the minimum-flow notice closed by Enter.
async function switchOver(page) {
  // A bar at its lowest flow brings the minimum-flow notice, however long it takes to show.
  const noticeDue = await page.evaluate(() => ["VScroll1", "VScroll2"].some((id) => {
    const bar = document.getElementById(id);
    return bar.getAttribute("aria-valuenow") === bar.getAttribute("aria-valuemin");
  }));
  await page.focus("#Interruptor");
  await page.keyboard.press("Space");
  if (noticeDue) {
    await page.waitForSelector("#notice[open]");
    await page.keyboard.press("Enter");
    await page.waitForSelector("#notice:not([open])");
  }
}

// A flow bar stepped by its arrow keys to `flow` g/s.
async function stepFlow(page, bar, flow) {
  await page.focus(`#${bar}`);
  const now = Number(await page.$eval(`#${bar}`, (e) => e.getAttribute("aria-valuenow")));
  for (let i = 0; i < Math.abs(flow - now); i++) {
    await page.keyboard.press(flow > now ? "ArrowUp" : "ArrowDown");
  }
}

// A setting box's text typed over and applied with Enter.
async function typeSetting(page, box, text) {
  await page.focus(`#${box}`);
  await page.keyboard.down("Control");
  await page.keyboard.press("KeyA");
  await page.keyboard.up("Control");
  await page.keyboard.press("Backspace");
  if (text !== "") await page.keyboard.type(text);
  await page.keyboard.press("Enter");
}

async function applySettings(page, settings) {
  for (const [name, value] of Object.entries(settings)) {
    if (name === "evaporatorFlow") await stepFlow(page, "VScroll1", value);
    else if (name === "condenserFlow") await stepFlow(page, "VScroll2", value);
    else await typeSetting(page, name, value);
  }
}

// Everything the page shows: boxes' texts, instruments' readings, the
// cycle's lines and letters in twips, the status line, and the settings it holds.
function pageDisplays(page) {
  return page.evaluate(() => {
    const boxes = Object.fromEntries([...document.querySelectorAll("input.box")]
      .map((e) => [e.id, e.value]));
    const instruments = Object.fromEntries([...document.querySelectorAll('[role="meter"]')]
      .map((e) => [e.id, e.getAttribute("aria-valuenow")]));
    const lines = Object.fromEntries([...document.querySelectorAll(".cycle line")]
      .map((e) => [e.id, ["x1", "y1", "x2", "y2"].map((a) => Number(e.getAttribute(a)))]));
    const letters = Object.fromEntries([...document.querySelectorAll(".cycle .letter")]
      .map((e) => [e.id, ["--l", "--t"].map((p) => Number(e.style.getPropertyValue(p)))]));
    const flow = (id) => Number(document.getElementById(id).getAttribute("aria-valuenow"));
    const held = { evaporatorFlow: flow("VScroll1"), condenserFlow: flow("VScroll2") };
    for (const id of ["Text3", "Text8", "Text4"]) held[id] = boxes[id];
    return {
      boxes, instruments, lines, letters, held,
      status: document.getElementById("statusLine").textContent,
      cycleShown: !document.getElementById("Line1").hidden,
    };
  });
}

// The page shows what the desktop shows for the settings it holds.
async function assertShowsNativePass(page, locale, context) {
  const shown = await pageDisplays(page);
  const native = nativePass(shown.held, locale);
  const where = `${context}, settings ${JSON.stringify(shown.held)} in ${locale}`;
  const single = (v) => Math.fround(v);
  for (const [target, text] of native.shown) {
    if (target.startsWith("Line1_") || target.startsWith("Label2_")) {
      const page = target.startsWith("Line1_") ? shown.lines[target] : shown.letters[target];
      assert.deepEqual(page.map(single), text.split(" ").map(Number).map(single),
        `${target} ${where}`);
    } else if (target in shown.boxes) {
      assert.equal(shown.boxes[target], text, `${target} ${where}`);
    } else {
      assert.equal(Number(shown.instruments[target]), Number(text), `${target} ${where}`);
    }
  }
  for (const [id, text] of Object.entries(shown.boxes)) {
    const setting = ["Text3", "Text4", "Text8"].includes(id);
    if (!setting && !native.shown.has(id)) assert.equal(text, "", `${id}, not reached, ${where}`);
  }
  assert.equal(shown.status, native.status, `the status line ${where}`);
  assert.equal(shown.cycleShown, native.shown.has("Line1_0"), `the cycle ${where}`);
}

let browser;
let downloads;
before(async () => {
  for (const file of ["gelvor.html", "index.html"]) {
    assert.ok(existsSync(path.join(dist, file)), `${dist}/${file} is missing: run scripts/build-web`);
  }
  assert.ok(existsSync(readings), `${readings} is missing: build the desktop's Release tree first`);
  downloads = mkdtempSync(path.join(tmpdir(), "gelvor-web-"));
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  if (downloads) rmSync(downloads, { recursive: true, force: true });
});

describe("the page in one file", { timeout: 120_000 }, () => {
  test("opens from disk with nothing but itself and shows every picture", async () => {
    const opened = await openReadyPage(browser, onePage);
    try {
      const elsewhere = opened.requests.filter((url) => url !== onePage && !url.startsWith("data:"));
      assert.deepEqual(elsewhere, [], "the page asked for files beside it");
      assert.deepEqual(opened.errors, []);
      await opened.page.waitForFunction(() => [...document.images].every((img) => img.complete));
      const undecoded = await opened.page.$$eval("img", (images) => images
        .filter((img) => !(img.naturalWidth > 0))
        .map((img) => img.closest("[id]").id));
      assert.deepEqual(undecoded, [], "pictures that did not decode");
      const manual = await opened.page.$eval("#Text2", (e) => e.value);
      assert.equal(manual, readFileSync(path.join(root, "assets/manual/practicas.txt"), "utf8"));
    } finally {
      await opened.page.browserContext().close();
    }
  });

  // The first pass (the notice sets both flows to 4 g/s), a running point, a
  // decimal water temperature, settings beyond the controls' ranges, a coil
  // without water, boxes that hold no number, and the good pass after them.
  const points = (decimal) => [
    {},
    { evaporatorFlow: 20, condenserFlow: 35, Text3: "1013", Text8: "15", Text4: "22" },
    { evaporatorFlow: 7, condenserFlow: 12, Text8: `15${decimal}5`, Text4: "30" },
    { evaporatorFlow: 50, condenserFlow: 50, Text3: "900", Text8: "16", Text4: "60" },
    { evaporatorFlow: 4, condenserFlow: 0, Text3: "1010", Text4: "18" },
    { condenserFlow: 4, Text3: "" },
    { Text3: "1010", Text4: "abc" },
    { Text4: "18" },
  ];
  for (const [locale, decimal] of [["es_ES", ","], ["en_US", "."]]) {
    test(`shows the desktop's displays and status line in ${locale}`, async () => {
      const opened = await openReadyPage(browser, `${onePage}?locale=${locale}`);
      try {
        await switchOver(opened.page);
        for (const point of points(decimal)) {
          await applySettings(opened.page, point);
          await assertShowsNativePass(opened.page, locale, `after ${JSON.stringify(point)}`);
        }
        assert.deepEqual(opened.errors, []);
      } finally {
        await opened.page.browserContext().close();
      }
    });
  }
});

describe("the manual's exercise by keyboard alone", { timeout: 120_000 }, () => {
  test("Tab goes as on the desktop, the points are recorded, exported, saved and opened", async () => {
    const opened = await openReadyPage(browser, `${onePage}?locale=es_ES`, { downloads });
    const { page } = opened;
    page.on("dialog", (dialog) => dialog.accept());
    const focused = () => page.evaluate(() => document.activeElement.closest(".control")?.id);
    try {
      const order = ["VScroll2", "Interruptor", "VScroll1", "SSTab2", "SSTab1", "Text3", "UpDown1",
        "Text4", "UpDown2", "Text8", "UpDown3"];
      for (const expected of order) {
        await page.keyboard.press("Tab");
        assert.equal(await focused(), expected);
      }
      for (let i = 0; i < order.length - 2; i++) {
        await page.keyboard.down("Shift");
        await page.keyboard.press("Tab");
        await page.keyboard.up("Shift");
      }
      assert.equal(await focused(), "Interruptor");
      await page.keyboard.press("Space");
      await page.waitForSelector("#notice[open]");
      await page.keyboard.press("Enter");
      await page.waitForSelector("#notice:not([open])");

      // (mc, me) in g/s: mc is the condenser's bar, before the switch; me the evaporator's.
      const exercise = [[20, 20], [4, 20], [40, 10]];
      let at = "Interruptor";
      const goTo = async (bar) => {
        const shift = order.indexOf(bar) < order.indexOf(at);
        for (let i = 0; i < Math.abs(order.indexOf(bar) - order.indexOf(at)); i++) {
          if (shift) await page.keyboard.down("Shift");
          await page.keyboard.press("Tab");
          if (shift) await page.keyboard.up("Shift");
        }
        at = bar;
      };
      for (const [mc, me] of exercise) {
        for (const [bar, flow] of [["VScroll2", mc], ["VScroll1", me]]) {
          await goTo(bar);
          const now = Number(await page.$eval(`#${bar}`, (e) => e.getAttribute("aria-valuenow")));
          for (let i = 0; i < Math.abs(flow - now); i++) {
            await page.keyboard.press(flow > now ? "ArrowUp" : "ArrowDown");
          }
        }
        await page.keyboard.down("Control");
        await page.keyboard.press("KeyL");
        await page.keyboard.up("Control");
      }
      assert.equal(await page.$eval("#statusLine", (e) => e.textContent),
        "Lecturas anotadas como punto 3 del registro");

      const native = nativeTable(exercise.map(([mc, me]) =>
        ({ condenserFlow: mc, evaporatorFlow: me })), "es_ES");
      const table = await page.evaluate(() => ({
        headers: [...document.querySelectorAll("#tablaRegistro th")].map((th) => th.textContent),
        rows: [...document.querySelectorAll("#tablaRegistro tbody tr")]
          .map((tr) => [...tr.cells].map((td) => td.textContent)),
      }));
      // The number, the readings, then the note and the group's own results.
      const readings = (r) => r.slice(1, 1 + native.headers.length);
      assert.deepEqual(readings(table.headers), native.headers);
      assert.equal(table.headers[1 + native.headers.length], "Nota");
      assert.deepEqual(table.rows.map(readings), native.rows);
      assert.deepEqual(table.rows.map((r) => r[0]), ["1", "2", "3"]);

      // Undo takes the last point back, and redo records it again with its number.
      const chord = async (...keys) => {
        for (const k of keys.slice(0, -1)) await page.keyboard.down(k);
        await page.keyboard.press(keys.at(-1));
        for (const k of keys.slice(0, -1).reverse()) await page.keyboard.up(k);
      };
      const numbers = () => page.$$eval("#tablaRegistro tbody tr", (rows) =>
        rows.map((tr) => tr.cells[0].textContent));
      await chord("Control", "KeyZ");
      assert.deepEqual(await numbers(), ["1", "2"]);
      assert.equal(await page.$eval("#rehacer", (b) => b.disabled), false);
      await chord("Control", "Shift", "KeyZ");
      assert.deepEqual(await numbers(), ["1", "2", "3"]);
      await chord("Control", "KeyZ");
      await chord("Control", "KeyY");
      assert.deepEqual(await numbers(), ["1", "2", "3"]);
      assert.equal(await page.$eval("#rehacer", (b) => b.disabled), true);

      // Switched off, the evaporator at rest shows again, under no running machine.
      await page.focus("#Interruptor");
      await page.keyboard.press("Space");
      const pictures = await page.evaluate(() => Object.fromEntries(
        ["c_0", "Picture1_0", "Picture1_1", "Picture1_2"].map((id) => [id, document.getElementById(id).hidden])));
      assert.deepEqual(pictures, { c_0: false, Picture1_0: true, Picture1_1: true, Picture1_2: true });
      await page.focus("#Interruptor");
      await page.keyboard.press("Space");

      // The export and the file, as downloads.
      const download = async (key, name) => {
        await page.keyboard.down("Control");
        await page.keyboard.press(key);
        await page.keyboard.up("Control");
        for (let i = 0; i < 100 && !readdirSync(downloads).includes(name); i++) await sleep(50);
        return readFileSync(path.join(downloads, name));
      };
      const csv = await download("KeyE", "lecturas.csv");
      assert.deepEqual([...csv.subarray(0, 3)], [0xEF, 0xBB, 0xBF], "the CSV's byte order mark");
      const exported = parseCsv(csv.subarray(3).toString("utf8"), ";");
      assert.deepEqual(exported.slice(1).map((r) => r.slice(1, 1 + native.headers.length)),
        native.rows);
      const saved = JSON.parse((await download("KeyS", "registro.gelvor")).toString("utf8"));
      assert.equal(saved.format, "gelvor-registro");
      assert.deepEqual(saved.points.map((p) => [p.settings.condenser_flow, p.settings.evaporator_flow]),
        exercise);

      // A damaged file is refused, as the C++ says (its reader throws, which
      // the module must catch); the saved one opens.
      // Unsaved readings: the desktop's question first, answered "Descartar".
      const open = async (file, discard = false) => {
        const { chosen } = await fileChooser(page, "#notebookFile");
        await page.keyboard.down("Control");
        await page.keyboard.press("KeyO");
        await page.keyboard.up("Control");
        if (discard) await page.click("#pregunta-discard");
        await (await chosen).accept([file]);
        await sleep(200);
      };
      const broken = path.join(downloads, "roto.gelvor");
      writeFileSync(broken, '{"format": "gelvor-registro", "version": 1, "points": 3}');
      await open(broken);
      const refused = await page.$eval("#statusLine", (e) => e.textContent);
      assert.match(refused, /^No se pudo abrir «roto\.gelvor»: .+ El registro que había no ha cambiado\.$/);
      await page.keyboard.down("Control");
      await page.keyboard.press("KeyL");
      await page.keyboard.up("Control");
      await open(path.join(downloads, "registro.gelvor"), true);
      const reopened = await page.$$eval("#tablaRegistro tbody tr", (rows) => rows.length);
      assert.equal(reopened, 3, "the saved notebook opened again, without the fourth point");
      assert.deepEqual(opened.errors, []);
    } finally {
      await page.browserContext().close();
    }
  });
});

describe("the window's place and size", { timeout: 60_000 }, () => {
  // A sample of controls in the window's twips: their container's place plus
  // their own (SSTab1 at 5520, 90; its Frame1 at 576, 624; SSTab2 at 255, 3825).
  const sample = {
    GaugeX1: [375, 195, 690, 570],
    ter_4: [1185, 450, 150, 1050],
    Interruptor: [1515, 2685, 360, 495],
    VScroll1: [4425, 2670, 228, 324],
    SSTab2: [255, 3825, 4605, 4155],
    Picture3: [255 + 888, 3825 + 948, 2880, 1740],
    SSTab1: [5520, 90, 4890, 7785],
    Text3: [5520 + 576 + 924, 90 + 624 + 432, 432, 348],
    UpDown2: [5520 + 576 + 3120, 90 + 624 + 444, 192, 348],
    Text8: [5520 + 3135, 90 + 3855, 312, 348],
    Text11: [5520 + 3180, 90 + 5496, 444, 288],
  };
  test("controls stand at their twips over 15 times the zoom, at 100 % and at 200 %", async () => {
    const opened = await openReadyPage(browser, onePage);
    const { page } = opened;
    try {
      for (const zoom of [1, 2]) {
        const boxes = await page.evaluate((names) => {
          const origin = document.getElementById("bench").getBoundingClientRect();
          return Object.fromEntries(names.map((name) => {
            const r = document.getElementById(name).getBoundingClientRect();
            return [name, [r.left - origin.left, r.top - origin.top, r.width, r.height]];
          }));
        }, Object.keys(sample));
        for (const [name, twips] of Object.entries(sample)) {
          twips.forEach((t, i) => assert.ok(Math.abs(boxes[name][i] - t * zoom / 15) <= 1,
            `${name} at ${zoom * 100} %: ${boxes[name]} for ${twips} twips`));
        }
        // Ctrl++ four times: 125, 150, 175, 200 %.
        for (let i = 0; zoom === 1 && i < 4; i++) {
          await page.keyboard.down("Control");
          await page.keyboard.press("Equal");
          await page.keyboard.up("Control");
        }
      }
    } finally {
      await page.browserContext().close();
    }
  });
});

describe("the page for a web server", { timeout: 60_000 }, () => {
  const types = { ".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm",
    ".css": "text/css", ".svg": "image/svg+xml" };
  let server;
  before(async () => {
    server = createServer((request, response) => {
      const file = path.join(dist, decodeURIComponent(new URL(request.url, "http://x").pathname));
      if (!file.startsWith(dist) || !existsSync(file)) {
        response.writeHead(404).end();
        return;
      }
      const name = file.endsWith(path.sep) ? path.join(file, "index.html") : file;
      response.writeHead(200, { "Content-Type": types[path.extname(name)] ?? "text/plain" });
      response.end(readFileSync(name));
    });
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  });
  after(() => server?.close());

  test("loads its scripts, module and pictures from beside it and computes the same pass", async () => {
    const { port } = server.address();
    const opened = await openReadyPage(browser, `http://127.0.0.1:${port}/?locale=en_US`);
    try {
      // Its icon is named in its head: the browser asks for no /favicon.ico.
      assert.deepEqual(opened.errors, []);
      await opened.page.waitForFunction(() => [...document.images].every((img) => img.complete));
      const undecoded = await opened.page.$$eval("img", (images) =>
        images.filter((img) => !(img.naturalWidth > 0)).length);
      assert.equal(undecoded, 0, "pictures that did not load");
      await switchOver(opened.page);
      await applySettings(opened.page, { evaporatorFlow: 20, condenserFlow: 35 });
      await assertShowsNativePass(opened.page, "en_US", "from a server");
    } finally {
      await opened.page.browserContext().close();
    }
  });
});
