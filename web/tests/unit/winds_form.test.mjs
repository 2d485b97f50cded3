import { test } from "node:test";
import assert from "node:assert/strict";
import { setOptionalNumber, setOptionalText } from "../../page/js/load_form.mjs";

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
