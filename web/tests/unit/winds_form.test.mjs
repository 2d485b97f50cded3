import { test } from "node:test";
import assert from "node:assert/strict";
import {
  windsAsLevels, windsAsLayers, withLevelAdded, withLevelRemoved, setOptionalNumber, setOptionalText,
} from "../../page/js/load_form.mjs";

const layered = {
  dropZone: { elevation: 5500 },
  winds: [{ above: 9000, speed: 35, from: 250 }, { above: 3000, headwind: 12 }, { headwind: 5 }],
};

test("switching layers to levels keeps each wind at its base, the ground layer's at the elevation", () => {
  const levels = windsAsLevels(layered);
  assert.deepEqual(levels.windLevels, [
    { altitude: 9000, speed: 35, from: 250 }, { altitude: 3000, headwind: 12 }, { altitude: 5500, headwind: 5 }]);
  assert.equal("winds" in levels, false);
  assert.deepEqual(layered.winds.length, 3, "the load switched from is left as it was");
});

test("switching levels to layers runs from the top down, the lowest to the ground, and drops the source", () => {
  const load = { windLevels: [{ altitude: 3000, speed: 10, from: 90 }, { altitude: 12000, speed: 40, from: 270 }],
    windSource: { format: "winds aloft bulletin" } };
  const layers = windsAsLayers(load);
  assert.deepEqual(layers.winds, [{ above: 12000, speed: 40, from: 270 }, { speed: 10, from: 90 }]);
  assert.equal("windLevels" in layers || "windSource" in layers, false);
  // And back: the same levels (the ground layer at 0 without a drop zone).
  assert.deepEqual(windsAsLevels(layers).windLevels, [{ altitude: 12000, speed: 40, from: 270 }, { altitude: 0, speed: 10, from: 90 }]);
});

test("a new level goes one step above the highest with its wind; removing takes out that row", () => {
  const feet = withLevelAdded({ windLevels: [{ altitude: 6000, speed: 20, from: 240 }, { altitude: 9000, headwind: 8 }] });
  assert.deepEqual(feet.windLevels.at(-1), { altitude: 10000, headwind: 8 });
  const metres = withLevelAdded({ units: { altitude: "m" }, windLevels: [{ altitude: 2000, speed: 20, from: 240 }] });
  assert.deepEqual(metres.windLevels.at(-1), { altitude: 2300, speed: 20, from: 240 });
  assert.deepEqual(withLevelRemoved(feet, 0).windLevels, [{ altitude: 9000, headwind: 8 }, { altitude: 10000, headwind: 8 }]);
});

test("an optional object keeps its fields and goes with its last one; a bad number changes nothing", () => {
  const load = {};
  assert.equal(setOptionalNumber(load, "dropZone", "latitude", "-39.5"), null);
  setOptionalText(load, "dropZone", "name", "Sky Ranch");
  assert.deepEqual(load.dropZone, { latitude: -39.5, name: "Sky Ranch" });
  assert.equal(setOptionalNumber(load, "dropZone", "latitude", "39,5"), "is not a number");
  assert.deepEqual(load.dropZone, { latitude: -39.5, name: "Sky Ranch" });
  setOptionalNumber(load, "dropZone", "latitude", "");
  setOptionalText(load, "dropZone", "name", "");
  assert.equal("dropZone" in load, false);
});
