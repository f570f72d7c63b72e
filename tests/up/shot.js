// Measures a screenshot for the update window's tests; one answer line per query.
//   node shot.js SHOT.png QUERY...
// Queries (rectangles as X,Y,W,H in screen pixels):
//   at:X,Y                 the pixel as RRGGBB
//   ink:X,Y,W,H            the number of dark pixels (luminance below 128)
//   other:X,Y,W,H,RRGGBB   the number of pixels of another colour than RRGGBB
//   bands:X,Y,W,H          the number of bands of rows holding dark pixels (text lines)
//   firstink:X,Y,W,H       "DX DY": the leftmost column and the topmost row with dark pixels, from X,Y
//   hues:X,Y,W,H           "BLUE ORANGE": the numbers of blue and of orange pixels
'use strict';
const { execFileSync } = require('child_process');

// Debian's name for ImageMagick's converter first, then the generic one.
function converter() {
  for (const name of ['convert-im6.q16', 'convert']) {
    try {
      execFileSync(name, ['-version'], { stdio: 'ignore' });
      return name;
    } catch (e) { /* try the next */ }
  }
  throw new Error('ImageMagick (convert) is not installed');
}

function readPpm(file) {
  const data = execFileSync(converter(), [file, '-depth', '8', 'ppm:-'], { maxBuffer: 64 * 1024 * 1024 });
  const header = data.toString('latin1', 0, 64).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  if (!header) throw new Error(`${file}: not a picture convert can read`);
  return { width: Number(header[1]), height: Number(header[2]), pixels: data.subarray(header[0].length) };
}

const [, , file, ...queries] = process.argv;
const shot = readPpm(file);

function rgb(x, y) {
  if (x < 0 || y < 0 || x >= shot.width || y >= shot.height) return [255, 255, 255];
  const i = (y * shot.width + x) * 3;
  return [shot.pixels[i], shot.pixels[i + 1], shot.pixels[i + 2]];
}
const hex = ([r, g, b]) => ((r << 16) | (g << 8) | b).toString(16).toUpperCase().padStart(6, '0');
const dark = ([r, g, b]) => 0.299 * r + 0.587 * g + 0.114 * b < 128;
const blue = ([r, g, b]) => b > r + 60 && b > g + 20;
const orange = ([r, g, b]) => r > 200 && g > 110 && g < 210 && b < 110;

function each(x0, y0, w, h, visit) {
  for (let y = y0; y < y0 + h; y++) for (let x = x0; x < x0 + w; x++) visit(rgb(x, y), x - x0, y - y0);
}
function count(x, y, w, h, test) {
  let n = 0;
  each(x, y, w, h, (p) => { if (test(p)) n++; });
  return n;
}

const measures = {
  at: (x, y) => hex(rgb(x, y)),
  ink: (x, y, w, h) => count(x, y, w, h, dark),
  other: (x, y, w, h, colour) => count(x, y, w, h, (p) => hex(p) !== colour.toUpperCase()),
  bands: (x, y, w, h) => {
    let bands = 0, inBand = false;
    for (let row = 0; row < h; row++) {
      const inked = count(x, y + row, w, 1, dark) > 0;
      if (inked && !inBand) bands++;
      inBand = inked;
    }
    return bands;
  },
  firstink: (x, y, w, h) => {
    let left = -1, top = -1;
    each(x, y, w, h, (p, dx, dy) => {
      if (!dark(p)) return;
      if (left < 0 || dx < left) left = dx;
      if (top < 0) top = dy;
    });
    return `${left} ${top}`;
  },
  hues: (x, y, w, h) => `${count(x, y, w, h, blue)} ${count(x, y, w, h, orange)}`,
};

for (const query of queries) {
  const [name, args = ''] = query.split(':');
  const measure = measures[name];
  if (!measure) throw new Error(`unknown query ${query}`);
  const values = args.split(',').map((v) => (/^-?\d+$/.test(v) ? Number(v) : v));
  console.log(measure(...values));
}
