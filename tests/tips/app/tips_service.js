// The tips RPC endpoint for the tests: the real Hprose server of the npm package on a free port of
// 127.0.0.1. Prints the port on the first line of stdout; stops when stdin closes or after the
// deadline. The id of a call of h170308 chooses the answer:
//   "empty", "null", "list": that answer; "fail": an error answer; "malformed", "truncated": a
//   broken reply; anything else: Base64 of http://127.0.0.1/kest_tips/popup?id=ID once the
//   signature (MD5 of id + account + id) checks out.
'use strict';
const path = require('path');
const crypto = require('crypto');
const hprose = require(path.join(__dirname, '../../node/node_modules/hprose'));

const DEADLINE_MS = 10 * 60 * 1000;
const BROKEN_MARKER = 'broken-reply:';
let lastCall = null;

const server = new hprose.HttpServer();
server.errorDelay = 1;  // answer failing calls at once

server.addFunction((id, account, signature, context) => {
  lastCall = { args: [id, account, signature], userAgent: context.request.headers['user-agent'] || '' };
  switch (id) {
    case 'empty': return '';
    case 'null': return null;
    case 'list': return ['a', 'b'];
    case 'fail': throw new Error('service paused');
    case 'malformed':
    case 'truncated': return BROKEN_MARKER + id;
  }
  const expected = crypto.createHash('md5').update(id + account + id, 'utf8').digest('hex');
  if (signature !== expected) throw new Error('bad signature for ' + id);
  return Buffer.from('http://127.0.0.1/kest_tips/popup?id=' + encodeURIComponent(id)).toString('base64');
}, 'h170308', { passContext: true });

// What the last call of h170308 brought: its arguments and the user agent of the request.
server.addFunction(() => lastCall, 'lastCall');

// Breaks the replies that carry the marker: garbage, or the reply cut in the middle.
server.addFilter({
  inputFilter: (data) => data,
  outputFilter: (data) => {
    const text = Buffer.from(data).toString('latin1');
    if (text.includes(BROKEN_MARKER + 'malformed')) return Buffer.from('Rx?#garbage', 'latin1');
    if (text.includes(BROKEN_MARKER + 'truncated')) return Buffer.from(text.slice(0, 12), 'latin1');
    return data;
  },
});

server.listen(0, '127.0.0.1', () => {
  process.stdout.write(server.server.address().port + '\n');
});

process.stdin.on('end', () => process.exit(0));
process.stdin.on('error', () => process.exit(0));
process.stdin.resume();
setTimeout(() => process.exit(0), DEADLINE_MS).unref();
