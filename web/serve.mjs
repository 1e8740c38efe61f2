// A static server for the built site, on the loopback only: node web/serve.mjs DIR [PORT].
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.json': 'application/json', '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.txt': 'text/plain; charset=utf-8',
  '.png': 'image/png',
};

export function serve(dir, port = 0) {
  const root = path.resolve(dir);
  const server = http.createServer((req, res) => {
    let file;
    try {
      const url = new URL(req.url, 'http://localhost');
      file = path.join(root, decodeURIComponent(url.pathname === '/' ? '/index.html' : url.pathname));
    } catch {
      res.writeHead(400).end();
      return;
    }
    // Nothing outside the site, and no name a file system refuses.
    if (!file.startsWith(root + path.sep) || file.includes('\0')) {
      res.writeHead(403).end();
      return;
    }
    fs.readFile(file, (err, data) => {
      if (err) {
        res.writeHead(404).end();
        return;
      }
      res.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' }).end(data);
    });
  });
  return new Promise(resolve => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const dir = process.argv[2] || 'build-web/site';
  const server = await serve(dir, Number(process.argv[3] || 8080));
  console.log(`Varelo: http://localhost:${server.address().port}/ (Ctrl+C ends)`);
}
