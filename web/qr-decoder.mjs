// The QR decoder for browsers without their own: bundled into the site at build time and
// loaded only when the player asks to read a slip.
import jsQR from 'jsqr';

export default jsQR;
