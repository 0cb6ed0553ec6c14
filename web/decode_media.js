// The page's pictures travel as PNG and its sounds as Ogg Vorbis, a fraction
// of their size; the game reads 24-bit bitmaps and wave files. While the data
// arrives, the browser decodes each picture and sound into the file the game
// reads, beside it in the page's files: picture.png gives picture.bmp, with
// the same pixels, and sound.ogg gives sound.wav. The file packager hands
// every file to these preload plugins before the game starts.
(function () {
  // The browser's own image and audio plugins are not wanted: the mixer
  // decodes the wave files itself, from their bytes.
  Module.noImageDecoding = true;
  Module.noAudioDecoding = true;

  function sibling(name, extension) {
    return name.replace(/\.[a-z]+$/, extension);
  }

  function writeFile(name, bytes) {
    var slash = name.lastIndexOf('/');
    FS.createDataFile(name.slice(0, slash) || '/', name.slice(slash + 1), bytes, true, true, true);
  }

  // A bottom-up, 24-bit bitmap of RGBA pixels, blue, green, red as the game keeps them.
  function bitmap(rgba, w, h) {
    var stride = (w * 3 + 3) & ~3;
    var bytes = new Uint8Array(54 + stride * h);
    var view = new DataView(bytes.buffer);
    bytes[0] = 0x42;
    bytes[1] = 0x4d;
    view.setUint32(2, bytes.length, true);
    view.setUint32(10, 54, true);
    view.setUint32(14, 40, true);
    view.setInt32(18, w, true);
    view.setInt32(22, h, true);
    view.setUint16(26, 1, true);
    view.setUint16(28, 24, true);
    view.setUint32(34, stride * h, true);
    for (var y = 0; y < h; ++y) {
      var row = 54 + stride * (h - 1 - y);
      for (var x = 0; x < w; ++x) {
        var from = (y * w + x) * 4;
        bytes[row + x * 3] = rgba[from + 2];
        bytes[row + x * 3 + 1] = rgba[from + 1];
        bytes[row + x * 3 + 2] = rgba[from];
      }
    }
    return bytes;
  }

  // 16-bit wave data of a decoded sound, as the game's own sounds are written.
  function wave(buffer) {
    var channels = buffer.numberOfChannels;
    var frames = buffer.length;
    var bytes = new Uint8Array(44 + frames * channels * 2);
    var view = new DataView(bytes.buffer);
    var text = function (at, word) {
      for (var i = 0; i < 4; ++i) bytes[at + i] = word.charCodeAt(i);
    };
    text(0, 'RIFF');
    view.setUint32(4, bytes.length - 8, true);
    text(8, 'WAVE');
    text(12, 'fmt ');
    view.setUint32(16, 16, true);
    view.setUint16(20, 1, true);
    view.setUint16(22, channels, true);
    view.setUint32(24, buffer.sampleRate, true);
    view.setUint32(28, buffer.sampleRate * channels * 2, true);
    view.setUint16(32, channels * 2, true);
    view.setUint16(34, 16, true);
    text(36, 'data');
    view.setUint32(40, frames * channels * 2, true);
    for (var c = 0; c < channels; ++c) {
      var samples = buffer.getChannelData(c);
      for (var i = 0; i < frames; ++i) {
        var s = Math.max(-1, Math.min(1, samples[i]));
        view.setInt16(44 + (i * channels + c) * 2, Math.round(s * 32767), true);
      }
    }
    return bytes;
  }

  // Each file's turn ends once, whatever happens while it is prepared: with
  // its decoded twin written beside it, or with a failure, the file then kept
  // as it came. A failure is anything on the way: the browser refusing the
  // file, or a throw in any step, a canvas that will not give its pixels or
  // a write the file system refuses among them. The game starts only once
  // every file's turn has ended, so no failure leaves the page loading.
  // tell(why) says a failure that has a reason to give.
  function preparing(name, bytes, finish, twinExtension, tell) {
    var ended = false;
    var end = function () {
      if (!ended) {
        ended = true;
        finish(bytes);
      }
    };
    var failed = function (why) {
      if (!ended) {
        if (why) tell(why);
        end();
      }
    };
    return {
      failed: failed,
      // A step of the work, called now or by the browser later: a throw in it fails the file.
      step: function (work) {
        return function () {
          if (ended) return;
          try {
            work.apply(null, arguments);
          } catch (thrown) {
            failed(thrown);
          }
        };
      },
      // The decoded file, written beside this one; the turn ends with it.
      done: function (twin) {
        writeFile(sibling(name, twinExtension), twin);
        end();
      },
    };
  }

  function pixelsOf(image, w, h) {
    var canvas = document.createElement('canvas');
    canvas.width = w;
    canvas.height = h;
    var context = canvas.getContext('2d', { willReadFrequently: true });
    context.drawImage(image, 0, 0);
    return context.getImageData(0, 0, w, h).data;
  }

  // The picture through an image element, for a browser without image bitmaps.
  function decodeByElement(blob, file) {
    var image = new Image();
    var url = URL.createObjectURL(blob);
    image.onload = file.step(function () {
      URL.revokeObjectURL(url);
      var w = image.naturalWidth;
      var h = image.naturalHeight;
      file.done(bitmap(pixelsOf(image, w, h), w, h));
    });
    image.onerror = function () {
      URL.revokeObjectURL(url);
      file.failed('the browser cannot read it');
    };
    image.src = url;
  }

  // A picture that fails stays a PNG: the game then names the bitmap it
  // cannot read, and the page shows that line.
  var pictures = {
    canHandle: function (name) { return /\.png$/.test(name); },
    handle: function (bytes, name, finish) {
      var file = preparing(name, bytes, finish, '.bmp', function (why) {
        err('cannot decode the picture ' + name + ': ' + why);
      });
      file.step(function () {
        var blob = new Blob([bytes], { type: 'image/png' });
        if (typeof createImageBitmap !== 'function') {
          decodeByElement(blob, file);
          return;
        }
        // No colour management: the file's values are the pixels' values. A
        // browser that will not take those options has the image element.
        createImageBitmap(blob, { colorSpaceConversion: 'none', premultiplyAlpha: 'none' }).then(
          file.step(function (image) {
            file.done(bitmap(pixelsOf(image, image.width, image.height), image.width, image.height));
          }),
          file.step(function () { decodeByElement(blob, file); }));
      })();
    },
  };

  // An offline context decodes without the player's first key press. A
  // browser that decodes no Ogg Vorbis (Safari before iOS 18.4) refuses, or
  // throws: the sound's Ogg file stays, and the game decodes it itself as it
  // loads its sounds at the start (platform/web/web_sound_board.cpp), which a
  // failure on the way here leaves to it too. Only a throw in our own steps
  // is said: a refusal is the browser's way.
  var decoder = null;
  var sounds = {
    canHandle: function (name) { return /\.ogg$/.test(name); },
    handle: function (bytes, name, finish) {
      var file = preparing(name, bytes, finish, '.wav', function (why) {
        err('the page could not decode the sound ' + name + ' (' + why + '); the game decodes it');
      });
      var refused = function () { file.failed(); };
      try {
        var Offline = window.OfflineAudioContext || window.webkitOfflineAudioContext;
        decoder = decoder || new Offline(1, 1, 44100);
        // Older Safari answers only by callback, newer browsers by promise too.
        var promise = decoder.decodeAudioData(bytes.slice().buffer,
          file.step(function (buffer) { file.done(wave(buffer)); }), refused);
        if (promise && promise.then) promise.then(null, refused);
      } catch (thrown) {
        refused();  // no decoder in this browser, or one that throws at Ogg Vorbis
      }
    },
  };

  Module.preloadPlugins = (Module.preloadPlugins || []).concat([pictures, sounds]);
})();
