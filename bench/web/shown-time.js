'use strict';
// Navigation start to the window first shown, over fresh visits (a browser context each, nothing
// in the HTTP cache, no service worker yet), beside a page that only shows an empty canvas. The
// two pages take turns, so that both meet the machine alike; the difference is the program's own
// start-up, its hidden slide included.
const { kViewports, openPage, shownAtMs } = require('./program-page');
const { summarise } = require('./summary');

async function shownAt(session, url) {
  await openPage(session, url, kViewports.desktop);
  return shownAtMs(session);
}

async function measureShownTime(session, programUrl, emptyUrl, runs) {
  const program = [];
  const empty = [];
  for (let run = 0; run < runs; ++run) {
    program.push(await shownAt(session, programUrl));
    empty.push(await shownAt(session, emptyUrl));
  }
  const row = (benchmark, times) => {
    const { median, min, max, count } = summarise(times);
    return { benchmark, timeMs: median, minMs: min, maxMs: max, iterations: count };
  };
  const programRow = row('lumivor-shown, program', program);
  const emptyRow = row('lumivor-shown, empty canvas', empty);
  return [programRow, emptyRow,
    { benchmark: 'lumivor-shown, program less empty canvas', timeMs: programRow.timeMs - emptyRow.timeMs, iterations: runs }];
}

module.exports = { measureShownTime };
