// The hex layers built from the geography: water and state, terrain, river routes, railways,
// hex sides and the 1861 owner of every hex.

import {
  Layer, forEachHex, hexCentre, step, onMap, parseHexList,
} from './grid.mjs';
import { lineCrossesPolyline } from './geometry.mjs';
import { terrainOfLand, WATER, TOWN } from './terrain.mjs';
import { statePair } from './rivers.mjs';

const SAMPLES = 5; // per axis, inside the middle of the hex
const LON_SPAN = 0.3, LAT_SPAN = 0.26;

// A hex is land when most of its middle is land; it belongs to the state that holds most of it.
export function waterAndState(geography) {
  const terrain = new Layer(WATER);
  const state = new Layer(0);
  forEachHex((x, y) => {
    const [lon, lat] = hexCentre(x, y);
    const votes = new Map();
    let land = 0;
    for (let i = 0; i < SAMPLES; i++) {
      for (let j = 0; j < SAMPLES; j++) {
        const p = [lon + LON_SPAN * (i / (SAMPLES - 1) - 0.5), lat + LAT_SPAN * (j / (SAMPLES - 1) - 0.5)];
        const feature = geography.landAt(p);
        if (!feature) continue;
        land++;
        votes.set(feature.state, (votes.get(feature.state) ?? 0) + 1);
      }
    }
    if (land * 2 <= SAMPLES * SAMPLES) return;
    const [winner] = [...votes.entries()].sort((a, b) => b[1] - a[1] || a[0] - b[0])[0];
    terrain.set(x, y, 1);
    state.set(x, y, winner);
  });
  return { terrain, state };
}

export function applyTerrain(layers) {
  forEachHex((x, y) => {
    if (layers.terrain.get(x, y) === WATER) return;
    layers.terrain.set(x, y, terrainOfLand(x, y, layers.state.get(x, y)));
  });
}

export function placeCities(layers, cities) {
  for (const city of cities) {
    layers.terrain.set(city.x, city.y, TOWN);
    layers.state.set(city.x, city.y, city.state);
  }
}

export function markChains(layer, chains, field, mark) {
  for (const chain of chains) {
    for (const [x, y] of parseHexList(chain[field])) layer.set(x, y, mark(chain));
  }
}

// ---- hex sides -------------------------------------------------------------------------

export const newSides = () => new Layer(null).cells.map((row) => row.map(() => [0, 0, 0]));

export const getSide = (sides, x, y, d) => sides[y - 1][x - 1][d - 1];
export function setSide(sides, x, y, d, code) {
  sides[y - 1][x - 1][d - 1] = code;
}

// Every side once: the hex, the direction 1..3 and the neighbour across it.
export function forEachSide(fn) {
  forEachHex((x, y) => {
    for (let d = 1; d <= 3; d++) {
      const [nx, ny] = step(x, y, d);
      if (onMap(nx, ny)) fn(x, y, d, nx, ny);
    }
  });
}

const isLand = (layers, x, y) => layers.terrain.get(x, y) !== WATER;

function distanceToLine([px, py], points) {
  let best = Infinity;
  for (let i = 1; i < points.length; i++) {
    const [ax, ay] = points[i - 1], [bx, by] = points[i];
    const dx = bx - ax, dy = by - ay;
    const len2 = dx * dx + dy * dy || 1e-12;
    const t = Math.max(0, Math.min(1, ((px - ax) * dx + (py - ay) * dy) / len2));
    best = Math.min(best, Math.hypot(px - ax - t * dx, py - ay - t * dy));
  }
  return best;
}

const midpoint = (a, b) => [(a[0] + b[0]) / 2, (a[1] + b[1]) / 2];
const raise = (sides, x, y, d, code) => setSide(sides, x, y, d, Math.max(getSide(sides, x, y, d), code));

// A side between two states that a river divides takes the river's code when the river
// runs near the side.
export function borderRiverSides(layers, sides, stretches) {
  const NEAR = 0.3;
  forEachSide((x, y, d, nx, ny) => {
    const a = layers.state.get(x, y), b = layers.state.get(nx, ny);
    if (a === b || !isLand(layers, x, y) || !isLand(layers, nx, ny)) return;
    const key = statePair(a, b);
    const m = midpoint(hexCentre(x, y), hexCentre(nx, ny));
    for (const s of stretches) {
      if (s.key === key && s.river.code && distanceToLine(m, s.points) < NEAR) {
        raise(sides, x, y, d, s.river.code);
      }
    }
  });
}

// Which side of a line a point lies on, by the nearest segment: +1 or -1.
function bankOf(p, points) {
  let best = Infinity, bank = 1;
  for (let i = 1; i < points.length; i++) {
    const [ax, ay] = points[i - 1], [bx, by] = points[i];
    const dx = bx - ax, dy = by - ay;
    const t = Math.max(0, Math.min(1, ((p[0] - ax) * dx + (p[1] - ay) * dy) / (dx * dx + dy * dy || 1e-12)));
    const d = Math.hypot(p[0] - ax - t * dx, p[1] - ay - t * dy);
    if (d < best) {
      best = d;
      bank = dx * (p[1] - ay) - dy * (p[0] - ax) >= 0 ? 1 : -1;
    }
  }
  return bank;
}

// A river's route hexes all count as lying on the bank that holds most of them, so that the
// coded edge runs beside the route and a boat's or a column's way along it crosses no side.
function routeBanks(feature, chainsByName) {
  const banks = new Map();
  for (const name of feature.chains ?? []) {
    const hexes = parseHexList(chainsByName.get(name).hexes);
    const votes = hexes.reduce((sum, [x, y]) => sum + bankOf(hexCentre(x, y), feature.points), 0);
    for (const [x, y] of hexes) banks.set(`${x},${y}`, votes >= 0 ? 1 : -1);
  }
  return banks;
}

// A river or ridge inside a state codes every side whose centre-to-centre link crosses it,
// except at a ridge's gaps; along a river with a route, the sides between the route and the
// far bank instead.
export function featureSides(layers, sides, features, chains) {
  const chainsByName = new Map(chains.map((c) => [c.river, c]));
  for (const f of features.filter((feature) => feature.side)) {
    const banks = routeBanks(f, chainsByName);
    const bank = (x, y, centre) => banks.get(`${x},${y}`) ?? bankOf(centre, f.points);
    forEachSide((x, y, d, nx, ny) => {
      if (!isLand(layers, x, y) || !isLand(layers, nx, ny)) return;
      const a = hexCentre(x, y), b = hexCentre(nx, ny);
      const onRoute = banks.has(`${x},${y}`) || banks.has(`${nx},${ny}`);
      if (!onRoute && !lineCrossesPolyline(a, b, f.points)) return;
      if (inGap(midpoint(a, b), f.gaps)) return;
      if (onRoute && !nearLine(midpoint(a, b), f.points)) return;
      if (bank(x, y, a) !== bank(nx, ny, b)) raise(sides, x, y, d, f.side);
    });
  }
}

const nearLine = (p, points) => distanceToLine(p, points) < 0.45;

// Passes through a ridge (Harpers Ferry, Cumberland Gap, the gorge at Chattanooga) stay open.
const GAP_REACH = 0.22;
const inGap = (p, gaps = []) => gaps.some((g) => Math.hypot(p[0] - g[0], p[1] - g[1]) < GAP_REACH);

// Two land hexes with open water between their centres are joined only by boat: the side
// between them is closed to land units.
export const CLOSED = 3;
export function waterCrossings(layers, geography) {
  const STEPS = 24, LONGEST_RUN = 0.45;
  const crossings = [];
  forEachSide((x, y, d, nx, ny) => {
    if (!isLand(layers, x, y) || !isLand(layers, nx, ny)) return;
    const a = hexCentre(x, y), b = hexCentre(nx, ny);
    let run = 0, longest = 0;
    for (let i = 0; i <= STEPS; i++) {
      const p = [a[0] + ((b[0] - a[0]) * i) / STEPS, a[1] + ((b[1] - a[1]) * i) / STEPS];
      run = geography.landAt(p) ? 0 : run + 1;
      longest = Math.max(longest, run);
    }
    if (longest / STEPS >= LONGEST_RUN) crossings.push([x, y, d]);
  });
  return crossings;
}

// ---- owner -------------------------------------------------------------------------------

// The camp that controls each state when the war begins; Kentucky and Missouri are neutral.
export function controlSide1861(state) {
  if (state >= 1 && state <= 18) return 1;
  if (state >= 21 && state <= 31) return 2;
  if (state >= 32 && state <= 35) return 1;
  return 0;
}

export function owners1861(layers, cities) {
  const owner = new Layer(0);
  forEachHex((x, y) => {
    if (isLand(layers, x, y)) owner.set(x, y, controlSide1861(layers.state.get(x, y)));
  });
  for (const city of cities) owner.set(city.x, city.y, city.side1861);
  return owner;
}
