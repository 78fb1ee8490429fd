'use strict';
// The main thread's work in one frame of a slide: slides started by «Следующий», card after card,
// each measured as the CPU time the renderer's main thread used from the press until the slide
// was over (idle waiting between the 20 ms steps costs none), less what it used in as long a
// stretch with nothing to do, divided by the frames the slide put on the window's canvas. The
// work is the program's own rounds and what the browser does on that thread to show each frame.
const { openPage, untilKeptOffline, press } = require('./program-page');
const { startCounting, mainThreadCpuMs } = require('./renderer-process');
const { summarise } = require('./summary');

// Counts the frames the page shows: each begins with the window's background filled whole, on
// the canvas in the document, before the controls are drawn over it.
function countFrames() {
  const frames = (window.lumivorBenchFrames = { count: 0, last: performance.now() });
  const fillRect = CanvasRenderingContext2D.prototype.fillRect;
  CanvasRenderingContext2D.prototype.fillRect = function (x, y, width, height) {
    if (this.canvas.isConnected && x === 0 && y === 0 && width === this.canvas.width && height === this.canvas.height) {
      frames.count += 1;
      frames.last = performance.now();
    }
    return fillRect.apply(this, arguments);
  };
}

const kPollMs = 50;
// Longer than the longest pause between two steps of a slide on this machine.
const kQuietMs = 500;

const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

function framesShown(session) {
  return session.page.evaluate(() => ({ ...window.lumivorBenchFrames, now: performance.now() }));
}

// The frames shown and the main thread's CPU time over `stretch`, which waits for whatever it
// measures; wall time in ms.
async function measured(session, stretch) {
  const before = await framesShown(session);
  const cpuBefore = await mainThreadCpuMs(session);
  const startedAt = Date.now();
  await stretch();
  const wallMs = Date.now() - startedAt;
  const cpuMs = (await mainThreadCpuMs(session)) - cpuBefore;
  return { frames: (await framesShown(session)).count - before.count, cpuMs, wallMs };
}

// Looks at the frames shown every little while until `over` says so.
async function watchFrames(session, over) {
  for (;;) {
    await sleep(kPollMs);
    if (over(await framesShown(session))) return;
  }
}

async function measureSlideFrame(session, url, viewport, runs) {
  await openPage(session, url, viewport);
  await untilKeptOffline(session);
  await session.page.evaluate(countFrames);
  await startCounting(session);
  const slides = [];
  for (let run = 0; run < runs; ++run) {
    const { count } = await framesShown(session);
    slides.push(await measured(session, async () => {
      await press(session, viewport, 'button', 'Следующий');
      await watchFrames(session, frames => frames.count > count && frames.now - frames.last >= kQuietMs);
    }));
  }
  const wallMs = summarise(slides.map(slide => slide.wallMs)).median;
  const idle = await measured(session, () => {
    const end = Date.now() + wallMs;
    return watchFrames(session, () => Date.now() >= end);
  });
  if (idle.frames !== 0) throw new Error(`the page showed ${idle.frames} frames with nothing to do`);
  const perFrame = summarise(slides.map(slide => (slide.cpuMs - (idle.cpuMs * slide.wallMs) / idle.wallMs) / slide.frames));
  return [{
    benchmark: `slide frame, main thread, ${viewport.name}`,
    cpuMs: perFrame.median,
    minMs: perFrame.min,
    maxMs: perFrame.max,
    iterations: slides.reduce((sum, slide) => sum + slide.frames, 0),
    counters: {
      slides: runs,
      frames_per_slide: summarise(slides.map(slide => slide.frames)).median,
      cpu_ms_per_slide: summarise(slides.map(slide => slide.cpuMs)).median,
      idle_cpu_ms_per_s: (idle.cpuMs * 1000) / idle.wallMs,
    },
  }];
}

module.exports = { measureSlideFrame };
