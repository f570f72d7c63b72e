// Local stand-in for the update service and the downloads it names, bound to 127.0.0.1 on free ports.
// Prints "HTTP_PORT FTP_PORT" on its first line, then serves until its stdin closes (or a deadline passes).
//   node update_server.js [--status CODE] [--body TEXT | --body-file FILE] [--file FILE] [--deadline SECONDS]
// Routes:
//   /update/          the update document: --status (default 200) with --body / --body-file (default empty)
//   /installer.exe    the bytes of --file
//   /bytes/N          N bytes of a fixed pattern (byte i is i % 251), streamed
//   /truncated/N      announces N bytes, sends half of them, then closes the connection
//   /reset/N          announces N bytes, sends half of them, then resets the connection
//   /stall/N          announces N bytes, sends half of them, then sends nothing more (the connection stays)
//   /silent           accepts the request and never answers
//   /gzip             a gzip-compressed text, sent compressed whatever the request asked for
//   /echo...          the request as JSON: method, url, httpVersion, headers, body (also for proxy requests)
//   /last-connect     the target of the last CONNECT request (which is refused), as a proxy sees HTTPS
//   anything else     404 with an HTML body
// FTP (see ftp_service.js): user "kest" with password "secret" or anonymous; /files/bytes/N as above.
'use strict';
const http = require('http');
const fs = require('fs');
const zlib = require('zlib');
const { startFtpService } = require('./ftp_service');

const options = { status: 200, body: Buffer.alloc(0), file: null, deadline: 300 };
const argv = process.argv.slice(2);
for (let i = 0; i < argv.length; i += 2) {
  const value = argv[i + 1];
  switch (argv[i]) {
    case '--status': options.status = Number(value); break;
    case '--body': options.body = Buffer.from(value, 'utf8'); break;
    case '--body-file': options.body = fs.readFileSync(value); break;
    case '--file': options.file = value; break;
    case '--deadline': options.deadline = Number(value); break;
    default: console.error(`update_server: unknown option ${argv[i]}`); process.exit(2);
  }
}

let lastConnect = '';
const GZIP_TEXT = 'compressed body text '.repeat(50);
const BLOCK = Buffer.alloc(64 * 1024);

function pattern(offset, length) {
  const block = Buffer.alloc(length);
  for (let i = 0; i < length; i++) block[i] = (offset + i) % 251;
  return block;
}

function streamPattern(res, total) {
  let sent = 0;
  const more = () => {
    while (sent < total) {
      const length = Math.min(BLOCK.length, total - sent);
      const chunk = pattern(sent, length);
      sent += length;
      if (!res.write(chunk)) return res.once('drain', more);
    }
    res.end();
  };
  more();
}

function sendHalf(req, res, total, finish) {
  res.writeHead(200, { 'Content-Length': total, 'Content-Type': 'application/octet-stream' });
  res.write(pattern(0, Math.floor(total / 2)), () => setTimeout(() => finish(req.socket), 50));
}

function sizeOf(url, prefix) {
  const size = Number(url.slice(prefix.length));
  return Number.isSafeInteger(size) && size >= 0 ? size : null;
}

// No time-outs of the server's own: the silent and stalling routes wait for the client to give up.
const server = http.createServer({ requestTimeout: 0, headersTimeout: 0 }, (req, res) => {
  const chunks = [];
  req.on('data', (chunk) => chunks.push(chunk));
  req.on('end', () => {
    const url = req.url;
    if (url === '/update/') {
      res.writeHead(options.status, { 'Content-Type': 'application/json', 'Content-Length': options.body.length });
      res.end(options.body);
    } else if (url === '/installer.exe' && options.file) {
      const bytes = fs.readFileSync(options.file);
      res.writeHead(200, { 'Content-Type': 'application/octet-stream', 'Content-Length': bytes.length });
      res.end(bytes);
    } else if (url.startsWith('/bytes/') && sizeOf(url, '/bytes/') !== null) {
      const total = sizeOf(url, '/bytes/');
      res.writeHead(200, { 'Content-Type': 'application/octet-stream', 'Content-Length': total });
      streamPattern(res, total);
    } else if (url.startsWith('/truncated/') && sizeOf(url, '/truncated/') !== null) {
      sendHalf(req, res, sizeOf(url, '/truncated/'), (socket) => socket.destroy());
    } else if (url.startsWith('/reset/') && sizeOf(url, '/reset/') !== null) {
      sendHalf(req, res, sizeOf(url, '/reset/'), (socket) => socket.resetAndDestroy());
    } else if (url.startsWith('/stall/') && sizeOf(url, '/stall/') !== null) {
      sendHalf(req, res, sizeOf(url, '/stall/'), () => {});
    } else if (url === '/silent') {
      // Nothing is sent; the connection stays open until the client gives up.
    } else if (url === '/last-connect') {
      res.writeHead(200, { 'Content-Type': 'text/plain', 'Content-Length': Buffer.byteLength(lastConnect) });
      res.end(lastConnect);
    } else if (url === '/gzip') {
      const body = zlib.gzipSync(Buffer.from(GZIP_TEXT));
      res.writeHead(200, { 'Content-Type': 'text/plain', 'Content-Encoding': 'gzip', 'Content-Length': body.length });
      res.end(body);
    } else if (url.startsWith('/echo') || /^[a-z]+:\/\//i.test(url)) {
      const body = JSON.stringify({
        method: req.method, url, httpVersion: req.httpVersion, headers: req.headers,
        body: Buffer.concat(chunks).toString('latin1'),
      });
      res.writeHead(200, { 'Content-Type': 'application/json', 'Content-Length': Buffer.byteLength(body) });
      res.end(body);
    } else {
      const body = '<html><body><h1>404 Not Found</h1></body></html>';
      res.writeHead(404, { 'Content-Type': 'text/html', 'Content-Length': body.length });
      res.end(body);
    }
  });
});

server.on('connect', (req, socket) => {
  lastConnect = req.url;
  socket.end('HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\n\r\n');
});

server.listen(0, '127.0.0.1', () => {
  startFtpService((size) => pattern(0, size), (ftpPort) => {
    process.stdout.write(`${server.address().port} ${ftpPort}\n`);
  });
});
const stop = () => process.exit(0);
process.stdin.on('end', stop);
process.stdin.on('error', stop);
process.stdin.resume();
setTimeout(stop, options.deadline * 1000).unref();
