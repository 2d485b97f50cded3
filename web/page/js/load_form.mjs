// The page's load is the load file's own JSON object (docs/LOAD_FORMAT.md), so what is saved,
// kept in the browser and sent to the engine is one thing. This module turns what a user types
// into that object's fields; the engine checks ranges and rules and says what is wrong.

// A load to start from on a first visit: the four groups of a usual Saturday load.
export function exampleLoad() {
  return {
    format: "tarnwick-load",
    version: 1,
    name: "",
    units: { altitude: "ft", distance: "ft", speed: "kt" },
    aircraft: { indicatedAirspeed: 80, exitAltitude: 13500 },
    jumpRunHeading: 270,
    winds: [
      { above: 9000, speed: 35, from: 250 },
      { above: 3000, headwind: 12 },
      { headwind: 5 },
    ],
    targetSeparation: 1000,
    minimumDelay: 5,
    groups: [
      { name: "Belly 4-way", fallRate: "slow" },
      { name: "Freefly 3", fallRate: "fast", delay: 9 },
    ],
  };
}

// A decimal number as typed: digits with at most one point, a leading minus, nothing else
// (no exponent, no comma, no blanks inside). Leading and trailing blanks are forgiven.
export function readNumber(text) {
  const t = String(text).trim();
  if (!/^-?(\d+\.?\d*|\.\d+)$/.test(t)) return null;
  return Number(t);
}

// The text a field shows for a value of the object (empty for none).
export function fieldText(value) {
  return value === undefined || value === null ? "" : String(value);
}

// Sets a numeric field from typed text. `optional` fields are removed when left empty.
// Returns null when the text was taken, or what is wrong with it, in the user's words.
export function setNumber(object, field, text, { optional = false } = {}) {
  if (String(text).trim() === "") {
    if (!optional) return "needs a number";
    delete object[field];
    return null;
  }
  const value = readNumber(text);
  if (value === null) return "is not a number";
  object[field] = value;
  return null;
}

// How a group's fall rate is given: "slow", "fast", "dragArea" or "terminalSpeed".
export function fallRateKind(fallRate) {
  if (typeof fallRate === "string") return fallRate;
  if (fallRate && "dragArea" in fallRate) return "dragArea";
  return "terminalSpeed";
}

// The fall rate a group gets when its kind is switched, keeping what can be kept.
export function fallRateOfKind(kind, previous) {
  if (kind === "slow" || kind === "fast") return kind;
  const old = typeof previous === "object" && previous ? previous : {};
  if (kind === "dragArea") return { dragArea: old.dragArea ?? 5.2 };
  return {
    terminalSpeed: old.terminalSpeed ?? 120,
    ...(old.unit ? { unit: old.unit } : {}),
    ...(old.atAltitude !== undefined ? { atAltitude: old.atAltitude } : {}),
  };
}

// How a wind layer is given: "headwind" or "direction".
export function windKind(layer) {
  return "headwind" in layer ? "headwind" : "direction";
}

// The groups in a best order with their called delays: `order` holds indices into the load's
// groups, `delays` the delay before each place (null for the first).
export function withOrder(load, order, delays) {
  const next = structuredClone(load);
  next.groups = order.map((index, place) => {
    const group = { ...load.groups[index] };
    delete group.delay;
    if (place > 0 && delays[place] !== null && delays[place] !== undefined) {
      group.delay = delays[place];
    }
    return group;
  });
  return next;
}

// The load with the given delays before each group after the first (nulls leave a delay).
export function withDelays(load, delays) {
  const next = structuredClone(load);
  next.groups.forEach((group, k) => {
    if (k > 0 && delays[k] !== null && delays[k] !== undefined) group.delay = delays[k];
  });
  return next;
}

// --- Winds as levels -----------------------------------------------------------------------
// A load gives its winds as layers (`winds`) or as levels (`windLevels`), never both. Switching
// between them, adding and removing a level are the engine's load edits, the desktop's own
// (edit kinds "windsGivenAs", "addLevel", "removeLevel"), so both fly the same winds.

// --- Objects whose fields are all optional -------------------------------------------------

// Sets a field of an optional object of the load (dropZone, jumpRun, canopy, a group's canopy)
// from typed text; the object goes when its last field does. Returns what setNumber returns.
export function setOptionalNumber(owner, objectName, field, text) {
  const object = owner[objectName] ?? {};
  const problem = setNumber(object, field, text, { optional: true });
  if (problem) return problem;
  if (Object.keys(object).length === 0) delete owner[objectName];
  else owner[objectName] = object;
  return null;
}

export function setOptionalText(owner, objectName, field, text) {
  const object = owner[objectName] ?? {};
  if (text === "") delete object[field]; else object[field] = text;
  if (Object.keys(object).length === 0) delete owner[objectName];
  else owner[objectName] = object;
}
