// The browser test's cases of the page when something goes wrong, in each
// engine: a page out of sight plays no sound, a file that fails while the
// page prepares it never leaves the page loading, a game that stops short
// says so on the page, and a new build never reaches a page of the old one.
'use strict';

const { waitFor, sleep } = require('./chromium');

const status = (page) => page.evaluate(`document.getElementById('status').textContent`);

// The page's line must come to match `words` (a regular expression's source),
// and `also` to hold, after what was `done`.
async function expectLine(t, engine, page, done, words, also = 'true') {
  const said = `new RegExp(${JSON.stringify(words)}).test(document.getElementById('status').textContent)`
    + ` && ${also}`;
  await waitFor(page, said, 20000, '').catch(() => {});
  const line = await status(page);
  if (await page.evaluate(said)) {
    t.note(`${engine}: ${done}: "${line}"`);
  } else {
    t.fail(`${engine}: ${done}, the page says "${line}"`);
  }
}

async function titlePage(engine, browser, origin, query = '') {
  const page = await browser.openPage();
  await page.navigate(`${origin}/index.html?seed1${query}`);
  await waitFor(page, 'window.firstFrameMs', 20000, `the title in ${engine}${query ? ` (${query})` : ''}`)
    .catch(async (error) => {
      const line = await status(page);
      await page.close();
      throw new Error(`${error.message}; the page says "${line}"`);
    });
  return page;
}

// Audio the browser holds for the first gesture stays held through a page
// hidden and seen again, unasked (headless Chromium runs a page's audio
// from the start, so there is none to hold); once running, hidden, it is
// held, and it runs again once the page is seen. Then an allocation past
// the page's memory ends the game with a line.
async function hiddenAndOutOfMemory(t, engine, browser, origin) {
  const page = await titlePage(engine, browser, origin);
  const before = await page.evaluate(`(() => {
    const audio = SDL.audioContext;
    const resume = audio.resume.bind(audio);
    window.resumesAsked = 0;
    audio.resume = () => { ++resumesAsked; return resume(); };
    return audio.state;
  })()`);
  if (before !== 'running') {
    await page.hide();
    await waitFor(page, `document.visibilityState === 'hidden'`, 3000, `${engine}: the page hidden`);
    await page.show();
    await waitFor(page, `document.visibilityState === 'visible'`, 3000, `${engine}: the page seen`);
    await sleep(200);
    if (await page.evaluate('resumesAsked')) {
      t.fail(`${engine}: audio held for the first gesture was asked to run when the page was seen again`);
    }
  }
  await page.key('down', 'ArrowDown');
  await page.key('up', 'ArrowDown');
  const audio = `[document.visibilityState, SDL.audioContext ? SDL.audioContext.state : 'none']`;
  await waitFor(page, `${audio}.join() === 'visible,running'`, 5000, `${engine}: the audio after a key`);
  await page.hide();
  await waitFor(page, `${audio}.join() === 'hidden,suspended'`, 3000, '').catch(() => {});
  const hidden = await page.evaluate(audio);
  await page.show();
  await waitFor(page, `${audio}.join() === 'visible,running'`, 3000, '').catch(() => {});
  const shown = await page.evaluate(audio);
  if (hidden.join() !== 'hidden,suspended' || shown.join() !== 'visible,running') {
    t.fail(`${engine}: a playing page hidden has its audio ${hidden[1]} (${hidden[0]}), and shown`
      + ` again ${shown[1]} (${shown[0]})`);
  } else {
    t.note(`${engine}: hidden, the page's audio is held; seen again, it runs`);
  }

  await page.evaluate('setTimeout(() => _malloc(512 * 1048576)), true');
  await expectLine(t, engine, page, 'after an allocation past the page\'s memory',
    '^The game has stopped: .*memory.*Reload the page');
  await page.close();
}

// The page's decoding of each sound fails (the game then decodes them
// itself); then a throw out of the game's turn ends it with a line, silent.
async function failedSoundsAndAThrow(t, engine, browser, origin) {
  const page = await titlePage(engine, browser, origin, '&refuseSamples');
  const sounds = 'SDL.audios.filter((a) => a && a.webAudio && a.webAudio.decodedBuffer).length';
  await waitFor(page, `${sounds} === 4`, 5000, '').catch(() => {});
  const decoded = await page.evaluate(sounds);
  if (decoded !== 4) t.fail(`${engine}: with the page's decoding failing, ${decoded} of 4 sounds were decoded`);
  await page.key('down', 'ArrowDown');
  await page.key('up', 'ArrowDown');
  await page.evaluate(`Module.onTurnInput = () => { throw new WebAssembly.RuntimeError('unreachable'); }`);
  await expectLine(t, engine, page, 'after a throw out of the game\'s turn (its audio closed)',
    '^The game has stopped: .*unreachable.*Reload the page', `SDL.audioContext.state === 'closed'`);
  await page.close();
}

// What the game cannot read ends it with its own line on the page: a
// picture whose pixels are refused (those of the full-screen pictures, the
// title's among them), or a recording that cannot be fetched.
async function unreadableFiles(t, engine, browser, origin) {
  const cases = [
    ['refusePixels=800x600', '\\(1\\): cannot read the picture graphics/[a-z0-9-]+\\.bmp'],
    ['replay=http://127.0.0.1:9/nowhere.replay', '\\(2\\): cannot read the replay /replay'],
  ];
  for (const [query, words] of cases) {
    const page = await browser.openPage();
    await page.navigate(`${origin}/index.html?${query}`);
    await expectLine(t, engine, page, `with ?${query}`, `^The game has ended ${words}\\.$`);
    await page.close();
  }
}

async function pageFaults(t, engine, browser, origin) {
  for (const run of [hiddenAndOutOfMemory, failedSoundsAndAThrow, unreadableFiles]) {
    await run(t, engine, browser, origin).catch((error) => t.fail(`${engine}: ${error.message}`));
  }
}

// A new build comes (the test's server serves the next one: its worker
// names another cache, and its index.js ends in a line of its own) while a
// page of the old build is open: that page goes on getting the old build's
// files, whose cache stays; once it is closed, a page opened gets the new
// build whole, and the old cache is gone.
async function newBuild(t, engine, browser, origin, server) {
  let page = await browser.openPage();
  try {
    await page.navigate(`${origin}/index.html?seed1`);
    const worker = await waitFor(page, `navigator.serviceWorker && navigator.serviceWorker.ready
      .then((r) => r.active && r.active.state === 'activated')`, 20000, '').catch(() => false);
    if (!worker) {
      t.note(`${engine}: no service worker, so no new build to check`);
      return;
    }
    // A page the worker serves (the one that installed it came from the network).
    if (!(await page.evaluate('navigator.serviceWorker.controller !== null'))) {
      await page.navigate(`${origin}/index.html?seed1`);
    }
    await waitFor(page, 'window.firstFrameMs', 20000, `the title in ${engine}`);
    const files = `Promise.all([fetch('index.js').then((r) => r.text()), caches.keys()])
      .then(([script, caches]) => ({ next: script.includes(${JSON.stringify(server.nextBuildLine)}), caches }))`;
    const old = await page.evaluate(files);
    server.nextBuild = true;
    await page.evaluate(`navigator.serviceWorker.getRegistration()
      .then((r) => { window.oldWorker = r.active; return r.update(); }).then(() => true)`);
    await waitFor(page, `navigator.serviceWorker.getRegistration().then((r) => !r.installing
      && (r.waiting !== null || r.active !== oldWorker) && r.active.state === 'activated')`, 30000,
    `${engine}: the next build's worker`);
    await sleep(300);
    const during = await page.evaluate(files);
    const kept = old.caches.every((name) => during.caches.includes(name));
    if (during.next || !kept) {
      t.fail(`${engine}: with the next build's worker installed, a page of the old build`
        + `${during.next ? ' got the next build\'s index.js' : ''}${during.next && !kept ? ' and' : ''}${kept ? '' : ' lost its cache'}`);
    }
    await page.close();
    await sleep(500);
    page = await titlePage(engine, browser, origin);
    const after = await page.evaluate(files);
    const stale = old.caches.filter((name) => after.caches.includes(name));
    if (!after.next || stale.length) {
      t.fail(`${engine}: once no page of the old build was open, a new page`
        + `${after.next ? '' : ' still got the old build\'s index.js'}${stale.length ? `, and ${stale} stayed` : ''}`);
    } else {
      t.note(`${engine}: a page of the old build kept its files while the next build waited; then it took over`);
    }
  } finally {
    server.nextBuild = false;
    await page.close();
  }
}

module.exports = { pageFaults, newBuild };
