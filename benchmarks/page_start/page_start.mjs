// Lighthouse on the web release as a site serves it: the zip unpacked and served from 127.0.0.1
// with its brotli or gzip copies and Varn.wasm as application/wasm, measured on Lighthouse's
// default simulated phone in Debian's Chromium; prints each run and the median of each figure.
//   node benchmarks/page_start/page_start.mjs build-web/release/Varn-<version>-web.zip [runs]
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { loadavg, tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';

import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';

const [zip, runsGiven] = process.argv.slice(2);
if (!zip || !existsSync(zip)) {
  console.error('usage: node page_start.mjs <Varn-...-web.zip> [runs, 3 unless given]');
  process.exit(2);
}
const runs = Number(runsGiven || 3);

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json', '.txt': 'text/plain',
};
// What the read-me asks of a host: the compressed copy the browser accepts, brotli first, and
// no-cache where a new release must be found.
const encodings = [['br', '.br'], ['gzip', '.gz']];
const revalidated = new Set(['/index.html', '/service_worker.js']);

function serve(folder) {
  const server = createServer((request, response) => {
    let path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    if (path === '/') path = '/index.html';
    const file = join(folder, path);
    if (!file.startsWith(folder) || !existsSync(file) || !statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    const headers = { 'Content-Type': types[extname(file)] || 'application/octet-stream',
                      'Vary': 'Accept-Encoding' };
    if (revalidated.has(path)) headers['Cache-Control'] = 'no-cache';
    const accepted = request.headers['accept-encoding'] || '';
    const [encoding, suffix] = encodings.find(([name, ending]) =>
      accepted.includes(name) && existsSync(file + ending)) || [];
    if (encoding) headers['Content-Encoding'] = encoding;
    response.writeHead(200, headers).end(readFileSync(file + (suffix || '')));
  });
  return new Promise((ready) => server.listen(0, '127.0.0.1', () => ready(server)));
}

const chromeFlags = ['--headless', '--no-sandbox', '--disable-gpu',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--no-first-run',
  // WebGL, which the game draws with, in software: the GPU is off.
  '--enable-unsafe-swiftshader', '--use-angle=swiftshader'];

// What the page showed at the end of a run, for a person to see that the game had started.
function keepFinalScreen(lhr, run) {
  const shot = lhr.audits['final-screenshot'].details?.data;
  if (!shot)
    return 'none';
  const file = join(tmpdir(), `varn-page-start-${run}.jpg`);
  writeFileSync(file, Buffer.from(shot.split(',')[1], 'base64'));
  return file;
}

async function measure(url, run) {
  const chrome = await chromeLauncher.launch({
    chromePath: process.env.CHROME_PATH || '/usr/bin/chromium', chromeFlags });
  try {
    const { lhr } = await lighthouse(url, {
      port: chrome.port, output: 'json', logLevel: 'error',
      onlyCategories: ['performance', 'accessibility', 'best-practices', 'seo'],
    });
    if (lhr.runtimeError) throw new Error(lhr.runtimeError.message);
    const audit = (id) => lhr.audits[id];
    const score = (id) => Math.round(lhr.categories[id].score * 100);
    const lcpElement = audit('largest-contentful-paint-element').details?.items?.[0]
      ?.items?.[0]?.node?.snippet;
    const longTasks = (audit('long-tasks').details?.items || [])
      .map((task) => `${Math.round(task.duration)} ms ${task.url.split('/').pop() || '-'}`);
    const wasm = audit('network-requests').details.items.find((item) =>
      item.url.endsWith('/Varn.wasm'));
    return {
      performance: score('performance'), accessibility: score('accessibility'),
      'best-practices': score('best-practices'), seo: score('seo'),
      'TBT ms': audit('total-blocking-time').numericValue,
      'FCP ms': audit('first-contentful-paint').numericValue,
      'LCP ms': audit('largest-contentful-paint').numericValue,
      'SI ms': audit('speed-index').numericValue,
      'TTI ms': audit('interactive').numericValue,
      CLS: audit('cumulative-layout-shift').numericValue,
      'transfer KB': audit('total-byte-weight').numericValue / 1024,
      'Varn.wasm KB': (wasm?.transferSize || 0) / 1024,
      lcpElement, longTasks, finalScreen: keepFinalScreen(lhr, run),
    };
  } finally {
    chrome.kill();
  }
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const shown = (value) => (Number.isInteger(value) ? value : Number(value.toFixed(3)));

const folder = mkdtempSync(join(tmpdir(), 'varn-page-start-'));
try {
  execFileSync('python3', ['-m', 'zipfile', '-e', zip, folder]);
  const server = await serve(folder);
  const url = `http://127.0.0.1:${server.address().port}/index.html`;
  console.log(`load average before: ${loadavg().map((load) => load.toFixed(2)).join(' ')}`);
  const results = [];
  for (let run = 1; run <= runs; run++) {
    const result = await measure(url, run);
    results.push(result);
    const { lcpElement, longTasks, finalScreen, ...figures } = result;
    console.log(`run ${run}: ${Object.entries(figures)
      .map(([name, value]) => `${name} ${shown(value)}`).join(', ')}`);
    console.log(`  largest contentful paint: ${lcpElement}`);
    console.log(`  long tasks: ${longTasks.join(', ') || 'none'}`);
    console.log(`  the page at the end: ${finalScreen}`);
  }
  server.close();
  console.log(`load average after: ${loadavg().map((load) => load.toFixed(2)).join(' ')}`);
  const names = Object.keys(results[0]).filter((name) => typeof results[0][name] === 'number');
  console.log(`median of ${runs}: ${names
    .map((name) => `${name} ${shown(median(results.map((result) => result[name])))}`)
    .join(', ')}`);
} finally {
  rmSync(folder, { recursive: true, force: true });
}
