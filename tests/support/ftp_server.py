"""An FTP server for the tests and benchmarks: pyftpdlib on 127.0.0.1.

Prints "PORT <n>" once it listens, then serves until standard input closes
or the process is stopped. With --tls CERT it requires TLS on the control and
data connections, with the certificate in CERT (made there when missing: a
self-signed one for 127.0.0.1 and localhost).
"""
import argparse
import logging
import os
import sys
import threading
import warnings

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def make_certificate(path):
    warnings.simplefilter("ignore")  # X509Extension is deprecated, and enough here
    from OpenSSL import crypto
    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.set_version(2)
    cert.set_serial_number(int.from_bytes(os.urandom(8), "big"))
    cert.get_subject().CN = "127.0.0.1"
    cert.set_issuer(cert.get_subject())
    cert.gmtime_adj_notBefore(-3600)
    cert.gmtime_adj_notAfter(7 * 86400)
    cert.set_pubkey(key)
    cert.add_extensions([
        crypto.X509Extension(b"subjectAltName", False, b"IP:127.0.0.1,DNS:localhost"),
        crypto.X509Extension(b"basicConstraints", True, b"CA:TRUE"),
    ])
    cert.sign(key, "sha256")
    with open(path, "wb") as f:
        f.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))
        f.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))


class Handler(FTPHandler):
    """Answers given commands with a given refusal; may refuse to rename
    onto an existing file, as some servers do."""
    refused = {}
    no_rename_over = False

    def pre_process_command(self, line, cmd, arg):
        if cmd in self.refused:
            self.respond("%s Refused by this server." % self.refused[cmd])
            return
        super().pre_process_command(line, cmd, arg)

    def ftp_RNTO(self, path):
        if self.no_rename_over and self._rnfr and self.fs.lexists(path):
            self._rnfr = None
            self.respond("550 File exists.")
            return None
        return super().ftp_RNTO(path)


class DataHandler(ThrottledDTPHandler):
    """Reads uploads at read_limit bytes a second (0: at once); with
    cut_after, drops an upload's data connection after that many bytes."""
    read_limit = 0
    cut_after = 0

    def handle_read(self):
        super().handle_read()
        if self.cut_after and self.receive and not self._closed and self.tot_bytes_received >= self.cut_after:
            self._resp = ("426 Connection closed; transfer aborted.", logging.debug)
            self.close()

    handle_read_event = handle_read


def tls_cutting_dtp(base, cut_after):
    """A TLS data handler that, after cut_after bytes of a download, closes
    the TCP connection without ending TLS and calls the file complete."""
    from pyftpdlib.handlers import DTPHandler

    class CuttingDTP(base):
        def send(self, data):
            if not self.receive and self.tot_bytes_sent >= cut_after:
                self.producer_fifo.clear()
                self.transfer_finished = True
                self._resp = ("226 Transfer complete.", logging.debug)
                DTPHandler.close(self)  # no TLS close_notify
                return 0
            return super().send(data)

    return CuttingDTP


def reuse_requiring_dtp(base):
    """A TLS data handler that refuses a data connection whose TLS session
    does not resume the control connection's, as many hosting servers do."""
    from OpenSSL._util import lib  # pyOpenSSL has no public call for it

    class ReuseDTP(base):
        def handle_ssl_established(self):
            if not lib.SSL_session_reused(self.socket._ssl):
                self._resp = ("522 SSL connection failed: session reuse required", logging.debug)
                self.close()
                return
            super().handle_ssl_established()

    return ReuseDTP


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--root", required=True)
    ap.add_argument("--user", default="tester")
    ap.add_argument("--password", default="secret")
    ap.add_argument("--port", type=int, default=0)
    ap.add_argument("--read-limit", type=int, default=0, help="bytes a second an upload is read at")
    ap.add_argument("--cut-after", type=int, default=0, help="drop an upload's data connection after this many bytes")
    ap.add_argument("--refuse", action="append", default=[], help="CMD:CODE, e.g. RNTO:502")
    ap.add_argument("--no-rename-over", action="store_true", help="refuse RNTO onto an existing file")
    ap.add_argument("--tls", metavar="CERT")
    ap.add_argument("--tls-cut", type=int, default=0,
                    help="with --tls: end a download's connection after this many bytes without ending TLS")
    ap.add_argument("--tls-reuse", action="store_true",
                    help="with --tls: refuse a data connection that does not resume the control connection's TLS session")
    ap.add_argument("--tls-no-resume", action="store_true",
                    help="with --tls: resume no TLS session (the tickets sent cannot be used)")
    args = ap.parse_args()

    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")
    handler = Handler
    if args.tls:
        from pyftpdlib.handlers import TLS_FTPHandler
        if not os.path.exists(args.tls):
            make_certificate(args.tls)
        handler = type("TlsHandler", (Handler, TLS_FTPHandler), {})
        handler.certfile = args.tls
        handler.tls_control_required = True
        handler.tls_data_required = True
        if args.tls_cut:
            handler.dtp_handler = tls_cutting_dtp(handler.dtp_handler, args.tls_cut)
        if args.tls_no_resume:
            from OpenSSL import SSL
            context = handler.get_ssl_context()
            context.set_session_cache_mode(SSL.SESS_CACHE_OFF)
            context.set_options(SSL.OP_NO_TICKET)
        if args.tls_reuse:
            handler.dtp_handler = reuse_requiring_dtp(handler.dtp_handler)
    handler.refused = dict(r.split(":", 1) for r in args.refuse)
    handler.no_rename_over = args.no_rename_over
    if args.read_limit or args.cut_after:  # (the plain handler sends files faster; not with --tls)
        DataHandler.read_limit = args.read_limit
        DataHandler.cut_after = args.cut_after
        handler.dtp_handler = DataHandler
    handler.authorizer = authorizer
    handler.permit_foreign_addresses = False
    handler.passive_ports = None
    handler.auth_failed_timeout = 0.01
    server = FTPServer(("127.0.0.1", args.port), handler)
    port = server.socket.getsockname()[1]
    print("PORT %d" % port, flush=True)

    def watch_stdin():
        try:
            while sys.stdin.buffer.read(1):
                pass
        finally:
            os._exit(0)

    threading.Thread(target=watch_stdin, daemon=True).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
