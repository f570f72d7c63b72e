// The tips RPC endpoint as the tests need it: the real Hprose service of the npm package at "/",
// on a free port of 127.0.0.1, and under "/broken/..." answers no Hprose server gives. Prints the
// port on the first line of stdout; stops when stdin closes or after the deadline.
'use strict';
const http = require('http');
const path = require('path');
const crypto = require('crypto');
const hprose = require(path.join(__dirname, '../../node/node_modules/hprose'));

const DEADLINE_MS = 10 * 60 * 1000;
const calls = {};

function count(name) {
  calls[name] = (calls[name] || 0) + 1;
}

const service = new hprose.HttpService();
service.errorDelay = 1;  // answer failing calls at once (0 would never answer)

// The service's signature check; the page address comes back Base64-encoded.
service.addFunction((id, account, signature) => {
  count('h170308');
  const expected = crypto.createHash('md5').update(id + account + id, 'utf8').digest('hex');
  if (signature !== expected) throw new Error('bad signature for ' + id);
  return Buffer.from('http://127.0.0.1/kest_tips/popup?id=' + encodeURIComponent(id)).toString('base64');
}, 'h170308');

service.addFunction((...args) => args, 'echo');
// How the arguments arrived, as the percent-encoded UTF-8 of each.
service.addFunction((...args) => args.map((arg) => typeof arg + ':' + encodeURIComponent(arg)), 'inspect');
service.addFunction(() => null, 'nothing');
service.addFunction(() => '', 'empty');
service.addFunction(() => { throw new Error('失败: "quoted"\r\nsecond line'); }, 'fail');
service.addFunction(() => { count('hang'); return new Promise(() => {}); }, 'hang');
service.addFunction((name) => calls[name] || 0, 'calls');
service.addFunction((context) => {
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

// Closes the kept-alive connection once the reply is out, as the server does after its idle time.
service.addFunction((context) => {
  context.response.on('finish', () => context.socket.end());
  return 'dropped';
}, 'dropConnection', { passContext: true });

// Each answers every request to it the same broken way and counts the requests.
const broken = {
  '/broken/status': (response) => { response.statusCode = 503; response.end('Rs2"no"z'); },
  '/broken/garbage': (response) => response.end('Xyz'),
  '/broken/empty': (response) => response.end(),
  '/broken/truncated': (response) => {
    response.setHeader('Content-Length', 100);
    response.write('Rs50"abc');
    setTimeout(() => response.socket.destroy(), 50);
  },
};

const httpServer = http.createServer((request, response) => {
  const answer = broken[request.url];
  if (!answer) return service.handle(request, response);
  count(request.url);
  request.resume();
  request.on('end', () => answer(response));
});
httpServer.listen(0, '127.0.0.1', () => {
  process.stdout.write(httpServer.address().port + '\n');
});

process.stdin.on('end', () => process.exit(0));
process.stdin.on('error', () => process.exit(0));
process.stdin.resume();
setTimeout(() => process.exit(0), DEADLINE_MS).unref();
