"""A stalling HTTP server for the e-mail setup tests: every answer announces
a body it never sends (a few bytes, then nothing until the client gives up).

    test_frmveldom18_slow_server.py

Prints "PORT <n>" once listening on 127.0.0.1.
"""
import socket
import sys
import threading
import time


def serve(conn):
    try:
        conn.settimeout(120)
        data = b""
        while b"\r\n\r\n" not in data:
            chunk = conn.recv(4096)
            if not chunk:
                return
            data += chunk
        conn.sendall(b"HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n"
                     b"Content-Length: 500\r\n\r\n0170")
        time.sleep(120)
    except OSError:
        pass
    finally:
        conn.close()


def main():
    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", 0))
    server.listen(8)
    print("PORT %d" % server.getsockname()[1], flush=True)
    while True:
        conn, _ = server.accept()
        threading.Thread(target=serve, args=(conn,), daemon=True).start()


if __name__ == "__main__":
    sys.exit(main())
