// The browser test: the page of scripts/build-web played in headless
// Chromium, driven over the DevTools pipe, served from 127.0.0.1 only.
//
//   node tests/web/browser_test.js PAGE-FOLDER SCENES-FOLDER OUT-FOLDER
//
// SCENES-FOLDER is what quillo-web-scenes wrote: recordings and the native
// frames of their last turns. The test
//  - opens the page, waits for the title and holds its frame against the
//    native title; presses S as the end-to-end tests press keys, and holds
//    the first turn of play against the native one;
//  - replays each recording in the page (?replay=), which must end where it
//    was recorded (the game checks the state digests) on the native frame,
//    the won game on the same end screen and score;
//  - writes both frames of each screen, side by side, as PNG into OUT-FOLDER,
//    and the figures into OUT-FOLDER/figures.txt.
'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const zlib = require('zlib');

const [pageFolder, scenesFolder, outFolder] = process.argv.slice(2);
if (!outFolder) {
  console.error('usage: node browser_test.js PAGE-FOLDER SCENES-FOLDER OUT-FOLDER');
  process.exit(2);
}
fs.mkdirSync(outFolder, { recursive: true });
const Width = 800;
const Height = 600;
const failures = [];
const figures = [];

function fail(message) {
  console.error('FAIL: ' + message);
  failures.push(message);
}

function note(message) {
  console.log('-- ' + message);
}

// The page's folder at /, the scenes at /scenes/; loopback only.
function serve() {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    const file = url.pathname.startsWith('/scenes/')
      ? path.join(scenesFolder, path.basename(url.pathname))
      : path.join(pageFolder, path.normalize(url.pathname === '/' ? '/index.html' : url.pathname));
    fs.readFile(file, (error, bytes) => {
      if (error) {
        response.writeHead(404);
        response.end();
        return;
      }
      response.writeHead(200, {
        'Content-Type': types[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-store',
      });
      response.end(bytes);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

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
    fs.rmSync(profile, { recursive: true, force: true, maxRetries: 20, retryDelay: 100 });
  };
  return { send, listeners, stop, stderr: () => stderr };
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
  // When the canvas first shows a frame, on the page's clock.
  await send('Page.addScriptToEvaluateOnNewDocument', { source: `
    (() => {
      const put = CanvasRenderingContext2D.prototype.putImageData;
      CanvasRenderingContext2D.prototype.putImageData = function (...args) {
        if (window.firstFrameMs === undefined) window.firstFrameMs = performance.now();
        return put.apply(this, args);
      };
    })();` });
  const evaluate = async (expression) => {
    const { result, exceptionDetails } = await send('Runtime.evaluate',
      { expression, returnByValue: true, awaitPromise: true });
    if (exceptionDetails) throw new Error(JSON.stringify(exceptionDetails));
    return result.value;
  };
  return { send, evaluate, log, requests };
}

async function waitFor(page, expression, timeoutMs, what) {
  const until = Date.now() + timeoutMs;
  for (;;) {
    const value = await page.evaluate(expression);
    if (value) return value;
    if (Date.now() > until) throw new Error(`timed out waiting for ${what}`);
    await sleep(50);
  }
}

// The canvas's pixels as they are: RGBA, row by row.
async function canvasPixels(page) {
  const base64 = await page.evaluate(`(() => {
    const canvas = document.getElementById('canvas');
    const data = canvas.getContext('2d').getImageData(0, 0, ${Width}, ${Height}).data;
    let text = '';
    for (let i = 0; i < data.length; i += 0x8000) {
      text += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
    }
    return btoa(text);
  })()`);
  return Buffer.from(base64, 'base64');
}

// A 24-bit bitmap of the native harness, as RGBA.
function readBmp(file) {
  const bytes = fs.readFileSync(file);
  const offset = bytes.readUInt32LE(10);
  const w = bytes.readInt32LE(18);
  const h = bytes.readInt32LE(22);
  if (bytes.readUInt16LE(28) !== 24 || w !== Width || Math.abs(h) !== Height) {
    throw new Error(`${file}: not a ${Width}x${Height} 24-bit bitmap`);
  }
  const stride = (w * 3 + 3) & ~3;
  const rgba = Buffer.alloc(w * Height * 4);
  for (let y = 0; y < Height; ++y) {
    const row = offset + stride * (h > 0 ? Height - 1 - y : y);
    for (let x = 0; x < w; ++x) {
      const from = row + x * 3;
      const to = (y * w + x) * 4;
      rgba[to] = bytes[from + 2];
      rgba[to + 1] = bytes[from + 1];
      rgba[to + 2] = bytes[from];
      rgba[to + 3] = 255;
    }
  }
  return rgba;
}

function savePng(rgba, file) {
  const raw = file + '.rgba';
  fs.writeFileSync(raw, rgba);
  childProcess.execFileSync('convert', ['-size', `${Width}x${Height}`, '-depth', '8', `rgba:${raw}`, file]);
  fs.unlinkSync(raw);
}

// Holds the page's frame against the native one: every differing pixel is
// counted, with the box around them.
function compare(name, browserRgba, nativeRgba) {
  let differing = 0;
  let box = null;
  for (let y = 0; y < Height; ++y) {
    for (let x = 0; x < Width; ++x) {
      const i = (y * Width + x) * 4;
      if (browserRgba[i] !== nativeRgba[i] || browserRgba[i + 1] !== nativeRgba[i + 1]
          || browserRgba[i + 2] !== nativeRgba[i + 2]) {
        ++differing;
        box = box ? [Math.min(box[0], x), Math.min(box[1], y), Math.max(box[2], x), Math.max(box[3], y)]
          : [x, y, x, y];
      }
    }
  }
  const browserPng = path.join(outFolder, `browser-${name}.png`);
  const nativePng = path.join(outFolder, `native-${name}.png`);
  savePng(browserRgba, browserPng);
  savePng(nativeRgba, nativePng);
  childProcess.execFileSync('convert', [browserPng, nativePng, '+append',
    path.join(outFolder, `side-by-side-${name}.png`)]);
  if (differing) {
    fail(`${name}: ${differing} pixels differ from the native frame, within (${box.join(', ')})`);
  } else {
    note(`${name}: the page shows the native frame, pixel for pixel`);
  }
  return differing;
}

// A key as the end-to-end tests press one: down, held 0.3 s, up.
const Keys = { S: [83, 'KeyS', 's'], F11: [122, 'F11', 'F11'] };
async function press(page, name) {
  const [keyCode, code, key] = Keys[name];
  const text = key.length === 1 ? key : undefined;
  await page.send('Input.dispatchKeyEvent', { type: text ? 'keyDown' : 'rawKeyDown',
    windowsVirtualKeyCode: keyCode, code, key, text });
  await sleep(300);
  await page.send('Input.dispatchKeyEvent', { type: 'keyUp', windowsVirtualKeyCode: keyCode, code, key });
}

function percentile(sorted, p) {
  return sorted[Math.min(sorted.length - 1, Math.floor(p * sorted.length))];
}

async function livePlay(browser, origin) {
  const page = await openPage(browser);
  await page.send('Page.navigate', { url: `${origin}/index.html` });
  await waitFor(page, 'window.firstFrameMs', 30000, 'the title');
  const loadMs = await page.evaluate('window.firstFrameMs');
  figures.push(`load to the title's first frame: ${loadMs.toFixed(0)} ms (from the navigation's start)`);
  note(`the title shows ${loadMs.toFixed(0)} ms after the navigation began`);
  await sleep(200);
  compare('title', await canvasPixels(page), readBmp(path.join(scenesFolder, 'title.bmp')));

  // Into play with a real key: S; then the landing, and play. The live
  // game's seed is the page's clock and its turns its own, so its frame is
  // held against each frame the native game shows in its first seconds of
  // play with no key pressed: it must be one of them.
  await press(page, 'S');
  const idleFrames = fs.readdirSync(scenesFolder).filter((f) => /^idle-play-\d+\.bmp$/.test(f))
    .map((f) => readBmp(path.join(scenesFolder, f)));
  const pressed = Date.now();
  let live = await canvasPixels(page);
  let match;
  while (!(match = idleFrames.find((frame) => live.equals(frame))) && Date.now() - pressed < 10000) {
    await sleep(50);
    live = await canvasPixels(page);
  }
  note(`play showed ${Date.now() - pressed} ms after S was let go`);
  const longest = await page.evaluate('Math.max(...Module.turnWork)');
  figures.push(`the live game's longest turn, from the title into play: ${longest.toFixed(1)} ms`);
  compare('live-play', live, match || readBmp(path.join(scenesFolder, 'first-play.bmp')));

  // The four sounds, decoded by the browser's mixer; audio running since the key.
  const sound = await page.evaluate(`(() => ({
    state: SDL.audioContext ? SDL.audioContext.state : 'none',
    decoded: SDL.audios.filter((a) => a && a.webAudio && a.webAudio.decodedBuffer).length,
    playing: SDL.channels.map((c, i) => (c.audio && !c.audio.paused ? i : -1)).filter((i) => i >= 0),
  }))()`);
  note(`sound: the audio context is ${sound.state}, ${sound.decoded} sounds decoded, channels playing: ${sound.playing.join(', ') || 'none'}`);
  if (sound.decoded !== 4) {
    fail(`${sound.decoded} of the 4 sounds were decoded`);
  }
  // The ship's hum fades out in 300 ms once play begins (the page's own fade).
  const faded = await waitFor(page, '!(SDL.channels[0].audio && !SDL.channels[0].audio.paused)', 2000,
    'the hum to fade').catch(() => false);
  if (!faded) {
    fail('the ship\'s hum still plays in play');
  } else {
    note('the ship\'s hum has faded out');
  }
  await page.send('Page.captureScreenshot', { format: 'png' }).then(({ data }) =>
    fs.writeFileSync(path.join(outFolder, 'page.png'), Buffer.from(data, 'base64')));
  // F11 asks the page for full screen, and again for the window.
  await press(page, 'F11');
  const full = await waitFor(page, 'document.fullscreenElement !== null', 3000, 'full screen')
    .catch(() => false);
  await press(page, 'F11');
  const back = await waitFor(page, 'document.fullscreenElement === null', 3000, 'the window')
    .catch(() => false);
  if (!full || !back) {
    fail(`F11 did not ${full ? 'leave' : 'ask for'} full screen`);
  } else {
    note('F11 took the page to full screen and back');
  }

  // The page asks for nothing but its own files.
  const elsewhere = page.requests.filter((url) => !url.startsWith(origin + '/'));
  if (elsewhere.length) {
    fail('the page asked for ' + elsewhere.join(', '));
  }
  note(`the page asked for ${page.requests.length} files, all its own`);
  if (page.log.some((line) => line.startsWith('exception'))) {
    fail('the page threw: ' + page.log.filter((l) => l.startsWith('exception')).join('; '));
  }
  await page.send('Page.close').catch(() => {});
}

async function replayScene(browser, origin, name, turns) {
  const page = await openPage(browser);
  await page.send('Page.navigate', { url: `${origin}/index.html?replay=/scenes/${name}.replay` });
  const started = Date.now();
  await waitFor(page, 'window.Module && window.Module.exitCode !== undefined',
    turns * 33 * 3 + 30000, `the replay of ${name} to end`);
  const seconds = (Date.now() - started) / 1000;
  const exitCode = await page.evaluate('Module.exitCode');
  if (exitCode !== 0) {
    fail(`${name}: the replay ended with ${exitCode}: ${page.log.slice(-3).join(' | ')}`);
  }
  note(`${name}: ${turns} turns replayed in ${seconds.toFixed(1)} s, exit ${exitCode}`);
  if (compare(name, await canvasPixels(page), readBmp(path.join(scenesFolder, `${name}.bmp`)))) {
    console.error(page.log.slice(-5).join('\n'));
  }
  const work = await page.evaluate('Module.turnWork');
  const wakes = await page.evaluate('Module.turnWakes');
  await page.send('Page.close').catch(() => {});
  return { seconds, work, wakes };
}

async function main() {
  const server = await serve();
  const origin = `http://127.0.0.1:${server.address().port}`;
  const browser = startBrowser();
  const deadline = setTimeout(() => {
    fail('the browser test took over 5 minutes');
    browser.stop();
    process.exit(1);
  }, 300000);
  try {
    await livePlay(browser, origin);
    const scenes = fs.readFileSync(path.join(scenesFolder, 'scenes.txt'), 'utf8').split('\n').filter((line) => line.trim())
      .map((line) => line.split(' ')).map(([name, turns, score]) => ({ name, turns: +turns, score: +score }));
    for (const scene of scenes) {
      const { seconds, work, wakes } = await replayScene(browser, origin, scene.name, scene.turns);
      if (scene.name === 'won-game') {
        const sorted = work.slice().sort((a, b) => a - b);
        figures.push(`won game: ${scene.turns} turns in ${seconds.toFixed(1)} s, score ${scene.score}`);
        figures.push(`turn time in the page (the game's work between its waits, ${sorted.length} turns):`
          + ` median ${percentile(sorted, 0.5).toFixed(3)} ms, p99 ${percentile(sorted, 0.99).toFixed(3)} ms,`
          + ` mean ${(sorted.reduce((sum, ms) => sum + ms, 0) / sorted.length).toFixed(3)} ms,`
          + ` max ${sorted[sorted.length - 1].toFixed(3)} ms (the ${work.indexOf(sorted[sorted.length - 1]) + 1}th)`);
        const periods = wakes.slice(1).map((t, i) => t - wakes[i]).sort((a, b) => a - b);
        const mean = (wakes[wakes.length - 1] - wakes[0]) / (wakes.length - 1);
        figures.push(`turn period in the page: median ${percentile(periods, 0.5).toFixed(2)} ms,`
          + ` p99 ${percentile(periods, 0.99).toFixed(2)} ms, mean ${mean.toFixed(3)} ms`);
      }
    }
    for (const file of ['index.wasm', 'index.js', 'index.data', 'index.html']) {
      const bytes = fs.readFileSync(path.join(pageFolder, file));
      figures.push(`${file}: ${bytes.length} bytes, ${zlib.gzipSync(bytes, { level: 9 }).length} gzipped`);
    }
  } catch (error) {
    fail(error.message);
  } finally {
    clearTimeout(deadline);
    await browser.stop();
    server.close();
  }
  fs.writeFileSync(path.join(outFolder, 'figures.txt'), figures.join('\n') + '\n');
  figures.forEach((line) => console.log('   ' + line));
  if (failures.length) {
    console.error(`browser test: ${failures.length} failures`);
    process.exit(1);
  }
  console.log('browser test: passed');
}

main();
