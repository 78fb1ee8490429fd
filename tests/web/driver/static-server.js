'use strict';
// Serves one folder on the loopback, as a static host would: the right type for every file the
// web build has, and nothing kept in the browser's HTTP cache, so that a second visit with the
// network cut reaches the program's files only through its service worker.
const http = require('http');
const fs = require('fs');
const path = require('path');

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
  '.css': 'text/css; charset=utf-8',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.ico': 'image/x-icon',
  '.txt': 'text/plain; charset=utf-8',
};

function typeOf(file) {
  return kTypes[path.extname(file).toLowerCase()] || 'application/octet-stream';
}

// Resolves to { url, refuse(on), close() } once the server listens on a free port. While refusing,
// every request's connection is dropped, as when the network is gone. `onServe`, where given, is
// told the path of every file the server sends.
function serveFolder(root, { onServe } = {}) {
  const top = path.resolve(root);
  let refusing = false;
  const sockets = new Set();
  const server = http.createServer((request, response) => {
    if (refusing) {
      request.socket.destroy();
      return;
    }
    const urlPath = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    let file = path.join(top, urlPath);
    if (file !== top && !file.startsWith(top + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    if (urlPath.endsWith('/')) file = path.join(file, 'index.html');
    fs.readFile(file, (error, body) => {
      if (error) {
        response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
        return;
      }
      response.writeHead(200, {
        'Content-Type': typeOf(file),
        'Content-Length': body.length,
        'Cache-Control': 'no-store',
      });
      if (onServe) onServe(file);
      response.end(request.method === 'HEAD' ? undefined : body);
    });
  });
  server.on('connection', socket => {
    sockets.add(socket);
    socket.on('close', () => sockets.delete(socket));
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        refuse(on) {
          refusing = on;
          if (on) for (const socket of sockets) socket.destroy();
        },
        close() {
          for (const socket of sockets) socket.destroy();
          return new Promise(done => server.close(done));
        },
      });
    });
  });
}

module.exports = { serveFolder };
