// Debian's Chromium, headless, driven over its DevTools protocol on a pipe
// (no packages needed), and a static file server on 127.0.0.1.
'use strict';

const {spawn} = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.opus': 'audio/ogg',
  '.data': 'application/octet-stream',
};

// Serves each folder of `mounts` ({'/': dir, '/floor/': dir}) on a free port.
// Counts the bytes it sends, so that a page's download size can be read.
function serve(mounts) {
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    const prefix = Object.keys(mounts).filter((p) => url.pathname.startsWith(p))
      .sort((a, b) => b.length - a.length)[0];
    const relative = decodeURIComponent(url.pathname.slice(prefix.length)) || 'index.html';
    const file = path.join(mounts[prefix], relative);
    if (!file.startsWith(mounts[prefix]) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404);
      response.end();
      return;
    }
    const body = fs.readFileSync(file);
    server.bytesServed += body.length;
    // Cross-origin isolated, so that the pages' performance.now() is fine
    // enough (5 us, not 100 us) to time one frame step.
    response.writeHead(200, {'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream',
      'Cache-Control': 'no-store', 'Cross-Origin-Opener-Policy': 'same-origin',
      'Cross-Origin-Embedder-Policy': 'require-corp'});
    response.end(body);
  });
  server.bytesServed = 0;
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => {
    server.origin = 'http://127.0.0.1:' + server.address().port;
    resolve(server);
  }));
}

class Browser {
  static async launch() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'harborgast-chromium-'));
    const child = spawn('/usr/bin/chromium', [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-features=Translate,MediaRouter', '--mute-audio', '--hide-scrollbars',
      '--user-data-dir=' + profile, '--remote-debugging-pipe', 'about:blank',
    ], {stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe']});
    child.stderr.resume();  // Chromium's own chatter
    const browser = new Browser(child, profile);
    await browser.send('Target.setDiscoverTargets', {discover: false});
    return browser;
  }

  constructor(child, profile) {
    this.child = child;
    this.profile = profile;
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = [];
    let buffered = Buffer.alloc(0);
    child.stdio[4].on('data', (chunk) => {
      buffered = Buffer.concat([buffered, chunk]);
      let end;
      while ((end = buffered.indexOf(0)) >= 0) {
        const message = JSON.parse(buffered.subarray(0, end).toString('utf8'));
        buffered = buffered.subarray(end + 1);
        this.receive(message);
      }
    });
    child.on('exit', (code) => {
      for (const {reject} of this.pending.values()) reject(new Error('chromium exited with ' + code));
      this.pending.clear();
    });
  }

  receive(message) {
    if (message.id !== undefined) {
      const waiter = this.pending.get(message.id);
      this.pending.delete(message.id);
      if (message.error) waiter.reject(new Error(waiter.method + ': ' + message.error.message));
      else waiter.resolve(message.result);
      return;
    }
    for (const listener of this.listeners) listener(message);
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    const message = {id, method, params};
    if (sessionId) message.sessionId = sessionId;
    this.child.stdio[3].write(JSON.stringify(message) + '\0');
    return new Promise((resolve, reject) => this.pending.set(id, {resolve, reject, method}));
  }

  // A new tab of the given viewport (CSS pixels, device scale 1).
  async newPage(width, height) {
    const {targetId} = await this.send('Target.createTarget', {url: 'about:blank'});
    const {sessionId} = await this.send('Target.attachToTarget', {targetId, flatten: true});
    const page = new Page(this, sessionId, targetId);
    this.listeners.push((message) => {
      if (message.sessionId === sessionId) page.event(message);
    });
    await page.send('Runtime.enable');
    await page.send('Log.enable');
    await page.send('Page.enable');
    await page.setViewport(width, height);
    return page;
  }

  async close() {
    try {
      const exited = new Promise((resolve) => this.child.once('exit', resolve));
      await this.send('Browser.close');
      await Promise.race([exited, new Promise((resolve) => setTimeout(resolve, 5000))]);
    } catch (e) {
      // already gone
    }
    if (this.child.exitCode === null) {
      const exited = new Promise((resolve) => this.child.once('exit', resolve));
      this.child.kill('SIGKILL');
      await exited;
    }
    fs.rmSync(this.profile, {recursive: true, force: true, maxRetries: 3});
  }
}

class Page {
  constructor(browser, sessionId, targetId) {
    this.browser = browser;
    this.sessionId = sessionId;
    this.targetId = targetId;
    this.errors = [];  // console errors, uncaught exceptions, error log entries
    this.loadWaiters = [];
  }

  send(method, params = {}) {
    return this.browser.send(method, params, this.sessionId);
  }

  event({method, params}) {
    if (method === 'Runtime.consoleAPICalled' && params.type === 'error')
      this.errors.push('console.error: ' + params.args.map((a) => a.value ?? a.description).join(' '));
    else if (method === 'Runtime.exceptionThrown')
      this.errors.push('exception: ' + (params.exceptionDetails.exception?.description ||
        params.exceptionDetails.text));
    else if (method === 'Log.entryAdded' && params.entry.level === 'error')
      this.errors.push('log: ' + params.entry.text + (params.entry.url ? ' (' + params.entry.url + ')' : ''));
    else if (method === 'Page.loadEventFired')
      this.loadWaiters.splice(0).forEach((resolve) => resolve());
  }

  // CSS pixels; a screenshot has scale times as many device pixels.
  setViewport(width, height, scale = 1, mobile = false) {
    return this.send('Emulation.setDeviceMetricsOverride', {width, height, deviceScaleFactor: scale, mobile});
  }

  async goto(url) {
    const loaded = new Promise((resolve) => this.loadWaiters.push(resolve));
    await this.send('Page.navigate', {url});
    await loaded;
  }

  // Evaluates an expression (a promise is awaited) and returns its value.
  async evaluate(expression) {
    const {result, exceptionDetails} = await this.send('Runtime.evaluate',
      {expression, awaitPromise: true, returnByValue: true});
    if (exceptionDetails)
      throw new Error('in page: ' + (exceptionDetails.exception?.description || exceptionDetails.text));
    return result.value;
  }

  // Waits, frame by frame in the page, until the expression is true; fails
  // after `seconds`.
  waitFor(expression, seconds) {
    return this.evaluate(`new Promise((resolve, reject) => {
      const limit = performance.now() + ${seconds * 1000};
      const check = () => {
        let value = false;
        try { value = (${expression}); } catch (e) { /* not there yet */ }
        if (value) resolve(true);
        else if (performance.now() > limit) reject(new Error('timed out waiting for ' + ${JSON.stringify(expression)}));
        else requestAnimationFrame(check);
      };
      check();
    })`);
  }

  async screenshot() {
    const {data} = await this.send('Page.captureScreenshot', {format: 'png'});
    return Buffer.from(data, 'base64');
  }

  async click(x, y) {
    for (const type of ['mousePressed', 'mouseReleased'])
      await this.send('Input.dispatchMouseEvent', {type, x, y, button: 'left', clickCount: 1});
  }

  close() {
    return this.browser.send('Target.closeTarget', {targetId: this.targetId});
  }
}

module.exports = {serve, Browser};
