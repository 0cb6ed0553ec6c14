// The browser test's cases of the page on a phone and with a pad: Chromium
// with a phone's screen and touch, the page's touch controls touched where
// they are; a stand-in pad behind navigator.getGamepads(); the page played
// again with no network after one visit.
'use strict';

const fs = require('fs');
const path = require('path');
const { openPage, waitFor, sleep } = require('./chromium');

const Landscape = { width: 844, height: 390, angle: 90, type: 'landscapePrimary' };
const Portrait = { width: 390, height: 844, angle: 0, type: 'portraitPrimary' };
// How long a walk holds its direction: well within the native walk's frames.
const WalkMs = 700;

async function phonePage(browser, origin, screen, query = '') {
  const page = await openPage(browser);
  await page.send('Emulation.setDeviceMetricsOverride', { width: screen.width, height: screen.height,
    deviceScaleFactor: 3, mobile: true, screenOrientation: { type: screen.type, angle: screen.angle } });
  await page.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
  // The live game deals the native scenes' game (the page's hooks, ?seed1).
  await page.send('Page.navigate', { url: `${origin}/index.html?seed1${query}` });
  await waitFor(page, 'window.firstFrameMs', 30000, 'the title on a phone');
  return page;
}

// Where each control and the frame are on the page, in CSS pixels.
function layout(page) {
  return page.evaluate(`(() => {
    const box = (e) => { const r = e.getBoundingClientRect(); return { x: r.x, y: r.y, w: r.width, h: r.height }; };
    const boxes = { canvas: box(document.getElementById('canvas')) };
    document.querySelectorAll('[data-key]').forEach((e) => { boxes[e.dataset.key] = box(e); });
    return { boxes, scrolls: document.documentElement.scrollWidth > innerWidth
      || document.documentElement.scrollHeight > innerHeight,
      rendering: getComputedStyle(document.getElementById('canvas')).imageRendering };
  })()`);
}

// Fingers on the controls: { id: word } for each finger down, at the middle
// of its control, or { id: { x, y } } at a point of the page.
async function touch(page, type, fingers, boxes) {
  const touchPoints = Object.entries(fingers).map(([id, at]) => (typeof at === 'string'
    ? { id: +id, x: boxes[at].x + boxes[at].w / 2, y: boxes[at].y + boxes[at].h / 2 } : { id: +id, ...at }));
  await page.send('Input.dispatchTouchEvent', { type, touchPoints });
}

// Records the keys the page sends (window.keysSent: +code down, -code up)
// and reads the game's keyboard state (heldNow: the emulation numbers the
// arrows by their scan codes plus 1024, Left 1104 and Up 1106).
const KeysSent = `window.keysSent = [];
  ['keydown', 'keyup'].forEach((type) => document.addEventListener(type,
    (e) => keysSent.push((type === 'keydown' ? '+' : '-') + e.keyCode)));
  window.heldNow = (code) => HEAP8[SDL.keyboardState + code]`;

// The D-pad's box, from its four cells.
function padBox(boxes) {
  return { x: boxes.Left.x, y: boxes.Up.y, w: boxes.Right.x + boxes.Right.w - boxes.Left.x,
    h: boxes.Down.y + boxes.Down.h - boxes.Up.y };
}

// A point at `degrees` (counter-clockwise from right) from the D-pad's
// centre, a third of its width away.
function onPad(pad, degrees) {
  const radians = degrees * Math.PI / 180;
  return { x: pad.x + pad.w / 2 + Math.cos(radians) * pad.w / 3,
    y: pad.y + pad.h / 2 - Math.sin(radians) * pad.w / 3 };
}

// The screen's frames a test may see: the native scenes of a prefix.
function frames(t, prefix) {
  return fs.readdirSync(t.scenesFolder).filter((f) => new RegExp(`^${prefix}-\\d+\\.bmp$`).test(f))
    .map((f) => t.readBmp(path.join(t.scenesFolder, f)));
}

// Waits for play's first frame (the ship landed) after a start, and returns it.
async function untilPlay(t, page, what) {
  const idle = frames(t, 'idle-play');
  const until = Date.now() + 10000;
  let live = await t.canvasPixels(page);
  while (!idle.some((frame) => frame.equals(live)) && Date.now() < until) {
    await sleep(50);
    live = await t.canvasPixels(page);
  }
  if (!idle.some((frame) => frame.equals(live))) t.fail(`${what}: play did not begin`);
  return live;
}

// Where a walk left stops must be where one of the native game's does, and
// not where it began. (A step's picture follows the turn; a stop does not.)
async function holdAgainstWalk(t, page, name) {
  await sleep(200);
  const live = await t.canvasPixels(page);
  const walk = frames(t, 'walk-end');
  const match = walk.find((frame) => frame.equals(live));
  if (frames(t, 'idle-play').some((frame) => frame.equals(live))) {
    t.fail(`${name}: the alien did not walk`);
  }
  t.compare(name, live, match || walk[0]);
}

async function touchPlay(t, browser, origin) {
  const page = await phonePage(browser, origin, Landscape);
  const { boxes, scrolls, rendering } = await layout(page);
  await page.send('Page.captureScreenshot', { format: 'png' }).then(({ data }) =>
    fs.writeFileSync(path.join(t.outFolder, 'phone-landscape.png'), Buffer.from(data, 'base64')));
  // The whole frame, as high as the screen, beside the controls and clear of them.
  const c = boxes.canvas;
  const overlaps = Object.entries(boxes).filter(([word, b]) => word !== 'canvas'
    && b.x < c.x + c.w && c.x < b.x + b.w && b.y < c.y + c.h && c.y < b.y + b.h).map(([word]) => word);
  if (Math.round(c.h) !== Landscape.height || Math.round(c.w) !== Landscape.height * 4 / 3 || scrolls
      || overlaps.length || rendering !== 'pixelated') {
    t.fail(`landscape phone: the frame is ${c.w}x${c.h} at ${c.x},${c.y}, ${rendering},`
      + ` under ${overlaps.join(', ') || 'no control'}${scrolls ? ', and the page scrolls' : ''}`);
  }
  // Start, then Left held: the native game's walk.
  await touch(page, 'touchStart', { 1: 'Start' }, boxes);
  await sleep(300);
  await touch(page, 'touchEnd', {}, boxes);
  await untilPlay(t, page, 'touch');
  const audio = await page.evaluate('SDL.audioContext ? SDL.audioContext.state : "none"');
  if (audio !== 'running') t.fail(`touch: the page's audio is ${audio} after the first tap`);
  await touch(page, 'touchStart', { 2: 'Left' }, boxes);
  await sleep(WalkMs);
  await touch(page, 'touchEnd', {}, boxes);
  await holdAgainstWalk(t, page, 'phone-walk');

  // A finger sliding from Left to Up lets go of Left; a second finger holds
  // Power while the first holds Left, both held in the keyboard's state.
  await page.evaluate(KeysSent);
  // The finger slides through the D-pad's middle, which holds nothing, and
  // on to Up; a turn passes at each place.
  const pad = boxes.dpad = padBox(boxes);
  await touch(page, 'touchStart', { 3: 'Left' }, boxes);
  await sleep(100);
  await touch(page, 'touchMove', { 3: 'dpad' }, boxes);
  await sleep(100);
  const middle = await page.evaluate('[heldNow(1106), heldNow(1104)]');
  await touch(page, 'touchMove', { 3: 'Up' }, boxes);
  await sleep(100);
  await touch(page, 'touchStart', { 3: 'Up', 4: 'Power' }, boxes);
  await sleep(100);
  // The emulation numbers Up and Left by their scan codes plus 1024.
  const both = await page.evaluate('[heldNow(1106), heldNow(122), heldNow(1104)]');
  await touch(page, 'touchEnd', {}, boxes);
  const sent = (await page.evaluate('keysSent')).join(' ');
  if (sent !== '+37 -37 +38 +90 -38 -90' || both.join() !== '1,1,0' || middle.join() !== '0,0') {
    t.fail(`touch: sliding Left through the middle to Up and adding Power sent ${sent}, with Up, Power,`
      + ` Left held: ${both}, Up and Left in the middle: ${middle} (${pad.w}x${pad.h})`);
  } else {
    t.note('touch: a slide lets go of the first control, the middle holds none, and on to Up; two fingers hold two');
  }
  // Up and to the left holds both; a thumb wobbling across a boundary, that
  // of the diagonal or the one between Left and Up, holds on to what it
  // has until clearly past it.
  await page.evaluate('keysSent = []');
  const wobble = [170, 148, 160, 148, 160, 140, 130, 140, 130, 100];
  const diagonal = [];
  await touch(page, 'touchStart', { 7: onPad(pad, wobble[0]) }, boxes);
  for (const degrees of wobble.slice(1)) {
    await sleep(70);
    await touch(page, 'touchMove', { 7: onPad(pad, degrees) }, boxes);
    if (degrees === 130) diagonal.push(...await page.evaluate('[heldNow(1104), heldNow(1106)]'));
  }
  await sleep(70);
  await touch(page, 'touchEnd', {}, boxes);
  await sleep(70);
  const wobbled = (await page.evaluate('keysSent')).join(' ');
  if (wobbled !== '+37 +38 -37 -38' || diagonal.slice(-2).join() !== '1,1') {
    t.fail(`touch: a thumb wobbling from Left through Up and Left to Up sent ${wobbled},`
      + ` with Left and Up held up and to the left: ${diagonal.slice(-2)}`);
  } else {
    t.note('touch: up and to the left holds Left and Up; a wobbling thumb presses each once');
  }
  // A tap quicker than a turn: one turn reads Power held, and no more.
  await page.evaluate(`window.powerSeen = [];
    const read = Module.onTurnInput;
    Module.onTurnInput = () => { powerSeen.push(heldNow(122)); read(); };`);
  await touch(page, 'touchStart', { 6: 'Power' }, boxes);
  await touch(page, 'touchEnd', {}, boxes);
  await sleep(200);
  const powerSeen = await page.evaluate('powerSeen');
  if (powerSeen.filter((held) => held).length !== 1 || powerSeen[powerSeen.length - 1]) {
    t.fail(`touch: a quick tap on Power was seen by the turns as ${powerSeen.slice(0, 4).join(', ')}`);
  }
  // A real key hides the controls; a touch brings them back.
  const shown = () => page.evaluate(`getComputedStyle(document.getElementById('dpad')).display !== 'none'`);
  await page.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', windowsVirtualKeyCode: 16, code: 'ShiftLeft', key: 'Shift' });
  await page.send('Input.dispatchKeyEvent', { type: 'keyUp', windowsVirtualKeyCode: 16, code: 'ShiftLeft', key: 'Shift' });
  const hidden = !(await shown());
  await touch(page, 'touchStart', { 5: 'canvas' }, boxes);
  await touch(page, 'touchEnd', {}, boxes);
  if (!hidden || !(await shown())) t.fail(`touch: the controls ${hidden ? 'did not come back with a touch' : 'stayed with a key'}`);
  await page.send('Page.close').catch(() => {});

  const standing = await phonePage(browser, origin, Portrait);
  const upright = (await layout(standing)).boxes;
  await standing.send('Page.captureScreenshot', { format: 'png' }).then(({ data }) =>
    fs.writeFileSync(path.join(t.outFolder, 'phone-portrait.png'), Buffer.from(data, 'base64')));
  const lowest = Math.max(...Object.values(upright).map((b) => b.y + b.h));
  if (Math.round(upright.canvas.w) !== Portrait.width || upright.canvas.y + upright.canvas.h > upright.Up.y
      || lowest > Portrait.height) {
    t.fail('portrait phone: the frame is not on top, the screen wide, with the controls below it');
  }
  // Standing, the buttons are beside the D-pad: a thumb sliding right off
  // the D-pad still steers it, over whatever button it crosses, and one that
  // went down on Power stays Power over the D-pad.
  await standing.evaluate(KeysSent);
  const uprightPad = padBox(upright);
  const across = { x: upright.Pause.x + upright.Pause.w / 2, y: uprightPad.y + uprightPad.h / 2 };
  const crossed = await standing.evaluate(`(() => {
    const e = document.elementFromPoint(${across.x}, ${across.y});
    const control = e && e.closest('[data-key]'); return control ? control.dataset.key : 'nothing'; })()`);
  await touch(standing, 'touchStart', { 1: 'Right' }, upright);
  for (const x of [uprightPad.x + uprightPad.w, across.x, Portrait.width - 2]) {
    await sleep(70);
    await touch(standing, 'touchMove', { 1: { x, y: across.y } }, upright);
  }
  await sleep(70);
  await touch(standing, 'touchEnd', {}, upright);
  await sleep(70);
  await touch(standing, 'touchStart', { 2: 'Power' }, upright);
  for (const word of ['Left', 'Up']) {
    await sleep(70);
    await touch(standing, 'touchMove', { 2: word }, upright);
  }
  await sleep(70);
  await touch(standing, 'touchEnd', {}, upright);
  await sleep(70);
  const kept = (await standing.evaluate('keysSent')).join(' ');
  if (kept !== '+39 -39 +90 -90' || crossed === 'nothing') {
    t.fail(`portrait phone: a thumb sliding from Right over ${crossed} to the edge, then one from Power`
      + ` over Left and Up, sent ${kept}`);
  } else {
    t.note(`portrait phone: a finger keeps the control it went down on, the D-pad over ${crossed},`
      + ' Power over the D-pad');
  }
  await standing.send('Page.close').catch(() => {});
}

// An iPhone's rules in Chromium (the page's hooks, ?iphone: no Ogg Vorbis
// decoded, no element full screen, no screen.orientation; the browser's own
// audio held until a gesture), standing and lying: the audio waits for the
// first tap, a tap quicker than a turn on Start starts the game, every sound
// is there (the page decoded them itself), and nothing throws.
async function iphonePlay(t, browser, origin) {
  for (const screen of [Portrait, Landscape]) {
    const name = `iphone-${screen === Portrait ? 'portrait' : 'landscape'}`;
    const page = await phonePage(browser, origin, screen, '&iphone');
    const { boxes } = await layout(page);
    const before = await page.evaluate('SDL.audioContext ? SDL.audioContext.state : "none"');
    await touch(page, 'touchStart', { 1: 'Start' }, boxes);
    await touch(page, 'touchEnd', {}, boxes);
    await untilPlay(t, page, `${name}: a quick tap on Start`);
    await page.send('Page.captureScreenshot', { format: 'png' }).then(({ data }) =>
      fs.writeFileSync(path.join(t.outFolder, `${name}.png`), Buffer.from(data, 'base64')));
    const after = await page.evaluate(`({ audio: SDL.audioContext.state,
      decoded: SDL.audios.filter((a) => a && a.webAudio && a.webAudio.decodedBuffer).length,
      log: pageLog, full: !!document.fullscreenElement })`);
    const problems = after.log.filter((line) => /^exception|cannot/.test(line));
    if (before !== 'suspended' || after.audio !== 'running' || after.decoded !== 4 || problems.length
        || after.full) {
      t.fail(`${name}: audio ${before} before the tap and ${after.audio} after, ${after.decoded} of 4 sounds,`
        + ` full screen ${after.full}; ${problems.join('; ')}`);
    } else {
      t.note(`${name}: audio waits for the tap and runs after it, 4 sounds decoded by the page, nothing thrown`);
    }
    await page.send('Page.close').catch(() => {});
  }
}

// A stand-in pad, which the page finds behind navigator.getGamepads(); the
// test moves it through window.pad. By default of the standard mapping; as
// Firefox on Linux gives an Xbox-style pad, of none, its buttons numbered as
// the driver numbers them and its D-pad the last two of eight axes. `rest`
// gives the axes that rest away from zero, by number.
const StandIn = (mapping = 'standard', axes = 4, buttons = 17, rest = {}) => `(() => {
  const pad = { id: 'stand-in', index: 0, connected: true, mapping: '${mapping}', timestamp: 0,
    axes: Object.assign(new Array(${axes}).fill(0), ${JSON.stringify(rest)}),
    buttons: Array.from({ length: ${buttons} }, () => ({ pressed: false, touched: false, value: 0 })) };
  window.pad = { present: false, button: (n, down) => { pad.buttons[n].pressed = down; },
    stick: (x) => { pad.axes[0] = x; }, axis: (n, x) => { pad.axes[n] = x; } };
  navigator.getGamepads = () => [window.pad.present ? pad : null, null, null, null];
})();`;

async function padPage(browser, origin, standIn) {
  const page = await openPage(browser);
  await page.send('Page.addScriptToEvaluateOnNewDocument', { source: standIn });
  await page.send('Page.navigate', { url: `${origin}/index.html?seed1` });
  await waitFor(page, 'window.firstFrameMs', 30000, 'the title');
  return page;
}

async function padPlay(t, browser, origin) {
  const page = await padPage(browser, origin, StandIn());
  await page.evaluate('pad.present = true; pad.button(9, true)');
  await sleep(300);
  await page.evaluate('pad.button(9, false)');
  const idle = await untilPlay(t, page, 'pad');
  // Within the dead zone, the stick holds nothing; past it, it walks, and
  // holds on back within it until under the release zone.
  await page.evaluate('pad.stick(-0.22)');
  await sleep(300);
  if (!(await t.canvasPixels(page)).equals(idle)) t.fail('pad: a stick within the dead zone walked');
  await page.evaluate('pad.stick(-0.9)');
  await sleep(WalkMs / 2);
  await page.evaluate('pad.stick(-0.22)');
  await sleep(WalkMs / 2);
  await page.evaluate('pad.stick(0)');
  await holdAgainstWalk(t, page, 'pad-walk');
  // The pad going away with the stick pushed leaves nothing held.
  await page.evaluate('pad.stick(-0.9)');
  await sleep(200);
  await page.evaluate('pad.present = false');
  await sleep(200);
  const stopped = await t.canvasPixels(page);
  await sleep(300);
  if (!stopped.equals(await t.canvasPixels(page))) t.fail('pad: the walk went on once the pad went away');
  await page.send('Page.close').catch(() => {});

  // A pad of no mapping keeps its numbers: 7 starts, the guide button (8)
  // quits nothing, and the D-pad on axis 6 walks.
  const other = await padPage(browser, origin, StandIn('', 8, 11));
  await other.evaluate('pad.present = true; pad.button(7, true)');
  await sleep(300);
  await other.evaluate('pad.button(7, false)');
  await untilPlay(t, other, 'a pad of no mapping');
  await other.evaluate('pad.button(8, true)');
  await sleep(300);
  await other.evaluate('pad.button(8, false); pad.axis(6, -1)');
  await sleep(WalkMs);
  await other.evaluate('pad.axis(6, 0)');
  if (await other.evaluate('Module.exitCode !== undefined')) t.fail('pad: the guide button of a pad of no mapping quit');
  await holdAgainstWalk(t, other, 'pad-of-no-mapping-walk');
  await other.send('Page.close').catch(() => {});

  // Chromium's pad of no mapping: its hat on one axis of its own, out of
  // range at rest, and triggers resting at -1, which walk nowhere; the hat
  // pushed left walks.
  const chromium = await padPage(browser, origin, StandIn('', 10, 12, ChromiumRest));
  await chromium.evaluate('pad.present = true; pad.button(7, true)');
  await sleep(300);
  await chromium.evaluate('pad.button(7, false)');
  const still = await untilPlay(t, chromium, 'a pad with a hat axis');
  await sleep(300);
  if (!(await t.canvasPixels(chromium)).equals(still)) t.fail('pad: a hat axis at rest, or a trigger, walked');
  await chromium.evaluate(`pad.axis(9, ${HatAxisLeft})`);
  await sleep(WalkMs);
  await chromium.evaluate(`pad.axis(9, ${ChromiumRest[9]})`);
  await holdAgainstWalk(t, chromium, 'pad-hat-axis-walk');
  await chromium.send('Page.close').catch(() => {});

  // Eight axes, the seventh a trigger resting at -1: not a D-pad held left.
  const trigger = await padPage(browser, origin, StandIn('', 8, 11, { 6: -1 }));
  await trigger.evaluate('pad.present = true; pad.button(7, true)');
  await sleep(300);
  await trigger.evaluate('pad.button(7, false)');
  const resting = await untilPlay(t, trigger, 'a pad with a trigger on its seventh axis');
  await sleep(WalkMs);
  if (!(await t.canvasPixels(trigger)).equals(resting)) t.fail('pad: a trigger resting at -1 walked');
  else t.note('pad: a hat on one axis walks; a hat at rest and triggers resting at -1 hold nothing');
  await trigger.send('Page.close').catch(() => {});
}

// How Chromium gives the axes of a pad of no mapping: the triggers (2, 5)
// at -1 at rest, the hat the tenth axis, out of range at rest and 5/7 left.
const ChromiumRest = { 2: -1, 5: -1, 9: 23 / 7 };
const HatAxisLeft = 5 / 7;

// After one visit, the page plays with no network: its service worker has it all.
async function offlinePlay(t, browser, origin, server) {
  const page = await openPage(browser);
  await page.send('Page.navigate', { url: `${origin}/index.html` });
  await waitFor(page, `navigator.serviceWorker.ready.then((r) => r.active && r.active.state === 'activated')`,
    30000, 'the service worker');
  await page.send('Network.emulateNetworkConditions', { offline: true, latency: 0,
    downloadThroughput: -1, uploadThroughput: -1 });
  server.refusing = true;
  try {
    await page.navigate(`${origin}/index.html`);
    await waitFor(page, 'window.firstFrameMs', 30000, 'the title with no network');
    await sleep(200);
    t.compare('offline-title', await t.canvasPixels(page), t.readBmp(path.join(t.scenesFolder, 'title.bmp')));
  } finally {
    server.refusing = false;
    await page.send('Page.close').catch(() => {});
  }
}

// Load to the title's first frame on a first visit over Fast 3G (as the
// browser's tools slow it), the files gzipped.
async function slowLoad(t, browser, origin) {
  const page = await openPage(browser);
  await page.send('Network.setBypassServiceWorker', { bypass: true });
  await page.send('Network.setCacheDisabled', { cacheDisabled: true });
  await page.send('Network.emulateNetworkConditions', { offline: false, latency: 562.5,
    downloadThroughput: 1.6 * 1024 * 1024 / 8 * 0.9, uploadThroughput: 750 * 1024 / 8 * 0.9 });
  await page.send('Page.navigate', { url: `${origin}/index.html` });
  const ms = await waitFor(page, 'window.firstFrameMs', 120000, 'the title over Fast 3G');
  t.figures.push(`load to the title's first frame over Fast 3G, gzipped, first visit: ${ms.toFixed(0)} ms`);
  t.note(`over Fast 3G the title shows ${ms.toFixed(0)} ms after the navigation began`);
  await page.send('Page.close').catch(() => {});
}

module.exports = { touchPlay, iphonePlay, padPlay, offlinePlay, slowLoad, holdAgainstWalk, untilPlay, WalkMs,
  StandIn, ChromiumRest, HatAxisLeft, KeysSent };
