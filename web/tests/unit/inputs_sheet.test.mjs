import { test } from "node:test";
import assert from "node:assert/strict";
import { inputsSheetHtml } from "../../page/js/inputs_sheet.mjs";

const briefing = {
  aircraft: "85 kt indicated, exit at 13000 ft msl", dropZone: "Drop zone: <DZ> & co", spotInputs: "Jump run 0 ft right",
  winds: ["At 9000 ft: 25 kt from 240 deg", "At 3000 ft: 12 kt from 200 deg"], windSource: "", target: "Target separation 1000 ft",
  groups: [{ name: "Belly <8>", call: "first out", fallRate: "Slow", opening: "3500 ft", canopy: "20 kt, sink 14 ft/s" }],
};

test("the printed inputs give every line of the briefing's words, escaped, and a row per group", () => {
  const html = inputsSheetHtml(briefing, "Saturday & Sunday");
  assert.match(html, /<h2>Inputs: Saturday &amp; Sunday<\/h2>/);
  assert.match(html, /Drop zone: &lt;DZ&gt; &amp; co/);
  assert.match(html, /Winds: At 9000 ft: 25 kt from 240 deg; At 3000 ft: 12 kt from 200 deg/);
  assert.equal((html.match(/<p class="fact">/g) ?? []).length, 5, "no line for a source the winds do not have");
  assert.match(html, /<td>Belly &lt;8&gt;<\/td><td>first out<\/td><td>Slow<\/td><td>3500 ft<\/td><td>20 kt, sink 14 ft\/s<\/td>/);
});
