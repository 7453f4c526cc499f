// The vector lines the map picture is drawn from, projected to picture pixels and simplified
// to what a 2128 x 1512 picture can show.

import * as topojson from 'topojson-client';
import { PICTURE_WIDTH, PICTURE_HEIGHT, project, hexCentre, parseHexList } from './grid.mjs';
import { simplify, closestOnPolylines } from './geometry.mjs';

const MARGIN = 40;
const TOLERANCE = 0.35;
const BOUNDS = [-MARGIN, -MARGIN, PICTURE_WIDTH + MARGIN, PICTURE_HEIGHT + MARGIN];

// Sutherland-Hodgman against the picture and its margin: a ring keeps its shape inside.
function clipRing(ring) {
  const edges = [
    (p) => p[0] >= BOUNDS[0], (p) => p[1] >= BOUNDS[1],
    (p) => p[0] <= BOUNDS[2], (p) => p[1] <= BOUNDS[3],
  ];
  const cut = [
    (a, b) => lerpAt(a, b, 0, BOUNDS[0]), (a, b) => lerpAt(a, b, 1, BOUNDS[1]),
    (a, b) => lerpAt(a, b, 0, BOUNDS[2]), (a, b) => lerpAt(a, b, 1, BOUNDS[3]),
  ];
  let out = ring;
  edges.forEach((inside, e) => {
    const input = out;
    out = [];
    input.forEach((p, i) => {
      const prev = input[(i + input.length - 1) % input.length];
      if (inside(p)) {
        if (!inside(prev)) out.push(cut[e](prev, p));
        out.push(p);
      } else if (inside(prev)) {
        out.push(cut[e](prev, p));
      }
    });
  });
  return out;
}

function lerpAt(a, b, axis, value) {
  const t = (value - a[axis]) / (b[axis] - a[axis]);
  return [a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t];
}

const insideBounds = (p) => p[0] >= BOUNDS[0] && p[0] <= BOUNDS[2] && p[1] >= BOUNDS[1] && p[1] <= BOUNDS[3];

// Open lines keep only their stretches that come near the picture.
function clipLine(points) {
  const runs = [];
  let run = [];
  points.forEach((p, i) => {
    const near = insideBounds(p) || (i > 0 && insideBounds(points[i - 1])) ||
      (i + 1 < points.length && insideBounds(points[i + 1]));
    if (near) run.push(p);
    else if (run.length) { runs.push(run); run = []; }
  });
  if (run.length) runs.push(run);
  return runs.filter((r) => r.length > 1);
}

const format = (points) => points.map(([x, y]) => `${x.toFixed(1)},${y.toFixed(1)}`).join(' ');

// Where a coast's real shapes are finer than a pixel (the arms of the delta, the spit before
// Mobile Bay), the picture draws them a little wider: the stretch of the ring from the point
// nearest "from" on to the point nearest "to" is replaced. The hexes keep the real coast.
function redraw(ring, patches) {
  let out = ring;
  for (const patch of patches) {
    const gap = (i, p) => Math.hypot(out[i][0] - p[0], out[i][1] - p[1]);
    const nearest = (p) => out.reduce((best, _, i) => (gap(i, p) < gap(best, p) ? i : best), 0);
    const from = nearest(patch.from), to = nearest(patch.to);
    if (gap(from, patch.from) > PATCH_REACH || gap(to, patch.to) > PATCH_REACH) continue;
    out = from < to
      ? [...out.slice(0, from + 1), ...patch.points, ...out.slice(to)]
      : [...out.slice(to, from + 1), ...patch.points];
  }
  return out;
}
const PATCH_REACH = 0.01;

function projectedRings(feature, redrawn) {
  const patches = redrawn.filter((p) => p.state === feature.name);
  return feature.rings
    .map((ring) => simplify(clipRing(redraw(ring, patches).map(project)), TOLERANCE))
    .filter((r) => r.length >= 3);
}

// Foreign countries come first and U.S. states after them, so that a lake written to follow
// the last foreign feature clears foreign land only.
export function landLines(geography) {
  const out = [];
  let id = 0;
  let lastForeign = 0;
  for (const feature of [...geography.foreign, ...geography.states]) {
    const rings = projectedRings(feature, geography.redrawn);
    if (!rings.length) continue;
    id++;
    if (geography.foreign.includes(feature)) lastForeign = id;
    for (const ring of rings) out.push(`${id} ${feature.state} ${format(ring)}`);
  }
  return { lines: out, lastForeign, last: id };
}

// Each lake is painted after the land feature it names: the last foreign one for lakes over
// foreign land only, the very last for lakes over any land.
export function lakeLines(geography, land) {
  return geography.lakes.map((lake) => {
    const after = lake.over === 'foreign' ? land.lastForeign : land.last;
    return `${after} ${format(simplify(lake.points.map(project), TOLERANCE))}`;
  });
}

function openLines(lonLatLines, tolerance = TOLERANCE) {
  return lonLatLines.flatMap((line) => clipLine(line.map(project)).map((r) => simplify(r, tolerance)));
}

// Rivers lose the oxbows of the boundary surveys: at this scale they read as scribble.
const RIVER_TOLERANCE = 1.2;

// State borders and the international borders on the map.
export function borderLines(geography) {
  const states = topojson.mesh(geography.us, geography.us.objects.states, (a, b) => a !== b);
  const nations = topojson.mesh(geography.world, geography.world.objects.countries, (a, b) =>
    a !== b && [a, b].some((f) => f.properties.name === 'United States of America'));
  return openLines([...states.coordinates, ...nations.coordinates]).map(format);
}

// A tributary's mouth is the end of its line nearer the river it joins; the line is carried
// on from there to the drawn line of that river, so that the two meet in the picture however
// each was simplified.
const MEETS = 0.05;
function joinAtMouth(lines, main) {
  const ends = [
    { line: lines[0], at: 0 }, { line: lines[lines.length - 1], at: lines[lines.length - 1].length - 1 },
  ].map((end) => {
    const p = end.line[end.at];
    const q = closestOnPolylines(p, main);
    return { ...end, q, gap: Math.hypot(q[0] - p[0], q[1] - p[1]) };
  });
  const mouth = ends[0].gap <= ends[1].gap ? ends[0] : ends[1];
  if (mouth.gap <= MEETS) return;
  if (mouth.at === 0) mouth.line.unshift(mouth.q);
  else mouth.line.push(mouth.q);
}

// The drawn rivers in picture pixels: { width, points } each. A feature counts as part of
// the river its "river" names; the Mississippi below the 31st parallel joins the stretches
// above it like a tributary, since the border line it continues stops short of the parallel.
export function riverCourses(stretches, features) {
  const rivers = [
    ...stretches.map((s) => ({ name: s.river.name, width: s.river.width, points: s.points })),
    ...features.filter((f) => f.kind === 'river').map((f) => ({
      name: f.river ?? f.name, joins: f.joins, width: f.width, points: f.points,
    })),
  ];
  const drawn = new Map();
  function draw(river) {
    if (!drawn.has(river)) {
      const lines = openLines([river.points], RIVER_TOLERANCE);
      if (river.joins && lines.length) {
        const main = rivers.filter((r) => r.name === river.joins && r !== river).flatMap(draw);
        joinAtMouth(lines, main);
      }
      drawn.set(river, lines);
    }
    return drawn.get(river);
  }
  return rivers.flatMap((river) => draw(river).map((points) => ({ width: river.width, points })));
}

export const riverLines = (courses) => courses.map((c) => `${c.width} ${format(c.points)}`);

// A city's mark sits at its real place, pulled inside its own hex where the hex was moved
// to keep two cities apart.
const MARK_RADIUS = 11;
function markInHex(city) {
  const centre = project(hexCentre(city.x, city.y));
  const real = project([city.lon, city.lat]);
  const dx = real[0] - centre[0], dy = real[1] - centre[1];
  const d = Math.hypot(dx, dy);
  if (d <= MARK_RADIUS) return real;
  return [centre[0] + (dx * MARK_RADIUS) / d, centre[1] + (dy * MARK_RADIUS) / d];
}

// A town on the very edge of a great river, or one whose hex lies across it, names its bank
// ("bank": north, south, east or west); its mark is moved off the water to that side, so a
// player reads on which shore it stands.
const GREAT_RIVER = 3;
const BANK_CLEARANCE = 2;
const BANKS = { north: [0, -1], south: [0, 1], east: [1, 0], west: [-1, 0] };
export function cityMarks(cities, courses) {
  const great = courses.filter((c) => c.width === GREAT_RIVER).map((c) => c.points);
  return new Map(cities.map((city) => {
    const mark = markInHex(city);
    if (!city.bank) return [city.number, mark];
    const [vx, vy] = BANKS[city.bank];
    const q = closestOnPolylines(mark, great);
    const short = BANK_CLEARANCE - ((mark[0] - q[0]) * vx + (mark[1] - q[1]) * vy);
    return [city.number, short > 0 ? [mark[0] + vx * short, mark[1] + vy * short] : mark];
  }));
}

// Railways run along their hex chains through each city's mark. A chain zigzags from
// column to column, so the track is relaxed towards its neighbours, the cities held fast.
const RELAX_PASSES = 8;
function relax(points, pinned) {
  let p = points;
  for (let pass = 0; pass < RELAX_PASSES; pass++) {
    p = p.map((q, i) => (pinned[i] || i === 0 || i === p.length - 1 ? q : [
      0.5 * q[0] + 0.25 * (p[i - 1][0] + p[i + 1][0]),
      0.5 * q[1] + 0.25 * (p[i - 1][1] + p[i + 1][1]),
    ]));
  }
  return p;
}

// A line whose hex chain would carry the track across water is drawn along its real course
// ("track": its stations and bends between the two end cities).
export function railwayLines(railways, cities, marks) {
  const cityAt = new Map(cities.map((c) => [`${c.x},${c.y}`, c]));
  const cityMark = (city) => marks.get(city.number);
  return railways.map((line) => {
    const hexes = parseHexList(line.hexes);
    if (line.track) {
      const [first, last] = [hexes[0], hexes[hexes.length - 1]].map(([x, y]) => cityAt.get(`${x},${y}`));
      return `${line.from} ${format([cityMark(first), ...line.track.map(project), cityMark(last)])}`;
    }
    const pinned = hexes.map(([x, y]) => cityAt.has(`${x},${y}`));
    const points = hexes.map(([x, y]) => {
      const city = cityAt.get(`${x},${y}`);
      return city ? cityMark(city) : project(hexCentre(x, y));
    });
    return `${line.from} ${format(relax(points, pinned))}`;
  });
}
