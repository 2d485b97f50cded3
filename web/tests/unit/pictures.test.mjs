import { test } from "node:test";
import assert from "node:assert/strict";
import { topViewSvg, sideViewSvg, northDirection, escapeXml } from "../../page/js/pictures.mjs";

const near = (a, b) => Math.abs(a - b) < 1e-9;

test("north in the top view: a run to the east has north up, a run to the west north down", () => {
  // The run goes to the right; its right side is down the picture (SVG y grows downwards).
  let [x, y] = northDirection(90);
  assert.ok(near(x, 0) && near(y, -1), `east: ${x},${y}`);
  [x, y] = northDirection(270);
  assert.ok(near(x, 0) && near(y, 1), `west: ${x},${y}`);
  [x, y] = northDirection(0);
  assert.ok(near(x, 1) && near(y, 0), `north: ${x},${y}`);
});

function tracks(crossrange) {
  return {
    exitAltitude: 13000, firstExitAlong: 0, lastExitAlong: 500, targetSeparation: 1000,
    distanceUnit: "ft", altitudeUnit: "ft", jumpRunHeading: null,
    groups: [{ name: "A<b>", colour: "#ff0000", exitTime: 0, opening: [0, 0, 3000],
      points: [[0, 0, 0, 13000], [60, 0, 0, 3000]] },
    { name: "B", colour: "#0000ff", exitTime: 5, opening: [500, crossrange, 3000],
      points: [[5, 500, 0, 13000], [65, 500, crossrange, 3000]] }],
  };
}

function markCentres(svg) {
  return [...svg.matchAll(/<circle cx="([\d.-]+)" cy="([\d.-]+)" r="9"/g)].map((m) => [Number(m[1]), Number(m[2])]);
}

test("the top view draws the right of the jump run down the picture, at one scale", () => {
  const [a, b] = markCentres(topViewSvg(tracks(400)));
  assert.ok(b[1] > a[1], "a group opening to the right of the run is lower in the picture");
  assert.ok(b[0] > a[0], "a group opening further along is further right");
  // 500 along and 400 across at one scale: the offsets keep that ratio.
  assert.ok(Math.abs((b[1] - a[1]) / (b[0] - a[0]) - 0.8) < 0.01);
  const [first, left] = markCentres(topViewSvg(tracks(-400)));
  assert.ok(left[1] < first[1], "left of the run is up");
});

test("the side view puts the openings at their altitude, and names are escaped", () => {
  const svg = sideViewSvg(tracks(0));
  const [a, b] = markCentres(svg);
  assert.equal(a[1], b[1]);
  assert.ok(!svg.includes("A<b>"));
  assert.equal(escapeXml(`<"&'>`), "&lt;&quot;&amp;&#39;&gt;");
  assert.match(sideViewSvg({ groups: [] }), /no answer/);
});
