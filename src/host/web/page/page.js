// The page around the module: the canvas, Web Audio, the settings kept in
// localStorage, the stage's place in the window, the full-screen button,
// the sound hint and the settings panel. The module calls in through
// Module.page (web_bridge.js); the page calls the module's web_* exports.
//
// Test query (with the render tool's option names): speed, kraken, blood,
// sound, music, picture-size and tick-count set the settings and the clock
// for this visit only; frames=N runs frame steps 1..N at once and stops.
// With frames=N nothing covers the picture.
'use strict';

(function () {
  const kSection = 'Harborgast';
  // The query's setting names and the profile keys they stand for.
  const kQuerySettings = {
    speed: 'nSpeedSave',
    kraken: 'nKrakenSave',
    blood: 'nShowBlood',
    music: 'nPlayMIDI',
    sound: 'nPlaySound',
    'picture-size': 'nPictureSize',
  };
  const kTuneFiles = {1: 'tune1.opus', 2: 'tune2.opus'};

  const query = new URLSearchParams(location.search);
  const overrides = {};
  for (const [name, key] of Object.entries(kQuerySettings))
    if (query.has(name)) overrides[key] = query.get(name);
  const testRun = query.has('frames');
  const args = [];
  if (testRun) args.push('--frames', query.get('frames'));
  if (query.has('tick-count')) args.push('--tick-count', query.get('tick-count'));

  const canvas = document.getElementById('stage');
  const context = canvas.getContext('2d', {alpha: false});
  const screen = document.getElementById('screen');
  const screenContext = screen.getContext('2d', {alpha: false});
  const hint = document.getElementById('hint');
  const controls = document.getElementById('controls');
  const panel = document.getElementById('panel');
  const messageBox = document.getElementById('message');
  if (testRun) document.body.classList.add('bare');

  // What the page reports (tests read it through window.harborgast.status()).
  const pageStatus = {
    tunes: {1: 'loading', 2: 'loading'},
    firstPictureMs: null,  // the title picture on the canvas
    firstStepMs: null,     // the first frame step of the show on the canvas
    putMsTotal: 0,         // time spent putting pictures on the canvas
    quit: null,
    messages: [],
    // The sequencer's plays and stops, each with the frame step it came in
    // (the render tool's numbering): [step, 'play1' | 'play2' | 'stop'].
    tuneLog: [],
  };

  function logTune(event) {
    if (module.ready) pageStatus.tuneLog.push([module.exports._web_steps() + 1, event]);
  }

  // ---- The settings: localStorage, under the test query the query first ----

  function storageKey(key) {
    return kSection + '.' + key;
  }

  function profileGet(key) {
    if (Object.prototype.hasOwnProperty.call(overrides, key)) return overrides[key];
    try {
      return localStorage.getItem(storageKey(key));
    } catch (e) {
      return null;  // storage refused (private mode, a sandboxed frame)
    }
  }

  function profileSet(key, value) {
    if (testRun) return false;  // a test visit leaves the stored settings alone
    try {
      localStorage.setItem(storageKey(key), value);
      return true;
    } catch (e) {
      return false;
    }
  }

  // ---- The canvas ----

  // Where a crisp stage is drawn through the screen canvas (see placeStage):
  // its device-pixel place and whole factor; null while CSS places it.
  let screenPlace = null;

  let image = null;
  function showWindow(buffer, pointer, width, height, left, top, right, bottom) {
    const start = performance.now();
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
      placeStage();
    }
    // The picture is read straight out of the module's memory; a grown
    // memory is a new buffer.
    if (!image || image.data.buffer !== buffer || image.data.byteOffset !== pointer || image.width !== width ||
        image.height !== height)
      image = new ImageData(new Uint8ClampedArray(buffer, pointer, width * height * 4), width, height);
    context.putImageData(image, 0, 0, left, top, right - left, bottom - top);
    if (screenPlace) drawOnScreen(left, top, right - left, bottom - top);
    const now = performance.now();
    pageStatus.putMsTotal += now - start;
    if (pageStatus.firstPictureMs === null) pageStatus.firstPictureMs = now;
    else if (pageStatus.firstStepMs === null && module.ready && module.exports._web_steps() > 0)
      pageStatus.firstStepMs = now;
  }

  function drawOnScreen(left, top, width, height) {
    const {x, y, k} = screenPlace;
    screenContext.drawImage(canvas, left, top, width, height, x + left * k, y + top * k, width * k, height * k);
  }

  // Layout works in 1/64 of a CSS pixel: a length is drawn exactly only when
  // it is a whole number of those.
  function exactInLayout(cssPixels) {
    return Math.abs(cssPixels * 64 - Math.round(cssPixels * 64)) < 1e-6;
  }

  // The stage's place: the module's placement for the area that the panel
  // leaves, in device pixels. Where CSS pixels can say it exactly (device
  // pixel ratios 1 and 2, say), the canvas itself is placed and scaled in
  // CSS; otherwise (a ratio of 3) a crisp stage is drawn by whole factors
  // into a screen canvas of the window's device pixels.
  function placeStage() {
    if (!module.ready) return;
    const ratio = window.devicePixelRatio || 1;
    const panelWidth = panel.hidden ? 0 : panel.offsetWidth;
    const areaWidth = Math.max(1, Math.floor((window.innerWidth - panelWidth) * ratio));
    const areaHeight = Math.max(1, Math.floor(window.innerHeight * ratio));
    module.exports._web_place_stage(areaWidth, areaHeight, canvas.width, canvas.height);
    const place = [0, 1, 2, 3].map((i) => module.exports._web_placement(i));
    const smooth = module.exports._web_placement(4) !== 0;
    const css = place.map((v) => v / ratio);
    canvas.classList.toggle('smooth', smooth);
    if (smooth || css.every(exactInLayout)) {
      screenPlace = null;
      screen.hidden = true;
      canvas.style.visibility = '';
      canvas.style.left = css[0] + 'px';
      canvas.style.top = css[1] + 'px';
      canvas.style.width = css[2] + 'px';
      canvas.style.height = css[3] + 'px';
      return;
    }
    canvas.style.visibility = 'hidden';
    screen.hidden = false;
    screen.width = Math.round(window.innerWidth * ratio);
    screen.height = Math.round(window.innerHeight * ratio);
    screenContext.imageSmoothingEnabled = false;
    screenPlace = {x: place[0], y: place[1], k: place[2] / canvas.width};
    drawOnScreen(0, 0, canvas.width, canvas.height);
  }
  window.addEventListener('resize', placeStage);

  // ---- Sound: one effect at a time; the tunes stand in for a sequencer ----

  const AudioContextClass = window.AudioContext || window.webkitAudioContext;
  const audio = AudioContextClass ? new AudioContextClass() : null;
  const output = audio ? audio.createGain() : null;
  if (output) output.connect(audio.destination);

  const waves = new Map();  // resource id -> AudioBuffer, or a Promise while it decodes
  let waveSource = null;
  let waveWanted = 0;  // the latest sound asked for

  function stopWave() {
    waveWanted = 0;
    if (waveSource) {
      waveSource.stop();
      waveSource = null;
    }
  }

  function startWave(buffer) {
    stopWave();
    waveSource = audio.createBufferSource();
    waveSource.buffer = buffer;
    waveSource.connect(output);
    waveSource.start();
  }

  function playWave(id, bytes) {
    // Before the first gesture the context cannot play: effects are dropped,
    // not saved up.
    if (!audio || audio.state !== 'running') return;
    stopWave();
    waveWanted = id;
    const known = waves.get(id);
    if (known instanceof AudioBuffer) {
      startWave(known);
      return;
    }
    if (known) return;  // decoding; it starts when done if still wanted
    const decoding = audio.decodeAudioData(bytes.slice().buffer).then((buffer) => {
      waves.set(id, buffer);
      if (waveWanted === id) startWave(buffer);
    }, (error) => {
      waves.delete(id);
      console.warn('harborgast: sound ' + id + ' cannot be decoded: ' + error);
    });
    waves.set(id, decoding);
  }

  const tunes = {};  // tune number -> AudioBuffer once decoded
  const devices = new Map();  // sequencer device -> {tune, source, offset, startedAt, waiting}

  function loadTunes() {
    for (const [tune, file] of Object.entries(kTuneFiles)) {
      if (!audio) {
        pageStatus.tunes[tune] = 'failed: no Web Audio';
        continue;
      }
      fetch(file).then((response) => {
        if (!response.ok) throw new Error('HTTP ' + response.status);
        return response.arrayBuffer();
      }).then((bytes) => audio.decodeAudioData(bytes)).then((buffer) => {
        tunes[tune] = buffer;
        pageStatus.tunes[tune] = 'decoded ' + buffer.duration.toFixed(3) + ' s';
        for (const [device, d] of devices)
          if (d.waiting && d.tune === Number(tune)) startTune(device, d);
      }, (error) => {
        pageStatus.tunes[tune] = 'failed: ' + error;
        console.warn('harborgast: ' + file + ' cannot be played: ' + error);
      });
    }
  }

  function deviceOf(id) {
    if (!devices.has(id)) devices.set(id, {tune: 0, source: null, offset: 0, startedAt: 0, waiting: false});
    return devices.get(id);
  }

  function startTune(id, d) {
    d.waiting = false;
    const source = audio.createBufferSource();
    source.buffer = tunes[d.tune];
    source.connect(output);
    source.onended = () => {
      if (d.source !== source) return;  // stopped: the host has reported that itself
      d.source = null;
      d.offset = source.buffer.duration;
      if (module.ready) module.exports._web_tune_ended(id);
    };
    d.source = source;
    d.startedAt = audio.currentTime - d.offset;
    source.start(0, Math.min(d.offset, source.buffer.duration));
  }

  function haltTune(d) {
    d.waiting = false;
    if (!d.source) return;
    const source = d.source;
    d.source = null;
    d.offset = Math.max(0, audio.currentTime - d.startedAt);
    source.stop();
  }

  function tunePlay(id, tune) {
    logTune('play' + tune);
    if (!audio) return;
    const d = deviceOf(id);
    haltTune(d);
    d.tune = tune;
    // A tune still on its way starts from its beginning when it arrives.
    if (tunes[tune]) startTune(id, d);
    else d.waiting = true;
  }

  function tuneSeekToStart(id) {
    if (!audio) return;
    const d = deviceOf(id);
    const playing = d.source !== null;
    haltTune(d);
    d.offset = 0;
    if (playing) startTune(id, d);
  }

  function tuneStop(id) {
    logTune('stop');
    if (audio && devices.has(id)) haltTune(devices.get(id));
  }

  function tuneClose(id) {
    if (audio && devices.has(id)) haltTune(devices.get(id));
    devices.delete(id);
  }

  // ---- The first gesture: sound may start ----

  function firstGesture() {
    window.removeEventListener('pointerdown', firstGesture, true);
    window.removeEventListener('keydown', firstGesture, true);
    hint.hidden = true;
    if (audio) audio.resume();
  }
  window.addEventListener('pointerdown', firstGesture, true);
  window.addEventListener('keydown', firstGesture, true);

  // ---- Messages and the end of the run ----

  function message(text, caption) {
    pageStatus.messages.push(caption + ': ' + text);
    console.error('harborgast: ' + caption + ': ' + text);
    messageBox.textContent = caption + '\n' + text;
    messageBox.hidden = false;
  }

  function quit(code) {
    pageStatus.quit = code;
  }

  // ---- Full screen, the controls and the panel ----

  const fullscreenButton = document.getElementById('fullscreen-button');
  const settingsButton = document.getElementById('settings-button');
  fullscreenButton.hidden = !document.fullscreenEnabled;
  fullscreenButton.addEventListener('click', () => {
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen().catch(() => {});
  });
  document.addEventListener('fullscreenchange', () => {
    const full = document.fullscreenElement !== null;
    // Full screen is for watching: no pointer, no controls, no panel.
    document.body.classList.toggle('bare', full || testRun);
    if (full) closePanel();
    fullscreenButton.textContent = full ? 'Leave full screen' : 'Full screen';
  });

  // The controls fade while the pointer rests.
  let idleTimer = 0;
  function wakeControls() {
    controls.classList.remove('idle');
    clearTimeout(idleTimer);
    idleTimer = setTimeout(() => {
      if (panel.hidden) controls.classList.add('idle');
    }, 2500);
  }
  window.addEventListener('pointermove', wakeControls);
  window.addEventListener('pointerdown', wakeControls);

  function radios(name) {
    return Array.from(panel.querySelectorAll('input[name="' + name + '"]'));
  }

  function fillPanel() {
    const e = module.exports;
    e._web_load_form();
    const speed = document.getElementById('speed');
    const outcome = document.getElementById('outcome');
    speed.min = e._web_setting_low(0);
    speed.max = e._web_setting_high(0);
    outcome.min = e._web_setting_low(1);
    outcome.max = e._web_setting_high(1);
    speed.value = e._web_form_value(0);
    outcome.value = e._web_form_value(1);
    for (const r of radios('sound')) r.checked = Number(r.value) === e._web_form_value(2);
    document.getElementById('blood').checked = e._web_form_value(3) !== 0;
    document.getElementById('music').checked = e._web_form_value(4) !== 0;
    for (const r of radios('picture-size')) r.checked = Number(r.value) === e._web_form_value(5);
    updateMusicGroup();
  }

  // Sound off also silences the music.
  function updateMusicGroup() {
    const off = radios('sound').some((r) => r.checked && r.value === '1037');
    document.getElementById('music-group').disabled = off;
  }
  for (const r of radios('sound')) r.addEventListener('change', updateMusicGroup);

  function openPanel() {
    fillPanel();
    panel.hidden = false;
    settingsButton.setAttribute('aria-expanded', 'true');
    placeStage();
  }

  function closePanel() {
    panel.hidden = true;
    settingsButton.setAttribute('aria-expanded', 'false');
    placeStage();
  }

  settingsButton.addEventListener('click', () => (panel.hidden ? openPanel() : closePanel()));
  document.getElementById('cancel').addEventListener('click', closePanel);
  panel.addEventListener('submit', (event) => {
    event.preventDefault();
    const e = module.exports;
    const before = [0, 1, 2, 3, 4, 5].map((i) => e._web_form_value(i));
    const sound = radios('sound').find((r) => r.checked);
    const size = radios('picture-size').find((r) => r.checked);
    const after = [Number(document.getElementById('speed').value), Number(document.getElementById('outcome').value),
      sound ? Number(sound.value) : before[2], document.getElementById('blood').checked ? 1 : 0,
      document.getElementById('music').checked ? 1 : 0, size ? Number(size.value) : before[5]];
    e._web_save_form(...after);
    closePanel();
    // The show reads its settings once, at its start, as the saver does;
    // the picture size is the page's own and changes at once.
    if (after.slice(0, 5).some((v, i) => v !== before[i])) location.reload();
  });

  // ---- The module ----

  const module = {ready: false, exports: null};

  function status() {
    return JSON.parse(module.exports.UTF8ToString(module.exports._web_status()));
  }

  window.Module = {
    arguments: args,
    page: {profileGet, profileSet, showWindow, playWave, stopWave, tunePlay, tuneSeekToStart, tuneStop, tuneClose, message,
      quit},
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    onRuntimeInitialized: function () {
      module.exports = window.Module;
      module.ready = true;
      placeStage();
      if (!testRun) {
        controls.hidden = false;
        wakeControls();
        hint.hidden = !module.exports._web_sound_wanted() || !audio || audio.state === 'running';
      }
    },
  };
  loadTunes();

  window.harborgast = {
    status: () => Object.assign(module.ready ? status() : {}, pageStatus),
  };
})();
