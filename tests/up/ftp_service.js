// A small FTP service for the tests of up's FTP downloads, on 127.0.0.1 only.
// Logins: anonymous, or user "kest" with password "secret". Files: /files/bytes/N (N pattern bytes);
// a listing of the folder /files/bytes shows the files 300 and 10000.
// Data connections: active (PORT, the client listens) and passive (PASV).
'use strict';
const net = require('net');

const USER = 'kest';
const PASSWORD = 'secret';
const LISTED_SIZES = [300, 10000];

// The absolute path of `path` seen from the folder `cwd` ("/" or "/a/b").
function resolve(cwd, path) {
  const parts = (path.startsWith('/') ? path : `${cwd}/${path}`).split('/').filter((p) => p && p !== '.');
  return `/${parts.join('/')}`;
}

function fileSize(path) {
  const match = /^\/files\/bytes\/(\d+)$/.exec(path);
  return match ? Number(match[1]) : null;
}

function listing(size, name) {
  return `-rw-r--r--   1 kest     kest     ${size} Jan 01 12:00 ${name}\r\n`;
}

function startFtpService(contentOf, ready) {
  const service = net.createServer((control) => {
    let user = '';
    let loggedIn = false;
    let cwd = '/';
    let dataTarget = null; // { host, port } for PORT, or { passive: promise of the socket } for PASV
    const reply = (line) => control.write(`${line}\r\n`);

    const openData = (use) => {
      if (dataTarget && dataTarget.passive) {
        dataTarget.passive.then(use);
        dataTarget = null;
      } else if (dataTarget) {
        const socket = net.connect(dataTarget.port, dataTarget.host, () => use(socket));
        socket.on('error', () => reply('425 Cannot open data connection'));
        dataTarget = null;
      } else {
        reply('425 Use PORT or PASV first');
      }
    };

    const send = (bytes) => {
      reply('150 Opening data connection');
      openData((socket) => socket.end(bytes, () => reply('226 Transfer complete')));
    };

    const commands = {
      USER: (arg) => { user = arg; reply('331 Password required'); },
      PASS: (arg) => {
        loggedIn = user === 'anonymous' || (user === USER && arg === PASSWORD);
        reply(loggedIn ? '230 Logged in' : '530 Login incorrect');
      },
      SYST: () => reply('215 UNIX Type: L8'),
      PWD: () => reply(`257 "${cwd}"`),
      CWD: (arg) => { cwd = resolve(cwd, arg); reply('250 OK'); },
      TYPE: () => reply('200 Type set'),
      MODE: () => reply('200 Mode set'),
      STRU: () => reply('200 Structure set'),
      NOOP: () => reply('200 OK'),
      FEAT: () => reply('211 No features'),
      OPTS: () => reply('200 OK'),
      PORT: (arg) => {
        const p = arg.split(',').map(Number);
        dataTarget = { host: p.slice(0, 4).join('.'), port: p[4] * 256 + p[5] };
        reply('200 PORT command successful');
      },
      PASV: () => {
        // The client may connect before or after it sends the transfer command.
        const server = net.createServer();
        const passive = new Promise((resolve) => server.once('connection', (socket) => { server.close(); resolve(socket); }));
        server.listen(0, '127.0.0.1', () => {
          const port = server.address().port;
          dataTarget = { passive };
          reply(`227 Entering Passive Mode (127,0,0,1,${port >> 8},${port & 255})`);
        });
      },
      SIZE: (arg) => {
        const size = fileSize(resolve(cwd, arg));
        reply(size === null ? '550 No such file' : `213 ${size}`);
      },
      LIST: (arg) => {
        const path = resolve(cwd, arg);
        const size = fileSize(path);
        if (path === '/files/bytes') send(LISTED_SIZES.map((n) => listing(n, String(n))).join(''));
        else if (size !== null) send(listing(size, path.split('/').pop()));
        else reply('550 No such file');
      },
      RETR: (arg) => {
        const size = fileSize(resolve(cwd, arg));
        if (size === null) return reply('550 No such file');
        send(contentOf(size));
      },
      QUIT: () => { reply('221 Bye'); control.end(); },
    };

    reply('220 Kest test FTP service');
    let pending = '';
    control.on('data', (chunk) => {
      pending += chunk.toString('latin1');
      let end;
      while ((end = pending.indexOf('\r\n')) >= 0) {
        const line = pending.slice(0, end);
        pending = pending.slice(end + 2);
        const space = line.indexOf(' ');
        const verb = (space < 0 ? line : line.slice(0, space)).toUpperCase();
        const arg = space < 0 ? '' : line.slice(space + 1);
        const command = commands[verb];
        if (!command) reply('502 Command not implemented');
        else if (!loggedIn && verb !== 'USER' && verb !== 'PASS' && verb !== 'QUIT') reply('530 Not logged in');
        else command(arg);
      }
    });
    control.on('error', () => {});
  });
  service.listen(0, '127.0.0.1', () => ready(service.address().port));
}

module.exports = { startFtpService };
