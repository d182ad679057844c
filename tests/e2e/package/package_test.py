#!/usr/bin/env python3
# The files users install, installed as users do: package_test.py
# {man,deb,msi}, with what to test in SAGELIGHT_* variables from ctest.

import gzip
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)
    print("ok:", message)


def run(args, seconds=120, **options):
    """Runs a program to its end; its output as text, both streams."""
    return subprocess.run(args, capture_output=True, text=True, timeout=seconds, check=False,
                          **options)


def require(*tools):
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if missing:
        raise Failure("missing programs: %s (scripts/check.sh installs them)" % ", ".join(missing))


def case_man():
    require("groff", "lexgrog")
    page = os.environ["SAGELIGHT_MAN"]
    # -ww turns on every warning, -z drops the output: what is left on
    # standard error is what a reader's man would complain about.
    for device in ("utf8", "ascii"):
        result = run(["groff", "-ww", "-b", "-z", "-man", "-T" + device, page])
        check(result.returncode == 0 and result.stderr == "",
              "groff -ww renders the page for %s without a warning %s" % (device, result.stderr))
    # whatis and apropos find the page by its NAME line.
    result = run(["lexgrog", page])
    check(result.returncode == 0 and '"sagelight - ' in result.stdout,
          "lexgrog reads the NAME line (%s)" % result.stdout.strip())


def case_deb():
    # CPack finds the program's libraries with file and dpkg-shlibdeps.
    require("dpkg", "dpkg-deb", "dpkg-query", "dpkg-shlibdeps", "file")
    version = os.environ["SAGELIGHT_VERSION"]
    arch = run(["dpkg", "--print-architecture"]).stdout.strip()
    with tempfile.TemporaryDirectory(prefix="package-deb-") as scratch:
        out = os.path.join(scratch, "out")
        made = run([os.environ["SAGELIGHT_CPACK"], "--config", os.environ["SAGELIGHT_CPACK_CONFIG"],
                    "-G", "DEB", "-B", out], 300)
        debs = [name for name in os.listdir(out) if name.endswith(".deb")]
        check(made.returncode == 0 and debs == ["sagelight_%s_%s.deb" % (version, arch)],
              "cpack makes one package, sagelight_VERSION_ARCH.deb (%s)"
              % (debs if made.returncode == 0 else made.stdout + made.stderr))
        deb = os.path.join(out, debs[0])
        depends = run(["dpkg-deb", "--field", deb, "Depends"]).stdout
        names = re.findall(r"(?:^|[,|])\s*([^\s,|:(]+)", depends)
        check({"libc6", "libx11-6", "libxft2", "libfontconfig1", "fonts-liberation"} <= set(names),
              "it needs the C, X11, Xft and fontconfig libraries and the Liberation fonts (%s)"
              % depends.strip())
        wayland = os.environ.get("SAGELIGHT_WAYLAND_PROGRAM") == "1"
        check(not wayland or {"libwayland-client0", "libxkbcommon0"} <= set(names),
              "and those of the program for Wayland sessions (%s)" % depends.strip())

        listing = run(["dpkg-deb", "--contents", deb]).stdout.splitlines()
        files = sorted(line.split()[-1][1:] for line in listing if line.startswith("-"))
        expected = ["/etc/xdg/autostart/sagelight-idle.desktop", "/usr/bin/sagelight",
                    "/usr/bin/sagelight-idle", "/usr/lib/systemd/user/sagelight-idle.service",
                    "/usr/share/doc/sagelight/README.md",
                    "/usr/share/man/man1/sagelight-idle.1.gz", "/usr/share/man/man6/sagelight.6.gz"]
        if wayland:
            expected = sorted(expected + ["/usr/lib/sagelight/sagelight-wayland"])
        check(files == expected, "it holds the programs, their manual pages, the idle "
              "watcher's unit and autostart entry and the README, nothing else (%s)"
              % ", ".join(files))

        # An empty root whose dpkg database holds this machine's records of
        # the packages it depends on: dpkg then checks the dependencies
        # against what the program will really run with here. Each is asked
        # for by architecture, this machine's or all: with a foreign one
        # (i386 for 32-bit Wine) a bare name may stand for two packages.
        root = os.path.join(scratch, "root")
        admin = os.path.join(root, "var", "lib", "dpkg")
        os.makedirs(os.path.join(admin, "info"))
        found = run(["dpkg-query", "--status"] + [f"{name}:{a}" for name in names
                                                  for a in (arch, "all")])
        pathlib.Path(admin, "status").write_text(found.stdout, encoding="utf-8")
        dpkg = ["dpkg", "--root=" + root, "--force-not-root"]
        installed = run(dpkg + ["--install", deb])
        check(installed.returncode == 0 and "dependency problems" not in installed.stderr,
              "it installs with its dependencies met%s"
              % ("" if installed.returncode == 0 else ": " + installed.stderr))

        program = os.path.join(root, "usr", "bin", "sagelight")
        for path in [program] + ([os.path.join(root, "usr/lib/sagelight/sagelight-wayland")]
                                 if wayland else []):
            described = run(["file", "--brief", path]).stdout
            check(os.access(path, os.X_OK) and ", stripped" in described,
                  "the installed %s is executable and stripped (%s)"
                  % (os.path.basename(path), described.strip()))
        page = gzip.decompress(pathlib.Path(root, "usr/share/man/man6/sagelight.6.gz").read_bytes())
        check(page == pathlib.Path(os.environ["SAGELIGHT_MAN"]).read_bytes()
              and b"Sagelight " + version.encode() in page,
              "the shipped manual page is the built one, with the version filled in")

        # Its data and runtime folders are the scratch folder, private to this user.
        env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
        env.update(XDG_DATA_HOME=scratch, XDG_RUNTIME_DIR=scratch)
        ran = run([program], 60, env=env)
        quotes = os.path.join(scratch, "sagelight/drive_c/windows/system/Sagelight.quo")
        size = os.path.getsize(quotes) if os.path.exists(quotes) else None
        # The 431 sayings, 200 bytes each.
        check(ran.returncode == 0 and size == 431 * 200,
              "the installed program ends with status 0 and seeds the quote file "
              "(status %d, %r bytes, %s)" % (ran.returncode, size, ran.stderr.strip()))
        if wayland:
            # Only the program for Wayland sessions says this; a sagelight
            # that cannot find it ends with status 2.
            ran = run([program, "/s"], 60,
                      env=dict(env, SAGELIGHT_BACKEND="wayland", WAYLAND_DISPLAY="no-such-socket"))
            check(ran.returncode == 1 and "No Wayland compositor answers at" in ran.stderr,
                  "the installed program finds its program for Wayland sessions (status %d, %s)"
                  % (ran.returncode, ran.stderr.strip()))

        # Removing keeps the administrator's configuration; purging drops it too.
        for action, kept in (("--remove", ["etc/xdg/autostart/sagelight-idle.desktop"]),
                             ("--purge", [])):
            done = run(dpkg + [action, "sagelight"])
            left = sorted(os.path.relpath(os.path.join(folder, name), root)
                          for folder, _, names in os.walk(root) if not folder.startswith(admin)
                          for name in names)
            check(done.returncode == 0 and left == kept, "dpkg %s leaves %s (%s)"
                  % (action, kept or "no file", done.stderr if done.returncode else left))


# Wine's own installers for .NET and the HTML engine never run, nor does its
# menu builder; a crashing program gets no debugger and no dialog.
WINE_DLL_OVERRIDES = "mscoree=;mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
UNINSTALL_32 = r"HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall"


def wine(env, *args):
    return run(["wine", *args], 300, env=env)


def stop_wine(env):
    for flag in ("-k", "-w"):
        run(["wineserver", flag], 60, env=env)


def traces(env):
    """Files in the prefix named after Sagelight, and registry files that
    mention it, once the wineserver has written the registry out."""
    stop_wine(env)
    prefix = env["WINEPREFIX"]
    found = [os.path.join(folder, name) for folder, _, names in os.walk(prefix)
             for name in names if "sagelight" in name.lower()]
    return found + [hive for hive in ("system.reg", "user.reg", "userdef.reg") if "sagelight"
                    in pathlib.Path(prefix, hive).read_text(errors="replace").lower()]


def case_msi():
    missing = os.environ.get("SAGELIGHT_MSI_MISSING", "")
    if missing:
        raise Failure(missing)
    require("wine", "wineboot", "wineserver", "winepath")
    msi, scr = os.environ["SAGELIGHT_MSI"], os.environ["SAGELIGHT_MSI_SCR"]
    with tempfile.TemporaryDirectory(prefix="package-msi-") as prefix:
        # A 64-bit Wine prefix of its own, without a display: msiexec /qn needs none.
        env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
        env.update(WINEPREFIX=prefix, WINEARCH="win64", WINEDEBUG="-all",
                   WINEDLLOVERRIDES=WINE_DLL_OVERRIDES)
        try:
            run(["wineboot", "--init"], 300, env=env)
            installed = wine(env, "msiexec", "/i", msi, "/qn")
            check(installed.returncode == 0,
                  "msiexec /i /qn installs it (status %d)" % installed.returncode)
            desktop = wine(env, "reg", "query", r"HKCU\Control Panel\Desktop", "/v", "SCRNSAVE.EXE")
            chosen = re.search(r"SCRNSAVE.EXE\s+REG_SZ\s+(.*?)\s*$", desktop.stdout, re.M)
            # A 32-bit package's system folder is SysWOW64 on 64-bit Windows.
            check(chosen and re.fullmatch(r"(?i)c:\\windows\\syswow64\\sagelight\.scr",
                                          chosen.group(1)),
                  "the chosen screen saver is Sagelight.scr in the 32-bit system folder (%s)"
                  % desktop.stdout.strip())
            program = run(["winepath", "--unix", chosen.group(1)], env=env).stdout.strip()
            check(pathlib.Path(program).read_bytes() == pathlib.Path(scr).read_bytes(),
                  "that file is the 32-bit Sagelight.scr")
            found = traces(env)
            check("user.reg" in found and any(path.endswith("Sagelight.scr") for path in found),
                  "the program and its registry entries show among the traces")

            # Uninstalled the way Windows' list of programs does it: by product code.
            listing = wine(env, "reg", "query", UNINSTALL_32, "/s").stdout
            codes = re.findall(r"^HKEY_.*\\(\{[0-9A-F-]+\})\r?\n(?:[ \t][^\n]*\n)*?"
                               r"[ \t]+DisplayName[ \t]+REG_SZ[ \t]+Sagelight[ \t\r]*$", listing,
                               re.M)
            check(len(codes) == 1, "Windows lists Sagelight as installed (%s)" % codes)
            removed = wine(env, "msiexec", "/x", codes[0], "/qn")
            check(removed.returncode == 0,
                  "msiexec /x %s /qn uninstalls it (status %d)" % (codes[0], removed.returncode))
            found = traces(env)
            check(found == [], "nothing in the prefix names Sagelight any more (%s)"
                  % ", ".join(found))
        finally:
            stop_wine(env)


CASES = {"man": case_man, "deb": case_deb, "msi": case_msi}


if __name__ == "__main__":
    try:
        CASES[sys.argv[1]]()
    except KeyError as name:
        sys.exit("FAILED: %s: no such case, or not set (run this through ctest)" % name)
    except (Failure, OSError, subprocess.TimeoutExpired) as failure:
        sys.exit("FAILED: %s" % failure)
    print("%s passed" % sys.argv[1])
