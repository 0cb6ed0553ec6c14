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

  // A finger keeps the control it went down on until it lifts. One that went
  // down on a button holds that button wherever it slides: its key went down
  // as it touched, and a thumb drifting off a button mid-press must not let
  // go of it, nor press whatever lies beside it. One that went down on the
  // D-pad, the gaps between its cells included, steers the D-pad wherever it
  // slides, by its angle from the pad's centre: eight sectors, the diagonal
  // ones holding both their arrows, as two keys held walk diagonally. Near
  // the centre it holds none, as a stick at rest.
  var Sectors = [['Right'], ['Right', 'Up'], ['Up'], ['Left', 'Up'],
    ['Left'], ['Left', 'Down'], ['Down'], ['Right', 'Down']];
  var SectorDegrees = 360 / Sectors.length;
  // As the pad's stick counts beyond a quarter of its way and lets go only
  // within a fifth, a finger takes a direction beyond an eighth of the pad's
  // width from its centre and lets go of it only within four fifths of that,
  // and keeps its sector until a quarter more than half a sector from its
  // middle: a thumb wobbling on a boundary is one press, not many.
  var Hold = 5 / 4;
  var fingers = {};  // a finger that began on a control: { word } or { sector, words }

  function padBox() {
    return document.getElementById('dpad').getBoundingClientRect();
  }

  function onPad(x, y) {
    var box = padBox();
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
  }

  // The sector a finger at x, y holds, given the one it held (-1 for none).
  function sectorAt(x, y, held) {
    var box = padBox();
    var dx = x - (box.left + box.right) / 2;
    var dy = y - (box.top + box.bottom) / 2;
    var reach = box.width / 8;
    if (Math.hypot(dx, dy) < (held < 0 ? reach : reach / Hold)) return -1;
    var degrees = Math.atan2(-dy, dx) * 180 / Math.PI;
    if (held >= 0) {
      var off = Math.abs(((degrees - held * SectorDegrees) % 360 + 540) % 360 - 180);
      if (off <= SectorDegrees / 2 * Hold) return held;
    }
    return (Math.round(degrees / SectorDegrees) + Sectors.length) % Sectors.length;
  }

  function steer(finger, x, y) {
    var sector = sectorAt(x, y, finger.sector);
    if (sector === finger.sector) return;
    var words = sector < 0 ? [] : Sectors[sector];
    finger.words.filter(function (word) { return words.indexOf(word) < 0; })
      .forEach(function (word) { hold(word, false); });
    words.filter(function (word) { return finger.words.indexOf(word) < 0; })
      .forEach(function (word) { hold(word, true); });
    finger.sector = sector;
    finger.words = words;
  }

  function letGoOf(finger) {
    (finger.words || [finger.word]).forEach(function (word) { hold(word, false); });
  }

  // A finger that went down on a control or the D-pad is followed until it
  // lifts; one that went down elsewhere is not.
  function follow(event) {
    var touched = false;
    for (var i = 0; i < event.changedTouches.length; ++i) {
      var touch = event.changedTouches[i];
      var id = touch.identifier;
      var finger = fingers[id];
      if (event.type === 'touchstart' && !finger) {
        if (onPad(touch.clientX, touch.clientY)) {
          finger = fingers[id] = { sector: -1, words: [] };
        } else {
          var element = document.elementFromPoint(touch.clientX, touch.clientY);
          var control = element && element.closest('[data-key]');
          if (!control || !Keys[control.dataset.key]) continue;
          finger = fingers[id] = { word: control.dataset.key };
          hold(finger.word, true);
        }
      }
      if (!finger) continue;
      touched = true;
      if (event.type === 'touchend' || event.type === 'touchcancel') {
        letGoOf(finger);
        delete fingers[id];
      } else if (finger.words) {
        steer(finger, touch.clientX, touch.clientY);
      }
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
    Object.keys(fingers).forEach(function (id) { letGoOf(fingers[id]); });
    Object.keys(letGo).forEach(function (word) { sendKey(word, false); });
    fingers = {};
    letGo = {};
  });
  useTouch(navigator.maxTouchPoints > 0 || matchMedia('(pointer: coarse)').matches);
})();
