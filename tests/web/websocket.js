// A WebSocket client, just enough for a browser's debugging socket: text
// messages, fragmented or not, pings answered, a clean close. Node 18 has no
// global WebSocket, hence our own.
'use strict';

const crypto = require('crypto');
const http = require('http');

const Text = 0x1;
const Continuation = 0x0;
const Close = 0x8;
const Ping = 0x9;
const Pong = 0xa;

// One frame, masked as a client must mask every frame it sends.
function frame(opcode, payload) {
  const length = payload.length;
  const header = [0x80 | opcode];
  if (length < 126) {
    header.push(0x80 | length);
  } else if (length < 0x10000) {
    header.push(0x80 | 126, length >> 8, length & 0xff);
  } else {
    header.push(0x80 | 127, 0, 0, 0, 0, ...[24, 16, 8, 0].map((shift) => (length >>> shift) & 0xff));
  }
  const mask = crypto.randomBytes(4);
  const masked = Buffer.alloc(length);
  for (let i = 0; i < length; ++i) masked[i] = payload[i] ^ mask[i & 3];
  return Buffer.concat([Buffer.from(header), mask, masked]);
}

// Resolves, once the handshake is done, to { send(text), close(), onMessage,
// onClose }: onMessage(text) for each whole message, onClose() once closed.
function connect(url) {
  return new Promise((resolve, reject) => {
    const key = crypto.randomBytes(16).toString('base64');
    const request = http.request(url.replace(/^ws:/, 'http:'), {
      headers: { Connection: 'Upgrade', Upgrade: 'websocket', 'Sec-WebSocket-Version': '13',
        'Sec-WebSocket-Key': key },
    });
    request.on('error', reject);
    request.on('response', (response) => reject(new Error(`${url} answered ${response.statusCode}`)));
    request.on('upgrade', (response, socket, head) => {
      const accept = crypto.createHash('sha1')
        .update(key + '258EAFA5-E914-47DA-95CA-C5AB0DC85B11').digest('base64');
      if (response.headers['sec-websocket-accept'] !== accept) {
        socket.destroy();
        reject(new Error(`${url} answered a wrong handshake`));
        return;
      }
      socket.setNoDelay(true);
      const ws = { onMessage: () => {}, onClose: () => {} };
      let closing = false;
      let buffered = head;
      let fragments = [];
      const closed = new Promise((done) => socket.on('close', () => {
        ws.onClose();
        done();
      }));
      socket.on('error', () => socket.destroy());
      socket.on('data', (chunk) => {
        buffered = Buffer.concat([buffered, chunk]);
        for (;;) {
          if (buffered.length < 2) return;
          const opcode = buffered[0] & 0x0f;
          const fin = buffered[0] & 0x80;
          let length = buffered[1] & 0x7f;
          let at = 2;
          if (length === 126) {
            if (buffered.length < 4) return;
            length = buffered.readUInt16BE(2);
            at = 4;
          } else if (length === 127) {
            if (buffered.length < 10) return;
            length = Number(buffered.readBigUInt64BE(2));
            at = 10;
          }
          // A server never masks; were it to, the key comes first.
          const masked = buffered[1] & 0x80;
          const mask = masked ? buffered.subarray(at, at + 4) : null;
          if (masked) at += 4;
          if (buffered.length < at + length) return;
          const payload = Buffer.from(buffered.subarray(at, at + length));
          if (mask) for (let i = 0; i < length; ++i) payload[i] ^= mask[i & 3];
          buffered = buffered.subarray(at + length);
          if (opcode === Ping) {
            socket.write(frame(Pong, payload));
          } else if (opcode === Close) {
            if (!closing) socket.write(frame(Close, payload.subarray(0, 2)));
            closing = true;
            socket.end();
          } else if (opcode === Text || opcode === Continuation) {
            fragments.push(payload);
            if (fin) {
              const text = Buffer.concat(fragments).toString('utf8');
              fragments = [];
              ws.onMessage(text);
            }
          }
        }
      });
      ws.send = (text) => socket.write(frame(Text, Buffer.from(text, 'utf8')));
      // Close 1000 (normal), then wait for the server to hang up.
      ws.close = () => {
        if (!closing && !socket.destroyed) {
          closing = true;
          socket.write(frame(Close, Buffer.from([0x03, 0xe8])));
        }
        const timer = setTimeout(() => socket.destroy(), 2000);
        return closed.then(() => clearTimeout(timer));
      };
      resolve(ws);
    });
    request.end();
  });
}

module.exports = { connect };
