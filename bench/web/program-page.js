'use strict';
// The program's page as the benchmarks open and drive it: the viewports, the mark the page sets
// when the window is first shown, and its controls found where the page's accessibility mirror
// lays them over the canvas, so that input lands where a learner's would.

const kShownMark = 'lumivor-shown';

const kViewports = {
  // The window's size at start, at one device pixel to a layout unit.
  desktop: { name: '663x480@1', width: 663, height: 480, scale: 1, mobile: false },
  // A phone held upright.
  phone: { name: '390x844@3', width: 390, height: 844, scale: 3, mobile: true },
};

// A first visit to `url` in a browser context of its own, until the window is shown.
function openPage(session, url, viewport) {
  const { width, height, scale, mobile } = viewport;
  return session.open({ url, width, height, scale, mobile, mark: kShownMark });
}

// Until the service worker has kept the program's files, after which the page does nothing more
// of its own accord.
function untilKeptOffline(session) {
  return session.page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
}

// When the mark was set, in ms after the navigation started.
function shownAtMs(session) {
  return session.page.evaluate(mark => performance.getEntriesByName(mark, 'mark')[0].startTime, kShownMark);
}

// The names of the controls of `role` that the page shows now, in the program's order.
function controlNames(session, role) {
  return session.page.evaluate(
    role => [...document.querySelectorAll(`[role="${role}"]`)].map(element => element.getAttribute('aria-label')),
    role);
}

async function controlCentre(session, role, name) {
  const centre = await session.page.evaluate((role, name) => {
    const element = [...document.querySelectorAll(`[role="${role}"]`)].find(e => e.getAttribute('aria-label') === name);
    if (!element) return null;
    const box = element.getBoundingClientRect();
    return [box.x + box.width / 2, box.y + box.height / 2];
  }, role, name);
  if (!centre) throw new Error(`the page shows no ${role} "${name}"`);
  return centre;
}

// A click on the control, or on a phone a tap with one finger.
async function press(session, viewport, role, name) {
  const [x, y] = await controlCentre(session, role, name);
  if (!viewport.mobile) return session.click({ x, y });
  await session.touch({ points: [[x, y]] });
  return session.touch({ points: [] });
}

module.exports = { kShownMark, kViewports, openPage, untilKeptOffline, shownAtMs, controlNames, press };
