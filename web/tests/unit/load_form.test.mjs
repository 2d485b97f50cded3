import { test } from "node:test";
import assert from "node:assert/strict";
import { readNumber, setNumber, fallRateOfKind, fallRateKind, withOrder, withDelays } from "../../page/js/load_form.mjs";

test("numbers are read as typed with a point, and nothing else passes", () => {
  for (const [text, value] of [["80", 80], [" 4500.5 ", 4500.5], ["-12", -12], [".5", 0.5], ["7.", 7]]) {
    assert.equal(readNumber(text), value, text);
  }
  for (const text of ["", "1,5", "1e3", "0x10", "Infinity", "NaN", "1 000", "--1", "+1", "."]) {
    assert.equal(readNumber(text), null, text);
  }
});

test("a field takes a number, an optional one is removed when emptied, a bad text changes nothing", () => {
  const group = { delay: 5 };
  assert.equal(setNumber(group, "delay", "9"), null);
  assert.equal(group.delay, 9);
  assert.equal(setNumber(group, "delay", "nine"), "is not a number");
  assert.equal(group.delay, 9);
  assert.equal(setNumber(group, "delay", "", { optional: true }), null);
  assert.ok(!("delay" in group));
  assert.equal(setNumber(group, "delay", ""), "needs a number");
});

test("switching a fall rate's kind keeps what the new kind can use", () => {
  assert.equal(fallRateOfKind("fast", { dragArea: 3 }), "fast");
  assert.deepEqual(fallRateOfKind("dragArea", "slow"), { dragArea: 5.2 });
  const terminal = { terminalSpeed: 110, unit: "mph", atAltitude: 5000 };
  assert.deepEqual(fallRateOfKind("terminalSpeed", terminal), terminal);
  assert.equal(fallRateKind(terminal), "terminalSpeed");
  assert.equal(fallRateKind({ dragArea: 4 }), "dragArea");
});

test("a best order reorders the groups and gives each place its called delay", () => {
  const load = { groups: [{ name: "A", fallRate: "slow" }, { name: "B", fallRate: "fast", delay: 9 },
    { name: "C", fallRate: "slow", delay: 4 }] };
  const next = withOrder(load, [2, 0, 1], [null, 7, 11]);
  assert.deepEqual(next.groups, [{ name: "C", fallRate: "slow" }, { name: "A", fallRate: "slow", delay: 7 },
    { name: "B", fallRate: "fast", delay: 11 }]);
  assert.equal(load.groups[0].name, "A", "the load it came from is unchanged");
  assert.deepEqual(withDelays(load, [null, 6, null]).groups.map((g) => g.delay), [undefined, 6, 4]);
});
