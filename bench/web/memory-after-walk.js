'use strict';
// The memory held once every page has been shown: each page's dot clicked in turn, each time
// until the program has given that dot the focus, which it does in the round that paints the new
// page. Beside it the same figures for a page that shows an empty canvas.
const { kViewports, openPage, untilKeptOffline, controlNames, press } = require('./program-page');
const { rendererPid, residentMiB } = require('./renderer-process');

const kMiB = 1024 * 1024;

async function showEveryPage(session) {
  for (const name of await controlNames(session, 'tab')) {
    await press(session, kViewports.desktop, 'tab', name);
    await session.page.waitForFunction(name => document.activeElement?.getAttribute('aria-label') === name,
      { polling: 20 }, name);
  }
}

// After a full garbage collection: the JavaScript heap (V8's objects, not the buffers behind
// typed arrays), the heap of the page's own objects (its DOM, canvases, pictures' handles), and
// the resident memory of the renderer process, which runs the page's service worker too.
async function memoryNow(session) {
  await session.cdp.send('HeapProfiler.collectGarbage');
  const heap = await session.cdp.send('Runtime.getHeapUsage');
  const resident = residentMiB(await rendererPid(session));
  return {
    js_heap_MiB: heap.usedSize / kMiB,
    dom_heap_MiB: heap.embedderHeapUsedSize / kMiB,
    renderer_rss_MiB: resident.rss,
    renderer_anon_MiB: resident.anonymous,
  };
}

async function measureMemory(session, programUrl, emptyUrl) {
  await openPage(session, programUrl, kViewports.desktop);
  await untilKeptOffline(session);
  await showEveryPage(session);
  // The program's whole WebAssembly memory, as large as it has ever grown.
  const wasmBytes = await session.page.evaluate(() => HEAPU8.buffer.byteLength);
  const program = { wasm_MiB: wasmBytes / kMiB, ...(await memoryNow(session)) };
  await openPage(session, emptyUrl, kViewports.desktop);
  const empty = await memoryNow(session);
  return [
    { benchmark: 'memory after every page shown, program', counters: program },
    { benchmark: 'memory, empty canvas', counters: empty },
  ];
}

module.exports = { measureMemory };
