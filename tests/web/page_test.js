// The browser edition in Debian's headless Chromium, served from 127.0.0.1 and opened from file://: the
// window's controls by their object names at the window's places, Dutch, offline use, and data files
// byte-identical to vartel-batch's for the same runs. Both sides see the same fixed clock.
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

// vartel-batch's data file of the run `args` describe, dated by the fake clock in American English, the
// browser's language here.
function batchDataFile(args) {
  const file = path.join(work, 'batch.txt');
  const env = { ...process.env, LANG: 'en_US.UTF-8' };
  for (const name of ['LC_ALL', 'LC_TIME', 'LANGUAGE']) delete env[name];
  execFileSync('faketime', [fakeNow, batch, ...args, '--data', file], { env, stdio: ['ignore', 'ignore', 'pipe'] });
  return fs.readFileSync(file);
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

// What "Save data" downloads.
async function savedData(page) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#Button2')]);
  assert.equal(download.suggestedFilename(), 'Vartel.txt');
  return fs.readFileSync(await download.path());
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

    await check('Start and "Save data" give the batch tool data file of the chosen scenario', async () => {
      await page.check('#RadioButton6');
      await page.click('#StartButton');
      assert.equal(await page.inputValue('#clock'), '3000');
      assert.ok((await savedData(page)).equals(batchDataFile(['--scenario', '6'])));
    });

    await check('a scripted run with incidents and parameter commits gives the batch tool data file', async () => {
      const args = ['--scenario', '5', '--event', '100:epidemic', '--event', '400:birth-index=2.4', '--event',
        '800:one-child', '--event', '1200:immigration=0.5', '--event', '1500:adult-mortality=0.8', '--event',
        '2000:immigration-wave', '--event', '2500:baby-mortality=', '--event', '2600:scenario=3'];
      const text = await page.evaluate((a) => window.vartel.runScripted(a), args);
      assert.ok(!text.startsWith('Error: '), text);
      assert.ok((await savedData(page)).equals(batchDataFile(args)));
    });

    await check('every scenario run to its end gives the batch tool data file', async () => {
      for (let scenario = 1; scenario <= 7; ++scenario) {
        const args = ['--scenario', String(scenario)];
        const text = await page.evaluate((a) => window.vartel.runScripted(a), args);
        assert.ok(Buffer.from(text).equals(batchDataFile(args)), `scenario ${scenario}`);
      }
    });

    await check('a scripted run the batch tool refuses gives its message and keeps the last data', async () => {
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
      await dutch.close();
    });

    await check('opened from file:// the page runs and saves alike', async () => {
      const local = await openPage(context, `file://${site}/index.html`);
      await local.check('#RadioButton2');
      await local.click('#StartButton');
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
