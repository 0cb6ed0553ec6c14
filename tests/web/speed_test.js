// The game's own speed in the page at any refresh rate: the won game's
// recording replayed on displays of 30 to 165 Hz (the page's hooks, ?hz=N,
// on a clock that runs as fast as the page can go), and at 60 and 75 Hz on
// a clock read in whole milliseconds (?wholems), each run as long on that
// clock as the native program takes for it, within 1%.
'use strict';

const childProcess = require('child_process');
const { waitFor } = require('./chromium');

const Rates = [30, 50, 60, 75, 144, 165].map((hz) => ({ hz, clock: '' }))
  .concat([60, 75].map((hz) => ({ hz, clock: 'wholems' })));

// The native program's wall time for a recording, from its start to its
// exit, its sound written nowhere at the pace a sound card takes it (a
// 1,024-sample chunk is 23 ms; with no delay the writer would spin).
function nativeReplay(program, recording) {
  const started = process.hrtime.bigint();
  return new Promise((resolve, reject) => {
    const game = childProcess.spawn(program, ['--replay', recording], { stdio: ['ignore', 'ignore', 'pipe'],
      env: { ...process.env, SDL_AUDIODRIVER: 'disk', SDL_DISKAUDIOFILE: '/dev/null', SDL_DISKAUDIODELAY: '23' } });
    let stderr = '';
    game.stderr.on('data', (chunk) => { stderr += chunk; });
    game.on('error', reject);
    game.on('exit', (code) => {
      if (code !== 0) reject(new Error(`the native replay ended with ${code}: ${stderr.trim()}`));
      else resolve(Number(process.hrtime.bigint() - started) / 1e6);
    });
  });
}

// The page's time for the recording at each rate: from its first turn's
// start to its last one's end, on the page's clock.
async function speedAtRefreshRates(t, browser, origin, recording, turns, nativeMs, engine) {
  for (const { hz, clock } of Rates) {
    const page = await browser.openPage();
    const rate = `${hz} Hz${clock ? ' on a whole-millisecond clock' : ''}`;
    await page.navigate(`${origin}/index.html?replay=${recording}&hz=${hz}${clock ? '&' + clock : ''}`);
    await waitFor(page, 'window.Module && Module.exitCode !== undefined', 120000, `the replay at ${rate}`);
    const run = await page.evaluate('({ exitCode: Module.exitCode, ms: callbackSpan[1] - callbackSpan[0] })');
    await page.close();
    const off = (run.ms - nativeMs) / nativeMs;
    const line = `${engine}: the won game at ${rate}: ${(run.ms / 1000).toFixed(2)} s in the page, native`
      + ` ${(nativeMs / 1000).toFixed(2)} s (${off >= 0 ? '+' : ''}${(off * 100).toFixed(2)}%),`
      + ` ${(turns / run.ms * 1000).toFixed(2)} turns a second`;
    t.figures.push(line);
    if (run.exitCode !== 0) t.fail(`${engine}: at ${rate} the replay ended with ${run.exitCode}`);
    if (Math.abs(off) > 0.01) t.fail(line);
    else t.note(line);
  }
}

// The won game in real time, at whatever rate the engine calls the page
// back: asked for by QZ_WEB_REAL_TIME=1, as a benchmark's figure, since a
// minute of real time in each engine is too long for every run.
async function speedInRealTime(t, browser, origin, recording, nativeMs, engine) {
  const page = await browser.openPage();
  await page.navigate(`${origin}/index.html?replay=${recording}`);
  await waitFor(page, 'window.Module && Module.exitCode !== undefined', 180000, `the replay in ${engine}`);
  const run = await page.evaluate(`({ exitCode: Module.exitCode, ms: callbackSpan[1] - callbackSpan[0],
    hz: callbackCount / (callbackSpan[1] - callbackSpan[0]) * 1000 })`);
  await page.close();
  const off = (run.ms - nativeMs) / nativeMs;
  t.figures.push(`${engine}: the won game in real time, called back at ${run.hz.toFixed(1)} Hz:`
    + ` ${(run.ms / 1000).toFixed(2)} s in the page, native ${(nativeMs / 1000).toFixed(2)} s`
    + ` (${off >= 0 ? '+' : ''}${(off * 100).toFixed(2)}%)`);
  if (run.exitCode !== 0) t.fail(`${engine}: in real time the replay ended with ${run.exitCode}`);
}

module.exports = { nativeReplay, speedAtRefreshRates, speedInRealTime, Rates };
