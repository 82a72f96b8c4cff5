// The QR decoder for browsers without their own: ZXing compiled to WebAssembly behind the
// browser's own BarcodeDetector interface, bundled into the site at build time and loaded
// only when the player asks to read a slip. Its WebAssembly comes from the site itself.
import { BarcodeDetector, prepareZXingModule } from 'barcode-detector/ponyfill';

prepareZXingModule({
  overrides: {
    // Beside this module, in the release the page asked it from.
    locateFile: (path, prefix) => (path.endsWith('.wasm')
      ? `${new URL('zxing_reader.wasm', import.meta.url).href}${new URL(import.meta.url).search}` : prefix + path),
  },
});

export default BarcodeDetector;
