"""SMTP sink for the tests: accepts mail on 127.0.0.1 and writes each
message to a file.

    smtp_sink_server.py DIR [--refuse ADDRESS]... [--refuse-message REPLY]
                        [--user U --password P]
                        [--drop-after N] [--stall-data] [--drop-after-data]
                        [--tls CERT KEY [--refuse-starttls]]
                        [--silent | --busy | --stall-mid-data N]

Prints "PORT <n>" once listening. DIR/connections holds the number of
connections accepted so far.

Misbehaving servers: --silent accepts connections and never says a word;
--busy greets with 421 and hangs up; --stall-data takes the message data
and never answers it; --drop-after N hangs up without a word when a
connection that already carried N messages starts another one;
--drop-after-data keeps the message and hangs up without answering it;
--stall-mid-data N stops reading the connection once N bytes of message
data came in (with a small receive buffer, so that the rest stays with the
client) and never answers; --refuse-message REPLY answers the message data
with that reply ("554 ...").
--tls offers STARTTLS with that certificate and key; --refuse-starttls
offers it and answers 454 when asked.
 Message k is written to DIR/mail-k.eml
(the data as received), DIR/mail-k.env (MAIL FROM on line 1, then one
recipient per line) and, as read back by Python's own mail parser,
DIR/mail-k.headers (From, To, Reply-To and Subject decoded, one
"Name: value" line each), DIR/mail-k.body (the text part, UTF-8) and
DIR/mail-k.att-<i> with the decoded bytes of attachment i (its file name
on line i of DIR/mail-k.names). The .env file is written last.
"""
import argparse
import asyncio
import email
import email.policy
import os
import socket
import ssl
import sys

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("dir")
    ap.add_argument("--refuse", action="append", default=[])
    ap.add_argument("--user")
    ap.add_argument("--password")
    ap.add_argument("--drop-after", type=int, default=0)
    ap.add_argument("--stall-data", action="store_true")
    ap.add_argument("--drop-after-data", action="store_true")
    ap.add_argument("--tls", nargs=2, metavar=("CERT", "KEY"))
    ap.add_argument("--refuse-starttls", action="store_true")
    ap.add_argument("--silent", action="store_true")
    ap.add_argument("--busy", action="store_true")
    ap.add_argument("--stall-mid-data", type=int, default=0)
    ap.add_argument("--refuse-message")
    args = ap.parse_args()
    count = [0]
    connections = [0]

    def count_connection():
        connections[0] += 1
        path = os.path.join(args.dir, "connections")
        with open(path + ".tmp", "w") as f:
            f.write("%d\n" % connections[0])
        os.replace(path + ".tmp", path)

    class Mute(asyncio.Protocol):
        def connection_made(self, transport):
            count_connection()
            self.transport = transport
            if args.busy:
                transport.write(b"421 4.3.2 Service not available\r\n")
                transport.close()

        def data_received(self, data):
            pass

    class StallMidData(asyncio.Protocol):
        """Speaks just enough SMTP to be sent a message, and stops reading
        it part of the way in."""

        def connection_made(self, transport):
            count_connection()
            self.transport = transport
            self.lines = b""
            self.data = None  # bytes of message data read, from DATA on
            transport.write(b"220 sink.test ESMTP\r\n")

        def data_received(self, chunk):
            if self.data is not None:
                self.data += len(chunk)
                if self.data >= args.stall_mid_data:
                    self.transport.pause_reading()
                return
            self.lines += chunk
            while b"\r\n" in self.lines:
                line, self.lines = self.lines.split(b"\r\n", 1)
                verb = line[:4].upper()
                if verb in (b"EHLO", b"HELO"):
                    self.transport.write(b"250 sink.test\r\n")
                elif verb == b"DATA":
                    self.transport.write(b"354 End data with <CR><LF>.<CR><LF>\r\n")
                    self.data = 0
                    self.data_received(self.lines)
                    return
                elif verb == b"QUIT":
                    self.transport.write(b"221 Bye\r\n")
                    self.transport.close()
                    return
                else:
                    self.transport.write(b"250 OK\r\n")

    class Handler:
        async def handle_MAIL(self, server, session, envelope, address, mail_options):
            if args.drop_after and getattr(session, "messages", 0) >= args.drop_after:
                server.transport.abort()
                return "421 4.4.2 Closing connection"
            envelope.mail_from = address
            envelope.mail_options.extend(mail_options)
            return "250 OK"

        async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
            if address in args.refuse:
                return "550 5.1.1 <%s>: Recipient address rejected" % address
            envelope.rcpt_tos.append(address)
            return "250 OK"

        async def handle_DATA(self, server, session, envelope):
            if args.stall_data:
                await asyncio.sleep(3600)
            if args.refuse_message:
                return args.refuse_message
            session.messages = getattr(session, "messages", 0) + 1
            count[0] += 1
            base = os.path.join(args.dir, "mail-%d" % count[0])
            raw = envelope.original_content
            msg = email.message_from_bytes(raw, policy=email.policy.default)
            files = [(".eml", raw)]
            headers = "".join("%s: %s\n" % (h, msg.get(h, "")) for h in
                              ("From", "To", "Reply-To", "Subject"))
            files.append((".headers", headers.encode("utf-8")))
            body = msg.get_body(preferencelist=("plain",))
            files.append((".body", body.get_content().encode("utf-8") if body else b""))
            names = []
            for i, part in enumerate(msg.iter_attachments()):
                names.append(part.get_filename() or "")
                files.append((".att-%d" % i, part.get_payload(decode=True)))
            files.append((".names", "".join(n + "\n" for n in names).encode("utf-8")))
            files.append((".env", ("\n".join([envelope.mail_from] + envelope.rcpt_tos)).encode()))
            for ext, data in files:
                with open(base + ext + ".tmp", "wb") as f:
                    f.write(data)
                os.replace(base + ext + ".tmp", base + ext)
            if args.drop_after_data:
                server.transport.abort()
            return "250 Message accepted"

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword)
              and auth_data.login.decode() == args.user
              and auth_data.password.decode() == args.password)
        return AuthResult(success=ok, handled=False)

    class RefusingStartTls(SMTP):
        async def smtp_STARTTLS(self, arg):
            await self.push("454 4.7.0 TLS not available")

    context = None
    if args.tls:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.tls[0], args.tls[1])

    def factory():
        count_connection()
        kwargs = {}
        if args.user is not None:
            kwargs = dict(authenticator=authenticator, auth_required=True,
                          auth_require_tls=False)
        if context is not None:
            kwargs["tls_context"] = context
        server_class = RefusingStartTls if args.refuse_starttls else SMTP
        return server_class(Handler(), hostname="sink.test", **kwargs)

    loop = asyncio.new_event_loop()
    if args.stall_mid_data:
        # A small receive buffer: once the server stops reading, the client
        # cannot hand over much more.
        sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        sock.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
        sock.bind(("127.0.0.1", 0))
        server = loop.run_until_complete(loop.create_server(StallMidData, sock=sock))
    else:
        protocol = Mute if args.silent or args.busy else factory
        server = loop.run_until_complete(loop.create_server(protocol, "127.0.0.1", 0))
    print("PORT %d" % server.sockets[0].getsockname()[1], flush=True)
    loop.run_forever()


if __name__ == "__main__":
    sys.exit(main())
