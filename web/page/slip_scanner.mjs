// A slip's QR code, from a photo or the camera: its text goes to the tickets as typed text
// would, never opened. The camera is asked for only when the player taps scan, and stopped
// as soon as a code is read.
import { $ } from './dom.mjs';
import { ofRelease } from './release.mjs';
import { addTicket, ticketsStatus } from './tickets_panel.mjs';

// The QR decoder: the browser's own where it reads QR codes, else the bundled one, loaded
// only now; both behind the same interface.
async function decoder() {
  let Detector = window.BarcodeDetector ?? null;
  try {
    if (Detector !== null && !(await Detector.getSupportedFormats()).includes('qr_code')) {
      Detector = null;
    }
  } catch {
    Detector = null;
  }
  if (Detector === null) {
    ({ default: Detector } = await import(ofRelease('./qr-decoder.mjs')));
  }
  const detector = new Detector({ formats: ['qr_code'] });
  return async (canvas) => (await detector.detect(canvas))[0]?.rawValue ?? null;
}

// A picture drawn on a canvas no larger than a phone's screen needs for a code.
function canvasOf(source, width, height) {
  const scale = Math.min(1, 1280 / Math.max(width, height));
  const canvas = document.createElement('canvas');
  canvas.width = Math.max(1, Math.round(width * scale));
  canvas.height = Math.max(1, Math.round(height * scale));
  canvas.getContext('2d', { willReadFrequently: true }).drawImage(source, 0, 0, canvas.width, canvas.height);
  return canvas;
}

let scanning = null;
function stopScan() {
  if (scanning !== null) {
    scanning.stream.getTracks().forEach((track) => track.stop());
    clearTimeout(scanning.timer);
    scanning = null;
  }
  $('scanner').hidden = true;
}

async function readPhoto(event) {
  const file = event.target.files[0];
  event.target.value = '';
  if (!file) {
    return;
  }
  ticketsStatus.textContent = '사진에서 QR 코드를 찾는 중…';
  let picture;
  try {
    picture = await createImageBitmap(file);
  } catch {
    ticketsStatus.textContent = `${file.name}: 그림 파일로 읽을 수 없습니다.`;
    return;
  }
  const code = await (await decoder())(canvasOf(picture, picture.width, picture.height));
  if (code === null) {
    ticketsStatus.textContent = '사진에서 QR 코드를 찾지 못했습니다. 용지의 QR 코드가 크고 선명하게 나오도록 다시 찍어 주세요.';
    return;
  }
  await addTicket(code, true);
}

async function scan() {
  if (scanning !== null) {
    return;
  }
  if (!navigator.mediaDevices?.getUserMedia) {
    ticketsStatus.textContent = '이 브라우저나 기기에서는 카메라를 쓸 수 없습니다. 용지 사진으로 읽어 주세요.';
    return;
  }
  let stream;
  try {
    stream = await navigator.mediaDevices.getUserMedia({ video: { facingMode: 'environment' }, audio: false });
  } catch (error) {
    ticketsStatus.textContent = error?.name === 'NotAllowedError' || error?.name === 'SecurityError'
      ? '카메라 사용이 허용되지 않았습니다. 브라우저 설정에서 이 페이지의 카메라를 허용하거나 용지 사진으로 읽어 주세요.'
      : '카메라를 찾지 못했습니다. 용지 사진으로 읽어 주세요.';
    return;
  }
  const video = $('scanner-video');
  video.srcObject = stream;
  $('scanner').hidden = false;
  scanning = { stream, timer: 0 };
  ticketsStatus.textContent = '용지의 QR 코드를 카메라에 비춰 주세요.';
  const detect = await decoder();
  await video.play().catch(() => {});
  const look = async () => {
    if (scanning === null) {
      return;
    }
    const code = video.videoWidth > 0 ? await detect(canvasOf(video, video.videoWidth, video.videoHeight)) : null;
    if (code !== null) {
      stopScan();
      await addTicket(code, true);
    } else if (scanning !== null) {
      scanning.timer = setTimeout(look, 250);
    }
  };
  look();
}

export function startSlipScanner() {
  $('ticket-photo').addEventListener('change', readPhoto);
  $('scan-ticket').addEventListener('click', scan);
  $('stop-scan').addEventListener('click', () => {
    stopScan();
    ticketsStatus.textContent = '카메라를 껐습니다.';
  });
}
