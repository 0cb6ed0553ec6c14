// The page's controls on a touch screen: a D-pad and the game's buttons
// beside the frame, each an element whose data-key is the game's word. A
// finger going down on one is its key going down, and up, up: the page
// sends the key's own browser event, so a game played by touch reaches the
// game, and its recordings, as one played on the keyboard. Every finger
// counts on its own, so walking and using a power go together. The
// controls show on a touch screen and hide once a real keyboard is used.
(function () {
  // Each word's key, as the browser numbers it, and its name.
  var Keys = {
    Left: [37, 'ArrowLeft'], Right: [39, 'ArrowRight'], Up: [38, 'ArrowUp'], Down: [40, 'ArrowDown'],
    Drop: [88, 'x'], Power: [90, 'z'], Start: [83, 's'], Instructions: [73, 'i'],
    Quit: [27, 'Escape'], Pause: [80, 'p'],
  };
  var fingersOn = {};  // word: how many fingers hold it
  var fingers = {};    // a finger that began on a control: the word it holds, or null

  function sendKey(word, down) {
    var key = Keys[word];
    var event = new KeyboardEvent(down ? 'keydown' : 'keyup', { key: key[1], bubbles: true, cancelable: true });
    // The browser's constructor leaves the legacy numbers at 0; the game's keyboard reads them.
    Object.defineProperty(event, 'keyCode', { value: key[0] });
    Object.defineProperty(event, 'which', { value: key[0] });
    document.dispatchEvent(event);
  }

  // A tap quicker than a turn would reach the game as a key already let go:
  // a key goes up only once a turn has read it down, as the pad's buttons do.
  var turnsRead = 0;
  var downAt = {};   // word: turnsRead when its key went down
  var letGo = {};    // word: its key is to go up at the next turn read
  Module.onTurnInput = function () {
    ++turnsRead;
    Object.keys(letGo).forEach(function (word) {
      delete letGo[word];
      sendKey(word, false);
    });
  };

  function hold(word, on) {
    var was = fingersOn[word] || 0;
    fingersOn[word] = Math.max(0, was + (on ? 1 : -1));
    if (!was === !fingersOn[word]) return;
    document.querySelector('[data-key="' + word + '"]').classList.toggle('held', on);
    if (on && letGo[word]) {
      delete letGo[word];  // down again before the game saw it go up: still held
    } else if (on) {
      downAt[word] = turnsRead;
      sendKey(word, true);
    } else if (downAt[word] === turnsRead) {
      letGo[word] = true;
    } else {
      sendKey(word, false);
    }
  }

  // The D-pad holds the direction of a finger anywhere over it, the gaps
  // between its cells included: the one its angle from the pad's centre
  // points to. Its very middle holds none, as a stick at rest.
  function directionAt(x, y) {
    var box = document.getElementById('dpad').getBoundingClientRect();
    if (x < box.left || x >= box.right || y < box.top || y >= box.bottom) return undefined;
    var dx = x - (box.left + box.right) / 2;
    var dy = y - (box.top + box.bottom) / 2;
    if (Math.hypot(dx, dy) < box.width / 8) return null;
    if (Math.abs(dx) > Math.abs(dy)) return dx < 0 ? 'Left' : 'Right';
    return dy < 0 ? 'Up' : 'Down';
  }

  function wordAt(x, y) {
    var direction = directionAt(x, y);
    if (direction !== undefined) return direction;
    var element = document.elementFromPoint(x, y);
    var control = element && element.closest('[data-key]');
    return control && Keys[control.dataset.key] ? control.dataset.key : null;
  }

  // A finger that went down on a control or the D-pad is followed until it
  // lifts, over other controls and between them; one that went down
  // elsewhere is not.
  function follow(event) {
    var ending = event.type === 'touchend' || event.type === 'touchcancel';
    var touched = false;
    for (var i = 0; i < event.changedTouches.length; ++i) {
      var touch = event.changedTouches[i];
      var id = touch.identifier;
      var followed = Object.prototype.hasOwnProperty.call(fingers, id);
      var before = followed ? fingers[id] : null;
      var now = ending ? null : wordAt(touch.clientX, touch.clientY);
      var begins = event.type === 'touchstart'
        && (now !== null || directionAt(touch.clientX, touch.clientY) !== undefined);
      if (!begins && !followed) continue;
      touched = true;
      if (before !== now) {
        if (before) hold(before, false);
        if (now) hold(now, true);
      }
      if (ending) delete fingers[id];
      else fingers[id] = now;
    }
    if (touched && event.cancelable) event.preventDefault();
  }

  function useTouch(on) {
    if (document.body.classList.contains('touch') === on) return;
    document.body.classList.toggle('touch', on);
    fitCanvas();
  }

  // A finger's first lift on the page asks for the whole screen, lying
  // down, where the browser has either. An iPhone has neither element full
  // screen nor an orientation lock: there the page already fills the
  // screen by its own style, and nothing here may throw.
  var askedForScreen = false;
  function fillScreen() {
    if (askedForScreen || document.fullscreenElement || document.webkitFullscreenElement) return;
    askedForScreen = true;
    var page = document.documentElement;
    var ask = page.requestFullscreen || page.webkitRequestFullscreen;
    if (!ask || matchMedia('(display-mode: fullscreen)').matches) return;
    var lock = function () {
      var orientation = screen.orientation;
      if (orientation && typeof orientation.lock === 'function') {
        return orientation.lock('landscape');
      }
    };
    try {
      Promise.resolve(ask.call(page, { navigationUI: 'hide' })).then(lock).catch(function () {});
    } catch (refused) {
      // A browser that throws where it should refuse: the page plays as it is.
    }
  }

  ['touchstart', 'touchmove', 'touchend', 'touchcancel'].forEach(function (type) {
    document.addEventListener(type, follow, { passive: false });
  });
  document.addEventListener('touchstart', function () { useTouch(true); }, { passive: true });
  document.addEventListener('touchend', fillScreen, { passive: true });
  // No zoom on a double tap or a pinch, no callout on a held finger: the
  // style asks, and iOS, which ignores the viewport's no-zoom, is told here.
  var lastLift = 0;
  document.addEventListener('touchend', function (event) {
    var now = event.timeStamp;
    if (now - lastLift < 350 && event.cancelable) event.preventDefault();
    lastLift = now;
  }, { passive: false });
  document.addEventListener('gesturestart', function (event) { event.preventDefault(); }, { passive: false });
  document.addEventListener('contextmenu', function (event) {
    if (document.body.classList.contains('touch')) event.preventDefault();
  });
  window.addEventListener('keydown', function (event) {
    if (event.isTrusted) useTouch(false);
  }, true);
  // Losing the page lets go of every control, as it does of the keys.
  window.addEventListener('blur', function () {
    Object.keys(fingers).forEach(function (id) {
      if (fingers[id]) hold(fingers[id], false);
    });
    Object.keys(letGo).forEach(function (word) { sendKey(word, false); });
    fingers = {};
    letGo = {};
  });
  useTouch(navigator.maxTouchPoints > 0 || matchMedia('(pointer: coarse)').matches);
})();
