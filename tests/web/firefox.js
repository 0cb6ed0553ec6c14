// Headless Firefox (Debian's firefox-esr) for the browser test, driven over
// WebDriver BiDi on its own socket: no geckodriver needed. Its pages, with
// trusted keys and clicks, and screenshots of them.
//
// It allows a service worker from http://127.0.0.1 (a secure context), as
// from https.
'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const websocket = require('./websocket');

// A quiet profile that never reaches out to the internet on its own. The
// autoplay and media prefs stay as they ship: the test proves the page's
// audio starts from a real key. Touch events are on, as on a touch screen,
// so WebDriver's touch actions reach the page as touches.
const Prefs = {
  'app.update.auto': false,
  'dom.w3c_touch_events.enabled': 1,
  'app.update.disabledForTesting': true,
  'app.normandy.enabled': false,
  'app.normandy.api_url': '',
  'app.shield.optoutstudies.enabled': false,
  'browser.aboutwelcome.enabled': false,
  'browser.discovery.enabled': false,
  'browser.newtabpage.enabled': false,
  'browser.ping-centre.telemetry': false,
  'browser.region.network.url': '',
  'browser.region.update.enabled': false,
  'browser.safebrowsing.downloads.remote.enabled': false,
  'browser.safebrowsing.malware.enabled': false,
  'browser.safebrowsing.phishing.enabled': false,
  'browser.safebrowsing.provider.google4.updateURL': '',
  'browser.safebrowsing.provider.mozilla.updateURL': '',
  'browser.search.update': false,
  'browser.sessionstore.resume_from_crash': false,
  'browser.shell.checkDefaultBrowser': false,
  'browser.startup.firstrunSkipsHomepage': true,
  'browser.startup.homepage': 'about:blank',
  'browser.startup.homepage_override.mstone': 'ignore',
  'browser.startup.page': 0,
  'browser.tabs.warnOnClose': false,
  'browser.topsites.contile.enabled': false,
  'browser.translations.enable': false,
  'browser.urlbar.suggest.searches': false,
  'browser.ml.enable': false,
  'browser.backup.enabled': false,
  'captivedetect.canonicalURL': '',
  'datareporting.healthreport.uploadEnabled': false,
  'datareporting.policy.dataSubmissionEnabled': false,
  'datareporting.policy.firstRunURL': '',
  'datareporting.usage.uploadEnabled': false,
  'dom.push.connection.enabled': false,
  'extensions.getAddons.cache.enabled': false,
  'extensions.systemAddon.update.enabled': false,
  'extensions.update.enabled': false,
  'geo.provider.network.url': '',
  // The plugin updater only (Widevine and OpenH264), not how media plays.
  'media.gmp-manager.updateEnabled': false,
  'media.gmp-manager.url': '',
  'media.gmp-manager.chromium-update-url': '',
  'network.captive-portal-service.enabled': false,
  'network.connectivity-service.enabled': false,
  'network.dns.disablePrefetch': true,
  'network.http.speculative-parallel-limit': 0,
  'network.prefetch-next': false,
  'services.settings.server': 'data:,#no-remote-settings',
  'startup.homepage_welcome_url': 'about:blank',
  'toolkit.telemetry.enabled': false,
  'toolkit.telemetry.server': '',
  'toolkit.telemetry.unified': false,
  'trailhead.firstrun.didSeeAboutWelcome': true,
};

// KeyboardEvent.key to WebDriver's key: the named keys are private-use
// characters, the printable ones themselves.
const Keys = { ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015',
  Escape: '\uE00C', Enter: '\uE007', F11: '\uE03B', Alt: '\uE00A', Shift: '\uE008', ' ': ' ' };

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A BiDi remote value back to plain JSON.
function plain(remote) {
  if (!remote) return undefined;
  switch (remote.type) {
    case 'undefined': return undefined;
    case 'null': return null;
    case 'number':
      return typeof remote.value === 'number' ? remote.value : Number(remote.value);
    case 'array': return remote.value.map(plain);
    case 'object':
      return Object.fromEntries(remote.value.map(([key, value]) =>
        [typeof key === 'string' ? key : plain(key), plain(value)]));
    default: return remote.value;
  }
}

async function startBrowser({ width = 1100, height = 900 } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'quillo-firefox-'));
  fs.writeFileSync(path.join(profile, 'user.js'), Object.entries(Prefs)
    .map(([name, value]) => `user_pref(${JSON.stringify(name)}, ${JSON.stringify(value)});\n`).join(''));
  // A sound server of its own, playing into nothing: without one the
  // browser's audio never starts, and with the desktop's the test is heard.
  const sound = path.join(profile, 'pulse');
  fs.mkdirSync(sound);
  const pulse = childProcess.spawn('pulseaudio', ['-n', '--daemonize=no', '--exit-idle-time=-1',
    '--use-pid-file=no', '--load=module-null-sink',
    `--load=module-native-protocol-unix socket=${sound}/native auth-anonymous=1`],
  { stdio: 'ignore', env: { ...process.env, HOME: sound, XDG_RUNTIME_DIR: sound, XDG_CONFIG_HOME: sound } });
  const pulseExited = new Promise((resolve) => pulse.on('exit', resolve).on('error', resolve));
  let browser = null;
  let exited = null;
  let stderr = '';
  let ws = null;
  let hungUp = false;
  // A test that ends with process.exit() leaves no browser behind.
  const kill = () => [browser, pulse].forEach((child) => child && child.kill());
  const killNow = () => {
    kill();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  process.on('exit', killNow);
  const stop = async () => {
    process.off('exit', killNow);
    if (ws) await ws.close();
    kill();
    await Promise.all([exited, pulseExited]);
    try {
      fs.rmSync(profile, { recursive: true, force: true, maxRetries: 20, retryDelay: 100 });
    } catch (error) {
      console.error(`-- the browser's profile ${profile} stays: ${error.code}`);
    }
  };
  let nextId = 1;
  const waiting = new Map();
  const send = (method, params = {}) => new Promise((resolve, reject) => {
    if (hungUp) throw new Error(`firefox-esr hung up: ${stderr.slice(-2000)}`);
    const id = nextId++;
    waiting.set(id, { resolve, reject });
    ws.send(JSON.stringify({ id, method, params }));
  });
  let version;
  try {
    for (const until = Date.now() + 5000; !fs.existsSync(`${sound}/native`); await sleep(20)) {
      if (Date.now() > until || pulse.exitCode !== null) {
        throw new Error('no sound server for firefox-esr: is pulseaudio installed?');
      }
    }
    // No crash reporter: its helper outlives the browser. A release build
    // takes services.settings.server only with MOZ_REMOTE_SETTINGS_DEVTOOLS.
    browser = childProcess.spawn('firefox-esr', ['--headless', '--no-remote', '--profile', profile,
      `--window-size=${width},${height}`, '--remote-debugging-port=0', 'about:blank'], {
      stdio: ['ignore', 'ignore', 'pipe'],
      env: { ...process.env, MOZ_CRASHREPORTER_DISABLE: '1', MOZ_REMOTE_SETTINGS_DEVTOOLS: '1',
        PULSE_SERVER: `unix:${sound}/native` },
    });
    exited = new Promise((resolve) => browser.on('exit', resolve));
    const address = await new Promise((resolve, reject) => {
      browser.stderr.on('data', (chunk) => {
        stderr += chunk;
        const found = /WebDriver BiDi listening on (ws:\/\/\S+)/.exec(stderr);
        if (found) resolve(found[1]);
      });
      exited.then((code) => reject(new Error(`firefox-esr exited (${code}): ${stderr}`)));
      setTimeout(() => reject(new Error(`firefox-esr did not start in 30 s: ${stderr}`)), 30000).unref();
    });
    ws = await websocket.connect(address + '/session');
    ws.onMessage = (text) => {
      const message = JSON.parse(text);
      if (message.id === undefined || !waiting.has(message.id)) return;
      const { resolve, reject } = waiting.get(message.id);
      waiting.delete(message.id);
      if (message.type === 'error') {
        reject(new Error(`${message.error}: ${message.message}`));
      } else {
        resolve(message.result);
      }
    };
    ws.onClose = () => {
      hungUp = true;
      waiting.forEach(({ reject }) => reject(new Error(`firefox-esr hung up: ${stderr.slice(-2000)}`)));
    };
    const { capabilities } = await send('session.new', { capabilities: {} });
    version = `${capabilities.browserName} ${capabilities.browserVersion}`;
  } catch (error) {
    await stop();
    throw error;
  }

  const openPage = async () => {
    const { context } = await send('browsingContext.create', { type: 'tab' });
    // The viewport itself, without the browser's bars.
    await send('browsingContext.setViewport', { context, viewport: { width, height } });
    const perform = (actions) => send('input.performActions', { context, actions: [actions] });
    let cover = null;
    return {
      navigate: async (url) => {
        await send('browsingContext.navigate', { context, url, wait: 'complete' });
      },
      evaluate: async (expression) => {
        const reply = await send('script.evaluate', { expression, target: { context },
          awaitPromise: true, resultOwnership: 'none', serializationOptions: { maxObjectDepth: null } });
        if (reply.type === 'exception') {
          const { text, lineNumber, columnNumber } = reply.exceptionDetails;
          throw new Error(`${text} (at ${lineNumber + 1}:${columnNumber + 1})`);
        }
        return plain(reply.result);
      },
      key: (upOrDown, key) => perform({ type: 'key', id: 'keyboard', actions: [
        { type: upOrDown === 'down' ? 'keyDown' : 'keyUp', value: Keys[key] || key }] }),
      click: (x, y) => perform({ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' },
        actions: [{ type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' },
          { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }] }),
      touch: (actions) => perform({ type: 'pointer', id: 'finger', parameters: { pointerType: 'touch' },
        actions }),
      screenshot: async (file) => {
        const { data } = await send('browsingContext.captureScreenshot', { context, origin: 'viewport' });
        fs.writeFileSync(file, Buffer.from(data, 'base64'));
      },
      close: () => send('browsingContext.close', { context }).catch(() => {}),
      // Out of sight and back: another tab in front of the page, then gone.
      hide: async () => {
        cover = (await send('browsingContext.create', { type: 'tab' })).context;
      },
      show: async () => {
        await send('browsingContext.close', { context: cover });
        await send('browsingContext.activate', { context });
      },
    };
  };

  return { openPage, stop: async () => {
    await send('session.end').catch(() => {});
    await stop();
  }, version, stderr: () => stderr };
}

module.exports = { startBrowser };
