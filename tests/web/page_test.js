// The browser edition in Debian's headless Chromium, served from 127.0.0.1 and opened from file://: the
// window's controls by their object names at the window's places, live runs through the animation frames,
// corrections, Dutch, offline use, and data files and pictures byte-identical to vartel-batch's for the
// same runs. Both sides see the same fixed date.
//   node page_test.js SITE VARTEL-BATCH
'use strict';
const { chromium } = require('playwright-core');
const { spawn, execFileSync } = require('child_process');
const assert = require('assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');

const [site, batch] = process.argv.slice(2);
const fakeNow = '2026-03-04 10:00:00'; // local time on both sides
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'vartel-web-'));

// The file vartel-batch writes with `option` (--data, --graph, --pyramid) for the run `args` describe,
// dated by the fake clock in American English, the browser's language here.
function batchFile(args, option, name) {
  const file = path.join(work, name);
  const env = { ...process.env, LANG: 'en_US.UTF-8' };
  for (const n of ['LC_ALL', 'LC_TIME', 'LANGUAGE']) delete env[n];
  execFileSync('faketime', [fakeNow, batch, ...args, option, file], { env, stdio: ['ignore', 'ignore', 'pipe'] });
  return fs.readFileSync(file);
}

function batchDataFile(args) {
  return batchFile(args, '--data', 'batch.txt');
}

// Python's server on a free port of 127.0.0.1; resolves to its address.
function serve() {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', site], {
    stdio: ['ignore', 'pipe', 'ignore'],
  });
  return new Promise((resolve, reject) => {
    server.stdout.on('data', (chunk) => {
      const port = /port (\d+)/.exec(String(chunk));
      if (port) resolve({ server, base: `http://127.0.0.1:${port[1]}` });
    });
    server.on('exit', (code) => reject(new Error(`the web server ended with ${code}`)));
  });
}

async function openPage(context, url) {
  const page = await context.newPage();
  await page.clock.setFixedTime(new Date(fakeNow.replace(' ', 'T')));
  await page.goto(url);
  await page.waitForSelector('#TForm1[data-ready="true"]');
  return page;
}

// What a save button downloads, under the name it must have.
async function saved(page, button, fileName) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click(`#${button}`)]);
  assert.equal(download.suggestedFilename(), fileName);
  return fs.readFileSync(await download.path());
}

// What "Save data" downloads.
async function savedData(page) {
  return saved(page, 'Button2', 'Vartel.txt');
}

// The speed slider moved as the reader moves it.
async function chooseSpeed(page, speed) {
  await page.$eval('#TrackBar1', (slider, value) => {
    slider.value = String(value);
    slider.dispatchEvent(new Event('input', { bubbles: true }));
  }, speed);
}

async function clockShows(page, predicate) {
  await page.waitForFunction(predicate, null, { timeout: 120000 });
}

// Scenario `scenario` at the fastest speed from Start until the year field shows 3000, as a reader runs it.
async function fullRun(page, scenario) {
  await page.check(`#RadioButton${scenario}`);
  await chooseSpeed(page, 4);
  await page.click('#StartButton');
  await clockShows(page, () => document.getElementById('clock').value === '3000');
}

// A parameter field given a text and Enter, as typed.
async function enter(page, id, text) {
  await page.fill(`#${id}`, '');
  await page.type(`#${id}`, text);
  await page.press(`#${id}`, 'Enter');
}

async function box(page, id) {
  return page.$eval(`#${id}`, (e) => {
    const r = (e.closest('label.control') ?? e).getBoundingClientRect();
    return [r.left, r.top, r.width, r.height];
  });
}

const failures = [];
async function check(name, body) {
  try {
    await body();
    console.log(`ok   ${name}`);
  } catch (error) {
    failures.push(name);
    console.log(`FAIL ${name}\n${error.stack}`);
  }
}

async function main() {
  const { server, base } = await serve();
  const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-dev-shm-usage', '--disable-gpu'],
  });
  const context = await browser.newContext({ locale: 'en-US', viewport: { width: 1000, height: 800 } });
  try {
    const page = await openPage(context, `${base}/index.html`);

    await check('the controls carry the window object names, accessible names and places', async () => {
      const ids = ['StartButton', 'Newbutton', 'HelpButton', 'TrackBar1', 'CheckBox1', 'CheckBox2', 'CheckBox3',
        'CheckBox4', 'Popmeter', 'SPmeter', 'BImeter', 'BDmeter', 'ADmeter', 'IMmeter', 'EpiButton', 'OneButton',
        'ImmButton', 'Aftelklok', 'clock', 'PGmeter', 'RBmeter', 'LEmeter', 'MAmeter', 'GRmeter', 'CHmeter', 'Paper',
        'Map', 'Image1', 'Image2', 'Memo1', 'PopButton', 'BirthButton', 'DeathButton', 'lifebutton', 'Linscale',
        'Logscale', 'Inbutton', 'Outbutton', 'Button1', 'Button2', 'Button3'];
      for (let i = 1; i <= 7; ++i) ids.push(`RadioButton${i}`);
      for (const id of ids) assert.equal(await page.locator(`#${id}`).count(), 1, `#${id}`);
      assert.equal(await page.getAttribute('#Popmeter', 'aria-label'), 'Population size');
      assert.equal(await page.getAttribute('#Image2', 'aria-label'), 'Graph');
      assert.equal(await page.getAttribute('#Paper', 'aria-label'), 'Bulletin board');
      assert.equal(await page.getByRole('button', { name: 'Save data' }).getAttribute('id'), 'Button2');
      assert.equal(await page.getByRole('radio', { name: 'Realistic, medium' }).getAttribute('id'), 'RadioButton6');
      assert.equal(await page.textContent('#StartButton'), 'Start');
      // GroupBox5 at (8, 0), the button at (74, 12) in it.
      assert.deepEqual(await box(page, 'StartButton'), [82, 12, 57, 25]);
      assert.deepEqual(await box(page, 'Image2'), [9, 416, 847, 162]);
      assert.deepEqual(await box(page, 'RadioButton6'), [258, 120, 165, 17]);
    });

    await check('a smaller browser window shows the whole window scaled down', async () => {
      // The page refits on the resize event, which the browser delivers after the new size.
      const startButtonWidthBecomes = (width) => page.waitForFunction(
        (w) => Math.abs(document.getElementById('StartButton').getBoundingClientRect().width - w) < 0.01, width);
      await page.setViewportSize({ width: 346, height: 643 }); // 0.4 of the window's width
      await startButtonWidthBecomes(22.8);
      const scaled = (await box(page, 'StartButton')).map((v) => Math.round(v * 100) / 100);
      assert.deepEqual(scaled, [32.8, 4.8, 22.8, 10]);
      await page.setViewportSize({ width: 1000, height: 800 });
      await startButtonWidthBecomes(57);
      assert.deepEqual(await box(page, 'StartButton'), [82, 12, 57, 25]);
    });

    await check('a full run of Realistic, medium at the fastest speed saves the batch tool data file', async () => {
      await fullRun(page, 6);
      assert.equal(await page.textContent('#StartButton'), 'Start');
      assert.equal(await page.getAttribute('#StartButton', 'title'), 'Start simulation');
      assert.ok((await savedData(page)).equals(batchDataFile(['--scenario', '6'])));
    });

    await check('the graph and pyramid pictures equal the batch tool ones', async () => {
      const graph = await saved(page, 'Button1', 'Graph.bmp');
      assert.ok(graph.equals(batchFile(['--scenario', '6'], '--graph', 'graph.bmp')));
      const pyramid = await saved(page, 'Button3', 'Pyramid.bmp');
      assert.ok(pyramid.equals(batchFile(['--scenario', '6'], '--pyramid', 'pyramid.bmp')));
    });

    await check('the views are drawn on their canvases at the device pixel ratio', async () => {
      const size = (id) => page.$eval(`#${id}`, (c) => [c.width, c.height]);
      const ratio = await page.evaluate(() => window.devicePixelRatio);
      assert.deepEqual(await size('Image2'), [847 * ratio, 162 * ratio]);
      assert.deepEqual(await size('Image1'), [231 * ratio, 278 * ratio]);
      // Not blank: the curve and the pyramid are on them.
      const inked = await page.$eval('#Image2', (c) => {
        const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
        let dark = 0;
        for (let i = 0; i < data.length; i += 4) dark += data[i] + data[i + 1] + data[i + 2] < 200 ? 1 : 0;
        return dark;
      });
      assert.ok(inked > 1000, `${inked} dark pixels`);
    });

    await check('at a device pixel ratio of 2 the views have twice the pixels in the same place', async () => {
      const sharp = await browser.newContext({ locale: 'en-US', viewport: { width: 1000, height: 800 },
        deviceScaleFactor: 2 });
      const magnified = await openPage(sharp, `${base}/index.html`);
      await magnified.waitForFunction(() => document.getElementById('Image2').width === 2 * 847);
      assert.deepEqual(await magnified.$eval('#Image1', (c) => [c.width, c.height]), [2 * 231, 2 * 278]);
      assert.deepEqual(await box(magnified, 'Image2'), [9, 416, 847, 162]);
      await sharp.close();
    });

    await check('after a run the graph browses the past by touch, mouse and keys, and New ends it', async () => {
      const fresh = await openPage(context, `${base}/index.html`);
      await fullRun(fresh, 6);
      const graphBefore = await saved(fresh, 'Button1', 'Graph.bmp');
      const present = await fresh.inputValue('#PGmeter');
      const [left, top] = await box(fresh, 'Image2');
      // The page point of the graph's column of `year`, halfway up the plot.
      const at = (year) => [left + 90 + year / 4 + 0.5, top + 76.5];
      const clockIs = (year) => fresh.waitForFunction((y) => document.getElementById('clock').value === y,
        String(year));
      const touch = (type, year) => {
        const [clientX, clientY] = at(year);
        return fresh.dispatchEvent('#Image2', type, { pointerType: 'touch', isPrimary: true, clientX, clientY,
          bubbles: true });
      };
      await touch('pointerdown', 500);
      await clockIs(500);
      await touch('pointermove', 600);
      await clockIs(600);
      const markerColumn = () => fresh.$eval('#Image2', (c) => {
        const data = c.getContext('2d').getImageData(340, 7, 1, 139).data;
        let black = 0;
        for (let i = 0; i < data.length; i += 4) black += data[i] + data[i + 1] + data[i + 2] === 0 ? 1 : 0;
        return black;
      });
      await fresh.mouse.move(...at(1000));
      await clockIs(1000);
      await fresh.mouse.click(...at(1000));
      assert.equal(await fresh.textContent('#Memo1'),
        'The moment in time is frozen.     Release: Click the mouse within the graph.');
      assert.equal(await markerColumn(), 139);
      // Frozen: the mouse elsewhere on the graph leaves the year on display; the keys move it.
      await fresh.mouse.move(left + 5, top + 5);
      assert.equal(await fresh.inputValue('#clock'), '1000');
      await fresh.keyboard.press('ArrowRight');
      await clockIs(1004);
      await fresh.keyboard.press('Home');
      await clockIs(0);
      await fresh.keyboard.press('End');
      await clockIs(3000);
      assert.equal(await fresh.inputValue('#PGmeter'), present);
      assert.ok((await saved(fresh, 'Button1', 'Graph.bmp')).equals(graphBefore));
      await fresh.click('#Newbutton');
      await clockIs(0);
      assert.notEqual(await fresh.textContent('#Memo1'),
        'The moment in time is frozen.     Release: Click the mouse within the graph.');
      await fresh.close();
    });
    await check('a scripted run with incidents and parameter commits gives the batch tool data file', async () => {
      const args = ['--scenario', '5', '--event', '100:epidemic', '--event', '400:birth-index=2.4', '--event',
        '800:one-child', '--event', '1200:immigration=0.5', '--event', '1500:adult-mortality=0.8', '--event',
        '2000:immigration-wave', '--event', '2500:baby-mortality=', '--event', '2600:scenario=3'];
      const text = await page.evaluate((a) => window.vartel.runScripted(a), args);
      assert.ok(Buffer.from(text).equals(batchDataFile(args)), text.slice(0, 200));
    });

    await check('every scenario run to its end gives the batch tool data file', async () => {
      for (let scenario = 1; scenario <= 7; ++scenario) {
        const args = ['--scenario', String(scenario)];
        const text = await page.evaluate((a) => window.vartel.runScripted(a), args);
        assert.ok(Buffer.from(text).equals(batchDataFile(args)), `scenario ${scenario}`);
      }
    });

    await check('a scripted run the batch tool refuses gives its message and keeps the live run data', async () => {
      const before = await savedData(page);
      const text = await page.evaluate(() => window.vartel.runScripted(['--event', '5:birth-index=abc']));
      assert.match(text, /^Error: --event 5:birth-index=abc: /);
      assert.match(await page.evaluate(() => window.vartel.runScripted(['--scenario', '9'])), /^Error: /);
      assert.ok((await savedData(page)).equals(before));
    });

    await check('offline once loaded over HTTP', async () => {
      await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
      await context.setOffline(true);
      await page.reload();
      await page.waitForSelector('#TForm1[data-ready="true"]');
      await context.setOffline(false);
    });

    await check('?lang=nl shows the window in Dutch', async () => {
      const dutch = await openPage(context, `${base}/index.html?lang=nl`);
      assert.equal(await dutch.getAttribute('html', 'lang'), 'nl');
      assert.equal(await dutch.textContent('#Button2'), 'Sla data op');
      assert.equal(await dutch.getAttribute('#Popmeter', 'aria-label'), 'Bevolking');
      // What the run shows on its way, in Dutch too.
      await dutch.check('#CheckBox1');
      await dutch.click('#StartButton');
      await dutch.waitForFunction(() => document.getElementById('StartButton').textContent === 'Stap');
      assert.equal(await dutch.getAttribute('#StartButton', 'title'), 'Eén stap');
      await enter(dutch, 'BImeter', '25');
      await dutch.waitForSelector('#MessageBox[open]');
      assert.equal(await dutch.textContent('#MessageTitle'), 'Ongeldige invoer');
      assert.notEqual(await dutch.textContent('#MessageText'),
        'A birth index of more than 20 is not allowed. The value is adjusted.');
      await dutch.close();
    });

    await check('an out-of-range value gets the window correction and the corrected text', async () => {
      const fresh = await openPage(context, `${base}/index.html`);
      await enter(fresh, 'BImeter', '25');
      await fresh.waitForSelector('#MessageBox[open]');
      assert.equal(await fresh.textContent('#MessageTitle'), 'Invalid data');
      assert.equal(await fresh.textContent('#MessageText'),
        'A birth index of more than 20 is not allowed. The value is adjusted.');
      await fresh.click('#MessageOk');
      assert.equal(await fresh.inputValue('#BImeter'), '20.0000');
      // The key filter: a decimal comma goes in as the point, a second separator and letters do not.
      await fresh.fill('#BImeter', '');
      await fresh.type('#BImeter', '2,5.x');
      assert.equal(await fresh.inputValue('#BImeter'), '2.5');
      await fresh.fill('#Popmeter', '');
      await fresh.type('#Popmeter', '12.5');
      assert.equal(await fresh.inputValue('#Popmeter'), '125');
      await fresh.close();
    });

    await check('an incident and a commit in a pause give the batch tool data file of the same events', async () => {
      const fresh = await openPage(context, `${base}/index.html`);
      await fresh.check('#RadioButton5');
      await chooseSpeed(fresh, 3); // a year a millisecond: time to pause on the way
      await fresh.click('#StartButton');
      await clockShows(fresh, () => Number(document.getElementById('clock').value) >= 500);
      await fresh.click('#StartButton');
      await fresh.waitForFunction(() => document.getElementById('StartButton').textContent === 'Continue');
      const year = await fresh.inputValue('#clock');
      assert.ok(Number(year) < 3000, year);
      await fresh.click('#EpiButton');
      await enter(fresh, 'BImeter', '2.4');
      await fresh.click('#StartButton');
      await clockShows(fresh, () => document.getElementById('clock').value === '3000');
      const args = ['--scenario', '5', '--event', `${year}:epidemic`, '--event', `${year}:birth-index=2.4`];
      assert.ok((await savedData(fresh)).equals(batchDataFile(args)), `paused at ${year}`);
      await fresh.close();
    });

    await check('step mode shows Step and runs one year a click', async () => {
      const fresh = await openPage(context, `${base}/index.html`);
      await fresh.check('#CheckBox1');
      await fresh.click('#StartButton');
      await fresh.waitForFunction(() => document.getElementById('StartButton').textContent === 'Step');
      await fresh.click('#StartButton');
      await clockShows(fresh, () => document.getElementById('clock').value === '2');
      assert.equal(await fresh.textContent('#StartButton'), 'Step');
      await fresh.close();
    });

    await check('leaving the page during an unsaved run asks first', async () => {
      const fresh = await openPage(context, `${base}/index.html`);
      await fresh.check('#CheckBox1');
      await fresh.click('#StartButton');
      await clockShows(fresh, () => document.getElementById('clock').value === '1');
      const asked = new Promise((resolve) => fresh.once('dialog', (dialog) => {
        resolve(dialog.type());
        void dialog.dismiss();
      }));
      await fresh.close({ runBeforeUnload: true });
      assert.equal(await asked, 'beforeunload');
    });

    await check('opened from file:// the page runs and saves alike', async () => {
      const local = await openPage(context, `file://${site}/index.html`);
      await fullRun(local, 2);
      assert.ok((await savedData(local)).equals(batchDataFile(['--scenario', '2'])));
      await local.close();
    });
  } finally {
    await browser.close();
    server.kill();
    fs.rmSync(work, { recursive: true, force: true });
  }
  if (failures.length > 0) {
    console.log(`${failures.length} failed: ${failures.join('; ')}`);
    process.exit(1);
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
