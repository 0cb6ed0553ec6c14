// Headless Chromium for the browser test, driven over the DevTools pipe:
// the browser, a page of it with its console and requests, and waiting on
// the page.
'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

// Chromium over --remote-debugging-pipe: JSON messages ended by NUL, ours
// on its fd 3, its own on fd 4.
function startBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'quillo-chromium-'));
  const browser = childProcess.spawn('chromium', [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--autoplay-policy=user-gesture-required', '--window-size=1100,900',
    `--user-data-dir=${profile}`, '--remote-debugging-pipe', 'about:blank',
  ], { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
  let stderr = '';
  browser.stdio[2].on('data', (chunk) => { stderr += chunk; });
  let nextId = 1;
  const waiting = new Map();
  const listeners = [];
  let buffered = '';
  browser.stdio[4].on('data', (chunk) => {
    buffered += chunk.toString('utf8');
    let end;
    while ((end = buffered.indexOf('\0')) >= 0) {
      const message = JSON.parse(buffered.slice(0, end));
      buffered = buffered.slice(end + 1);
      if (message.id && waiting.has(message.id)) {
        const { resolve, reject } = waiting.get(message.id);
        waiting.delete(message.id);
        message.error ? reject(new Error(JSON.stringify(message.error))) : resolve(message.result);
      } else if (message.method) {
        listeners.forEach((listener) => listener(message));
      }
    }
  });
  const send = (method, params = {}, sessionId) => new Promise((resolve, reject) => {
    const id = nextId++;
    waiting.set(id, { resolve, reject });
    browser.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + '\0');
  });
  const exited = new Promise((resolve) => browser.on('exit', resolve));
  const stop = async () => {
    browser.kill();
    await exited;
    // Its last writes may still be landing: what is left of the profile is left.
    try {
      fs.rmSync(profile, { recursive: true, force: true, maxRetries: 20, retryDelay: 100 });
    } catch (error) {
      console.error(`-- the browser's profile ${profile} stays: ${error.code}`);
    }
  };
  const browserHandle = { send, listeners, stop, stderr: () => stderr };
  browserHandle.openPage = () => openPage(browserHandle);
  return browserHandle;
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function openPage(browser) {
  const { targetId } = await browser.send('Target.createTarget', { url: 'about:blank' });
  const { sessionId } = await browser.send('Target.attachToTarget', { targetId, flatten: true });
  const send = (method, params) => browser.send(method, params, sessionId);
  const log = [];
  const requests = [];
  browser.listeners.push((message) => {
    if (message.sessionId !== sessionId) return;
    if (message.method === 'Runtime.consoleAPICalled') {
      log.push(message.params.args.map((a) => a.value).join(' '));
    } else if (message.method === 'Network.requestWillBeSent') {
      requests.push(message.params.request.url);
    } else if (message.method === 'Runtime.exceptionThrown') {
      log.push('exception: ' + JSON.stringify(message.params.exceptionDetails.exception?.description
        || message.params.exceptionDetails.text));
    }
  });
  await send('Runtime.enable');
  await send('Page.enable');
  await send('Network.enable');
  const evaluate = async (expression) => {
    const { result, exceptionDetails } = await send('Runtime.evaluate',
      { expression, returnByValue: true, awaitPromise: true });
    if (exceptionDetails) throw new Error(JSON.stringify(exceptionDetails));
    return result.value;
  };
  // The browser test's common page: the same calls as the other engines' drivers.
  const navigate = async (url) => {
    const loaded = new Promise((resolve) => browser.listeners.push((message) => {
      if (message.sessionId === sessionId && message.method === 'Page.loadEventFired') resolve();
    }));
    await send('Page.navigate', { url });
    await loaded;
  };
  const key = async (type, name) => {
    const [keyCode, code] = KeyCodes[name];
    const text = name.length === 1 ? name : undefined;
    await send('Input.dispatchKeyEvent', { type: type === 'up' ? 'keyUp' : text ? 'keyDown' : 'rawKeyDown',
      windowsVirtualKeyCode: keyCode, code, key: name, text });
  };
  const screenshot = async (file) => {
    const { data } = await send('Page.captureScreenshot', { format: 'png' });
    fs.writeFileSync(file, Buffer.from(data, 'base64'));
  };
  const close = () => send('Page.close').catch(() => {});
  // Out of sight and back: the page's window minimised, then shown again.
  const windowState = async (state) => {
    const { windowId } = await browser.send('Browser.getWindowForTarget', { targetId });
    await browser.send('Browser.setWindowBounds', { windowId, bounds: { windowState: state } });
  };
  const hide = () => windowState('minimized');
  const show = () => windowState('normal');
  return { send, evaluate, log, requests, navigate, key, screenshot, close, hide, show };
}

// The keys the test presses, by their names as the page sees them: the
// legacy number and the key's place.
const KeyCodes = {
  ArrowLeft: [37, 'ArrowLeft'], ArrowRight: [39, 'ArrowRight'], ArrowUp: [38, 'ArrowUp'],
  ArrowDown: [40, 'ArrowDown'], Escape: [27, 'Escape'], F11: [122, 'F11'], Shift: [16, 'ShiftLeft'],
  s: [83, 'KeyS'], x: [88, 'KeyX'], z: [90, 'KeyZ'], p: [80, 'KeyP'], m: [77, 'KeyM'], i: [73, 'KeyI'],
};

async function waitFor(page, expression, timeoutMs, what) {
  const until = Date.now() + timeoutMs;
  for (;;) {
    const value = await page.evaluate(expression);
    if (value) return value;
    if (Date.now() > until) throw new Error(`timed out waiting for ${what}`);
    await sleep(50);
  }
}

module.exports = { startBrowser, openPage, waitFor, sleep };
