// The page's notebook as the desktop's notebook window, by keyboard: who
// recorded it and when, notes, rows taken out, emptying after the question,
// undo and redo, "Fijar condiciones" with Alt and a point's number, copying,
// the title's unsaved mark, the list of keys; a point's marks explained; a
// reload that offers the notebook back; files of any size and shape that
// open or are refused with a clear message while the page goes on
// computing; a CSV whose typed texts cannot run as formulas; and a group's
// assignment from gelvor-class taken in the page and reviewed.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { closeSync, existsSync, ftruncateSync, mkdtempSync, openSync, readFileSync, readdirSync, rmSync,
  writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { execFileSync } from "node:child_process";
import { fileURLToPath, pathToFileURL } from "node:url";
import { fileChooser, launchBrowser, openReadyPage } from "./browser.mjs";

const root = fileURLToPath(new URL("../..", import.meta.url));
const onePage = pathToFileURL(path.join(root, "dist/web/gelvor.html")).href;
const classCommand = process.env.GELVOR_CLASS ??
  path.join(path.dirname(process.env.GELVOR_READINGS ?? path.join(root, "build-test/readings/x")),
    "../classroom/command/gelvor-class");
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

let browser;
let folder;
before(async () => {
  assert.ok(existsSync(new URL(onePage)), "dist/web/gelvor.html is missing: run scripts/build-web");
  folder = mkdtempSync(path.join(tmpdir(), "gelvor-registro-"));
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  if (folder) rmSync(folder, { recursive: true, force: true });
});

// A page of its own, which lets itself be left or reloaded.
async function open(options = {}) {
  const opened = await openReadyPage(browser, `${onePage}?locale=es_ES`, options);
  opened.asked = []; // the browser's own questions, by type
  opened.page.on("dialog", (dialog) => {
    opened.asked.push(dialog.type());
    dialog.accept();
  });
  return opened;
}

async function chord(page, ...keys) {
  for (const k of keys.slice(0, -1)) await page.keyboard.down(k);
  await page.keyboard.press(keys.at(-1));
  for (const k of keys.slice(0, -1).reverse()) await page.keyboard.up(k);
}

const text = (page, selector) => page.$eval(selector, (e) => e.textContent);
const rows = (page) => page.$$eval("#tablaRegistro tbody tr:not(.spacer)", (trs) =>
  trs.map((tr) => [...tr.cells].map((td) => td.textContent)));
const flow = (page, bar) => page.$eval(`#${bar}`, (e) => Number(e.getAttribute("aria-valuenow")));

// F2, then Alt and the exercise point's number, which sets its flows and accepts.
async function exercisePoint(page, k) {
  await page.keyboard.press("F2");
  await page.waitForSelector("#frmCondiciones[open]");
  await chord(page, "Alt", `Digit${k}`);
  await page.waitForSelector("#frmCondiciones:not([open])");
  await page.evaluate(() => new Promise(requestAnimationFrame)); // its close event has come
}

// The manual's points, recorded with the machine on.
async function recordExercise(page, points = [1, 2, 3]) {
  await exercisePoint(page, points[0]);
  await page.focus("#Interruptor");
  await page.keyboard.press("Space");
  for (const k of points) {
    await exercisePoint(page, k);
    await chord(page, "Control", "KeyL");
  }
}

// From the table, to the active row's note: the group's own results follow it.
async function toNote(page) {
  await page.keyboard.press("End");
  const after = await page.$$eval("#tablaRegistro th",
    (ths) => ths.length - 1 - ths.findIndex((th) => th.textContent === "Nota"));
  for (let i = 0; i < after; i++) await page.keyboard.press("ArrowLeft");
}
const noteOf = async (page, row) => row[await page.$$eval("#tablaRegistro th",
  (ths) => ths.findIndex((th) => th.textContent === "Nota"))];

// What the page put on the clipboard with Ctrl+C.
async function copied(page) {
  await page.evaluate(() => {
    window.copiedText = null;
    addEventListener("copy", (e) => { window.copiedText = e.clipboardData.getData("text/plain"); },
      { once: true });
  });
  await chord(page, "Control", "KeyC");
  return page.evaluate(() => window.copiedText);
}

// Ctrl+O and the file chosen; unsaved readings discarded when the
// desktop's question asks first (returned, or null).
async function openFile(page, file) {
  await page.focus("#abrirRegistro");
  const { chosen: choosing } = await fileChooser(page, "#notebookFile");
  await chord(page, "Control", "KeyO");
  let asked = null;
  if (await page.$("#pregunta[open]")) {
    asked = await page.evaluate(() => ({
      text: document.getElementById("preguntaText").textContent,
      focus: document.activeElement.textContent,
    }));
    await chord(page, "Alt", "KeyD");
  }
  await (await choosing).accept([file]);
  return asked;
}

// The page still computes: a flow step with the machine on changes the displays.
async function stillComputes(page) {
  const on = await page.$eval("#Interruptor", (e) => e.getAttribute("aria-pressed") === "true");
  if (!on) {
    await exercisePoint(page, 1);
    await page.focus("#Interruptor");
    await page.keyboard.press("Space");
  }
  const boxes = () => page.$$eval("input.box[readonly]", (all) => all.map((b) => b.value).join("|"));
  const before = await boxes();
  await page.focus("#VScroll1");
  await page.keyboard.press("ArrowUp");
  assert.notEqual(await boxes(), before, "a flow step changed no display");
}

describe("the notebook by keyboard", { timeout: 120_000 }, () => {
  test("fields, notes, rows taken out, emptying, undo, conditions, copy, title and help", async () => {
    const { page, errors } = await open({ downloads: folder });
    try {
      assert.equal(await page.title(), "Sin título — Registro de lecturas");
      await exercisePoint(page, 2); // mc 4, me 20 g/s
      assert.deepEqual([await flow(page, "VScroll2"), await flow(page, "VScroll1")], [4, 20]);
      await recordExercise(page, [1, 2]);
      assert.deepEqual((await rows(page)).map((r) => r[0]), ["1", "2"]);
      assert.equal(await page.title(), "Sin título* — Registro de lecturas");
      assert.equal(await text(page, "#notebookTitle"), "Sin título* — Registro de lecturas");
      assert.equal(await page.$eval("#fecha", (e) => e.value), await page.evaluate(() => {
        const d = new Date();
        return `${d.getFullYear()}-${String(d.getMonth() + 1).padStart(2, "0")}-${String(d.getDate()).padStart(2, "0")}`;
      }), "dated today");

      // Who recorded it: typing on is one change; Ctrl+Z out of the field undoes it.
      await chord(page, "Alt", "KeyL");
      assert.equal(await page.evaluate(() => document.activeElement.id), "alumnos");
      await page.keyboard.type("Ana Ruiz");
      await page.focus("#anotarLecturas");
      await chord(page, "Control", "KeyZ");
      assert.equal(await page.$eval("#alumnos", (e) => e.value), "");
      await chord(page, "Control", "Shift", "KeyZ");
      assert.equal(await page.$eval("#alumnos", (e) => e.value), "Ana Ruiz");

      // A note typed over its cell, from the table that Ctrl+R gives the focus.
      await chord(page, "Control", "KeyR");
      assert.equal(await page.evaluate(() => document.activeElement.id), "tablaRegistro");
      await toNote(page);
      await page.keyboard.type("tc alta");
      await page.keyboard.press("Enter");
      assert.equal(await noteOf(page, (await rows(page))[0]), "tc alta");
      assert.equal(await copied(page), "Nota\ntc alta\n");
      await chord(page, "Control", "KeyA");
      const all = (await copied(page)).split("\n");
      const headers = await page.$$eval("#tablaRegistro th", (ths) => ths.map((th) => th.textContent));
      assert.equal(all[0], headers.join("\t"));
      assert.deepEqual(all.slice(1, 3).map((line) => line.split("\t")), await rows(page));

      // Supr takes out the chosen row; the numbers stay; Ctrl+Z puts it back.
      await chord(page, "Control", "Home");
      await chord(page, "Shift", "Space");
      await page.keyboard.press("Delete");
      assert.deepEqual((await rows(page)).map((r) => r[0]), ["2"]);
      await chord(page, "Control", "KeyZ");
      assert.deepEqual((await rows(page)).map((r) => r[0]), ["1", "2"]);

      // Emptying asks first, Cancel being the default; Ctrl+Y redoes it.
      await page.click("#borrarRegistro");
      await page.waitForSelector("#pregunta[open]");
      assert.equal(await text(page, "#preguntaText"),
        "¿Borrar las 2 lecturas anotadas? Se puede deshacer con Deshacer (Ctrl+Z).");
      assert.equal(await page.evaluate(() => document.activeElement.id), "pregunta-cancel");
      await page.keyboard.press("Enter");
      await page.waitForSelector("#pregunta:not([open])");
      assert.equal((await rows(page)).length, 2);
      await page.click("#borrarRegistro");
      await page.waitForSelector("#pregunta[open]");
      await page.click("#pregunta-ok");
      await page.waitForFunction(() => !document.querySelector("#tablaRegistro tbody tr:not(.spacer)"));
      assert.equal(await text(page, "#statusLine"), "Registro borrado");
      await chord(page, "Control", "KeyZ");
      await chord(page, "Control", "KeyY");
      await chord(page, "Control", "KeyZ");
      assert.equal((await rows(page)).length, 2);

      // The tabs by Ctrl+PgDn and Ctrl+PgUp.
      await chord(page, "Control", "PageDown");
      assert.equal(await page.$eval("#panelGrafica", (e) => e.hidden), false);
      await chord(page, "Control", "PageUp");
      assert.equal(await page.$eval("#panelLecturas", (e) => e.hidden), false);

      // F1's list, in the desktop's words, and "Acerca de Gelvor".
      await page.keyboard.press("F1");
      await page.waitForSelector("#frmAtajos[open]");
      const keys = await page.$$eval("#listaAtajos tr", (trs) => trs.map((tr) => tr.textContent));
      assert.ok(keys.includes("Control+Mayúsculas+SGuardar registro como"), keys.join(" | "));
      assert.ok(keys.includes("Alt+1 o Alt+2 o Alt+3Poner los caudales de un punto del ejercicio y aceptar"));
      await page.keyboard.press("Escape");
      await page.click("#acercaDe");
      await page.waitForSelector("#frmAcercaDe[open]");
      assert.match(await text(page, "#frmAcercaDe"), /Gelvor \d+\.\d+.*Licencia: GNU General Public License/s);
      await page.keyboard.press("Enter");

      // Saved, the title names the file and loses its mark.
      await page.focus("#VScroll1");
      await chord(page, "Control", "KeyS");
      assert.equal(await page.title(), "registro.gelvor — Registro de lecturas");
      // Saved under a name typed, with the notebook's extension added.
      await chord(page, "Control", "Shift", "KeyS");
      await page.waitForSelector("#guardarComo[open]");
      assert.equal(await page.$eval("#nombreArchivo", (e) => e.value), "registro.gelvor");
      await chord(page, "Control", "KeyA");
      await page.keyboard.type("practica 3");
      await page.keyboard.press("Enter");
      await page.waitForFunction(() => document.title.startsWith("practica 3.gelvor"));
      for (let i = 0; i < 100 && !readdirSync(folder).includes("practica 3.gelvor"); i++) await sleep(50);
      assert.ok(readdirSync(folder).includes("practica 3.gelvor"));
      assert.deepEqual(errors, []);
    } finally {
      await page.browserContext().close();
    }
  });

  test("a point's marks are shown and explained by keyboard", async () => {
    const { page, errors } = await open();
    try {
      await exercisePoint(page, 1);
      await page.focus("#Interruptor");
      await page.keyboard.press("Space");
      await page.focus("#Text4");
      await chord(page, "Control", "KeyA");
      await page.keyboard.type("60");
      await page.keyboard.press("Enter");
      await chord(page, "Control", "KeyL");
      await chord(page, "Control", "KeyR");
      const marked = await page.evaluate(() => {
        const row = document.querySelector("#tablaRegistro tbody tr");
        const number = row.cells[0];
        const description = document.getElementById(number.getAttribute("aria-describedby"));
        return {
          sign: number.querySelector(".warning-sign") !== null,
          filled: [...row.cells].filter((td) => td.classList.contains("warning")).length,
          described: description?.textContent ?? "",
          box: document.getElementById("marcasPunto").hidden ? "" : document.getElementById("marcasPunto").textContent,
        };
      });
      assert.ok(marked.sign, "the warning sign on the point's number");
      assert.equal(marked.filled, 1, "the setting read out of range is filled");
      assert.match(marked.described, /^Temperatura ambiente fuera del rango/);
      assert.equal(marked.box, marked.described, "the active cell's marks shown beside it");
      assert.deepEqual(errors, []);
    } finally {
      await page.browserContext().close();
    }
  });
});

describe("on paper", { timeout: 60_000 }, () => {
  test("the bench and every row of the notebook under its headings, and no buttons", async () => {
    const points = Array.from({ length: 300 }, (_, i) => ({
      number: i + 1, settings: { evaporator_flow: 20, condenser_flow: 4 + (i % 47), barometer: "1010",
        water: "15", ambient: "18" }, locale: "es_ES", readings: {}, note: "",
    }));
    const file = path.join(folder, "trescientos.gelvor");
    writeFileSync(file, JSON.stringify({ format: "gelvor-registro", version: 1, points }));
    const { page, errors } = await open();
    try {
      await openFile(page, file);
      await page.waitForFunction(() => document.title.startsWith("trescientos"));
      assert.ok((await rows(page)).length < 100, "on screen, the rows in view");
      await page.emulateMediaType("print");
      await page.evaluate(() => dispatchEvent(new Event("beforeprint")));
      const printed = await page.evaluate(() => ({
        rows: document.querySelectorAll("#tablaRegistro tbody tr:not(.spacer)").length,
        heading: getComputedStyle(document.querySelector("#tablaRegistro thead")).display,
        shown: ["#tools", "#notebookTools", "#pestanasRegistro", "#Form1", "#who", "#marcoTabla"]
          .filter((s) => getComputedStyle(document.querySelector(s)).display !== "none"),
      }));
      assert.deepEqual(printed, { rows: 300, heading: "table-header-group",
        shown: ["#Form1", "#who", "#marcoTabla"] });
      await page.emulateMediaType(null);
      await page.evaluate(() => dispatchEvent(new Event("afterprint")));
      assert.ok((await rows(page)).length < 100, "back to the rows in view");
      assert.deepEqual(errors, []);
    } finally {
      await page.browserContext().close();
    }
  });
});

describe("the chart and the diagram, where the page has them", { timeout: 60_000 }, () => {
  test("they follow the notebook, choose rows with the table and export the tab on show", async () => {
    const context = await browser.createBrowserContext(
      { downloadBehavior: { policy: "allow", downloadPath: folder } });
    const page = await context.newPage();
    const errors = [];
    page.on("pageerror", (error) => errors.push(error.message));
    // Stand-ins that note what the notebook asks of them.
    await page.evaluateOnNewDocument(() => {
      window.asked = [];
      const view = (kind) => class {
        constructor(gelvor, container) {
          asked.push(`${kind} in ${container.id}`);
        }
        refresh() {
          asked.push(`${kind} refreshed`);
        }
        setSelectedRow(row) {
          asked.push(`${kind} row ${row}`);
        }
        exportFile(type) {
          asked.push(`${kind} exported as ${type}`);
          return Promise.resolve({ bytes: new TextEncoder().encode(kind), name: `${kind}.${type}`, type: "image/png" });
        }
      };
      // Kept over the page's own classes, which its scripts define later.
      window.GelvorPage = {};
      for (const [name, kind] of [["NotebookChart", "chart"], ["PhDiagram", "diagram"]]) {
        const standIn = view(kind);
        Object.defineProperty(GelvorPage, name, { get: () => standIn, set: () => {} });
      }
    });
    try {
      await page.goto(`${onePage}?locale=es_ES`, { waitUntil: "domcontentloaded" });
      await page.waitForSelector("html[data-ready]");
      const asked = () => page.evaluate(() => asked.splice(0));
      assert.deepEqual((await asked()).filter((a) => a.includes(" in ")),
        ["chart in graficaRegistro", "diagram in diagramaPh"]);
      await recordExercise(page, [1, 2]);
      // Not on show: neither draws until its tab shows.
      assert.deepEqual((await asked()).filter((a) => a.includes("refreshed")), []);
      await chord(page, "Control", "PageDown");
      assert.deepEqual(await asked(), ["chart refreshed"]);
      await chord(page, "Control", "PageDown");
      assert.deepEqual(await asked(), ["diagram refreshed"]);
      await chord(page, "Control", "KeyL"); // on show, it follows at once
      assert.ok((await asked()).includes("diagram refreshed"));

      // A point chosen in either is chosen in the other.
      await page.evaluate(() => gelvorPage.notebook.diagram.onSelectRow(1));
      await chord(page, "Control", "KeyR");
      assert.equal(await page.$eval("#tablaRegistro td.active", (td) => td.parentElement.cells[0].textContent), "2");
      await page.keyboard.press("ArrowUp");
      assert.ok((await asked()).includes("diagram row 0"));

      // Ctrl+G: the diagram, its tab being on show, as the kind chosen.
      await chord(page, "Control", "PageDown");
      await chord(page, "Control", "PageDown");
      await chord(page, "Control", "KeyG");
      await page.waitForSelector("#exportarImagen[open]");
      await page.keyboard.press("ArrowDown"); // from PNG to SVG
      await page.keyboard.press("Enter");
      await page.waitForFunction(() => asked.some((a) => a.startsWith("diagram exported")));
      assert.ok((await asked()).includes("diagram exported as svg"));
      for (let i = 0; i < 100 && !readdirSync(folder).includes("diagram.svg"); i++) await sleep(50);
      assert.equal(readFileSync(path.join(folder, "diagram.svg"), "utf8"), "diagram");
      assert.deepEqual(errors, []);
    } finally {
      await context.close();
    }
  });
});

describe("nothing lost in a browser, or told so", { timeout: 60_000 }, () => {
  test("a reload offers the notebook back, and a saved one is not offered", async () => {
    const { page, errors, asked } = await open({ downloads: folder });
    try {
      await recordExercise(page, [1, 3]);
      await page.reload({ waitUntil: "domcontentloaded" });
      assert.deepEqual(asked, ["beforeunload"], "leaving with unsaved readings asks");
      await page.waitForSelector("html[data-ready]");
      await page.waitForSelector("#pregunta[open]");
      assert.match(await text(page, "#preguntaText"), /sin guardar un registro de 2 lecturas\. ¿Recuperarlo\?$/);
      assert.equal(await page.evaluate(() => document.activeElement.textContent), "Recuperar");
      await page.keyboard.press("Enter");
      await page.waitForFunction(() => document.querySelectorAll("#tablaRegistro tbody tr").length === 2);
      assert.equal(await page.title(), "Sin título* — Registro de lecturas");
      await chord(page, "Control", "KeyS");
      await page.reload({ waitUntil: "domcontentloaded" });
      await page.waitForSelector("html[data-ready]");
      await sleep(300);
      assert.equal(await page.$("#pregunta[open]"), null, "a saved notebook is offered back");
      assert.deepEqual(asked, ["beforeunload"], "a saved notebook asks nothing");
      assert.deepEqual(errors, []);
    } finally {
      await page.browserContext().close();
    }
  });

  test("a notebook the browser's storage cannot hold is said, until it can", async () => {
    const { page, errors } = await open();
    try {
      // The storage filled to its last byte by another page of the same place.
      await page.evaluate(() => {
        for (let size = 1 << 20, i = 0; size >= 1; size >>= 1) {
          try {
            for (;;) localStorage.setItem(`otra-${i++}`, "x".repeat(size));
          } catch {
            // this size no longer fits: a smaller one
          }
        }
      });
      await recordExercise(page, [1, 2]);
      await page.waitForSelector("#avisoCopia:not([hidden])");
      assert.match(await text(page, "#avisoCopia"), /^El registro ya no cabe en el almacenamiento del navegador/);
      assert.equal(await page.$eval("#avisoCopia", (e) => e.getAttribute("role")), "alert");
      // A larger notebook is not tried again after every change; a smaller one is.
      await page.evaluate(() => localStorage.clear());
      await chord(page, "Control", "KeyL");
      await sleep(500);
      assert.equal(await page.$("#avisoCopia[hidden]"), null);
      await chord(page, "Control", "KeyR");
      for (let i = 0; i < 2; i++) {
        await chord(page, "Shift", "Space");
        await page.keyboard.press("Delete");
      }
      await page.waitForSelector("#avisoCopia[hidden]");
      assert.equal(await page.evaluate(() => Object.keys(localStorage).filter((k) => !k.endsWith(".datos")).length), 1);
      assert.deepEqual(errors, []);
    } finally {
      await page.browserContext().close();
    }
  });
});

describe("files of any size and shape", { timeout: 180_000 }, () => {
  test("10,000 points open with their progress shown", async () => {
    const points = Array.from({ length: 10_000 }, (_, i) => ({
      number: i + 1,
      settings: { evaporator_flow: 4 + (i % 47), condenser_flow: 4 + ((i * 7) % 47), barometer: "1010",
        water: "15", ambient: String(10 + (i % 41)) },
      locale: "es_ES", readings: {}, note: i % 100 ? "" : `punto ${i + 1}`,
    }));
    const file = path.join(folder, "diez-mil.gelvor");
    writeFileSync(file, JSON.stringify({ format: "gelvor-registro", version: 1, points }));
    const { page, errors } = await open();
    try {
      await openFile(page, file);
      await page.waitForSelector("#progresoRegistro:not([hidden])", { timeout: 20_000 });
      await page.waitForFunction(() =>
        document.getElementById("tablaRegistro").getAttribute("aria-rowcount") === "10001" &&
        document.getElementById("progresoRegistro").hidden, { timeout: 90_000 });
      assert.equal(await page.title(), "diez-mil.gelvor — Registro de lecturas");
      const made = (await rows(page)).length;
      assert.ok(made > 0 && made < 200, `${made} rows made of 10,000`);
      await chord(page, "Control", "KeyR");
      await chord(page, "Control", "End");
      await page.waitForFunction(() => document.querySelector("#tablaRegistro td.active")?.parentElement
        .cells[0].textContent === "10000");
      await stillComputes(page);
      assert.deepEqual(errors, []);
    } finally {
      await page.browserContext().close();
    }
  });

  test("a file larger than any notebook, or nested too deep, is refused and the page goes on", async () => {
    const large = path.join(folder, "grande.gelvor");
    const fd = openSync(large, "w");
    ftruncateSync(fd, 70_000_000); // sparse: nothing written
    closeSync(fd);
    const deep = path.join(folder, "hondo.gelvor");
    writeFileSync(deep, "[".repeat(100_000));
    const { page, errors } = await open();
    try {
      await recordExercise(page, [1]);
      assert.deepEqual(await openFile(page, large), { focus: "Guardar",
        text: "El registro «Sin título» tiene cambios sin guardar. ¿Guardarlos antes de abrir otro?" });
      await page.waitForFunction(() => document.getElementById("statusLine").textContent.includes("grande"));
      assert.equal(await text(page, "#statusLine"), "No se pudo abrir «grande.gelvor»: El archivo es " +
        "demasiado grande para ser un registro de Gelvor: un registro no pasa de 67,1 MB. " +
        "El registro que había no ha cambiado.");
      await stillComputes(page);
      await openFile(page, deep);
      await page.waitForFunction(() => document.getElementById("statusLine").textContent.includes("hondo"));
      assert.match(await text(page, "#statusLine"), /^No se pudo abrir «hondo\.gelvor»: .* más de 16 niveles\./);
      assert.equal((await rows(page)).length, 1, "the notebook on show stays");
      await stillComputes(page);
      assert.deepEqual(errors, []);
    } finally {
      await page.browserContext().close();
    }
  });
});

describe("a safe CSV", { timeout: 60_000 }, () => {
  test("a note or a name that would be a formula is exported as text", async () => {
    const { page, errors } = await open({ downloads: folder });
    try {
      await recordExercise(page, [1, 2]);
      await page.focus("#grupo");
      await page.keyboard.type("@SUM(A1:A9)");
      await chord(page, "Control", "KeyR");
      await toNote(page);
      await page.keyboard.press("Enter");
      await page.keyboard.type('=HYPERLINK("http://x";"y")');
      await page.keyboard.press("Enter");
      // A hand result that is no number is text too; one that is stays a number.
      await page.keyboard.press("ArrowRight");
      await page.keyboard.type("+1+1");
      await page.keyboard.press("Enter");
      await page.keyboard.press("ArrowRight");
      await page.keyboard.type("-2,5");
      await page.keyboard.press("Enter");
      await chord(page, "Control", "KeyE");
      const file = path.join(folder, "lecturas.csv");
      for (let i = 0; i < 100 && !readdirSync(folder).includes("lecturas.csv"); i++) await sleep(50);
      const lines = readFileSync(file, "utf8").slice(1).split("\r\n");
      const header = lines[0].split(";");
      const note = header.indexOf("Nota");
      assert.ok(lines[1].includes(`;"'=HYPERLINK(""http://x"";""y"")";`), lines[1]);
      assert.ok(lines[1].includes(";'@SUM(A1:A9);"), lines[1]);
      assert.deepEqual(lines[1].split(";").slice(-11, -9), ["'+1+1", "-2,5"]);
      // The readings before the note stay as the table shows them.
      const shown = (await rows(page))[0];
      assert.ok(lines[1].startsWith(shown.slice(0, note).join(";")), lines[1]);
      assert.deepEqual(errors, []);
    } finally {
      await page.browserContext().close();
    }
  });
});

describe("a group's assignment", { timeout: 90_000 }, () => {
  test("prepared by the teacher, taken in the page with the group's results, and reviewed", async () => {
    const teacher = mkdtempSync(path.join(tmpdir(), "gelvor-clase-"));
    const { page, errors } = await open({ downloads: folder });
    try {
      writeFileSync(path.join(teacher, "grupos.txt"), "L3-A: Ana Pérez, Luis Gómez\n");
      const key = path.join(teacher, "profesor.clave");
      const run = (...args) => execFileSync(classCommand, args, { encoding: "utf8", env: { ...process.env, LANG: "C" } });
      run("prepare", "--groups", path.join(teacher, "grupos.txt"), "--out", teacher, "--seed", "5", "--key", key);
      const assignment = JSON.parse(readFileSync(path.join(teacher, "L3-A.gelvor"), "utf8")).assignment;

      await openFile(page, path.join(teacher, "L3-A.gelvor"));
      await page.waitForFunction(() => !document.getElementById("estadoPractica").hidden);
      assert.match(await text(page, "#estadoPractica"), /«L3-A»: 0 de 3 puntos tomados/);
      // The group's points on Alt+1..3, each with all five settings.
      await page.keyboard.press("F2");
      await page.waitForSelector("#frmCondiciones[open]");
      const p = assignment.points[2];
      assert.equal(await text(page, "#puntoEjercicio3"),
        `3) ${p.condenser_flow} y ${p.evaporator_flow} g/s, ${p.barometer} mbar, ${p.water} y ${p.ambient} ºC`);
      await page.keyboard.press("Escape");
      await page.waitForSelector("#frmCondiciones:not([open])");
      await recordExercise(page);
      assert.match(await text(page, "#estadoPractica"), /3 de 3 puntos tomados/);
      assert.equal(await page.$eval("#presionBarometrica", (e) => e.value), String(p.barometer));

      // The group's results typed beside the bench's: its own Qe for each point.
      await chord(page, "Control", "KeyR");
      const headers = await page.$$eval("#tablaRegistro th", (ths) => ths.map((th) => th.textContent));
      const qe = headers.indexOf("Qe (W)");
      const mine = headers.indexOf("Mis resultados: Qe (W)");
      for (let r = 0; r < 3; r++) {
        await chord(page, "Control", "Home");
        for (let i = 0; i < r; i++) await page.keyboard.press("ArrowDown");
        await toNote(page);
        await page.keyboard.press("ArrowRight");
        await page.keyboard.type((await rows(page))[r][qe]);
        await page.keyboard.press("Enter");
      }
      assert.deepEqual((await rows(page)).map((row) => row[mine]), (await rows(page)).map((row) => row[qe]));
      await chord(page, "Control", "KeyS");
      const saved = path.join(folder, "L3-A.gelvor");
      for (let i = 0; i < 100 && !readdirSync(folder).includes("L3-A.gelvor"); i++) await sleep(50);

      // The teacher's review: sealed, authentic, three points and their three results.
      const line = run("review", "--csv", "--key", key, saved).trim().split("\n")[1];
      const review = [...line.matchAll(/("(?:[^"]|"")*"|[^,]*)(?:,|$)/g)].map((m) => m[1]);
      assert.deepEqual(review.slice(3, 8), ["3", "3", "sí", "sí", "3"], review.join(","));
      assert.deepEqual(errors, []);
    } finally {
      await page.browserContext().close();
      rmSync(teacher, { recursive: true, force: true });
    }
  });
});
