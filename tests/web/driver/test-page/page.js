'use strict';
// A page for the browser driver's own tests: a canvas filling the viewport at the device's pixel
// ratio that records every input it receives in `window.received`, marks every pointer press on
// the canvas with a black square, and names the last key pressed, by its code, in the document's title.
const received = [];
window.received = received;
const canvas = document.querySelector('canvas');
const presses = [];
const kBackground = '#2a96ff';

function draw() {
  const ratio = window.devicePixelRatio;
  canvas.width = Math.round(window.innerWidth * ratio);
  canvas.height = Math.round(window.innerHeight * ratio);
  const context = canvas.getContext('2d');
  context.setTransform(ratio, 0, 0, ratio, 0, 0);
  context.fillStyle = kBackground;
  context.fillRect(0, 0, window.innerWidth, window.innerHeight);
  context.fillStyle = '#ffffff';
  context.fillRect(10, 10, 20, 20);
  context.fillStyle = '#000000';
  for (const [x, y] of presses) context.fillRect(x - 2, y - 2, 4, 4);
}

for (const type of ['pointerdown', 'pointermove', 'pointerup', 'pointercancel', 'dblclick', 'contextmenu']) {
  canvas.addEventListener(type, event => {
    received.push({
      type, x: event.clientX, y: event.clientY, button: event.button, pointerId: event.pointerId,
      pointerType: event.pointerType, detail: event.detail, time: performance.now(),
    });
    if (type === 'pointerdown') {
      presses.push([event.clientX, event.clientY]);
      draw();
    }
    if (type === 'contextmenu') event.preventDefault();
  });
}

window.addEventListener('keydown', event => {
  received.push({ type: 'keydown', key: event.key, code: event.code, ctrl: event.ctrlKey, shift: event.shiftKey, alt: event.altKey });
  const held = [event.ctrlKey && 'ctrl', event.shiftKey && 'shift', event.altKey && 'alt'].filter(Boolean);
  document.title = `key ${[...held, event.code].join('+')}`;
  event.preventDefault();
});
document.addEventListener('visibilitychange', () => received.push({ type: 'visibility', state: document.visibilityState }));
window.addEventListener('resize', draw);

draw();
if ('serviceWorker' in navigator && location.protocol === 'http:') {
  navigator.serviceWorker.register('sw.js').then(() => navigator.serviceWorker.ready).then(() => performance.mark('test-page-cached'));
}
requestAnimationFrame(() => performance.mark('test-page-shown'));
