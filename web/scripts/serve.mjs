// A small static server for the built site, on this computer only (127.0.0.1): to try the page
// (tools/run-web) and for its tests. Serves files only, below the folder given, GET and HEAD.
//
//   node web/scripts/serve.mjs build-web/site [port]     (port 0: any free one; it is printed)

import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve, sep } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.json': 'application/json',
  '': 'text/plain; charset=utf-8',
};

export function serve(folder, port = 0) {
  const root = resolve(folder);
  const server = createServer((request, response) => {
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.writeHead(405).end();
      return;
    }
    let path = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    if (path.endsWith('/')) {
      path += 'index.html';
    }
    const file = normalize(join(root, path));
    if (file !== root && !file.startsWith(root + sep)) {
      response.writeHead(403).end();
      return;
    }
    let size;
    try {
      const stat = statSync(file);
      if (!stat.isFile()) {
        throw new Error('not a file');
      }
      size = stat.size;
    } catch {
      response.writeHead(404, { 'content-type': types[''] }).end('Not found\n');
      return;
    }
    response.writeHead(200, {
      'content-type': types[extname(file)] ?? 'application/octet-stream',
      'content-length': size,
      'cache-control': 'no-cache',
    });
    if (request.method === 'HEAD') {
      response.end();
      return;
    }
    createReadStream(file).pipe(response);
  });
  return new Promise((done) => server.listen(port, '127.0.0.1', () => done(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const server = await serve(process.argv[2] ?? 'build-web/site', Number(process.argv[3] ?? 8080));
  const { port } = server.address();
  console.log(`Velmora v2: http://127.0.0.1:${port}/  (Ctrl+C to stop)`);
}
