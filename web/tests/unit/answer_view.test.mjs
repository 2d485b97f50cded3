import { test } from "node:test";
import assert from "node:assert/strict";
import { callsHtml, pairTableHtml, bestOrderHtml } from "../../page/js/answer_view.mjs";

const result = {
  groups: [{ name: "Belly" }, { name: "Free<fly>" }, { name: "Tandem" }],
  pairs: [{ first: 0, second: 1, meetsTarget: true }, { first: 0, second: 2, meetsTarget: false },
    { first: 1, second: 2, meetsTarget: true }],
  bestOrder: { order: [2, 0, 1], roundedDelays: [null, 8, 9], totalTime: 17, heuristic: false },
};
const page = { report: { groups: [{ callText: null }, { callText: "9 s" }, { callText: "10 s" }],
  pairSeparations: ["1200 ft", "700 ft", "1100 ft"] } };

test("the calls name the group before each one and its whole seconds", () => {
  const html = callsHtml(result, page);
  assert.match(html, /Belly<\/span><span class="call-time first">first out/);
  assert.match(html, /9 s after Belly/);
  assert.match(html, /10 s after Free&lt;fly&gt;/);
});

test("pairs under the target are marked apart from those that meet it", () => {
  const html = pairTableHtml(result, page);
  assert.equal((html.match(/class="short"/g) ?? []).length, 1);
  assert.equal((html.match(/class="meets"/g) ?? []).length, 2);
  assert.match(html, /700 ft<\/td><td>✗ under target/);
});

test("the best order lists the file's groups in their new places", () => {
  const html = bestOrderHtml(result, ["Belly", "Free<fly>", "Tandem"]);
  assert.match(html, /<ol><li>Tandem<\/li><li>Belly <span class="call-time">8 s<\/span><\/li><li>Free&lt;fly&gt; /);
  assert.match(bestOrderHtml({ bestOrder: null }, []), /No exit order/);
});
