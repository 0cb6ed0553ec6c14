// The page in Firefox and WebKit, each driven over WebDriver (firefox.js,
// webkit.js): the title and a walk of held Left equal the native frames
// pixel for pixel, S plays, the four sounds are decoded and the audio runs
// once a key is pressed, nothing throws, and after one visit the page plays
// with no server where the engine keeps a service worker.
'use strict';

const path = require('path');
const { waitFor, sleep } = require('./chromium');
const phone = require('./phone_test');

async function soundAndLog(page) {
  return page.evaluate(`({ audio: SDL.audioContext ? SDL.audioContext.state : 'none',
    decoded: SDL.audios.filter((a) => a && a.webAudio && a.webAudio.decodedBuffer).length,
    problems: pageLog.filter((line) => /^exception|cannot/.test(line)) })`);
}

async function enginePlay(t, engine, browser, origin, server) {
  const page = await browser.openPage();
  await page.navigate(`${origin}/index.html?seed1`);
  await waitFor(page, 'window.firstFrameMs', 60000, `the title in ${engine}`);
  await sleep(300);
  const title = t.readBmp(path.join(t.scenesFolder, 'title.bmp'));
  t.compare(`${engine}-title`, await t.canvasPixels(page), title);
  await page.screenshot(path.join(t.outFolder, `${engine}-title.png`));

  await page.key('down', 's');
  await sleep(300);
  await page.key('up', 's');
  await phone.untilPlay(t, page, `${engine}: S`);
  await page.key('down', 'ArrowLeft');
  await sleep(phone.WalkMs);
  await page.key('up', 'ArrowLeft');
  await phone.holdAgainstWalk(t, page, `${engine}-walk`);
  await page.screenshot(path.join(t.outFolder, `${engine}-play.png`));
  const played = await soundAndLog(page);
  if (played.audio !== 'running' || played.decoded !== 4 || played.problems.length) {
    t.fail(`${engine}: audio ${played.audio} after the keys, ${played.decoded} of 4 sounds decoded;`
      + ` ${played.problems.join('; ')}`);
  } else {
    t.note(`${engine}: the audio runs after the first key, 4 sounds decoded, nothing thrown`);
  }

  // Offline after one visit: the server hangs up on every request.
  const worker = await waitFor(page, `navigator.serviceWorker && navigator.serviceWorker.ready
    .then((r) => r.active && r.active.state === 'activated')`, 20000, `${engine}'s service worker`)
    .catch(() => false);
  if (!worker) {
    t.note(`${engine}: no service worker on ${origin}, so no offline play to check`);
  } else {
    server.refusing = true;
    try {
      await page.navigate(`${origin}/index.html`);
      await waitFor(page, 'window.firstFrameMs', 30000, `the title in ${engine} with no server`);
      await sleep(300);
      t.compare(`${engine}-offline-title`, await t.canvasPixels(page), title);
    } finally {
      server.refusing = false;
    }
  }
  await page.close();
}

module.exports = { enginePlay };
