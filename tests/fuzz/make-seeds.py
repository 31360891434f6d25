#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz harnesses from real lines.

GNSS lines come from the receiver captures in tests/data/nmea; the device's
lines from a session with the simulated Identifier (identifier-sim, path
given as the only argument), whose transcript this script drives: it asks
every setting, runs the security exchange on a locked device, streams GNSS
and fetches the voyage log. Output replaces tests/fuzz/corpus/. The corpora
are small on purpose: what the fuzzer grows from them stays out of the tree.
"""
import json
import os
import random
import select
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
CAPTURES = os.path.join(HERE, "..", "data", "nmea")
AIS_CAPTURES = os.path.join(HERE, "..", "data", "ais")
CORPUS = os.path.join(HERE, "corpus")
PASSWORD = "Harbour 7"
TOKENS = ["0x00000000", "0x1F4A7B2C", "0x8E51D3A6", "0x47C09E15"]

READS = [(3, "batt"), (3, "battvolts"), (3, "get_leds"), (3, "rssi"), (3, "getboxen"),
         (2, "getabseaenable"), (2, "getabseatxin"), (2, "getboxen"), (2, "getencfenceen"),
         (2, "getgeobuz"), (2, "gethalvexen"), (2, "getiderrmode"), (2, "getingeo"),
         (2, "getlogdist"), (2, "getlogperiod"), (2, "getnoidmode"), (2, "getopfenceen"),
         (2, "getoutgeo"), (2, "getpwralerten"), (2, "getsatfenceen"), (2, "getsosalerten"),
         (2, "getsosbuz"), (2, "getposti"), (2, "getposhrti"), (2, "getposhrsog"),
         (2, "getdatati"), (2, "getaisfreq 1"), (2, "getaisfreq 2"), (0, "nvgeti ^22sbasmode^22"),
         (2, "getsosmsgtxt"), (0, "appver"), (0, "getserno")]
# What each setting codec reads, in the order of everyCodec()
# (tests/protocol/EveryCodec.h): a seed's first byte picks its codec.
CODEC_REPLIES = ["batt", "battvolts", "rssi", "get_leds", "getboxen", "getposti", "getposhrti",
                 "getposhrsog", "getdatati", "getaisfreq 1", "getaisfreq 2", "getlogperiod",
                 "getlogdist", "getiderrmode", "getnoidmode", "getsosalerten", "getsosbuz",
                 "getsosmsgtxt", "getgeobuz", "getpwralerten", "nvgeti ^22sbasmode^22", "getboxen",
                 "getabseaenable", "getabseatxin", "getingeo", "getoutgeo", "gethalvexen",
                 "getopfenceen", "getsatfenceen", "getencfenceen", "$AISSD", "$AIVSD", "$AISMM"]
WRITES = [(2, "setposti 60"), (2, "setsosmsgtxt HELP^2C ON BOARD"), (2, "setaisfreq 1^2C161975000"),
          (2, "nosuchcommand")]


def checksum(body):
    total = 0
    for c in body[1:]:
        total ^= ord(c)
    return "%02X" % total


def frame(body):
    return body + "*" + checksum(body) + "\r\n"


def password_hash(password):
    value = 0
    for c in password.encode("latin-1"):
        value = (value + (c - 256 if c > 127 else c)) & 0xFFFFFFFF
        value = (value * 1025) & 0xFFFFFFFF
        value ^= value >> 6
    value = (value * 9) & 0xFFFFFFFF
    value ^= value >> 11
    return (value * 32769) & 0xFFFFFFFF


def shell(domain, text, mode=1, tag=0):
    return frame("$PKRX,0,%d,%s,%d,%s,%d" % (domain, TOKENS[domain], mode, text, tag))


class Device:
    def __init__(self, sim, folder):
        config = os.path.join(folder, "sim.json")
        with open(config, "w") as f:
            json.dump({"password": PASSWORD, "replyDelayMs": 5, "voyage.generate": 40,
                       "gnss.txtEveryCycles": 3, "settings": {"mmsi": "235009876"},
                       "diagnostics.scheduledMessages": True}, f)
        self.process = subprocess.Popen([sim, "--config", config], stdout=subprocess.PIPE, text=True)
        port = self.process.stdout.readline().strip()
        self.fd = os.open(port, os.O_RDWR | os.O_NOCTTY)
        subprocess.run(["stty", "-F", port, "raw", "-echo", "115200"], check=True)
        self.received = b""

    def talk(self, text, seconds=0.3):
        os.write(self.fd, text.encode("latin-1"))
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            ready, _, _ = select.select([self.fd], [], [], max(0.0, end - time.monotonic()))
            if ready:
                self.received += os.read(self.fd, 4096)

    def close(self):
        os.close(self.fd)
        self.process.terminate()
        self.process.wait()


def session(sim):
    folder = tempfile.mkdtemp()
    device = Device(sim, folder)
    try:
        device.talk("\r\n\n\n")
        device.talk(frame("$PKRX,SAC,C,,80,1234ABCD"))
        device.talk(frame("$PKRX,SAC,Q,,80,"))
        challenge = int(device.received.split(b"*")[-2].split(b",")[-1], 16)
        response = challenge ^ password_hash(PASSWORD) ^ 0x6A3F0C59
        device.talk(frame("$PKRX,SAC,C,,80,%X" % response))
        device.talk(frame("$PKRX,SAC,Q,,80,"))
        for domain, text in READS + WRITES:
            device.talk(shell(domain, text, 2 if text == "getsosmsgtxt" else 1))
        for kind in ("SSD", "VSD", "SMM"):
            device.talk(frame("$UPAIQ," + kind))
        device.talk(shell(2, "gpsfilt 49", 2, 4), 6.0)
        device.talk(shell(0, "voyage", 0, 7), 3.0)
        device.talk(shell(2, "gpsfilt 0", 2, 5))
    finally:
        device.close()
        shutil.rmtree(folder)
    return device.received


def capture_lines():
    lines = {}
    for name in sorted(os.listdir(CAPTURES)):
        if name.endswith(".log"):
            with open(os.path.join(CAPTURES, name), "rb") as f:
                lines[name] = [l for l in f.read().split(b"\n") if l and not l.startswith(b"#")]
    return lines


def ais_runs():
    """Runs of 40 AIS sentences from each AIS capture, multi-sentence messages included."""
    runs = []
    for name in sorted(os.listdir(AIS_CAPTURES)):
        if name.endswith(".log"):
            with open(os.path.join(AIS_CAPTURES, name), "rb") as f:
                lines = [l for l in f.read().split(b"\n") if l.startswith(b"!AIVD")]
            for start in range(0, min(len(lines), 160), 40):
                runs.append(b"\n".join(lines[start:start + 40]) + b"\n")
    return runs


def write(harness, items, prefix="seed-"):
    folder = os.path.join(CORPUS, harness)
    os.makedirs(folder, exist_ok=True)
    for number, data in enumerate(items):
        with open(os.path.join(folder, "%s%03d" % (prefix, number)), "wb") as f:
            f.write(data)


def write_findings():
    """The inputs of the defects fuzzing found, kept so that they stay mended."""
    write("FuzzNmeaSentence", [b"$*" * 2048], "finding-long-noise-")
    endless = bytes([0]) + (bytes([255]) + b"a" * 255) * 260
    tail = b"\n" + frame("$GPTXT,01,01,02,OK").encode("latin-1")
    write("FuzzLineAssembler", [endless + bytes([len(tail)]) + tail], "finding-endless-line-")


def codec_seeds(replies):
    seeds = []
    for line in replies:
        for index, word in enumerate(CODEC_REPLIES):
            start = word if word.startswith("$") else "$PKRX,255," + word + ","
            if line.startswith(start.encode("latin-1")):
                seeds.append(bytes([index]) + line)
    return seeds


def distinct(items):
    return list(dict.fromkeys(items))


def chunked(data, rng):
    out = bytearray([rng.randrange(2)])
    while data:
        size = rng.randrange(1, 90)
        out.append(min(size, len(data)))
        out += data[:size]
        data = data[size:]
    return bytes(out)


def main():
    rng = random.Random(20261207)
    received = session(sys.argv[1])
    device = distinct(l + b"\n" for l in received.split(b"\n") if l.strip())
    captures = capture_lines()
    gnss_device = [l for l in device if l[1:3] in (b"GP", b"GN", b"GL")]
    vdr = [l for l in device if l.startswith(b"$PKRX,VDR")]
    shell_replies = [l for l in device if l.startswith(b"$PKRX,255") or l.startswith(b"$PKRX,256")]
    standard = [l for l in device if l[:3] == b"$AI"]
    sac = [l for l in device if b"SAC" in l]
    capture_sample = []
    for name, lines in captures.items():
        capture_sample += rng.sample(distinct(lines), min(12, len(distinct(lines))))
    capture_sample = [l.rstrip(b"\r") + b"\r\n" for l in capture_sample]

    shutil.rmtree(CORPUS, ignore_errors=True)
    write("FuzzNmeaSentence", capture_sample + shell_replies + standard + sac + vdr[:10])
    write("FuzzSettingCodecs", codec_seeds(shell_replies + standard))
    write("FuzzSecurityAccess", sac + [b"".join(sac)])
    gnss_runs = []
    for name, lines in captures.items():
        for start in range(0, min(len(lines), 240), 60):
            gnss_runs.append(b"\n".join(lines[start:start + 60]) + b"\n")
    gnss_runs.append(b"".join(gnss_device[:80]))
    write("FuzzGpsDecoder", gnss_runs)
    write("FuzzAisDecoder", ais_runs())
    write("FuzzVoyageRecord", vdr[:30] + [b"".join(vdr)])
    pieces = [received[i:i + 600] for i in range(0, min(len(received), 24000), 600)]
    write("FuzzLineAssembler", [chunked(p, rng) for p in pieces]
          + [chunked(b"#\n# log banner\n#\n>$PKRX,0,0,0x00000000,2,appver,0*37\r\n" + device[0], rng)])
    typed = [shell(d, t).rstrip("\r\n") for d, t in READS[:10]]
    typed += [t.rsplit("*", 1)[0] for t in typed[:5]]
    typed += ["$UPAIQ,SSD", "$PKRX,SAC,Q,,80,", "+++\nsetled 1\nhello", "$PKRX,0,2,0x8E51D3A6,1,getposti,0*00"]
    write("FuzzTypedLine", [t.encode("latin-1") for t in typed])
    write_findings()
    write("FuzzAutoconfigAnswer", [l.replace(b"\n", b"\r\n") for l in shell_replies[:20]]
          + [b"ADC = 1234\r\n" + shell_replies[0].replace(b"\n", b"\r\n")])


if __name__ == "__main__":
    main()
