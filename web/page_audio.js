// The page's sound, kept running. Browsers hold a page's audio until the
// player does something, and iOS and Android's browsers count only a
// finger's lift, a click or a real key, not a finger going down; after a
// call, a lock or a switch to another app the audio is interrupted or
// suspended again. So the page asks it to run on every such gesture until
// it runs, and again whenever it has stopped while the page is seen. M is
// the game's own mute: running audio then plays silence.
(function () {
  var watched = null;

  function wakeAudio() {
    var audio = typeof SDL !== 'undefined' ? SDL.audioContext : null;
    if (!audio) return;
    if (audio !== watched) {
      watched = audio;
      audio.addEventListener('statechange', function () {
        if (document.visibilityState === 'visible') wakeAudio();
      });
    }
    if (audio.state === 'running' || audio.state === 'closed') return;
    try {
      var asked = audio.resume();
      if (asked && asked.catch) asked.catch(function () {});
    } catch (refused) {
      // Outside a gesture some browsers throw: the next gesture asks again.
    }
  }

  ['touchend', 'pointerup', 'click', 'keydown'].forEach(function (type) {
    window.addEventListener(type, wakeAudio, { capture: true, passive: true });
  });
  // A page out of sight is silent. Its frames stop, so the game's own pause
  // for the lost focus comes only once the page is seen again, and a sound
  // already playing (the title's theme) would play on: the page holds its
  // audio while hidden, and lets it run again when seen if the page held it.
  // Audio the browser still holds for the first gesture stays held.
  var heldWhileHidden = null;
  document.addEventListener('visibilitychange', function () {
    var audio = typeof SDL !== 'undefined' ? SDL.audioContext : null;
    if (!audio) return;
    if (document.visibilityState === 'hidden') {
      if (audio.state === 'running') {
        heldWhileHidden = audio;
        var held = audio.suspend();
        if (held && held.catch) held.catch(function () {});
      }
    } else if (heldWhileHidden === audio) {
      heldWhileHidden = null;
      wakeAudio();
    }
  });
  // Safari 16.4 on: a game's sound plays through the ring/silent switch.
  try {
    if (navigator.audioSession) navigator.audioSession.type = 'playback';
  } catch (refused) {
    // An older session that will not be set: the switch then decides.
  }
})();
