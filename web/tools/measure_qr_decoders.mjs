// The two QR decoders the page could bundle, on made-up pictures of a slip's code: three
// sizes (2, 3 and 5 px a module in 640x480), four tilts, and three lights (clear; dim with
// noise; dark with noise), with a light falling off across the picture.
// Usage: node web/tools/measure_qr_decoders.mjs   (after npm --prefix web ci)
import jsQR from 'jsqr';
import QRCode from 'qrcode';
import { readBarcodes, prepareZXingModule } from 'zxing-wasm/reader';
import { readFileSync } from 'node:fs';
// Node has no ImageData; ZXing takes one of these.
globalThis.ImageData = class ImageData {
  constructor(data, width, height) { Object.assign(this, { data, width, height, colorSpace: 'srgb' }); }
};
prepareZXingModule({ overrides: { wasmBinary: readFileSync(new URL('../node_modules/zxing-wasm/dist/reader/zxing_reader.wasm', import.meta.url)) } });
const TEXT = 'http://qr.example.kr/?v=1231m010203040506n000000000000n000000000000n000000000000n000000000000987654321012345678';
const { modules } = QRCode.create(TEXT, { errorCorrectionLevel: 'M' });
let seed = 7;
const random = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
function picture(modulePx, degrees, dark, light, noise) {
  const W = 640, H = 480, n = modules.size, c = Math.cos(degrees * Math.PI / 180), s = Math.sin(degrees * Math.PI / 180);
  const data = new Uint8ClampedArray(W * H * 4);
  for (let y = 0; y < H; y++) for (let x = 0; x < W; x++) {
    const dx = x - W / 2, dy = y - H / 2;
    const u = (c * dx + s * dy) / modulePx + n / 2, v = (-s * dx + c * dy) / modulePx + n / 2;
    const inside = u >= 0 && v >= 0 && u < n && v < n && modules.get(Math.floor(v), Math.floor(u));
    const shade = (inside ? dark : light) + (random() - 0.5) * 2 * noise + (x / W) * 30;
    const i = (y * W + x) * 4;
    data[i] = data[i + 1] = data[i + 2] = shade; data[i + 3] = 255;
  }
  return { data, width: W, height: H };
}
const cases = [];
for (const px of [2, 3, 5]) for (const deg of [0, 12, 30, 45]) for (const [dark, light, noise] of [[20, 235, 0], [60, 130, 25], [40, 90, 15]]) cases.push([px, deg, dark, light, noise]);
let js = 0, zx = 0; const rows = [];
for (const k of cases) {
  const p = picture(...k);
  const a = jsQR(p.data, p.width, p.height)?.data === TEXT;
  const b = (await readBarcodes(new ImageData(p.data, p.width, p.height), { formats: ['QRCode'] }).catch(() => []))?.[0]?.text === TEXT;
  js += a; zx += b; rows.push(`${k.join(',')}: jsQR ${a ? 'yes' : 'no'}, ZXing ${b ? 'yes' : 'no'}`);
}
console.log(rows.join('\n'));
console.log(`jsQR ${js}/${cases.length}, ZXing ${zx}/${cases.length}`);
