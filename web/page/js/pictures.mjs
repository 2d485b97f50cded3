// The side view and the top view of a load's flight as SVG text, from the tracks the engine
// recorded of the flight it answered with (so the pictures are what was flown). Both views
// run the jump run from left to right. The top view is seen from above: the right of the
// jump run is down the picture, as on a map turned to the jump run.

export function escapeXml(text) {
  return String(text).replace(/[&<>"']/g, (c) => ({
    "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;", "'": "&#39;",
  })[c]);
}

// A scale from data to picture: [lo, hi] onto [from, to], with lo < hi.
function scale(lo, hi, from, to) {
  const span = hi - lo || 1;
  return (v) => from + ((v - lo) / span) * (to - from);
}

function bounds(values, pad) {
  let lo = Math.min(...values), hi = Math.max(...values);
  if (!isFinite(lo) || !isFinite(hi)) return [0, 1];
  if (hi - lo < 1e-9) { lo -= 1; hi += 1; }
  const margin = (hi - lo) * pad;
  return [lo - margin, hi + margin];
}

const W = 640, H = 360, M = 40;

function frame(title, body, label) {
  return `<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 ${W} ${H}" role="img" ` +
    `aria-label="${escapeXml(label)}"><title>${escapeXml(title)}</title>` +
    `<rect class="pic-bg" x="0" y="0" width="${W}" height="${H}"/>${body}</svg>`;
}

function polyline(points, colour, cls = "track") {
  const d = points.map(([x, y]) => `${x.toFixed(1)},${y.toFixed(1)}`).join(" ");
  return `<polyline class="${cls}" points="${d}" stroke="${colour}"/>`;
}

function legendMark(k, x, y, colour) {
  return `<circle cx="${x.toFixed(1)}" cy="${y.toFixed(1)}" r="9" fill="${colour}" class="mark"/>` +
    `<text x="${x.toFixed(1)}" y="${(y + 4).toFixed(1)}" class="mark-text">${k + 1}</text>`;
}

// Altitude against the distance along the jump run.
export function sideViewSvg(tracks) {
  if (!tracks || tracks.groups.length === 0) return frame("Side view", "", "no answer");
  const along = [tracks.firstExitAlong, tracks.lastExitAlong];
  const ground = tracks.groundAltitude ?? 0;
  const heights = [ground, tracks.exitAltitude];
  for (const g of tracks.groups) for (const p of g.points) { along.push(p[1]); heights.push(p[3]); }
  const [x0, x1] = bounds(along, 0.05);
  const [, y1] = bounds(heights, 0.05);
  const x = scale(x0, x1, M, W - 12), y = scale(ground, y1, H - M, 12);
  let body = `<line class="axis" x1="${M}" y1="${H - M}" x2="${W - 12}" y2="${H - M}"/>` +
    `<line class="axis" x1="${M}" y1="12" x2="${M}" y2="${H - M}"/>` +
    `<text class="axis-text" x="${M}" y="${H - 12}">${escapeXml(tracks.distanceUnit)} along the jump run →</text>` +
    `<text class="axis-text" x="4" y="10">${escapeXml(tracks.altitudeUnit)}</text>` +
    `<text class="axis-text" x="4" y="${y(tracks.exitAltitude) + 4}">${Math.round(tracks.exitAltitude)}</text>` +
    (ground !== 0 ? `<text class="axis-text" x="4" y="${H - M - 4}">${Math.round(ground)}</text>` : "");
  // The aircraft's path from the first exit to the last.
  body += `<line class="aircraft" x1="${x(tracks.firstExitAlong)}" y1="${y(tracks.exitAltitude)}" ` +
    `x2="${x(tracks.lastExitAlong)}" y2="${y(tracks.exitAltitude)}"/>`;
  tracks.groups.forEach((g, k) => {
    body += polyline(g.points.map((p) => [x(p[1]), y(p[3])]), g.colour);
    if (g.opening) body += legendMark(k, x(g.opening[0]), y(g.opening[2]), g.colour);
  });
  return frame("Side view", body, "side view of every group's fall");
}

// The openings seen from above: along the jump run to the right, its right side down the
// picture, each opening with a circle of half the target separation, and north when the
// jump run's heading is known.
export function topViewSvg(tracks) {
  if (!tracks || tracks.groups.length === 0) return frame("Top view", "", "no answer");
  const half = tracks.targetSeparation / 2;
  const xs = [tracks.firstExitAlong, tracks.lastExitAlong], ys = [0];
  for (const g of tracks.groups) {
    for (const p of g.points) { xs.push(p[1]); ys.push(p[2]); }
    if (g.opening) {
      xs.push(g.opening[0] - half, g.opening[0] + half);
      ys.push(g.opening[1] - half, g.opening[1] + half);
    }
  }
  let [x0, x1] = bounds(xs, 0.05), [y0, y1] = bounds(ys, 0.05);
  // One scale for both directions, so that circles stay round and distances true.
  const perUnit = Math.min((W - 2 * M) / (x1 - x0), (H - 2 * M) / (y1 - y0));
  const cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const x = (v) => W / 2 + (v - cx) * perUnit;
  const y = (v) => H / 2 + (v - cy) * perUnit;  // right of the track is down
  let body = `<line class="jump-run" x1="${M / 2}" y1="${y(0)}" x2="${W - M / 2}" y2="${y(0)}"/>` +
    `<text class="axis-text" x="${W - M / 2}" y="${y(0) - 6}" text-anchor="end">jump run →</text>` +
    `<line class="aircraft" x1="${x(tracks.firstExitAlong)}" y1="${y(0)}" x2="${x(tracks.lastExitAlong)}" y2="${y(0)}"/>`;
  tracks.groups.forEach((g, k) => {
    body += polyline(g.points.map((p) => [x(p[1]), y(p[2])]), g.colour, "track thin");
    if (g.opening) {
      body += `<circle class="separation" cx="${x(g.opening[0])}" cy="${y(g.opening[1])}" ` +
        `r="${(half * perUnit).toFixed(1)}" stroke="${g.colour}"/>`;
      body += legendMark(k, x(g.opening[0]), y(g.opening[1]), g.colour);
    }
  });
  if (tracks.jumpRunHeading !== null && tracks.jumpRunHeading !== undefined) {
    body += northArrow(tracks.jumpRunHeading, W - 28, 30);
  }
  return frame("Top view", body, "openings seen from above");
}

// North in the picture: the jump run (heading H) points right and the right of the track
// down, so a bearing B lies (B - H) clockwise from the right; north is at -H.
export function northDirection(heading) {
  const a = (-heading * Math.PI) / 180;
  return [Math.cos(a), Math.sin(a)];
}

export function northArrow(heading, cx, cy) {
  const [dx, dy] = northDirection(heading);
  const at = (along, side) => [cx + dx * along - dy * side, cy + dy * along + dx * side]
    .map((v) => v.toFixed(1)).join(",");
  return `<line class="north" x1="${at(-14, 0).split(",")[0]}" y1="${at(-14, 0).split(",")[1]}" ` +
    `x2="${at(8, 0).split(",")[0]}" y2="${at(8, 0).split(",")[1]}"/>` +
    `<polygon class="north-head" points="${at(20, 0)} ${at(6, -6)} ${at(6, 6)}"/>` +
    `<text class="axis-text" x="${(cx + dx * 32).toFixed(1)}" y="${(cy + dy * 32 + 4).toFixed(1)}" text-anchor="middle">N</text>`;
}
