// The tips RPC endpoint as the tests need it: the real Hprose server of the npm package, on a
// free port of 127.0.0.1. Prints the port on the first line of stdout; stops when stdin closes
// or after the deadline, whichever comes first.
'use strict';
const path = require('path');
const crypto = require('crypto');
const hprose = require(path.join(__dirname, '../../node/node_modules/hprose'));

const DEADLINE_MS = 10 * 60 * 1000;
const calls = {};

function count(name) {
  calls[name] = (calls[name] || 0) + 1;
}

const server = new hprose.HttpServer();
server.errorDelay = 1;  // answer failing calls at once (0 would never answer)

// The service's signature check; the page address comes back Base64-encoded.
server.addFunction((id, account, signature) => {
  count('h170308');
  const expected = crypto.createHash('md5').update(id + account + id, 'utf8').digest('hex');
  if (signature !== expected) throw new Error('bad signature for ' + id);
  return Buffer.from('http://127.0.0.1/kest_tips/popup?id=' + encodeURIComponent(id)).toString('base64');
}, 'h170308');

server.addFunction((...args) => args, 'echo');
// How the arguments arrived, as the percent-encoded UTF-8 of each.
server.addFunction((...args) => args.map((arg) => typeof arg + ':' + encodeURIComponent(arg)), 'inspect');
server.addFunction(() => null, 'nothing');
server.addFunction(() => '', 'empty');
server.addFunction(() => { throw new Error('失败: "quoted"\r\nsecond line'); }, 'fail');
server.addFunction(() => { count('hang'); return new Promise(() => {}); }, 'hang');
server.addFunction((name) => calls[name] || 0, 'calls');
server.addFunction((context) => {
  const request = context.request;
  const header = (name) => (name in request.headers ? request.headers[name] : null);
  return {
    'user-agent': header('user-agent'),
    'connection': header('connection'),
    'keep-alive': header('keep-alive'),
    'content-type': header('content-type'),
    'client-port': String(request.socket.remotePort),
  };
}, 'headers', { passContext: true });

server.listen(0, '127.0.0.1', () => {
  process.stdout.write(server.server.address().port + '\n');
});

process.stdin.on('end', () => process.exit(0));
process.stdin.on('error', () => process.exit(0));
process.stdin.resume();
setTimeout(() => process.exit(0), DEADLINE_MS).unref();
