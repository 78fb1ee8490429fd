'use strict';
// WebKit: Debian's WebKitWebDriver with its MiniBrowser, in the X server of DISPLAY. One MiniBrowser
// serves every page, since starting one takes seconds.
const fs = require('fs');
const { WebDriverClient } = require('./webdriver-client');
const { kAccessibleElements, kHasMark, kWindowBox } = require('./page-script');
const { strokeSteps, waitFor } = require('./input-timing');

const kDriver = '/usr/bin/WebKitWebDriver';
const kMiniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

const kButtons = { left: 0, middle: 1, right: 2 };
// The key values of WebDriver for the keys the tests name as puppeteer does.
const kKeys = {
  Enter: '\uE006', Tab: '\uE004', ArrowLeft: '\uE012', ArrowRight: '\uE014',
  ArrowUp: '\uE013', ArrowDown: '\uE015', Escape: '\uE00C', F4: '\uE034',
  Control: '\uE009', Shift: '\uE008', Alt: '\uE00A',
};

function keyValue(name) {
  if (kKeys[name] !== undefined) return kKeys[name];
  if ([...name].length === 1) return name;
  throw new Error(`no WebDriver key for "${name}"`);
}

class WebKitSession {
  static async start() {
    return new WebKitSession(await WebDriverClient.start(kDriver));
  }

  constructor(client) {
    this.client = client;
  }

  pointer(actions) {
    return this.client.performActions([{ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions }]);
  }

  async open({ url, width, height, scale = 1, mobile = false, mark, timeoutMs = 30000 }) {
    if (scale !== 1 || mobile) throw new Error('WebKit is driven at a device pixel ratio of 1 and without touch only');
    if (!this.client.sessionId) {
      await this.client.newSession({
        'webkitgtk:browserOptions': { binary: kMiniBrowser, args: ['--automation'] },
        timeouts: { pageLoad: timeoutMs, script: timeoutMs },
      });
    }
    await this.client.session('POST', '/url', { url: 'about:blank' });
    await this.resize({ width, height });
    await this.client.session('POST', '/url', { url });
    if (mark) await this.waitForMark(mark, timeoutMs);
    return {};
  }

  async waitForMark(mark, timeoutMs) {
    await waitFor(() => this.client.execute(kHasMark, [mark]), timeoutMs,
      `the page set no performance mark "${mark}" within ${timeoutMs} ms`);
  }

  async reload({ mark, timeoutMs = 30000 }) {
    await this.client.session('POST', '/refresh', {});
    if (mark) await this.waitForMark(mark, timeoutMs);
    return {};
  }

  async evaluate({ expression }) {
    return { value: await this.client.execute(`return (${expression});`) };
  }

  async windowBox() {
    return { box: await this.client.execute(kWindowBox) };
  }

  async screenshot({ file }) {
    fs.writeFileSync(file, Buffer.from(await this.client.session('GET', '/screenshot'), 'base64'));
    return {};
  }

  async mouse({ action, x, y, button = 'left' }) {
    const actions = [];
    if (x !== undefined) actions.push({ type: 'pointerMove', x, y, duration: 0 });
    if (action === 'down') actions.push({ type: 'pointerDown', button: kButtons[button] });
    if (action === 'up') actions.push({ type: 'pointerUp', button: kButtons[button] });
    await this.pointer(actions);
    return {};
  }

  async click({ x, y, button = 'left', count = 1 }) {
    const actions = [{ type: 'pointerMove', x, y, duration: 0 }];
    for (let click = 0; click < count; ++click)
      actions.push({ type: 'pointerDown', button: kButtons[button] }, { type: 'pointerUp', button: kButtons[button] });
    await this.pointer(actions);
    return {};
  }

  // WebKitWebDriver moves a pointer in one jump whatever the move's duration, so the steps are
  // spelt out, each taking its share of the time.
  async drag({ from, to, durationMs, button = 'left', pointer = 'mouse' }) {
    if (pointer !== 'mouse') throw new Error('WebKit is driven with the mouse only');
    const actions = [{ type: 'pointerMove', x: from[0], y: from[1], duration: 0 }, { type: 'pointerDown', button: kButtons[button] }];
    for (const step of strokeSteps(from, to, durationMs))
      actions.push({ type: 'pause', duration: Math.round(step.pauseMs) }, { type: 'pointerMove', x: step.x, y: step.y, duration: 0 });
    actions.push({ type: 'pointerUp', button: kButtons[button] });
    await this.pointer(actions);
    return {};
  }

  async touch() {
    throw new Error('touch is driven in Chromium only');
  }

  async key({ key, modifiers = [] }) {
    const down = [...modifiers, key].map(name => ({ type: 'keyDown', value: keyValue(name) }));
    const up = [key, ...[...modifiers].reverse()].map(name => ({ type: 'keyUp', value: keyValue(name) }));
    await this.client.performActions([{ type: 'key', id: 'keyboard', actions: [...down, ...up] }]);
    return {};
  }

  // The window is larger than the viewport by MiniBrowser's own bars.
  async resize({ width, height }) {
    const inner = await this.client.execute('return [window.innerWidth, window.innerHeight];');
    const outer = await this.client.session('GET', '/window/rect');
    const barsWidth = outer.width - inner[0];
    const barsHeight = outer.height - inner[1];
    await this.client.session('POST', '/window/rect', { width: width + barsWidth, height: height + barsHeight });
    return {};
  }

  // Minimising the window hides the page; setting its size again brings it back.
  async visibility({ hidden }) {
    if (hidden) await this.client.session('POST', '/window/minimize', {});
    else await this.client.session('POST', '/window/rect', await this.client.session('GET', '/window/rect'));
    const wanted = hidden ? 'hidden' : 'visible';
    await waitFor(async () => (await this.client.execute('return document.visibilityState;')) === wanted, 5000,
      `the page did not become ${wanted}`);
    return {};
  }

  // Every element with an ARIA role, with the role and the name that WebKit computes for it, the
  // states the page gives it and whether it has the focus; texts as they stand.
  async accessibility() {
    const nodes = [];
    for (const { element, index, ...node } of await this.client.execute(kAccessibleElements, [true])) {
      if (node.role === 'text') {
        nodes.push(node);
        continue;
      }
      const id = Object.values(element)[0];
      nodes.push({
        ...node,
        role: await this.client.session('GET', `/element/${id}/computedrole`),
        name: await this.client.session('GET', `/element/${id}/computedlabel`),
      });
    }
    return { nodes };
  }

  async console() {
    throw new Error('WebKitWebDriver gives no console messages');
  }

  // The dialog open now, if any: WebKitWebDriver dismisses it at the next other command, which it
  // then fails.
  async dialogs() {
    try {
      return { texts: [await this.client.session('GET', '/alert/text')] };
    } catch {
      return { texts: [] };
    }
  }

  async offline({ offline }, server) {
    server.refuse(offline);
    return {};
  }

  async alive() {
    return { alive: (await this.client.execute('return true;')) === true };
  }

  async close() {
    await this.client.stop();
  }
}

module.exports = { WebKitSession };
