// Builds data/map/ from public-domain geography: the hex layers the game reads and the
// projected vector lines the map picture is drawn from. Run: npm ci && npm run build

import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { COLUMNS, ROWS, Layer, forEachHex } from './lib/grid.mjs';
import { loadGeography } from './lib/geography.mjs';
import {
  waterAndState, applyTerrain, placeCities, markChains, newSides, borderRiverSides,
  featureSides, waterCrossings, owners1861, setSide, getSide, forEachSide, CLOSED,
} from './lib/layers.mjs';
import { borderRiverLines } from './lib/rivers.mjs';
import { readOverlay, applyOverlay } from './lib/overlay.mjs';
import {
  landLines, lakeLines, borderLines, riverCourses, riverLines, railwayLines, cityMarks,
} from './lib/lines.mjs';
import { electionLines } from './lib/election.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const dataDir = path.join(here, 'data');
const outDir = path.resolve(here, '../../data/map');
const readJson = (name) => JSON.parse(fs.readFileSync(path.join(dataDir, name), 'utf8'));

// The one-character state codes of the state layer, by state number (index 0: no state).
const STATE_CODES = '.123IWLMNOPYHV4SRCJmktvxaslncgbfDEZwBF';

const cities = readJson('cities.json');
const chains = readJson('route-chains.json');
const railways = readJson('railways.json');
const features = readJson('features.json');
const geography = loadGeography(dataDir);
const stretches = borderRiverLines(geography);

const layers = waterAndState(geography);
applyTerrain(layers);
placeCities(layers, cities);

layers.route = new Layer('.');
markChains(layers.route, chains, 'hexes', () => 'R');
layers.flag7 = new Layer('.');
markChains(layers.flag7, chains, 'flag7', () => '7');
layers.rail = new Layer('.');
markChains(layers.rail, railways.filter((r) => r.from === 1862), 'hexes', () => '2');
markChains(layers.rail, railways.filter((r) => r.from === 1861), 'hexes', () => '1');

layers.sides = newSides();
borderRiverSides(layers, layers.sides, stretches);
featureSides(layers, layers.sides, features, chains);
const overlay = readOverlay(path.join(here, 'overlay.txt'));
applyOverlay(layers, overlay);

// Water crossings are closed once the overlay has settled what is water; the overlay's own
// side codes are then laid again, so that a hand-opened crossing stays open.
for (const [x, y, d] of waterCrossings(layers, geography)) setSide(layers.sides, x, y, d, CLOSED);
applyOverlay(layers, overlay.filter((c) => c.what === 'side'));
const crossings = [];
forEachSide((x, y, d) => { if (getSide(layers.sides, x, y, d) === CLOSED) crossings.push([x, y, d]); });
layers.owner = owners1861(layers, cities);

// ---- writing -----------------------------------------------------------------------------

function grid(cell) {
  const rows = [];
  for (let y = 1; y <= ROWS; y++) {
    const row = [];
    for (let x = 1; x <= COLUMNS; x++) row.push(cell(x, y));
    rows.push(row.join(''));
  }
  return rows.join('\n') + '\n';
}

function write(name, text) {
  const file = path.join(outDir, name);
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, text);
}

const lines = (list) => list.join('\n') + '\n';

write('terrain.txt', grid((x, y) => String(layers.terrain.get(x, y))));
write('state.txt', grid((x, y) => STATE_CODES[layers.state.get(x, y)]));
write('owner.txt', grid((x, y) => String(layers.owner.get(x, y))));
write('route.txt', grid((x, y) => layers.route.get(x, y)));
write('flag7.txt', grid((x, y) => layers.flag7.get(x, y)));
write('rail.txt', grid((x, y) => layers.rail.get(x, y)));
write('sides.txt', grid((x, y) => {
  const s = layers.sides[y - 1][x - 1].join('');
  return x < COLUMNS ? `${s} ` : s;
}));
write('water-sides.txt', lines(crossings.map((c) => c.join(','))));
const rivers = riverCourses(stretches, features);
const marks = cityMarks(cities, rivers);
write('cities.txt', lines(cities.map((c) => {
  const [px, py] = marks.get(c.number);
  return [c.number, c.x, c.y, c.state, c.seaPort, c.riverPort, px.toFixed(1), py.toFixed(1), c.name]
    .join(' ');
})));
const land = landLines(geography);
write('lines/land.txt', lines(land.lines));
write('lines/lakes.txt', lines(lakeLines(geography, land)));
write('lines/borders.txt', lines(borderLines(geography)));
write('lines/rivers.txt', lines(riverLines(rivers)));
write('lines/railways.txt', lines(railwayLines(railways, cities, marks)));
write('lines/election-states.txt', lines(electionLines(geography)));

let landHexes = 0;
forEachHex((x, y) => { if (layers.terrain.get(x, y)) landHexes++; });
console.log(`map: ${landHexes} land hexes, ${crossings.length} sides closed to land units`);
