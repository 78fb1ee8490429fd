'use strict';
// The driver's own tests, against the test page beside it, in the browser named by
// LUMIVOR_BROWSER: each command reaches the page as the input or the change it stands for.
//   LUMIVOR_BROWSER=chromium node --test driver.test.js
const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const readline = require('node:readline');
const { after, before, describe, it } = require('node:test');

const browser = process.env.LUMIVOR_BROWSER || 'chromium';
const isChromium = browser === 'chromium';
const isWebKit = browser === 'webkit';
const kPage = path.join(__dirname, 'test-page');
const kShown = 'test-page-shown';

class Driver {
  constructor() {
    this.process = spawn(process.execPath, [path.join(__dirname, 'driver.js'), '--browser', browser, '--root', kPage],
      { stdio: ['pipe', 'pipe', 'inherit'] });
    this.lines = readline.createInterface({ input: this.process.stdout })[Symbol.asyncIterator]();
  }

  async next() {
    const { value, done } = await this.lines.next();
    if (done) throw new Error('the driver ended');
    return JSON.parse(value);
  }

  async send(cmd, args = {}) {
    this.process.stdin.write(`${JSON.stringify({ cmd, ...args })}\n`);
    const reply = await this.next();
    if (!reply.ok) throw new Error(`${cmd}: ${reply.error}`);
    return reply;
  }

  async received() {
    return (await this.send('evaluate', { expression: 'window.received' })).value;
  }

  async open(args = {}) {
    return this.send('open', { path: 'index.html', width: 480, height: 320, mark: kShown, ...args });
  }
}

// The width and height in a PNG's header.
function pngSize(file) {
  const bytes = fs.readFileSync(file);
  assert.equal(bytes.subarray(1, 4).toString(), 'PNG');
  return [bytes.readUInt32BE(16), bytes.readUInt32BE(20)];
}

const ofType = (events, type) => events.filter(event => event.type === type);

describe(`the browser driver in ${browser}`, () => {
  let driver;
  const shot = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'driver-test-')), 'shot.png');

  before(async () => {
    driver = new Driver();
    assert.equal((await driver.next()).ready, true);
  });
  after(async () => {
    await driver.send('quit');
  });

  it('screenshots the viewport in device pixels', async () => {
    const scale = isWebKit ? 1 : 2;
    await driver.open({ width: 500, height: 340, scale });
    await driver.send('screenshot', { file: shot });
    assert.deepEqual(pngSize(shot), [500 * scale, 340 * scale]);
    assert.deepEqual((await driver.send('windowBox')).box, { x: 0, y: 0, width: 500, height: 340 });
    assert.equal((await driver.send('evaluate', { expression: 'document.title' })).value, 'Driver test page');
  });

  // WebKitWebDriver releases the right button as a move, after which WebKit takes every release
  // of the left button for a move too: the right click is left out there.
  const clicks = [
    { name: 'a left click', args: { x: 40, y: 50 }, button: 0, count: 1 },
    { name: 'a double click', args: { x: 60, y: 70, count: 2 }, button: 0, count: 2 },
    ...(isWebKit ? [] : [{ name: 'a right click', args: { x: 80, y: 90, button: 'right' }, button: 2, count: 1 }]),
  ];
  for (const click of clicks) {
    it(`sends ${click.name} where it is asked`, async () => {
      await driver.open();
      await driver.send('click', click.args);
      const events = await driver.received();
      const downs = ofType(events, 'pointerdown');
      assert.equal(downs.length, click.count);
      for (const down of downs) assert.deepEqual([down.x, down.y, down.button], [click.args.x, click.args.y, click.button]);
      assert.equal(ofType(events, 'dblclick').length, click.count === 2 ? 1 : 0);
    });
  }

  it('holds the button from a press to its release across commands', async () => {
    await driver.open();
    await driver.send('mouse', { action: 'down', x: 20, y: 30 });
    await driver.send('mouse', { action: 'move', x: 200, y: 150 });
    await driver.send('mouse', { action: 'up' });
    const events = (await driver.received()).filter(event => event.type !== 'pointermove' || event.x === 200);
    assert.deepEqual(events.map(event => event.type), ['pointerdown', 'pointermove', 'pointerup']);
    assert.deepEqual([events[2].x, events[2].y], [200, 150]);
  });

  it('draws a stroke in steps spread over its duration', async () => {
    await driver.open();
    await driver.send('drag', { from: [250, 100], to: [50, 110], durationMs: 300 });
    const events = await driver.received();
    const [down] = ofType(events, 'pointerdown');
    const [up] = ofType(events, 'pointerup');
    const moves = ofType(events, 'pointermove').filter(move => move.time > down.time);
    assert.deepEqual([down.x, down.y, up.x, up.y], [250, 100, 50, 110]);
    assert.ok(moves.length >= 10, `${moves.length} moves`);
    assert.ok(up.time - down.time >= 250, `${up.time - down.time} ms`);
    for (let i = 1; i < moves.length; ++i) assert.ok(moves[i].x <= moves[i - 1].x, 'the stroke goes back');
  });

  const keys = [
    { name: 'Ctrl+Tab', key: 'Tab', modifiers: ['Control'], code: 'Tab' },
    { name: 'Ctrl+Shift+Tab', key: 'Tab', modifiers: ['Control', 'Shift'], code: 'Tab' },
    { name: 'Space', key: ' ', modifiers: [], code: 'Space' },
    { name: 'Enter', key: 'Enter', modifiers: [], code: 'Enter' },
    { name: 'Left', key: 'ArrowLeft', modifiers: [], code: 'ArrowLeft' },
  ];
  for (const key of keys) {
    it(`types ${key.name}`, async () => {
      await driver.open();
      await driver.send('key', key);
      // The key's value is the browser's to give: WebKitGTK names Tab with Shift "Unidentified".
      const typed = ofType(await driver.received(), 'keydown').pop();
      assert.deepEqual([typed.code, typed.ctrl, typed.shift],
        [key.code, key.modifiers.includes('Control'), key.modifiers.includes('Shift')]);
      const held = key.modifiers.map(modifier => ({ Control: 'ctrl+', Shift: 'shift+' })[modifier]).join('');
      assert.equal((await driver.send('evaluate', { expression: 'document.title' })).value, `key ${held}${key.code}`);
    });
  }

  it('resizes the viewport', async () => {
    await driver.open();
    await driver.send('resize', { width: 610, height: 360 });
    assert.deepEqual((await driver.send('windowBox')).box, { x: 0, y: 0, width: 610, height: 360 });
  });

  it('hides the page and shows it again', async () => {
    await driver.open();
    await driver.send('visibility', { hidden: true });
    await driver.send('visibility', { hidden: false });
    assert.deepEqual(ofType(await driver.received(), 'visibility').map(event => event.state), ['hidden', 'visible']);
  });

  it('reports the roles, names and states of the page\'s elements as the browser finds them', async () => {
    await driver.open();
    const nodes = (await driver.send('accessibility')).nodes;
    const find = (role, name) => nodes.find(node => node.role === role && node.name === name);
    assert.equal(find('tab', 'Tab 1')?.selected, true);
    assert.equal(find('tab', 'Tab 2')?.selected, false);
    assert.equal(find('checkbox', 'Box')?.checked, false);
    assert.ok(find('button', 'Go'));
    assert.ok(nodes.some(node => node.name === 'Plain words'), 'a text without a role');
    assert.ok(!nodes.some(node => node.name === 'Hidden'), 'a hidden element');
  });

  it('opens a page from disk', async () => {
    await driver.open({ path: undefined, file: path.join(kPage, 'index.html') });
    assert.equal((await driver.send('evaluate', { expression: 'location.protocol' })).value, 'file:');
  });

  if (isWebKit) return;

  it('collects the console\'s messages, failed loads and dialogs', async () => {
    await driver.open();
    await driver.send('evaluate', { expression: 'console.error("told by the test"), fetch("missing.js").catch(() => {}), alert("a box"), 0' });
    const expected = [
      m => m.type === 'error' && m.text === 'told by the test',
      m => m.type === 'httperror' && m.text.endsWith('missing.js: 404'),
      m => m.type === 'dialog' && m.text === 'a box',
    ];
    // The failed load comes in when the browser has had its answer.
    let messages;
    const deadline = Date.now() + 5000;
    do messages = (await driver.send('console')).messages;
    while (!expected.every(test => messages.some(test)) && Date.now() < deadline);
    for (const test of expected) assert.ok(messages.some(test), JSON.stringify(messages));
    assert.deepEqual((await driver.send('dialogs')).texts, ['a box']);
  });

  it('cuts the network: a page that no service worker keeps does not load again', async () => {
    await driver.open({ path: 'plain.html' });
    await driver.send('offline', { offline: true });
    await assert.rejects(driver.send('reload', { mark: kShown, timeoutMs: 3000 }));
  });

  it('opens a page again with the network cut when its service worker keeps it', async () => {
    await driver.open({ mark: 'test-page-cached' });
    await driver.send('offline', { offline: true });
    await driver.send('reload', { mark: kShown });
    await driver.send('offline', { offline: false });
  });

  if (!isChromium) return;

  it('puts one finger down, moves it and lifts it as a touch pointer', async () => {
    await driver.open({ width: 390, height: 844, scale: 3, mobile: true });
    assert.deepEqual((await driver.send('evaluate', { expression: '[innerWidth, devicePixelRatio]' })).value, [390, 3]);
    await driver.send('drag', { from: [300, 400], to: [100, 400], durationMs: 200, pointer: 'touch' });
    const events = await driver.received();
    assert.ok(events.length > 3);
    assert.ok(events.every(event => event.pointerType === 'touch'), JSON.stringify(events));
    assert.deepEqual(ofType(events, 'pointerdown').map(e => [e.x, e.y]), [[300, 400]]);
    assert.deepEqual(ofType(events, 'pointerup').map(e => [e.x, e.y]), [[100, 400]]);
  });

  it('puts a second finger down beside the first', async () => {
    await driver.open({ width: 390, height: 844, scale: 3, mobile: true });
    await driver.send('touch', { points: [[100, 100]] });
    await driver.send('touch', { points: [[100, 100], [200, 100]] });
    await driver.send('touch', { points: [[120, 100], [220, 100]] });
    await driver.send('touch', { points: [] });
    const downs = ofType(await driver.received(), 'pointerdown');
    assert.deepEqual(downs.map(e => [e.x, e.y]), [[100, 100], [200, 100]]);
    assert.notEqual(downs[0].pointerId, downs[1].pointerId);
  });
});
