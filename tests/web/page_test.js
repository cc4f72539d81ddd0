#!/usr/bin/env node
// The page in a real browser: Debian's Chromium, headless, loads the built
// site from a server on 127.0.0.1 with the test query and is checked against
// the render tool, frame for frame.
//
// usage: page_test.js --site build/web --render harborgast-render --assets DIR [--only REGEX] [--perf]
// --perf only measures (a frame step with its presenting beside the floor
// page, the download size, the time to the first picture) and prints it.
'use strict';

const assert = require('assert/strict');
const {execFileSync} = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const {serve, Browser} = require('./browser');
const {readPng} = require('./png');

function option(name) {
  const i = process.argv.indexOf(name);
  return i > 0 ? process.argv[i + 1] : undefined;
}
const site = path.resolve(option('--site'));
const renderTool = path.resolve(option('--render'));
const assets = path.resolve(option('--assets'));
const perfOnly = process.argv.includes('--perf');

// The run the screenshots come from: the kraken branch (a fixed clock and a
// strong bias), whose tune changes the render tool's trace shows too.
const kQuery = {'tick-count': 1000, kraken: 5};
const kStage = {width: 800, height: 600};
const kTimeout = 120;  // seconds for one page to finish its frame steps

function pageUrl(server, params) {
  return server.origin + '/?' + new URLSearchParams(params).toString();
}

// The render tool's frame n of the same run, and its trace up to frame n.
const rendered = new Map();
function renderFrame(n, out) {
  if (!rendered.has(n)) rendered.set(n, renderFrameOnce(n, out));
  return rendered.get(n);
}

function renderFrameOnce(n, out) {
  const args = ['--out', out, '--frames', String(n), '--every', String(n), '--size', '800x600', '--trace'];
  for (const [name, value] of Object.entries(kQuery)) args.push('--' + name, String(value));
  const trace = execFileSync(renderTool, args, {encoding: 'utf8'});
  const frame = readPng(fs.readFileSync(path.join(out, `frame-${String(n).padStart(6, '0')}.png`)));
  return {frame, trace: trace.trim().split('\n')};
}

// Loads the page for frame steps 1..n and waits for the last.
async function runPage(page, server, params) {
  page.errors.length = 0;
  await page.goto(pageUrl(server, params));
  await page.waitFor('window.harborgast && harborgast.status().done === true', kTimeout);
  return page.evaluate('harborgast.status()');
}

// Every pixel of the stage, k x k each, at (left, top) of the screenshot;
// black elsewhere. Returns the first difference, or null.
function compareScaled(shot, frame, k, left, top) {
  for (let y = 0; y < shot.height; ++y) {
    for (let x = 0; x < shot.width; ++x) {
      const sx = Math.floor((x - left) / k), sy = Math.floor((y - top) / k);
      const inside = x >= left && y >= top && sx < frame.width && sy < frame.height;
      const s = (y * shot.width + x) * 3;
      const f = (sy * frame.width + sx) * 3;
      for (let c = 0; c < 3; ++c) {
        const want = inside ? frame.rgb[f + c] : 0;
        if (shot.rgb[s + c] !== want)
          return `pixel (${x}, ${y}) channel ${c} is ${shot.rgb[s + c]}, the render tool's ${want}`;
      }
    }
  }
  return null;
}

const tests = [];
function test(name, body) {
  tests.push({name, body});
}

test('frames inside a scene and inside a dissolve equal the render tool\'s, pixel for pixel', async (t) => {
  const {trace} = renderFrame(kDissolveFrame, t.temp('trace'));
  // The dissolve's frame 2, where the new scene is partly painted in.
  assert.match(trace[kDissolveFrame - 1], /^frame=\d+ scene=0 sceneframe=2\b/, 'the frame chosen is inside a dissolve');
  for (const n of [kSceneFrame, kDissolveFrame]) {
    const {frame} = renderFrame(n, t.temp('f' + n));
    const status = await runPage(t.page, t.server, {...kQuery, frames: n});
    assert.equal(status.step, n);
    const shot = readPng(await t.page.screenshot());
    assert.equal(shot.width, kStage.width);
    assert.equal(compareScaled(shot, frame, 1, 0, 0), null, `frame ${n}`);
    assert.deepEqual(t.page.errors, [], `console of frame ${n}`);
  }
});

test('the stage is crisp at the largest whole size in device pixels, centred, black around', async (t) => {
  const {frame} = renderFrame(kSceneFrame, t.temp('f'));
  await t.page.setViewport(1700, 1300);
  const status = await runPage(t.page, t.server, {...kQuery, frames: kSceneFrame});
  assert.equal(status.step, kSceneFrame);
  const shot = readPng(await t.page.screenshot());
  assert.equal(compareScaled(shot, frame, 2, 50, 50), null);
  // "Original" in the same window: the stage at its own size, centred.
  await runPage(t.page, t.server, {...kQuery, frames: kSceneFrame, 'picture-size': 1});
  assert.equal(compareScaled(readPng(await t.page.screenshot()), frame, 1, 450, 350), null, 'original size');
  // A phone's screen: 390x700 CSS pixels at three device pixels each holds
  // the stage once, in device pixels, centred.
  await t.page.setViewport(390, 700, 3, true);
  await runPage(t.page, t.server, {...kQuery, frames: kSceneFrame});
  const phone = readPng(await t.page.screenshot());
  assert.deepEqual([phone.width, phone.height], [1170, 2100]);
  assert.equal(compareScaled(phone, frame, 1, 185, 750), null, 'phone');
  // A window smaller than the stage shows the middle of it, unscaled.
  await t.page.setViewport(600, 400);
  await runPage(t.page, t.server, {...kQuery, frames: kSceneFrame});
  assert.equal(compareScaled(readPng(await t.page.screenshot()), frame, 1, -100, -100), null, 'smaller window');
  assert.deepEqual(t.page.errors, []);
});

test('the tunes switch at the frame steps where the render tool\'s do', async (t) => {
  const {trace} = renderFrame(kMusicFrames, t.temp('m'));
  const expected = [];
  for (const line of trace) {
    const step = Number(/^frame=(\d+)/.exec(line)[1]);
    for (const [, event] of line.matchAll(/music=(open\d|stop)/g))
      expected.push([step, event.replace('open', 'play')]);
  }
  assert.ok(expected.some(([, e]) => e === 'play2'), 'the run reaches tune 2 (the kraken branch)');
  const status = await runPage(t.page, t.server, {...kQuery, frames: kMusicFrames});
  assert.deepEqual(status.tuneLog, expected);
  assert.deepEqual(t.page.errors, []);
});

test('both tunes are decoded by the page, each as long as its MIDI file plays', async (t) => {
  await runPage(t.page, t.server, {...kQuery, frames: 1});
  await t.page.waitFor('!Object.values(harborgast.status().tunes).includes("loading")', kTimeout);
  const {tunes} = await t.page.evaluate('harborgast.status()');
  const lengths = JSON.parse(execFileSync('python3', ['-c', `
import json, sys
sys.path.insert(0, ${JSON.stringify(path.join(__dirname, '../../src/host/web'))})
from render_tune import midi_seconds
print(json.dumps([midi_seconds(open(f, 'rb').read()) for f in sys.argv[1:]]))`,
  ...[243, 244].map((id) => path.join(assets, `midi${id}.mid`))]));
  for (const [tune, seconds] of [[1, lengths[0]], [2, lengths[1]]]) {
    const match = /^decoded ([\d.]+) s$/.exec(tunes[tune]);
    assert.ok(match, `tune ${tune}: ${tunes[tune]}`);
    // Opus works in 20 ms packets.
    assert.ok(Math.abs(Number(match[1]) - seconds) < 0.03, `tune ${tune}: ${match[1]} s, its file ${seconds} s`);
  }
});

test('unknown setting values in the query and in localStorage are limited as in the profile', async (t) => {
  const cases = [
    // [query or stored settings, what the run must show]
    [{query: {speed: 558, kraken: -7, sound: 1040, blood: 'abc', music: '0x1'}},
      {framePeriod: 11, krakenChance: 99, soundMode: 5, soundOn: true, blood: false, musicOn: true}],
    [{query: {speed: 100000, kraken: 1000, sound: 1037}},
      {framePeriod: 561, krakenChance: 1, soundMode: 2, soundOn: false}],
    [{stored: {nSpeedSave: ' "400" ', nKrakenSave: 'pirates', nPlaySound: '1036x', nShowBlood: '0'}},
      {framePeriod: 161, krakenChance: 99, soundMode: 1, blood: false}],
    [{stored: {nSpeedSave: '-3000', nPictureSize: '7'}, query: {kraken: 20}},
      {framePeriod: 561, krakenChance: 80}],
  ];
  for (const [{query = {}, stored = {}}, expected] of cases) {
    await t.page.goto(t.server.origin + '/floor/floor.html?frames=1');  // the origin, without the show
    await t.page.evaluate(`localStorage.clear(); ${Object.entries(stored).map(([k, v]) =>
      `localStorage.setItem(${JSON.stringify('Harborgast.' + k)}, ${JSON.stringify(v)});`).join('')}`);
    const status = await runPage(t.page, t.server, {'tick-count': 1000, ...query, frames: 40});
    assert.equal(status.step, 40, JSON.stringify({query, stored}));
    for (const [key, value] of Object.entries(expected))
      assert.equal(status[key], value, `${key} for ${JSON.stringify({query, stored})}`);
    assert.deepEqual(t.page.errors, []);
  }
  await t.page.evaluate('localStorage.clear()');
});

test('under the test query nothing covers the picture; without it the hint goes at the first click, and full screen hides the pointer', async (t) => {
  await runPage(t.page, t.server, {...kQuery, frames: 2});
  const bare = await t.page.evaluate(`({
    hint: getComputedStyle(document.getElementById('hint')).display,
    controls: getComputedStyle(document.getElementById('controls')).display,
    panel: getComputedStyle(document.getElementById('panel')).display,
    cursor: getComputedStyle(document.getElementById('stage')).cursor})`);
  assert.deepEqual(bare, {hint: 'none', controls: 'none', panel: 'none', cursor: 'none'});

  await t.page.goto(t.server.origin + '/');
  await t.page.waitFor('harborgast.status().firstPictureMs !== null', kTimeout);
  const before = await t.page.evaluate(`({hint: !document.getElementById('hint').hidden,
    controls: !document.getElementById('controls').hidden})`);
  assert.deepEqual(before, {hint: true, controls: true});
  await t.page.click(400, 300);
  await t.page.waitFor('document.getElementById("hint").hidden', 10);
  // Full screen: no pointer, no controls; they come back when it ends.
  const button = JSON.parse(await t.page.evaluate(
    'JSON.stringify(document.getElementById("fullscreen-button").getBoundingClientRect())'));
  await t.page.click(button.x + button.width / 2, button.y + button.height / 2);
  // fullscreenElement is set before the page's fullscreenchange handler
  // runs; the button's new label says that the handler has run.
  await t.page.waitFor('document.fullscreenElement !== null && ' +
                       'document.getElementById("fullscreen-button").textContent === "Leave full screen"', 10);
  const full = await t.page.evaluate(`({cursor: getComputedStyle(document.getElementById('stage')).cursor,
    controls: getComputedStyle(document.getElementById('controls')).display})`);
  assert.deepEqual(full, {cursor: 'none', controls: 'none'});
  await t.page.evaluate('document.exitFullscreen()');
  await t.page.waitFor('getComputedStyle(document.getElementById("controls")).display !== "none"', 10);
  assert.deepEqual(t.page.errors, []);
});

test('the settings panel sits beside the picture and keeps its values in localStorage', async (t) => {
  await t.page.setViewport(1280, 800);
  await t.page.goto(t.server.origin + '/floor/floor.html?frames=1');
  await t.page.evaluate('localStorage.clear()');
  await t.page.goto(t.server.origin + '/');
  await t.page.waitFor('harborgast.status().firstPictureMs !== null', kTimeout);
  await t.page.evaluate('document.getElementById("settings-button").click()');
  const layout = await t.page.evaluate(`(() => {
    const stage = document.getElementById('stage').getBoundingClientRect();
    const panel = document.getElementById('panel').getBoundingClientRect();
    return {stageRight: stage.right, stageWidth: stage.width, panelLeft: panel.left,
            speed: document.getElementById('speed').value, speedMax: document.getElementById('speed').max};
  })()`);
  assert.ok(layout.stageRight <= layout.panelLeft, JSON.stringify(layout));
  assert.equal(layout.stageWidth, 800);
  assert.deepEqual([layout.speed, layout.speedMax], ['510', '561'], 'the dialog\'s default and range');
  // The picture size alone changes the page at once, without a new start.
  await t.page.evaluate(`document.querySelector('input[name="picture-size"][value="2"]').click();
    document.getElementById('apply').click()`);
  const stored = await t.page.evaluate(`({size: localStorage.getItem('Harborgast.nPictureSize'),
    speed: localStorage.getItem('Harborgast.nSpeedSave'), panel: document.getElementById('panel').hidden,
    height: document.getElementById('stage').getBoundingClientRect().height})`);
  assert.deepEqual(stored, {size: '2', speed: '510', panel: true, height: 800});
  // A new speed starts the show again with it.
  await t.page.evaluate('document.getElementById("settings-button").click()');
  const reloaded = new Promise((resolve) => t.page.loadWaiters.push(resolve));
  await t.page.evaluate(`document.getElementById('speed').value = 461; document.getElementById('apply').click()`);
  await reloaded;
  await t.page.waitFor('harborgast.status().firstStepMs !== null', kTimeout);
  assert.equal((await t.page.evaluate('harborgast.status()')).framePeriod, 100);
  await t.page.evaluate('localStorage.clear()');
  assert.deepEqual(t.page.errors, []);
});

const kSceneFrame = 300;
const kDissolveFrame = 599;
const kMusicFrames = 830;

// Performance: a frame step with its presenting, at 1920x1080, beside the
// floor page, which only puts an 800x600 RGBA picture on a canvas at the
// same scale, in the same browser run. Each round times every step of a
// cycle on both pages; a step's median is the steady state, its mean counts
// the start-up (step 1 loads the pictures) and the scene changes too.
async function measure(page, server) {
  const frames = 906, roundCount = 7;
  await page.setViewport(1920, 1080);
  const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
  const mean = (values) => values.reduce((a, b) => a + b, 0) / values.length;
  const rounds = [];
  for (let round = 0; round < roundCount; ++round) {
    const show = await runPage(page, server, {...kQuery, frames});
    assert.equal(await page.evaluate('crossOriginIsolated'), true, 'the timer would be coarse');
    const steps = await page.evaluate(`Array.from({length: ${frames}}, (_, i) => Module._web_step_ms(i))`);
    await page.goto(server.origin + '/floor/floor.html?frames=' + frames);
    await page.waitFor('window.floor && floor.done', kTimeout);
    const floor = await page.evaluate('floor.stepMs');
    rounds.push({showMedian: median(steps), showMean: mean(steps), put: show.putMsTotal / frames,
      floorMedian: median(floor), floorMean: mean(floor)});
  }
  const load = os.loadavg()[0];
  server.bytesServed = 0;
  await page.goto(server.origin + '/');
  await page.waitFor('harborgast.status().firstStepMs !== null && ' +
    '!Object.values(harborgast.status().tunes).includes("loading")', kTimeout);
  const first = await page.evaluate('harborgast.status()');
  const of = (key) => median(rounds.map((r) => r[key]));
  const ms = (value) => value.toFixed(3) + ' ms';
  console.log(`per frame step at 1920x1080, medians of ${roundCount} rounds of ${frames} steps ` +
    `(load average ${load.toFixed(1)}):`);
  console.log(`  step median: page ${ms(of('showMedian'))}, floor ${ms(of('floorMedian'))}, ` +
    `ratio ${(of('showMedian') / of('floorMedian')).toFixed(2)}`);
  console.log(`  step mean:   page ${ms(of('showMean'))} (of which ${ms(of('put'))} putting the picture ` +
    `on the canvas), floor ${ms(of('floorMean'))}, ratio ${(of('showMean') / of('floorMean')).toFixed(2)}`);
  console.log(`download of the whole page: ${server.bytesServed} bytes; title picture on the canvas ` +
    `${first.firstPictureMs.toFixed(0)} ms after navigation, first frame step ${first.firstStepMs.toFixed(0)} ms ` +
    `(after the saver's ${3500} ms title)`);
}

async function main() {
  const server = await serve({'/': site, '/floor/': __dirname});
  const browser = await Browser.launch();
  const page = await browser.newPage(kStage.width, kStage.height);
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'harborgast-page-test-'));
  let passed = 0, failed = 0;
  try {
    if (perfOnly) {
      await measure(page, server);
      return;
    }
    const only = new RegExp(option('--only') || '');
    for (const [index, {name, body}] of tests.entries()) {
      if (!only.test(name)) continue;
      await page.setViewport(kStage.width, kStage.height);
      const t = {page, server, temp: (n) => path.join(scratch, `${index}-${n}`)};
      try {
        await body(t);
        ++passed;
        console.log('ok   ' + name);
      } catch (error) {
        ++failed;
        console.log('FAIL ' + name + '\n     ' + String(error.stack || error).split('\n').join('\n     '));
      }
    }
    console.log(`${passed} passed, ${failed} failed`);
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(scratch, {recursive: true, force: true});
  }
  process.exitCode = failed ? 1 : 0;
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
