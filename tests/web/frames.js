// The frames of the browser test: the native harness's bitmaps read, and
// frames written as PNG to be looked at.
'use strict';

const childProcess = require('child_process');
const fs = require('fs');

const Width = 800;
const Height = 600;

// A 24-bit bitmap of the native harness, as RGBA.
function readBmp(file) {
  const bytes = fs.readFileSync(file);
  const offset = bytes.readUInt32LE(10);
  const w = bytes.readInt32LE(18);
  const h = bytes.readInt32LE(22);
  if (bytes.readUInt16LE(28) !== 24 || w !== Width || Math.abs(h) !== Height) {
    throw new Error(`${file}: not a ${Width}x${Height} 24-bit bitmap`);
  }
  const stride = (w * 3 + 3) & ~3;
  const rgba = Buffer.alloc(w * Height * 4);
  for (let y = 0; y < Height; ++y) {
    const row = offset + stride * (h > 0 ? Height - 1 - y : y);
    for (let x = 0; x < w; ++x) {
      const from = row + x * 3;
      const to = (y * w + x) * 4;
      rgba[to] = bytes[from + 2];
      rgba[to + 1] = bytes[from + 1];
      rgba[to + 2] = bytes[from];
      rgba[to + 3] = 255;
    }
  }
  return rgba;
}

function savePng(rgba, file) {
  const raw = file + '.rgba';
  fs.writeFileSync(raw, rgba);
  childProcess.execFileSync('convert', ['-size', `${Width}x${Height}`, '-depth', '8', `rgba:${raw}`, file]);
  fs.unlinkSync(raw);
}

module.exports = { Width, Height, readBmp, savePng };
