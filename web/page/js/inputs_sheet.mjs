// The load's inputs on the printed briefing, beside the answer: the aircraft, the drop zone, the
// jump run and spot settings, the winds with their source, and each group's fall rate, opening
// and canopy, in the desktop briefing sheet's own words (the engine's "briefing"; its lines
// name what they give, "Drop zone: ...", "Winds: ...").
import { escapeXml as escape } from "./pictures.mjs";

export function inputsSheetHtml(briefing, loadName) {
  const lines = [`Aircraft: ${briefing.aircraft}`, briefing.dropZone, briefing.spotInputs,
    `Winds: ${briefing.winds.join("; ")}`, briefing.windSource,
    briefing.target].filter(Boolean);
  const groups = briefing.groups.map((g, k) => `<tr><td>${k + 1}</td><td>${escape(g.name)}</td>` +
    `<td>${escape(g.call)}</td><td>${escape(g.fallRate)}</td><td>${escape(g.opening)}</td>` +
    `<td>${escape(g.canopy)}</td></tr>`).join("");
  return `<h2>Inputs${loadName ? `: ${escape(loadName)}` : ""}</h2>` +
    lines.map((line) => `<p class="fact">${escape(line)}</p>`).join("") +
    `<table class="answer-table inputs-groups"><thead><tr><th>#</th><th>Group</th><th>Call</th>` +
    `<th>Fall rate</th><th>Opens</th><th>Canopy</th></tr></thead><tbody>${groups}</tbody></table>`;
}
