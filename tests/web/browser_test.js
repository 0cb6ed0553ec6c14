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
const path = require('path');
const zlib = require('zlib');
const { startBrowser, openPage, waitFor, sleep } = require('./chromium');
const phone = require('./phone_test');
const speed = require('./speed_test');
const { enginePlay } = require('./engine_test');
const faults = require('./page_faults_test');

// The engines besides Chromium, each driven over WebDriver; QZ_WEB_ENGINES
// may name fewer (say "firefox") while working on one.
const OtherEngines = (process.env.QZ_WEB_ENGINES || 'firefox webkit').split(/\s+/).filter(Boolean);
// QZ_WEB_REAL_TIME=1 also replays the won game in real time in every engine.
const RealTime = process.env.QZ_WEB_REAL_TIME === '1';
const { Width, Height, readBmp, savePng } = require('./frames');

const [pageFolder, scenesFolder, outFolder, nativeProgram] = process.argv.slice(2);
if (!nativeProgram) {
  console.error('usage: node browser_test.js PAGE-FOLDER SCENES-FOLDER OUT-FOLDER NATIVE-PROGRAM');
  process.exit(2);
}
fs.mkdirSync(outFolder, { recursive: true });
const failures = [];
const figures = [];

function fail(message) {
  console.error('FAIL: ' + message);
  failures.push(message);
}

function note(message) {
  console.log('-- ' + message);
}

// The test's hooks, written into the page's head (tests/web/page_hooks.js).
const hooks = fs.readFileSync(path.join(__dirname, 'page_hooks.js'), 'utf8');

// The page's folder at /, the scenes at /scenes/; loopback only. Its files
// go gzipped to a browser that asks so, as a web server would send them; a
// server told to refuse (server.refusing) hangs up on every request, as no
// network would answer. One told to serve the next build (server.nextBuild)
// serves the page as an update would: its service worker with a cache of
// another name, and its index.js ending in a line of its own.
function serve() {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json', '.png': 'image/png' };
  const gzipped = new Map();
  const server = http.createServer((request, response) => {
    if (server.refusing) {
      request.socket.destroy();
      return;
    }
    const url = new URL(request.url, 'http://127.0.0.1');
    const file = url.pathname.startsWith('/scenes/')
      ? path.join(scenesFolder, path.basename(url.pathname))
      : path.join(pageFolder, path.normalize(url.pathname === '/' ? '/index.html' : url.pathname));
    fs.readFile(file, (error, bytes) => {
      if (!error && file === path.join(pageFolder, 'index.html')) {
        bytes = Buffer.from(bytes.toString('utf8').replace('<head>', `<head>\n<script>${hooks}</script>`));
      }
      if (error) {
        response.writeHead(404);
        response.end();
        return;
      }
      const next = server.nextBuild && /^(service-worker|index)\.js$/.test(path.basename(file));
      if (next) {
        bytes = Buffer.from(bytes.toString('utf8').replace(/(const Cache = '[^']*)'/, "$1-next'")
          + server.nextBuildLine + '\n');
      }
      const headers = { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-store' };
      if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
        const key = next ? file + ' next' : file;
        if (!gzipped.has(key)) gzipped.set(key, zlib.gzipSync(bytes, { level: 9 }));
        bytes = gzipped.get(key);
        headers['Content-Encoding'] = 'gzip';
      }
      response.writeHead(200, headers);
      response.end(bytes);
    });
  });
  server.nextBuildLine = '// the next build';
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
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
  const longest = await page.evaluate('Math.max(...frameWork.map(([, ms]) => ms))');
  figures.push(`the live game's longest frame callback, from the title into play: ${longest.toFixed(1)} ms`);
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
  const unfound = page.log.filter((line) => /Cannot find preloaded/.test(line));
  if (unfound.length) fail('the page looked for its media where it keeps none: ' + unfound.join('; '));
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
  // The memory never shrinks: its size at the end is its peak.
  const memory = await page.evaluate('HEAP8.buffer.byteLength');
  const work = await page.evaluate('frameWork.map(([, ms]) => ms)');
  const wakes = await page.evaluate('frameWork.map(([began]) => began)');
  await page.send('Page.close').catch(() => {});
  return { seconds, work, wakes, memory };
}

async function main() {
  const server = await serve();
  const origin = `http://127.0.0.1:${server.address().port}`;
  const browser = startBrowser();
  const deadline = setTimeout(() => {
    fail(`the browser test took over ${RealTime ? 20 : 12} minutes`);
    browser.stop();
    process.exit(1);
  }, (RealTime ? 20 : 12) * 60000);
  // The native program's time for the won game, measured first and alone.
  const nativeWon = await speed.nativeReplay(nativeProgram, path.join(scenesFolder, 'won-game.replay'))
    .catch((error) => {
      fail(error.message);
      return NaN;
    });
  note(`the native program replays the won game in ${(nativeWon / 1000).toFixed(2)} s`);
  try {
    figures.push(`chromium: ${(await browser.send('Browser.getVersion')).product}`);
    await livePlay(browser, origin);
    const t = { scenesFolder, outFolder, canvasPixels, readBmp, compare, fail, note, figures };
    await phone.touchPlay(t, browser, origin);
    await phone.iphonePlay(t, browser, origin);
    await phone.padPlay(t, browser, origin);
    await phone.offlinePlay(t, browser, origin, server);
    await faults.pageFaults(t, 'chromium', browser, origin);
    const scenes = fs.readFileSync(path.join(scenesFolder, 'scenes.txt'), 'utf8').split('\n').filter((line) => line.trim())
      .map((line) => line.split(' ')).map(([name, turns, score, ms]) => ({ name, turns: +turns, score: +score, ms: +ms }));
    for (const scene of scenes) {
      const { seconds, work, wakes, memory } = await replayScene(browser, origin, scene.name, scene.turns);
      if (scene.name === 'won-game') {
        const sorted = work.slice().sort((a, b) => a - b);
        figures.push(`won game: ${scene.turns} turns in ${seconds.toFixed(1)} s, score ${scene.score},`
          + ` its own time ${(scene.ms / 1000).toFixed(2)} s`);
        figures.push(`the page's memory at the won game's end, its peak: ${(memory / 1048576).toFixed(1)} MB`
          + ' (at most 256 MB)');
        figures.push(`work in the page's frame callbacks that showed a frame (${sorted.length} of them):`
          + ` median ${percentile(sorted, 0.5).toFixed(3)} ms, p99 ${percentile(sorted, 0.99).toFixed(3)} ms,`
          + ` mean ${(sorted.reduce((sum, ms) => sum + ms, 0) / sorted.length).toFixed(3)} ms,`
          + ` max ${sorted[sorted.length - 1].toFixed(3)} ms (the ${work.indexOf(sorted[sorted.length - 1]) + 1}th)`);
        const periods = wakes.slice(1).map((t, i) => t - wakes[i]).sort((a, b) => a - b);
        const mean = (wakes[wakes.length - 1] - wakes[0]) / (wakes.length - 1);
        figures.push(`period of those callbacks: median ${percentile(periods, 0.5).toFixed(2)} ms,`
          + ` p99 ${percentile(periods, 0.99).toFixed(2)} ms, mean ${mean.toFixed(3)} ms`);
      }
    }
    const won = scenes.find((scene) => scene.name === 'won-game');
    await speed.speedAtRefreshRates(t, browser, origin, '/scenes/won-game.replay', won.turns, nativeWon,
      'chromium');
    if (RealTime) await speed.speedInRealTime(t, browser, origin, '/scenes/won-game.replay', nativeWon, 'chromium');
    await phone.slowLoad({ figures, note }, browser, origin);
    await faults.newBuild(t, 'chromium', browser, origin, server);
    for (const engine of OtherEngines) {
      const started = Date.now();
      const other = await require(`./${engine}`).startBrowser({ width: 1100, height: 900 });
      try {
        figures.push(`${engine}: ${other.version}`);
        await enginePlay(t, engine, other, origin, server);
        await faults.pageFaults(t, engine, other, origin);
        await faults.newBuild(t, engine, other, origin, server);
        // WebKit's driver runs the test's fast display some ten times slower
        // than the others: its minutes are better spent elsewhere, and the
        // schedule is the same code in every engine.
        if (engine !== 'webkit') {
          await speed.speedAtRefreshRates(t, other, origin, '/scenes/won-game.replay', won.turns, nativeWon,
            engine);
        }
        if (RealTime) await speed.speedInRealTime(t, other, origin, '/scenes/won-game.replay', nativeWon, engine);
      } catch (error) {
        fail(`${engine}: ${error.message}`);
      } finally {
        await other.stop();
      }
      note(`${engine}: its cases took ${((Date.now() - started) / 1000).toFixed(0)} s`);
    }
    // The page's files, gzipped as a server sends them, fit in 3 MB.
    let gzipped = 0;
    for (const file of fs.readdirSync(pageFolder).filter((f) => /^(index\.|icon-|manifest|service-worker)/.test(f))) {
      const bytes = fs.readFileSync(path.join(pageFolder, file));
      const size = zlib.gzipSync(bytes, { level: 9 }).length;
      gzipped += size;
      figures.push(`${file}: ${bytes.length} bytes, ${size} gzipped`);
    }
    figures.push(`the page's files together: ${gzipped} bytes gzipped`);
    if (gzipped > 3000000) fail(`the page's files are ${gzipped} bytes gzipped, over 3 MB`);
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
