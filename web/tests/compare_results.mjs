// Compares the page's result JSON with the desktop's: the same shape, the same texts and
// flags, times within 0.01 s and distances within 0.1 (ft or m), the recommendation and the
// best order exactly (their delays are on the 0.1 s grid and whole seconds). Another C library
// (musl's libm in WebAssembly) may move the last bits of a number, never more.
import assert from "node:assert/strict";

const timeFields = new Set(["delay", "exitTime", "fallTime", "totalTime", "delays"]);

function walk(a, b, where, inPlan) {
  if (typeof a === "number" && typeof b === "number") {
    if (inPlan) {
      assert.equal(a, b, where);
      return;
    }
    const field = where.split(".").at(-1).replace(/\[\d+\]$/, "");
    const tolerance = timeFields.has(field) ? 0.01 : 0.1;
    assert.ok(Math.abs(a - b) <= tolerance, `${where}: ${a} vs ${b}`);
    return;
  }
  if (Array.isArray(a)) {
    assert.ok(Array.isArray(b), where);
    assert.equal(a.length, b.length, where);
    a.forEach((v, i) => walk(v, b[i], `${where}[${i}]`, inPlan));
    return;
  }
  if (a && typeof a === "object") {
    assert.ok(b && typeof b === "object", where);
    assert.deepEqual(Object.keys(a), Object.keys(b), where);
    for (const k of Object.keys(a)) {
      walk(a[k], b[k], `${where}.${k}`, inPlan || k === "recommendation" || k === "bestOrder");
    }
    return;
  }
  assert.equal(a, b, where);
}

export function compareResults(pageResult, desktopResult) {
  walk(pageResult, desktopResult, "result", false);
}
