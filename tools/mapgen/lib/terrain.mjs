// Terrain classes by region: open farmland, woods and fields, wooded hills, dense forest,
// mountains and swamps, impassable ground. Later rules override earlier ones.

import { hexCentre } from './grid.mjs';

export const WATER = 0, OPEN = 1, FOREST = 2, IMPASSABLE = 3, TOWN = 4, RUGGED = 5, HILLS = 6,
  WOODS = 7;

// States whose settled land is open farmland and prairie rather than woods and fields.
const OPEN_STATES = new Set([4, 5, 6, 8, 9, 33]);

const box = (x0, x1, y0, y1) => (x, y) => x >= x0 && x <= x1 && y >= y0 && y <= y1;
const inState = (...states) => (x, y, state) => states.includes(state);
const both = (a, b) => (x, y, s) => a(x, y, s) && b(x, y, s);
const northOf = (lat) => (x, y) => hexCentre(x, y)[1] > lat;
const southOf = (lat) => (x, y) => hexCentre(x, y)[1] < lat;

const REGIONS = [
  [OPEN, both(inState(19), northOf(38.75)), 'northern Missouri, north of the Missouri River'],
  [OPEN, box(34, 36, 14, 16), 'Kentucky Bluegrass'],
  [OPEN, box(29, 31, 20, 22), 'Nashville Basin'],
  [OPEN, box(48, 51, 12, 15), 'Shenandoah Valley floor'],
  [OPEN, both(inState(10, 32), box(51, 55, 9, 12)), 'Great Valley of Pennsylvania and Maryland'],
  [OPEN, box(26, 31, 30, 32), 'Black Belt of Alabama and Mississippi'],
  [OPEN, both(inState(23), box(1, 9, 31, 44)), 'Texas blackland and coastal prairie'],
  [OPEN, both(inState(18), box(55, 60, 10, 13)), 'southern New Jersey farmland'],
  [HILLS, box(11, 18, 15, 22), 'Ozark Plateau'],
  [HILLS, box(12, 16, 25, 27), 'Ouachita front'],
  [HILLS, both(inState(20), box(30, 37, 16, 19)), 'Kentucky knobs and Pennyroyal edge'],
  [HILLS, box(28, 33, 18, 23), 'Highland Rim'],
  [HILLS, both(inState(9), box(38, 43, 11, 14)), 'south-east Ohio hills'],
  [HILLS, both(inState(8), box(29, 34, 12, 15)), 'southern Indiana hills'],
  [HILLS, both(inState(10), box(43, 52, 4, 10)), 'Pennsylvania ridge-and-valley and plateau'],
  [HILLS, box(47, 52, 8, 10), 'Pennsylvania ridge-and-valley'],
  [HILLS, both(inState(22, 27), box(45, 49, 14, 22)), 'Blue Ridge foothills'],
  [HILLS, box(33, 36, 25, 27), 'Piedmont hills of north Georgia and Alabama'],
  [FOREST, box(51, 51, 15, 15), 'Wilderness of Spotsylvania'],
  [FOREST, both(inState(23), box(9, 12, 31, 38)), 'East Texas Piney Woods and Big Thicket'],
  [FOREST, both(inState(25, 30, 29), box(24, 40, 33, 36)), 'longleaf pine belt'],
  [FOREST, both(inState(31), box(37, 44, 37, 46)), 'Florida pine flatwoods'],
  [FOREST, box(58, 58, 11, 11), 'New Jersey Pine Barrens'],
  [RUGGED, box(41, 47, 11, 17), 'Allegheny Mountains and Plateau'],
  [RUGGED, box(37, 44, 16, 20), 'Appalachians of south-west Virginia and east Kentucky'],
  [RUGGED, box(37, 43, 19, 23), 'East Tennessee and western North Carolina mountains'],
  [RUGGED, box(32, 35, 19, 24), 'Cumberland Plateau'],
  [RUGGED, box(32, 34, 24, 26), 'north Georgia and north-east Alabama mountains'],
  [RUGGED, box(54, 54, 20, 20), 'Great Dismal Swamp'],
  [RUGGED, box(39, 40, 35, 36), 'Okefenokee'],
  [RUGGED, box(16, 21, 37, 40), 'Atchafalaya basin and Louisiana coastal marsh'],
  [RUGGED, box(19, 22, 23, 31), 'Yazoo-Mississippi Delta and St. Francis bottoms'],
  [RUGGED, both(inState(31), box(36, 38, 38, 40)), 'Big Bend coast of Florida'],
  [IMPASSABLE, box(36, 36, 22, 22), 'Great Smoky Mountains core'],
  [IMPASSABLE, both(both(inState(31), box(42, 44, 1, 54)), southOf(26.6)), 'the Everglades'],
];

// The Nashville Basin and the Bluegrass sit inside the Highland Rim and the knobs: the
// basins are applied again after the hills so that the rims surround them.
const BASINS_AGAIN = REGIONS.filter(([, , name]) =>
  name === 'Kentucky Bluegrass' || name === 'Nashville Basin' ||
  name === 'Shenandoah Valley floor');

export function terrainOfLand(x, y, state) {
  if (state === 0 || state >= 36) return IMPASSABLE;
  let terrain = OPEN_STATES.has(state) ? OPEN : WOODS;
  for (const [cls, test] of [...REGIONS.slice(0, -2), ...BASINS_AGAIN, ...REGIONS.slice(-2)]) {
    if (test(x, y, state)) terrain = cls;
  }
  return terrain;
}
