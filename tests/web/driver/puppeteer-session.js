'use strict';
// Chromium over the DevTools protocol and Firefox over WebDriver BiDi, both through puppeteer-core.
// Each page opens in a browser context of its own, as a first visit; the context lives until the
// next page is opened, so a reload in it is a second visit.
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');
const { kAccessibleElements, kHasMark, kWindowBox } = require('./page-script');
const { sleep, strokeSteps, waitFor } = require('./input-timing');

// Without the flags that stop Chromium's own traffic, a closed network refuses many connections
// and slows every start.
const kChromiumFlags = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

const kLaunchOptions = {
  chromium: { executablePath: '/usr/bin/chromium', args: kChromiumFlags },
  firefox: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' },
};

class PuppeteerSession {
  static async start(browserName) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), `lumivor-${browserName}-`));
    const browser = await puppeteer.launch({
      ...kLaunchOptions[browserName],
      headless: true,
      userDataDir: profile,
      defaultViewport: null,
    });
    return new PuppeteerSession(browserName, browser, profile);
  }

  constructor(browserName, browser, profile) {
    this.browserName = browserName;
    this.browser = browser;
    this.profile = profile;
    this.context = null;
    this.page = null;
    this.cover = null;
    this.messages = [];
    this.touching = 0;
  }

  get isChromium() {
    return this.browserName === 'chromium';
  }

  requireChromium(what) {
    if (!this.isChromium) throw new Error(`${what} is driven in Chromium only`);
  }

  async open({ url, width, height, scale = 1, mobile = false, mark, timeoutMs = 30000 }) {
    if (this.context) await this.context.close();
    this.context = await this.browser.createBrowserContext();
    this.page = await this.context.newPage();
    this.cover = null;
    this.messages = [];
    this.touching = 0;
    this.viewport = { width, height, deviceScaleFactor: scale, isMobile: mobile, hasTouch: mobile };
    const page = this.page;
    page.on('console', message => this.messages.push({ type: message.type(), text: message.text() }));
    page.on('pageerror', error => this.messages.push({ type: 'pageerror', text: String(error.message || error) }));
    page.on('requestfailed', request =>
      this.messages.push({ type: 'requestfailed', text: `${request.url()}: ${request.failure()?.errorText}` }));
    page.on('response', response => {
      if (response.status() >= 400)
        this.messages.push({ type: 'httperror', text: `${response.url()}: ${response.status()}` });
    });
    page.on('dialog', dialog => {
      this.messages.push({ type: 'dialog', text: dialog.message() });
      dialog.dismiss().catch(() => {});
    });
    await page.setViewport(this.viewport);
    if (this.isChromium) this.cdp = await page.createCDPSession();
    await page.goto(url, { waitUntil: 'load', timeout: timeoutMs });
    if (mark) await this.waitForMark(mark, timeoutMs);
    return {};
  }

  async waitForMark(mark, timeoutMs) {
    await waitFor(() => this.page.evaluate(new Function(kHasMark), mark), timeoutMs,
      `the page set no performance mark "${mark}" within ${timeoutMs} ms`);
  }

  async reload({ mark, timeoutMs = 30000 }) {
    await this.page.reload({ waitUntil: 'load', timeout: timeoutMs });
    if (mark) await this.waitForMark(mark, timeoutMs);
    return {};
  }

  async evaluate({ expression }) {
    return { value: await this.page.evaluate(expression) };
  }

  async windowBox() {
    return { box: await this.page.evaluate(new Function(kWindowBox)) };
  }

  async screenshot({ file }) {
    fs.writeFileSync(file, await this.page.screenshot({ type: 'png', optimizeForSpeed: this.isChromium }));
    return {};
  }

  async mouse({ action, x, y, button = 'left' }) {
    const mouse = this.page.mouse;
    if (x !== undefined) await mouse.move(x, y);
    if (action === 'down') await mouse.down({ button });
    if (action === 'up') await mouse.up({ button });
    return {};
  }

  // `count` clicks in quick succession, each counted on from the last, as a double click is.
  async click({ x, y, button = 'left', count = 1 }) {
    await this.page.mouse.click(x, y, { button, count });
    return {};
  }

  async drag({ from, to, durationMs, button = 'left', pointer = 'mouse' }) {
    if (pointer === 'touch') {
      await this.touch({ points: [from] });
      for (const step of strokeSteps(from, to, durationMs)) {
        await sleep(step.pauseMs);
        await this.touch({ points: [[step.x, step.y]] });
      }
      return this.touch({ points: [] });
    }
    const mouse = this.page.mouse;
    await mouse.move(from[0], from[1]);
    await mouse.down({ button });
    for (const step of strokeSteps(from, to, durationMs)) {
      await sleep(step.pauseMs);
      await mouse.move(step.x, step.y);
    }
    await mouse.up({ button });
    return {};
  }

  // The fingers on the screen from now on, at `points`: more than before puts the new ones down,
  // as many moves them, none lifts them all.
  async touch({ points }) {
    this.requireChromium('touch');
    const touchPoints = points.map(([x, y], id) => ({ x, y, id }));
    const type = points.length === 0 ? 'touchEnd' : points.length > this.touching ? 'touchStart' : 'touchMove';
    this.touching = points.length;
    await this.cdp.send('Input.dispatchTouchEvent', { type, touchPoints });
    return {};
  }

  async key({ key, modifiers = [] }) {
    const keyboard = this.page.keyboard;
    for (const modifier of modifiers) await keyboard.down(modifier);
    // Over BiDi puppeteer sends Enter as WebDriver's "\uE007", the keypad's Enter; the main one is
    // "\uE006", which it passes on as it stands.
    await keyboard.press(key === 'Enter' && !this.isChromium ? '\uE006' : key);
    for (const modifier of [...modifiers].reverse()) await keyboard.up(modifier);
    return {};
  }

  async resize({ width, height }) {
    this.viewport = { ...this.viewport, width, height };
    await this.page.setViewport(this.viewport);
    return {};
  }

  // A page is hidden by another tab brought to the front in its place.
  async visibility({ hidden }) {
    if (hidden && !this.cover) {
      this.cover = await this.context.newPage();
      await this.cover.bringToFront();
    } else if (!hidden && this.cover) {
      await this.page.bringToFront();
      await this.cover.close();
      this.cover = null;
    }
    const wanted = hidden ? 'hidden' : 'visible';
    await waitFor(async () => (await this.page.evaluate(() => document.visibilityState)) === wanted, 5000,
      `the page did not become ${wanted}`);
    return {};
  }

  async accessibility() {
    return { nodes: this.isChromium ? await this.chromiumTree() : await this.engineConfirmedRoles() };
  }

  // Chromium's own accessibility tree, without the nodes it ignores.
  async chromiumTree() {
    const { nodes } = await this.cdp.send('Accessibility.getFullAXTree');
    const property = (node, name) => {
      const found = (node.properties || []).find(p => p.name === name);
      return found ? found.value.value === true || found.value.value === 'true' : undefined;
    };
    return nodes.filter(node => !node.ignored).map(node => ({
      role: node.role?.value ?? '',
      name: node.name?.value ?? '',
      checked: property(node, 'checked'),
      selected: property(node, 'selected'),
      focused: property(node, 'focused') === true,
    }));
  }

  // Firefox shows its accessibility tree to WebDriver BiDi only through queries by role and name,
  // each of which walks the whole tree: every element with an ARIA role is reported with the role
  // that Firefox finds it by (empty where it does not), with the name and the states the page
  // gives it; texts as they stand.
  async engineConfirmedRoles() {
    const elements = await this.page.evaluate(new Function(kAccessibleElements), false);
    const indexOf = handle => handle.evaluate(element => [...document.querySelectorAll('*')].indexOf(element));
    const byRole = new Map();
    for (const role of new Set(elements.map(e => e.role).filter(role => role !== 'text'))) {
      const handles = await this.page.$$(`::-p-aria([role=${JSON.stringify(role)}])`);
      byRole.set(role, new Set(await Promise.all(handles.map(indexOf))));
    }
    return elements.map(({ index, ...element }) =>
      element.role === 'text' || byRole.get(element.role).has(index) ? element : { ...element, role: '' });
  }

  async console() {
    return { messages: this.messages };
  }

  // Every dialog the page has opened; each was dismissed as it opened.
  async dialogs() {
    return { texts: this.messages.filter(message => message.type === 'dialog').map(message => message.text) };
  }

  // The network is cut twice over: the server drops every connection, and the browser is told it
  // is offline where it can be.
  async offline({ offline }, server) {
    server.refuse(offline);
    if (this.isChromium) await this.page.setOfflineMode(offline);
    return {};
  }

  async alive() {
    return { alive: !this.page.isClosed() && (await this.page.evaluate(() => true)) };
  }

  async close() {
    await this.browser.close().catch(() => {});
    fs.rmSync(this.profile, { recursive: true, force: true });
  }
}

module.exports = { PuppeteerSession, kLaunchOptions };
