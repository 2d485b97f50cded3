// Benchmarks of the page in chromium, measured in the page with performance.now(), not tests:
//   node bench.mjs OUT
// prints the first answer after opening the page (engine compiled and cached: second visit),
// an edit of an 8-group load answered and drawn, and the best order of 8 groups.
import { chromium } from "playwright-core";
import { mkdtempSync } from "node:fs";
import os from "node:os";
import path from "node:path";
import { serve } from "./static_server.mjs";

const out = process.argv[2];
const served = await serve(out);
const context = await chromium.launchPersistentContext(mkdtempSync(path.join(os.tmpdir(), "tarnwick-bench-")), {
  executablePath: "/usr/bin/chromium", headless: true,
  args: ["--no-sandbox", "--headless", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  viewport: { width: 360, height: 740 },
});
const page = context.pages()[0] ?? await context.newPage();
const answered = () => page.waitForFunction(() => document.querySelectorAll("#calls li").length > 0);

const groups = Array.from({ length: 8 }, (_, k) => ({ name: `Group ${k + 1}`,
  fallRate: ["slow", "fast", { dragArea: 3.5 }, { terminalSpeed: 120 }][k % 4],
  ...(k > 0 ? { delay: 6 + (k % 3) } : {}) }));
const load = { format: "tarnwick-load", version: 1, aircraft: { indicatedAirspeed: 80, exitAltitude: 13500 },
  jumpRunHeading: 270, winds: [{ above: 9000, speed: 35, from: 250 }, { above: 3000, headwind: 12 }, { headwind: 5 }],
  groups };

await page.goto(served.url);
await answered();
await page.evaluate((t) => localStorage.setItem("tarnwick.load", t), JSON.stringify(load));
await page.evaluate(() => navigator.serviceWorker.ready);

// First answer after opening: time from navigation start to the calls drawn, second visit.
const firstAnswer = [];
for (let i = 0; i < 5; ++i) {
  await page.reload();
  firstAnswer.push(await page.evaluate(() => new Promise((resolve) => {
    const done = () => resolve(performance.now());
    if (document.querySelectorAll("#calls li").length > 0) done();
    else document.addEventListener("tarnwick-answered", done, { once: true });
  })));
}

// An edit of the 8-group load: from the keystroke to the answer drawn.
const edits = await page.evaluate(async () => {
  const times = [];
  const field = document.querySelector('[aria-label="Group 5 delay"]');
  for (let i = 0; i < 20; ++i) {
    const drawn = new Promise((r) => document.addEventListener("tarnwick-answered", r, { once: true }));
    const start = performance.now();
    field.value = String(6 + (i % 5));
    field.dispatchEvent(new Event("input", { bubbles: true }));
    await drawn;
    times.push(performance.now() - start);
  }
  return times;
});

// The best order of 8 groups through window.tarnwick.
const best = await page.evaluate(async (t) => {
  const times = [];
  for (let i = 0; i < 3; ++i) {
    const start = performance.now();
    await window.tarnwick.plan(t, { bestOrder: true });
    times.push(performance.now() - start);
  }
  return times;
}, JSON.stringify(load));

const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)].toFixed(0);
console.log(`first answer after opening (median of 5): ${median(firstAnswer)} ms`);
console.log(`8-group edit answered and drawn (median of 20, includes the 10 ms debounce): ${median(edits)} ms`);
console.log(`best order of 8 groups (median of 3): ${median(best)} ms`);
await context.close();
served.server.close();
