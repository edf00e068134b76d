#!/usr/bin/env bash
# Figures of the browser edition (not a test; nothing judges a time): what the site transfers gzipped, the
# page's time from navigation to a usable window (Start enabled and the first pictures drawn), the fastest
# full run of "Realistic, medium" as a reader runs it (by the page's own clock from the click on Start until
# the year field shows 3000), and the scripted run with its data file against vartel-batch doing the same.
#   bench/web_run.sh     builds with ./web.sh --build-only first; RUNS=N runs of each (default 7)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-7}
./web.sh --build-only >/dev/null
site=$PWD/build-web/site
batch=$PWD/build/tools/vartel-batch
cmake --build build --target vartel-batch >/dev/null

echo "== Machine"
echo "processors: $(nproc), load: $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min)"

echo "== Transfer at first load (gzip -9 of each file of $site)"
total=0
for f in "$site"/*; do
  size=$(gzip -9c "$f" | wc -c)
  total=$((total + size))
  printf '  %-24s %8d bytes, %8d gzipped\n' "$(basename "$f")" "$(stat -c %s "$f")" "$size"
done
echo "  total gzipped: $total bytes ($(awk -v t="$total" 'BEGIN { printf "%.2f", t / 1048576 }') MiB)"

echo "== vartel-batch --scenario 6 --data (whole process, $runs runs)"
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$batch" --scenario 6 --data /dev/null
  echo $((($(date +%s%N) - start) / 1000))
done | sort -n | awk '{ t[NR] = $1 } END { printf "  fastest %.1f ms, median %.1f ms\n", t[1] / 1000, t[int((NR + 1) / 2)] / 1000 }'

echo "== The page in headless Chromium, served from 127.0.0.1"
NODE_PATH=$PWD/web/node_modules node - "$site" "$runs" <<'JS'
const { chromium } = require('playwright-core');
const { spawn } = require('child_process');
const [site, runs] = process.argv.slice(2);
(async () => {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', site],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  const base = await new Promise((resolve) => server.stdout.on('data', (c) => {
    const port = /port (\d+)/.exec(String(c));
    if (port) resolve(`http://127.0.0.1:${port[1]}`);
  }));
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-dev-shm-usage', '--disable-gpu'] });
  const page = await browser.newPage();
  const ready = [];
  const live = [];
  // Two frames after the window is ready, its first pass has run and its first pictures are painted.
  const painted = () => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  for (let i = 0; i < Number(runs); ++i) {
    const start = Date.now();
    await page.goto(`${base}/index.html?run=${i}`);
    await page.waitForSelector('#TForm1[data-ready="true"]');
    await painted();
    ready.push(Date.now() - start);
    // The run: the click and the frames until the year field shows 3000, timed inside the page.
    live.push(await page.evaluate(() => new Promise((resolve) => {
      document.getElementById('RadioButton6').click();
      const slider = document.getElementById('TrackBar1');
      slider.value = '4';
      slider.dispatchEvent(new Event('input'));
      const start = performance.now();
      document.getElementById('StartButton').click();
      const look = () => {
        if (document.getElementById('clock').value === '3000') resolve(performance.now() - start);
        else requestAnimationFrame(look);
      };
      requestAnimationFrame(look);
    })));
  }
  const times = await page.evaluate((n) => {
    const t = [];
    for (let i = 0; i < n; ++i) {
      const start = performance.now();
      window.vartel.runScripted(['--scenario', '6']);
      t.push(performance.now() - start);
    }
    return t;
  }, Number(runs) + 1);
  const first = times.shift();
  const sorted = (a) => [...a].sort((x, y) => x - y);
  const median = (a) => sorted(a)[Math.floor((a.length - 1) / 2)];
  console.log(`  navigation to a usable window: fastest ${sorted(ready)[0]} ms, median ${median(ready)} ms`);
  console.log(`  live full run at the fastest speed (click on Start to 3000): fastest ${sorted(live)[0].toFixed(1)} ms, median ${median(live).toFixed(1)} ms`);
  console.log(`  full run with the data file: first ${first.toFixed(1)} ms, then fastest ${sorted(times)[0].toFixed(1)} ms, median ${median(times).toFixed(1)} ms`);
  await browser.close();
  server.kill();
})();
JS
