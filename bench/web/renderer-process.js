'use strict';
// What Chromium's renderer process of a page spends: the CPU time of its main thread, and the
// memory the system gives the process.
const fs = require('fs');

// Starts counting the main thread's time in CPU time rather than wall time, so that the other
// programs sharing the machine's cores do not add to it.
function startCounting(session) {
  return session.cdp.send('Performance.enable', { timeDomain: 'threadTicks' });
}

// The CPU time the page's main thread has used since counting started, in ms, less the time it
// spent on the DevTools protocol's commands, which are the benchmark's, not the page's.
async function mainThreadCpuMs(session) {
  const { metrics } = await session.cdp.send('Performance.getMetrics');
  const value = name => metrics.find(metric => metric.name === name).value;
  return (value('ThreadTime') - value('DevToolsCommandDuration')) * 1000;
}

// The id of the process that renders the page, as a trace of the browser names it.
async function rendererPid(session) {
  await session.page.tracing.start({ categories: ['disabled-by-default-devtools.timeline'] });
  const trace = JSON.parse(Buffer.from(await session.page.tracing.stop()).toString());
  const started = trace.traceEvents.find(event => event.name === 'TracingStartedInBrowser');
  const frame = started?.args.data.frames.find(f => f.isOutermostMainFrame && f.url === session.page.url());
  if (!frame) throw new Error(`no renderer process found for ${session.page.url()}`);
  return frame.processId;
}

// The process's resident memory in MiB: all of it, and the part that is its own (anonymous
// memory: heaps, decoded pictures, canvases, WebAssembly memory touched) rather than files mapped.
function residentMiB(pid) {
  const status = fs.readFileSync(`/proc/${pid}/status`, 'utf8');
  const kib = field => Number(status.match(new RegExp(`^${field}:\\s+(\\d+) kB`, 'm'))[1]);
  return { rss: kib('VmRSS') / 1024, anonymous: kib('RssAnon') / 1024 };
}

module.exports = { startCounting, mainThreadCpuMs, rendererPid, residentMiB };
