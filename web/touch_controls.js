// The page's controls on a touch screen: a D-pad and the game's buttons
// beside the frame, each an element whose data-key is the game's word. A
// finger going down on one is its key going down, and up, up: the page
// sends the key's own browser event, so a game played by touch reaches the
// game, and its recordings, as one played on the keyboard. A finger that
// slides from one control to another lets go of the first; every finger
// counts on its own, so walking and using a power go together. The controls
// show on a touch screen and hide once a real keyboard is used.
(function () {
  // Each word's key, as the browser numbers it, and its name.
  var Keys = {
    Left: [37, 'ArrowLeft'], Right: [39, 'ArrowRight'], Up: [38, 'ArrowUp'], Down: [40, 'ArrowDown'],
    Drop: [88, 'x'], Power: [90, 'z'], Start: [83, 's'], Instructions: [73, 'i'],
    Quit: [27, 'Escape'], Pause: [80, 'p'],
  };
  var fingersOn = {};  // word: how many fingers hold it
  var fingers = {};    // a finger's identifier: the word it holds

  function sendKey(word, down) {
    var key = Keys[word];
    var event = new KeyboardEvent(down ? 'keydown' : 'keyup', { key: key[1], bubbles: true, cancelable: true });
    // The browser's constructor leaves the legacy numbers at 0; the game's keyboard reads them.
    Object.defineProperty(event, 'keyCode', { value: key[0] });
    Object.defineProperty(event, 'which', { value: key[0] });
    document.dispatchEvent(event);
  }

  function hold(word, on) {
    var was = fingersOn[word] || 0;
    fingersOn[word] = Math.max(0, was + (on ? 1 : -1));
    if (!was !== !fingersOn[word]) {
      sendKey(word, on);
      document.querySelector('[data-key="' + word + '"]').classList.toggle('held', on);
    }
  }

  function wordAt(x, y) {
    var element = document.elementFromPoint(x, y);
    var control = element && element.closest('[data-key]');
    return control && Keys[control.dataset.key] ? control.dataset.key : null;
  }

  function follow(event) {
    var ending = event.type === 'touchend' || event.type === 'touchcancel';
    var touched = false;
    for (var i = 0; i < event.changedTouches.length; ++i) {
      var touch = event.changedTouches[i];
      var before = fingers[touch.identifier] || null;
      var now = ending ? null : wordAt(touch.clientX, touch.clientY);
      if (event.type === 'touchmove' && before === null) continue;  // began elsewhere
      touched = touched || before !== null || now !== null;
      if (before === now) continue;
      if (before) hold(before, false);
      if (now) hold(now, true);
      if (now) fingers[touch.identifier] = now;
      else delete fingers[touch.identifier];
    }
    if (touched && event.cancelable) event.preventDefault();
  }

  function useTouch(on) {
    if (document.body.classList.contains('touch') === on) return;
    document.body.classList.toggle('touch', on);
    fitCanvas();
  }

  // A finger's first lift on the page asks for the whole screen, lying
  // down, where the browser allows either; and wakes the page's audio.
  var askedForScreen = false;
  function fillScreen() {
    if (typeof SDL !== 'undefined' && SDL.audioContext && SDL.audioContext.state === 'suspended') {
      SDL.audioContext.resume();
    }
    if (askedForScreen || document.fullscreenElement) return;
    askedForScreen = true;
    var page = document.documentElement;
    if (!page.requestFullscreen || matchMedia('(display-mode: fullscreen)').matches) return;
    page.requestFullscreen({ navigationUI: 'hide' }).then(function () {
      if (screen.orientation && screen.orientation.lock) return screen.orientation.lock('landscape');
    }).catch(function () {});
  }

  ['touchstart', 'touchmove', 'touchend', 'touchcancel'].forEach(function (type) {
    document.addEventListener(type, follow, { passive: false });
  });
  document.addEventListener('touchstart', function () { useTouch(true); }, { passive: true });
  document.addEventListener('touchend', fillScreen, { passive: true });
  window.addEventListener('keydown', function (event) {
    if (event.isTrusted) useTouch(false);
  }, true);
  // Losing the page lets go of every control, as it does of the keys.
  window.addEventListener('blur', function () {
    Object.keys(fingers).forEach(function (id) { hold(fingers[id], false); });
    fingers = {};
  });
  useTouch(navigator.maxTouchPoints > 0 || matchMedia('(pointer: coarse)').matches);
})();
