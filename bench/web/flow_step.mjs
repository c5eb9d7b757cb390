// How long one flow step takes in the page, from the arrow key's event to
// every display written and laid out: timed in the page with
// performance.now around the event and a read of the layout that makes the
// browser lay the window out at once, over STEPS steps of the evaporator's
// bar (up and down in turn). With the machine on, each step is a pass and its
// 43 displays and the cycle; the floor is the same step with the machine
// off, when only the float moves.
//   node bench/web/flow_step.mjs PAGE.html [STEPS]   (default 400)
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launchBrowser, openReadyPage } from "../../tests/web/browser.mjs";

const [pageFile, stepsText = "400"] = process.argv.slice(2);
if (!pageFile) {
  console.error("usage: node bench/web/flow_step.mjs PAGE.html [STEPS]");
  process.exit(2);
}
const steps = Number(stepsText);

// Median milliseconds of a step, measured in the page.
function timeSteps(page, count) {
  return page.evaluate((count) => {
    const bar = document.getElementById("VScroll1");
    const times = [];
    for (let i = 0; i < count; i++) {
      const key = i % 2 === 0 ? "ArrowUp" : "ArrowDown";
      const start = performance.now();
      bar.dispatchEvent(new KeyboardEvent("keydown", { key, bubbles: true, cancelable: true }));
      void document.getElementById("Form1").offsetHeight; // lays the window out now
      times.push(performance.now() - start);
    }
    times.sort((a, b) => a - b);
    return { median: times[Math.floor(times.length / 2)], low: times[0], high: times.at(-1) };
  }, count);
}

const browser = await launchBrowser();
try {
  const opened = await openReadyPage(browser, pathToFileURL(path.resolve(pageFile)).href);
  const { page } = opened;
  // Flows of 20 g/s first, so that no step reaches a coil without water.
  await page.evaluate(() => {
    for (const id of ["VScroll1", "VScroll2"]) {
      const bar = document.getElementById(id);
      for (let i = 0; i < 20; i++) {
        bar.dispatchEvent(new KeyboardEvent("keydown", { key: "ArrowUp", bubbles: true }));
      }
    }
  });
  await timeSteps(page, 50); // warms the code up
  const off = await timeSteps(page, steps);
  await page.click("#Interruptor");
  await timeSteps(page, 50);
  const on = await timeSteps(page, steps);
  await page.browserContext().close();
  const ms = (t) => `${t.median.toFixed(3)} ms (${t.low.toFixed(3)} to ${t.high.toFixed(3)})`;
  console.log(`a flow step with the machine on, every display and the cycle: ${ms(on)}`);
  console.log(`the same step with the machine off, the float alone: ${ms(off)}`);
  console.log(`against the machine off: ${(on.median / off.median).toFixed(2)} (medians of ${steps})`);
} finally {
  await browser.close();
}
