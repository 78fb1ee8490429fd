#!/usr/bin/env node
'use strict';
// Runs the web backend's tests in headless Chromium. The browser driver of tests/web/driver
// serves their folder of the web build; the page is opened once for each screen below, as a
// first visit; the real input and the other work the program asks for on the page
// (runner_bridge.js) are performed through the driver; the program's output is printed as it
// comes. Ends with 0 when the program passed on every screen.
//
//   node run-in-browser.js FOLDER [GOOGLETEST ARGUMENTS...]
//
// LUMIVOR_WEB_DRIVER may name the driver's driver.js, which is otherwise found beside this file.
const fs = require('fs');
const path = require('path');
const readline = require('readline');
const { spawn } = require('child_process');

// A desktop browser at one device pixel per CSS pixel, and a phone at three: 390 × 844, the
// size of a current iPhone, with touch and the page's viewport meta tag honoured.
const kScreens = [
  { name: 'desktop', width: 640, height: 480, scale: 1, mobile: false },
  { name: 'phone', width: 390, height: 844, scale: 3, mobile: true },
];
const kProgram = 'web_backend_browser_tests';
const kScreenTimeoutMs = 120000;
const kPollMs = 10;

const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

// The driver as a child process: one JSON command a line in, one answer a line out.
class Driver {
  constructor(root) {
    const script = process.env.LUMIVOR_WEB_DRIVER || path.join(__dirname, '../../web/driver/driver.js');
    this.child = spawn(process.execPath, [script, '--browser', 'chromium', '--root', root],
      { stdio: ['pipe', 'pipe', 'inherit'] });
    this.waiting = [];
    this.ended = new Promise(resolve => this.child.on('exit', code => {
      for (const wakeUp of this.waiting.splice(0)) wakeUp({ ok: false, error: `the driver ended (${code})` });
      resolve(code);
    }));
    readline.createInterface({ input: this.child.stdout }).on('line', line => this.waiting.shift()?.(JSON.parse(line)));
  }

  next() {
    return new Promise(resolve => this.waiting.push(resolve));
  }

  async ready() {
    const ready = await this.next();
    if (!ready.ok) throw new Error(ready.error);
  }

  // The driver's answer, {ok, ...}, as it stands.
  send(command) {
    const answer = this.next();
    this.child.stdin.write(`${JSON.stringify(command)}\n`);
    return answer;
  }

  async call(command) {
    const answer = await this.send(command);
    if (!answer.ok) throw new Error(`${command.cmd}: ${answer.error}`);
    return answer;
  }

  async quit() {
    this.child.stdin.end(`${JSON.stringify({ cmd: 'quit' })}\n`);
    await this.ended;
  }
}

// Performs one list of the program's commands, stopping at the first that fails.
async function perform(driver, commands) {
  const answers = [];
  for (const command of commands) {
    const { ok, error, ...answer } = await driver.send(command);
    if (!ok) return { error: `${command.cmd}: ${error}` };
    answers.push(answer);
  }
  return { answers };
}

// Runs the program on one screen; resolves to its result: its exit code, or why it failed.
async function runOn(driver, screen, args) {
  const query = args.map(arg => `arg=${encodeURIComponent(arg)}`).join('&');
  const { name, ...viewport } = screen;
  const touch = viewport.mobile ? ', touch' : '';
  console.log(`[ ${name} ] ${viewport.width} x ${viewport.height} at ${viewport.scale}${touch}`);
  await driver.call({ cmd: 'open', path: `index.html?${query}`, ...viewport });
  const deadline = Date.now() + kScreenTimeoutMs;
  for (;;) {
    const { value } = await driver.call({ cmd: 'evaluate', expression: 'LumivorTests.take()' });
    for (const line of value.output) console.log(line);
    for (const request of value.requests) {
      const reply = JSON.stringify(await perform(driver, request.commands));
      await driver.call({ cmd: 'evaluate', expression: `LumivorTests.answer(${request.id}, ${reply})` });
    }
    if (value.result !== null) return value.result;
    if (Date.now() > deadline) return `no result within ${kScreenTimeoutMs / 1000} s`;
    await sleep(kPollMs);
  }
}

// Errors of the page that the program did not see, and alerts it did not expect, fail it too.
async function pageErrors(driver) {
  const { messages } = await driver.call({ cmd: 'console' });
  return messages.filter(message => message.type === 'pageerror' || message.type === 'error');
}

async function main() {
  const [folder, ...args] = process.argv.slice(2);
  if (!folder) throw new Error('usage: run-in-browser.js FOLDER [GOOGLETEST ARGUMENTS...]');
  for (const file of ['index.html', `${kProgram}.js`, `${kProgram}.wasm`]) {
    if (!fs.existsSync(path.join(folder, file)))
      throw new Error(`the web build is missing: no ${file} in ${folder} (\`make web\` builds it)`);
  }
  const driver = new Driver(folder);
  let failed = false;
  try {
    await driver.ready();
    for (const screen of kScreens) {
      const result = await runOn(driver, screen, args);
      const errors = await pageErrors(driver);
      for (const error of errors) console.log(`[ ${screen.name} ] ${error.type}: ${error.text}`);
      if (result !== 0 || errors.length > 0) {
        console.log(`[ ${screen.name} ] FAILED: ${result === 0 ? 'errors on the page' : result}`);
        failed = true;
      }
    }
  } finally {
    await driver.quit();
  }
  return failed ? 1 : 0;
}

main().then(code => process.exit(code), error => {
  console.error(`run-in-browser.js: ${error.message}`);
  process.exit(1);
});
