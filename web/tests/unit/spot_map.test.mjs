import { test } from "node:test";
import assert from "node:assert/strict";
import { scaleLength, groundOpenings, mapBounds, spotMapSvg } from "../../page/js/spot_map.mjs";
import { lightsHtml, spotSummaryText, spotTableHtml, spotRangeText } from "../../page/js/answer_view.mjs";

// One group in still air, worked by hand: green light at -1500 ft, jump run 200 ft right of
// the landing area; the group opens 1000 ft on and 50 ft right of its exit, so at (-500, 250).
const spot = {
  greenLight: { alongTrack: -1500, seconds: -9.9 }, redLight: { alongTrack: -1200, seconds: -7.9 },
  greenLightRange: { from: -3000, to: 0 }, offset: 200,
  groups: [{ reachCentre: { alongTrack: 0, rightOfTrack: 0 }, reachRadius: 2000, margin: 1440 }],
  leastMargin: 1440, allBack: true, farthestOut: null, split: null,
};
const tracks = { firstExitAlong: 300, distanceUnit: "ft", jumpRunHeading: 0,
  groups: [{ name: "A", colour: "#123456", opening: [1300, 50, 3000], points: [] }] };

test("scale bars are 1, 2 or 5 times a power of ten, never longer than the room", () => {
  assert.deepEqual([999, 1000, 1999, 4999, 5000, 0.3].map(scaleLength), [500, 1000, 1000, 2000, 5000, 0.2]);
  assert.equal(scaleLength(0), 0);
});

test("an opening is placed from the green light and the offset, and the map holds every circle", () => {
  assert.deepEqual(groundOpenings(spot, tracks), [[-500, 250]]);
  const [x0, x1, y0, y1] = mapBounds(spot, groundOpenings(spot, tracks));
  assert.ok(x0 < -2000 && x1 > 2000 && y0 < -2000 && y1 > 2000);
  const svg = spotMapSvg(spot, tracks);
  for (const part of ['class="reach"', 'class="landing"', 'class="green-light"', 'class="red-light"', 'class="north"', 'class="scale"']) {
    assert.ok(svg.includes(part), part);
  }
});

test("the lights, the margins and a group that cannot get back are shown in the report's words", () => {
  const page = { report: { spot: { offset: "200 ft",
    greenLightCall: "Green light 0.25 NM (460 m) before abeam the landing area, 10 s at 90 kt over the ground",
    redLightCall: "Red light <0.20 NM>", marginLine: "Least margin -10 ft: \"A <1>\" is short by 10 ft",
    greenLight: { alongTrack: "-1500 ft", seconds: "-9.9 s", position: "1.000000, 2.000000" },
    redLight: { alongTrack: "-1200 ft", seconds: null, position: null }, rangeFrom: null, rangeTo: null,
    groups: [{ reachRadius: "2000 ft", margin: "-10 ft" }], leastMargin: "-10 ft", farthestOut: "A <1>",
    farthestOutBy: "10 ft", splitBefore: null } } };
  const result = { groups: [{ name: "A <1>" }], spot: { ...spot, allBack: false, groups: [{ ...spot.groups[0], margin: -10 }] } };
  const lights = lightsHtml(result, page);
  assert.match(lights, /Green light 0\.25 NM \(460 m\) before abeam.*at 1\.000000, 2\.000000/);
  assert.match(lights, /Red light &lt;0\.20 NM&gt;<\/span><\/li>$/);
  assert.equal(spotSummaryText(result, page), page.report.spot.marginLine);
  const table = spotTableHtml(result, page);
  assert.match(table, /<tr class="short">.*A &lt;1&gt;.*cannot get back/);
  assert.equal(spotRangeText(page), "Jump run 200 ft right of the landing area; every group back from green lights nowhere.");
  assert.equal(lightsHtml({ groups: [] }, { report: { spot: null } }), "");
});
