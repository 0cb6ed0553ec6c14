// The browser test's hooks, written by the test's server into the head of
// the page it serves, so they run before the page's own scripts in every
// engine (classic WebDriver has no other way in). Each is asked for in the
// page's address:
//   always     what the page logs and throws, in window.pageLog; when the
//              canvas first shows a frame, in window.firstFrameMs; the
//              frame callbacks that showed a frame, each as when it began
//              and how long its work took, in window.frameWork; when
//              the first callback began and the last one ended, in
//              window.callbackSpan, and how many there were, in
//              window.callbackCount
//   ?hz=N      a display refreshing N times a second, on a clock of its own
//              that runs as fast as the page can go: the frame callbacks come
//              on that clock, a little late as real ones do, and the game's
//              work takes its real time on it
//   ?wholems   the page's clock read in whole milliseconds, as Safari's is
//              and Firefox's when it resists fingerprinting
//   ?seed1     the clock's seconds held at 1 until the first frame: a live
//              game deals the native scenes' game (seed 1), whose pursuer
//              keeps away through the test's walks; the clock runs on from there
//   ?iphone    Safari's rules on an iPhone before iOS 18.4: no Ogg Vorbis
//              decoded, no element full screen, no screen.orientation, the
//              audio only from a gesture
//   ?refusePixels=WxH  a canvas of that size outside the page gives no
//              pixels, as a tainted one throws: each picture of that size
//              the page decodes fails on the way
//   ?refuseSamples  until the first frame, a decoded sound gives no samples:
//              every sound the browser decodes fails on the page's way
(() => {
  const query = new URLSearchParams(location.search);
  window.pageLog = [];
  for (const level of ['log', 'info', 'warn', 'error']) {
    const real = console[level].bind(console);
    console[level] = (...args) => {
      pageLog.push(args.join(' '));
      real(...args);
    };
  }
  addEventListener('error', (e) => pageLog.push('exception: ' + ((e.error && e.error.stack) || e.message)));
  addEventListener('unhandledrejection', (e) =>
    pageLog.push('exception: ' + ((e.reason && e.reason.stack) || e.reason)));
  let shown = false;
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    if (window.firstFrameMs === undefined) window.firstFrameMs = performance.now();
    shown = true;
    return put.apply(this, args);
  };
  window.frameWork = [];
  window.callbackSpan = [];
  window.callbackCount = 0;
  const timed = (callback) => (time) => {
    const began = performance.now();
    ++callbackCount;
    if (!callbackSpan.length) callbackSpan[0] = began;
    shown = false;
    try {
      callback(time);
    } finally {
      const ended = performance.now();
      callbackSpan[1] = ended;
      if (shown && frameWork.length < 100000) frameWork.push([began, ended - began]);
    }
  };
  const frameCallback = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = (callback) => frameCallback(timed(callback));

  if (query.has('seed1')) {
    const real = Date.now;
    let since = null;
    Date.now = () => {
      if (window.firstFrameMs === undefined) return 1000;
      if (since === null) since = real();
      return 1000 + real() - since;
    };
  }

  if (query.has('hz')) {
    const period = 1000 / Number(query.get('hz'));
    const realNow = performance.now.bind(performance);
    let now = realNow();
    let callbackBegan = null;
    let refresh = Math.ceil(now / period);
    let seed = 12345;
    // A callback comes 0.1 to 1 ms after its refresh, as the browser's do.
    const lateness = () => 0.1 + 0.9 * ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
    performance.now = () => (callbackBegan === null ? now : now + realNow() - callbackBegan);
    let callbacks = [];
    window.requestAnimationFrame = (callback) => callbacks.push(timed(callback));
    window.cancelAnimationFrame = () => {};
    const channel = new MessageChannel();
    channel.port1.onmessage = () => {
      // The next refresh, or the first after the last callback's work ended.
      now = Math.max(now, ++refresh * period + lateness());
      refresh = Math.max(refresh, Math.floor(now / period));
      const due = callbacks;
      callbacks = [];
      callbackBegan = realNow();
      for (const callback of due) callback(now);
      now += realNow() - callbackBegan;
      callbackBegan = null;
      if (!(window.Module && Module.exitCode !== undefined)) channel.port2.postMessage(0);
    };
    channel.port2.postMessage(0);
  }

  if (query.has('wholems')) {
    const fine = performance.now.bind(performance);
    performance.now = () => Math.floor(fine());
  }

  if (query.has('refusePixels')) {
    const read = CanvasRenderingContext2D.prototype.getImageData;
    CanvasRenderingContext2D.prototype.getImageData = function (...args) {
      if (!this.canvas.isConnected && `${this.canvas.width}x${this.canvas.height}` === query.get('refusePixels')) {
        throw new DOMException('The canvas has been tainted', 'SecurityError');
      }
      return read.apply(this, args);
    };
  }

  if (query.has('refuseSamples')) {
    const samples = AudioBuffer.prototype.getChannelData;
    AudioBuffer.prototype.getChannelData = function (...args) {
      if (window.firstFrameMs === undefined) throw new RangeError('no samples');
      return samples.apply(this, args);
    };
  }

  if (query.has('iphone')) {
    const decode = BaseAudioContext.prototype.decodeAudioData;
    BaseAudioContext.prototype.decodeAudioData = function (data, decoded, failed) {
      if (String.fromCharCode(...new Uint8Array(data, 0, 4)) === 'OggS') {
        const error = new DOMException('Decoding failed', 'EncodingError');
        if (failed) setTimeout(() => failed(error));
        return Promise.reject(error);
      }
      return decode.call(this, data, decoded, failed);
    };
    for (const name of ['requestFullscreen', 'webkitRequestFullscreen']) {
      Object.defineProperty(Element.prototype, name, { value: undefined, configurable: true });
    }
    Object.defineProperty(Screen.prototype, 'orientation', { get: () => undefined, configurable: true });
    // The audio starts held, and runs only when asked in a gesture's handler
    // (a finger's lift, a click, a key: what the browser counts as one).
    const RealContext = window.AudioContext;
    window.AudioContext = function (...args) {
      const context = new RealContext(...args);
      context.suspend();
      const resume = context.resume.bind(context);
      context.resume = () => (navigator.userActivation.isActive ? resume() : Promise.resolve());
      return context;
    };
  }
})();
