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

// After the walk: a stand-in pad of no mapping, as Chromium gives one, its
// hat on an axis of its own and its triggers resting at -1, holds nothing
// at rest and walks with the hat pushed left. Then, where the engine has
// touch events (Firefox, asked to have them; WebKitGTK's driver sends a
// touch as the mouse), fingers keep the control they went down on: one on
// Right steers the D-pad over the frame and the buttons and, back on the
// pad up and to the left, holds Left and Up; one on Power stays Power over
// the D-pad.
async function padAndTouch(t, engine, page) {
  await page.evaluate(`${phone.StandIn('', 10, 12, phone.ChromiumRest)} pad.present = true;`);
  await sleep(300);
  const standing = await t.canvasPixels(page);
  await sleep(300);
  const stood = (await t.canvasPixels(page)).equals(standing);
  await page.evaluate(`pad.axis(9, ${phone.HatAxisLeft})`);
  await sleep(300);
  const walked = !(await t.canvasPixels(page)).equals(standing);
  await page.evaluate(`pad.axis(9, ${phone.ChromiumRest[9]}); pad.present = false`);
  if (!stood || !walked) {
    t.fail(`${engine}: a pad's hat on an axis of its own${stood ? '' : ' walked at rest'}`
      + `${walked ? '' : ' did not walk'}`);
  } else {
    t.note(`${engine}: a pad's hat on an axis of its own walks, and holds nothing at rest`);
  }

  const at = ({ x, y }) => ({ type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' });
  const pause = { type: 'pause', duration: 70 };
  const [down, up] = [{ type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }];
  // A first touch shows the controls, if it comes as one.
  await page.touch([at({ x: 5, y: 5 }), down, pause, up]);
  await sleep(300);
  if (!(await page.evaluate(`document.body.classList.contains('touch')`))) {
    t.note(`${engine}: a touch comes as the mouse, so no touch controls to check`);
    return;
  }
  const places = await page.evaluate(`(() => { const middle = (e) => { const r = e.getBoundingClientRect();
    return { x: r.x + r.width / 2, y: r.y + r.height / 2, w: r.width }; };
    const control = (word) => middle(document.querySelector('[data-key=' + word + ']'));
    return { pad: middle(document.getElementById('dpad')), Right: control('Right'), Power: control('Power'),
      Left: control('Left'), width: innerWidth }; })()`);
  const upLeft = { x: places.pad.x - places.pad.w / 4, y: places.pad.y - places.pad.w / 4 };
  await page.evaluate(phone.KeysSent);
  await page.touch([at(places.Right), down, pause, at({ x: places.width - 2, y: places.Right.y }), pause,
    at(upLeft), pause, up, pause, at(places.Power), down, pause, at(places.Left), pause, up, pause]);
  await sleep(200);
  const sent = (await page.evaluate('keysSent')).join(' ');
  if (sent !== '+39 -39 +37 +38 -37 -38 +90 -90') {
    t.fail(`${engine}: a finger from Right over the frame to the far side and back up and to the left,`
      + ` then one from Power onto Left, sent ${sent}`);
  } else {
    t.note(`${engine}: a finger keeps the control it went down on; up and to the left holds Left and Up`);
  }
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

  await padAndTouch(t, engine, page);

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
