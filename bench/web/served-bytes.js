'use strict';
// The bytes of a first visit as a static host sends them, each file gzip-compressed at level 9:
// every file the server is asked for, the page's own and those its service worker keeps for
// offline visits, until the worker is active.
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { serveFolder } = require('./browser-driver');
const { kViewports, openPage, untilKeptOffline } = require('./program-page');

function sizes(file) {
  const bytes = fs.readFileSync(file);
  return { bytes: bytes.length, gzip_bytes: zlib.gzipSync(bytes, { level: 9 }).length };
}

async function measureServedBytes(session, root) {
  const fetches = new Map();
  const server = await serveFolder(root, { onServe: file => fetches.set(file, (fetches.get(file) ?? 0) + 1) });
  try {
    await openPage(session, server.url, kViewports.desktop);
    await untilKeptOffline(session);
  } finally {
    await server.close();
  }
  const files = [...fetches].map(([file, count]) => ({ name: path.relative(root, file), count, ...sizes(file) }))
    .sort((a, b) => a.name.localeCompare(b.name));
  const total = key => files.reduce((sum, file) => sum + file[key], 0);
  const fetched = files.reduce((sum, file) => sum + file.count * file.gzip_bytes, 0);
  return [
    ...files.map(({ name, count, ...counters }) => ({ benchmark: `gzip ${name}`, counters: { ...counters, fetches: count } })),
    { benchmark: 'gzip first visit, every file once',
      counters: { files: files.length, bytes: total('bytes'), gzip_bytes: total('gzip_bytes'), gzip_bytes_fetched: fetched } },
    { benchmark: 'gzip lumivor.html, the one-file page', counters: sizes(path.join(root, 'lumivor.html')) },
  ];
}

module.exports = { measureServedBytes };
