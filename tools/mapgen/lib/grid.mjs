// The hex grid of the game: 76 columns by 54 rows, odd columns half a hex higher, and the
// projection that ties a hex to longitude and latitude and to its place in the map picture.

export const COLUMNS = 76;
export const ROWS = 54;
export const HEX_PIXELS = 28;
export const PICTURE_WIDTH = COLUMNS * HEX_PIXELS;
export const PICTURE_HEIGHT = ROWS * HEX_PIXELS;

const WEST = -98.7;
const NORTH = 42.95;
const DEGREES_PER_COLUMN = 0.42;
const DEGREES_PER_ROW = 0.35;

export const isEven = (x) => x % 2 === 0;

export function hexCentre(x, y) {
  const lon = WEST + DEGREES_PER_COLUMN * (x - 1);
  const lat = NORTH - DEGREES_PER_ROW * (y - 1) + (isEven(x) ? 0 : DEGREES_PER_ROW / 2);
  return [lon, lat];
}

// A hex's box in the picture starts at ((x-1)*28, (y-1)*28 + 14 for even x); the counters
// sit at (4, 4) in it, so the point the geography maps to is the middle of that 31-pixel cell.
const CENTRE_DX = 16;
const CENTRE_DY = 15.5;

export function project([lon, lat]) {
  const px = ((lon - WEST) * HEX_PIXELS) / DEGREES_PER_COLUMN + CENTRE_DX;
  const py = ((NORTH + DEGREES_PER_ROW / 2 - lat) * HEX_PIXELS) / DEGREES_PER_ROW + CENTRE_DY;
  return [px, py];
}

// Directions 1..6: N, NE, SE, S, SW, NW.
export function step(x, y, dir) {
  const up = isEven(x) ? 0 : -1;
  switch (dir) {
    case 1: return [x, y - 1];
    case 2: return [x + 1, y + up];
    case 3: return [x + 1, y + up + 1];
    case 4: return [x, y + 1];
    case 5: return [x - 1, y + up + 1];
    case 6: return [x - 1, y + up];
    default: throw new Error(`no direction ${dir}`);
  }
}

export const onMap = (x, y) => x >= 1 && x <= COLUMNS && y >= 1 && y <= ROWS;

export function forEachHex(fn) {
  for (let y = 1; y <= ROWS; y++) for (let x = 1; x <= COLUMNS; x++) fn(x, y);
}

export function parseHexList(text) {
  return text.trim().split(/\s+/).filter(Boolean).map((h) => h.split(',').map(Number));
}

export class Layer {
  constructor(fill) {
    this.cells = Array.from({ length: ROWS }, () => new Array(COLUMNS).fill(fill));
  }
  get(x, y) { return this.cells[y - 1][x - 1]; }
  set(x, y, v) { this.cells[y - 1][x - 1] = v; }
}
