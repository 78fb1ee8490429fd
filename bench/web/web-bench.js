#!/usr/bin/env node
'use strict';
// The web build in headless Chromium, served on the loopback: the bytes a first visit fetches,
// the time until the window is shown beside a page with an empty canvas, the main thread's work
// in one frame of a slide on a desktop's and on a phone's viewport, and the memory held once
// every page has been shown. Writes one JSON object to standard output, {"rows": [...]} with
// each row's benchmark, timeMs or cpuMs (a median) with minMs and maxMs, iterations and
// counters, or {"skipped": WHY} where the web build, the driver's npm packages or Chromium are
// missing.
//
//   node web-bench.js --root FOLDER [--runs N]
// N (7 unless given) is the number of visits to each page and of slides in each viewport.
const fs = require('fs');
const path = require('path');

function option(name, fallback) {
  const at = process.argv.indexOf(`--${name}`);
  if (at >= 0 && at + 1 < process.argv.length) return process.argv[at + 1];
  if (fallback === undefined) throw new Error('usage: web-bench.js --root FOLDER [--runs N]');
  return fallback;
}

function report(result) {
  process.stdout.write(`${JSON.stringify(result)}\n`);
}

function progress(text) {
  process.stderr.write(`web: ${text} ...\n`);
}

// The driver, or why the benchmarks cannot run.
function loadDriver(root) {
  if (!fs.existsSync(path.join(root, 'index.html'))) return { skipped: `no web build in ${root} (make web)` };
  let driver;
  try {
    driver = require('./browser-driver');
  } catch (error) {
    if (error.code !== 'MODULE_NOT_FOUND') throw error;
    return { skipped: "the browser driver's npm packages are missing (make test-browsers)" };
  }
  const chromium = driver.kLaunchOptions.chromium.executablePath;
  if (!fs.existsSync(chromium)) return { skipped: `no Chromium at ${chromium} (make test-browsers)` };
  return { driver };
}

async function measureAll(driver, root, runs) {
  const { measureServedBytes } = require('./served-bytes');
  const { measureShownTime } = require('./shown-time');
  const { measureSlideFrame } = require('./slide-frame');
  const { measureMemory } = require('./memory-after-walk');
  const { kViewports } = require('./program-page');
  const program = await driver.serveFolder(root);
  const empty = await driver.serveFolder(path.join(__dirname, 'empty-canvas'));
  const session = await driver.PuppeteerSession.start('chromium');
  try {
    const rows = [];
    progress('bytes served');
    rows.push(...(await measureServedBytes(session, root)));
    progress(`lumivor-shown, ${runs} visits to each page`);
    rows.push(...(await measureShownTime(session, program.url, empty.url, runs)));
    for (const viewport of Object.values(kViewports)) {
      progress(`slide frames at ${viewport.name}, ${runs} slides`);
      rows.push(...(await measureSlideFrame(session, program.url, viewport, runs)));
    }
    progress('memory after every page shown');
    rows.push(...(await measureMemory(session, program.url, empty.url)));
    return rows;
  } finally {
    await session.close();
    await program.close();
    await empty.close();
  }
}

async function main() {
  const root = path.resolve(option('root'));
  const runs = Number(option('runs', '7'));
  if (!(runs >= 1)) throw new Error(`--runs wants a count, not "${option('runs')}"`);
  const { driver, skipped } = loadDriver(root);
  if (skipped) return report({ skipped });
  return report({ rows: await measureAll(driver, root, runs) });
}

main().then(() => process.exit(0), error => {
  process.stderr.write(`web-bench: ${error.stack || error}\n`);
  process.exit(1);
});
