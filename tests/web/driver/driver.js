#!/usr/bin/env node
'use strict';
// Drives one browser for the end-to-end tests of the web build. It serves a folder on the loopback,
// starts the browser, and then takes one command a line on standard input, a JSON object
// {"cmd": NAME, ...arguments}, answering each with one line on standard output:
// {"ok": true, ...results} or {"ok": false, "error": TEXT}. The first line it writes, before any
// command, says that it is ready (or why not). It ends with standard input or the command "quit".
//
//   node driver.js --browser chromium|firefox|webkit --root FOLDER
//
// Commands (positions and sizes in CSS pixels of the viewport):
//   open {path | file, width, height, scale, mobile, mark, timeoutMs}  a new first visit to `path`
//       under the served folder, or to the file `file` on disk, at a viewport of that size and
//       device scale factor (mobile: a phone's touch screen, which honours the page's viewport
//       meta tag), waiting until the page sets the performance mark `mark`
//   reload {mark, timeoutMs}   visit the same page again in the same browser profile
//   screenshot {file}          the viewport as PNG, in device pixels
//   mouse {action: move|down|up, x, y, button}    click {x, y, button, count}
//   drag {from: [x, y], to: [x, y], durationMs, button, pointer: mouse|touch}
//   touch {points: [[x, y], ...]}   the fingers on the screen from now on (Chromium)
//   key {key, modifiers}       a key by its puppeteer name, with modifiers held down around it
//   resize {width, height}     visibility {hidden}     offline {offline}
//   evaluate {expression}      windowBox        accessibility     console     dialogs
//   alive     quit
const readline = require('readline');
const { pathToFileURL } = require('url');
const { serveFolder } = require('./static-server');
const { PuppeteerSession } = require('./puppeteer-session');
const { WebKitSession } = require('./webkit-session');

const kSessions = {
  chromium: () => PuppeteerSession.start('chromium'),
  firefox: () => PuppeteerSession.start('firefox'),
  webkit: () => WebKitSession.start(),
};

function argument(name) {
  const at = process.argv.indexOf(`--${name}`);
  if (at < 0 || at + 1 >= process.argv.length) throw new Error(`usage: driver.js --browser ${Object.keys(kSessions).join('|')} --root FOLDER`);
  return process.argv[at + 1];
}

function answer(reply) {
  process.stdout.write(`${JSON.stringify(reply)}\n`);
}

async function run(session, server, request) {
  const { cmd, ...args } = request;
  if (cmd === 'open') {
    server.refuse(false);
    args.url = args.file !== undefined ? pathToFileURL(args.file).href : new URL(args.path ?? '', server.url).href;
  }
  if (cmd === 'quit') return {};
  if (typeof session[cmd] !== 'function' || cmd === 'close' || cmd === 'start') throw new Error(`no command "${cmd}"`);
  return session[cmd](args, server);
}

async function main() {
  let server;
  let session;
  try {
    const browser = argument('browser');
    if (!kSessions[browser]) throw new Error(`no browser "${browser}"`);
    server = await serveFolder(argument('root'));
    session = await kSessions[browser]();
  } catch (error) {
    answer({ ok: false, error: `the driver could not start: ${error.message}` });
    if (server) await server.close();
    process.exit(1);
  }
  answer({ ok: true, ready: true });
  const lines = readline.createInterface({ input: process.stdin, crlfDelay: Infinity });
  for await (const line of lines) {
    if (line.trim() === '') continue;
    let request;
    try {
      request = JSON.parse(line);
      answer({ ok: true, ...(await run(session, server, request)) });
    } catch (error) {
      answer({ ok: false, error: String(error.message || error) });
    }
    if (request?.cmd === 'quit') break;
  }
  await session.close();
  await server.close();
  process.exit(0);
}

main();
