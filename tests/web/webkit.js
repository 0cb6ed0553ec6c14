// WebKitGTK's MiniBrowser for the browser test, driven by Debian's
// WebKitWebDriver over classic WebDriver (HTTP and JSON). It needs an X
// display: the caller runs it under xvfb-run. Its pages, with trusted keys
// and clicks, and screenshots of them.
//
// It renders under Xvfb as it is, no GPU and no setting needed; without a
// sound device its Web Audio plays into GStreamer's fake sink, and runs.
// It allows a service worker from http://127.0.0.1, as from https.
'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const http = require('http');
const net = require('net');
const os = require('os');
const path = require('path');

const MiniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// KeyboardEvent.key to WebDriver's key: the named keys are private-use
// characters, the printable ones themselves.
const Keys = { ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015',
  Escape: '\uE00C', Enter: '\uE007', F11: '\uE03B', Alt: '\uE00A', Shift: '\uE008', ' ': ' ' };

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer().on('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

// A process and its descendants, by id, from /proc.
function family(root) {
  const children = new Map();
  for (const entry of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const stat = fs.readFileSync(`/proc/${entry}/stat`, 'utf8');
      const parent = +stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1];
      children.set(parent, [...(children.get(parent) || []), +entry]);
    } catch (error) {
      // Gone meanwhile.
    }
  }
  const found = [root];
  for (let i = 0; i < found.length; ++i) found.push(...(children.get(found[i]) || []));
  return found.slice(1);
}

// Whether a process runs still (a zombie has ended).
function running(pid) {
  try {
    const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
    return stat.slice(stat.lastIndexOf(')') + 2)[0] !== 'Z';
  } catch (error) {
    return false;
  }
}

function end(pid) {
  try {
    process.kill(pid, 'SIGKILL');
  } catch (error) {
    // Gone already.
  }
}

// One WebDriver command: its value, or an error with WebDriver's message.
function request(port, method, route, body) {
  return new Promise((resolve, reject) => {
    const data = body === undefined ? undefined : JSON.stringify(body);
    const ask = http.request({ host: '127.0.0.1', port, method, path: route,
      headers: data ? { 'Content-Type': 'application/json', 'Content-Length': Buffer.byteLength(data) } : {} },
    (response) => {
      const chunks = [];
      response.on('data', (chunk) => chunks.push(chunk));
      response.on('end', () => {
        let reply;
        try {
          reply = JSON.parse(Buffer.concat(chunks).toString('utf8'));
        } catch (error) {
          reject(new Error(`${method} ${route}: ${response.statusCode}, not JSON`));
          return;
        }
        if (response.statusCode !== 200) {
          reject(new Error(`${method} ${route}: ${reply.value.error}: ${reply.value.message}`));
        } else {
          resolve(reply.value);
        }
      });
    });
    ask.on('error', reject);
    ask.end(data);
  });
}

async function startBrowser({ width = 1100, height = 900 } = {}) {
  // MiniBrowser's caches, settings and runtime files (the sound library's
  // among them) go to a folder of our own, gone at stop.
  const home = fs.mkdtempSync(path.join(os.tmpdir(), 'quillo-webkit-'));
  const port = await freePort();
  const driver = childProcess.spawn('WebKitWebDriver', [`--port=${port}`], {
    stdio: ['ignore', 'pipe', 'pipe'],
    env: {
      ...process.env,
      XDG_CACHE_HOME: path.join(home, 'cache'),
      XDG_CONFIG_HOME: path.join(home, 'config'),
      XDG_DATA_HOME: path.join(home, 'data'),
      XDG_RUNTIME_DIR: home,
    },
  });
  const exited = new Promise((resolve) => driver.on('exit', resolve));
  let stderr = '';
  driver.stdout.on('data', (chunk) => { stderr += chunk; });
  driver.stderr.on('data', (chunk) => { stderr += chunk; });
  let session = null;
  const send = (method, route, body) => request(port, method, `/session/${session}${route}`, body);
  // A test that ends with process.exit() leaves no browser behind.
  const kill = () => {
    [...family(driver.pid), driver.pid].forEach(end);
    fs.rmSync(home, { recursive: true, force: true });
  };
  process.on('exit', kill);
  const stop = async () => {
    process.off('exit', kill);
    // Ending the session quits MiniBrowser; the driver then goes on a signal.
    // MiniBrowser's own processes may outlive it a moment, writing to home.
    const processes = family(driver.pid);
    if (session) await request(port, 'DELETE', `/session/${session}`).catch(() => {});
    driver.kill();
    await exited;
    for (const until = Date.now() + 5000; processes.some(running) && Date.now() < until;) await sleep(50);
    processes.filter(running).forEach(end);
    fs.rmSync(home, { recursive: true, force: true, maxRetries: 20, retryDelay: 100 });
  };
  let version;
  try {
    for (const until = Date.now() + 10000; ; await sleep(50)) {
      const ready = await request(port, 'GET', '/status').catch(() => null);
      if (ready && ready.ready) break;
      if (Date.now() > until || driver.exitCode !== null) throw new Error(`WebKitWebDriver did not start: ${stderr}`);
    }
    const created = await request(port, 'POST', '/session', { capabilities: { alwaysMatch: {
      'webkitgtk:browserOptions': { binary: MiniBrowser, args: ['--automation'] },
    } } });
    session = created.sessionId;
    version = `${created.capabilities.browserName} ${created.capabilities.browserVersion}`;
    // Waits in the page may run long: the test keeps its own deadlines.
    await send('POST', '/timeouts', { script: 3600000, pageLoad: 60000 });
  } catch (error) {
    await stop();
    throw error;
  }

  // One window has WebDriver's attention at a time: each page asks for it.
  // The first window stays open, for new ones to come from.
  const first = await send('GET', '/window');
  let current = first;
  let turn = Promise.resolve();
  const focus = async (handle) => {
    if (current === handle) return;
    await send('POST', '/window', { handle });
    current = handle;
  };
  const openPage = async () => {
    await focus(first);
    // A window, not a tab: MiniBrowser's tabs in the background never take the mouse.
    const { handle } = await send('POST', '/window/new', { type: 'window' });
    await focus(handle);
    // Sized so that the viewport, within MiniBrowser's own bars, is the size asked.
    await send('POST', '/window/rect', { width, height });
    const [innerWidth, innerHeight] = await send('POST', '/execute/sync',
      { script: 'return [innerWidth, innerHeight]', args: [] });
    const rect = { width: 2 * width - innerWidth, height: 2 * height - innerHeight };
    await send('POST', '/window/rect', rect);
    // Commands wait their turn, so no page's command runs in another's window.
    const on = (command) => (...args) => {
      const run = turn.then(async () => {
        await focus(handle);
        return command(...args);
      });
      turn = run.catch(() => {});
      return run;
    };
    const perform = (actions) => send('POST', '/actions', { actions: [actions] });
    return {
      navigate: on(async (url) => {
        await send('POST', '/url', { url });
      }),
      // The expression as a script's last value, as the debugger evaluates it.
      // The reply travels as one JSON string: the driver now and then
      // cannot read back a structured one ("Could not parse script result"),
      // and is then asked once more.
      evaluate: on(async (expression) => {
        const script = `
          const [expression, done] = arguments;
          const fail = (error) => done(JSON.stringify({ error: error instanceof Error ? error + '\\n' + error.stack : String(error) }));
          try {
            Promise.resolve((0, eval)(expression)).then((value) => done(JSON.stringify(value === undefined ? {} : { value })), fail);
          } catch (error) {
            fail(error);
          }`;
        let reply;
        for (let attempt = 1; ; ++attempt) {
          try {
            reply = JSON.parse(await send('POST', '/execute/async', { args: [expression], script }));
            break;
          } catch (error) {
            if (attempt === 3 || !/Could not parse script result/.test(error.message)) throw error;
          }
        }
        if (reply.error) throw new Error(reply.error);
        return reply.value;
      }),
      key: on((upOrDown, key) => perform({ type: 'key', id: 'keyboard', actions: [
        { type: upOrDown === 'down' ? 'keyDown' : 'keyUp', value: Keys[key] || key }] })),
      click: on((x, y) => perform({ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' },
        actions: [{ type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' },
          { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }] })),
      touch: on((actions) => perform({ type: 'pointer', id: 'finger', parameters: { pointerType: 'touch' },
        actions })),
      screenshot: on(async (file) => {
        fs.writeFileSync(file, Buffer.from(await send('GET', '/screenshot'), 'base64'));
      }),
      // Out of sight and back: the window minimised, then given its size again.
      hide: on(() => send('POST', '/window/minimize', {})),
      show: on(() => send('POST', '/window/rect', rect)),
      close: on(async () => {
        await send('DELETE', '/window').catch(() => {});
        current = null;
      }),
    };
  };
  return { openPage, stop, version, stderr: () => stderr };
}

module.exports = { startBrowser };
