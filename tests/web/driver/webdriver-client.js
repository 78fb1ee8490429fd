'use strict';
// The few commands of classic W3C WebDriver over HTTP that the tests need, for WebKitWebDriver.
const { spawn } = require('child_process');
const net = require('net');
const { waitFor } = require('./input-timing');

function freePort() {
  return new Promise((resolve, reject) => {
    const probe = net.createServer();
    probe.once('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

class WebDriverClient {
  // Starts the WebDriver server `executable` and waits until it answers.
  static async start(executable) {
    const port = await freePort();
    const server = spawn(executable, [`--port=${port}`, '--host=127.0.0.1'], { stdio: ['ignore', 'ignore', 'inherit'] });
    const client = new WebDriverClient(`http://127.0.0.1:${port}`, server);
    await waitFor(() => client.send('GET', '/status').then(() => true, () => false), 15000,
      `${executable} did not answer within 15 s`);
    return client;
  }

  constructor(base, server) {
    this.base = base;
    this.server = server;
    this.sessionId = null;
  }

  async send(method, path, body) {
    const response = await fetch(this.base + path, {
      method,
      headers: { 'Content-Type': 'application/json; charset=utf-8' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const reply = await response.json();
    if (!response.ok) throw new Error(`${method} ${path}: ${reply.value?.error}: ${reply.value?.message}`);
    return reply.value;
  }

  // A command of the current session: `path` is relative to it.
  session(method, path, body) {
    return this.send(method, `/session/${this.sessionId}${path}`, body);
  }

  async newSession(capabilities) {
    this.sessionId = (await this.send('POST', '/session', { capabilities: { alwaysMatch: capabilities } })).sessionId;
  }

  async deleteSession() {
    if (this.sessionId) await this.session('DELETE', '').catch(() => {});
    this.sessionId = null;
  }

  execute(script, args = []) {
    return this.session('POST', '/execute/sync', { script, args });
  }

  performActions(actions) {
    return this.session('POST', '/actions', { actions });
  }

  async stop() {
    await this.deleteSession();
    this.server.kill();
  }
}

module.exports = { WebDriverClient };
