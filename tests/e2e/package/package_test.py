#!/usr/bin/env python3
"""The files users install, installed as users do: package_test.py
{man,deb,msi}, with what to test in SAGELIGHT_* variables from ctest."""

import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile

SEEDED_SIZE = 431 * 200


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)
    print("ok:", message)


def run(args, seconds=120, **options):
    """Runs a program to its end; its output as text, both streams."""
    return subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                          timeout=seconds, check=False, **options)


def require(*tools):
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if missing:
        raise Failure("missing programs: %s (scripts/check.sh installs them)" % ", ".join(missing))


def setting(name):
    value = os.environ.get(name, "")
    if not value:
        raise Failure("%s is not set: run this through ctest" % name)
    return value


def case_man():
    require("groff", "lexgrog")
    page = setting("SAGELIGHT_MAN")
    # -ww turns on every warning, -z drops the output: what is left on
    # standard error is what a reader's man would complain about.
    for device in ("utf8", "ascii"):
        result = run(["groff", "-ww", "-b", "-z", "-man", "-T" + device, page])
        check(result.returncode == 0 and result.stderr == "",
              "groff -ww renders the page for %s without a warning%s"
              % (device, ": " + result.stderr if result.stderr else ""))
    # whatis and apropos find the page by its NAME line.
    result = run(["lexgrog", page])
    check(result.returncode == 0 and '"sagelight - ' in result.stdout,
          "lexgrog reads the NAME line (%s)" % result.stdout.strip())


def deb_field(deb, field):
    return run(["dpkg-deb", "--field", deb, field]).stdout.strip()


def dependency_names(depends):
    """Every package a Depends line names, alternatives included."""
    names = []
    for group in depends.split(","):
        for alternative in group.split("|"):
            name = alternative.strip().split(" ")[0].split(":")[0]
            if name:
                names.append(name)
    return names


def scratch_root(root, packages):
    """An empty root whose dpkg database holds this machine's records of the
    given packages (those it has): dpkg then checks the dependencies against
    what the program will really run with here."""
    admin = os.path.join(root, "var", "lib", "dpkg")
    for folder in ("info", "updates", "triggers"):
        os.makedirs(os.path.join(admin, folder))
    records = []
    # With a foreign architecture (i386 for 32-bit Wine) a bare name may
    # stand for two packages; the program needs this machine's own.
    arch = run(["dpkg", "--print-architecture"]).stdout.strip()
    for bare in packages:
        name = f"{bare}:{arch}"
        found = run(["dpkg-query", "--status", name])
        if found.returncode != 0:  # a package for all architectures
            name = bare
            found = run(["dpkg-query", "--status", name])
        if found.returncode == 0:
            records.append(found.stdout.strip() + "\n")
            key = run(["dpkg-query", "--show", "--showformat=${binary:Package}", name]).stdout
            open(os.path.join(admin, "info", key.strip() + ".list"), "w").close()
    with open(os.path.join(admin, "status"), "w", encoding="utf-8") as status:
        status.write("\n".join(records))
    open(os.path.join(admin, "available"), "w").close()


def files_outside_database(root):
    found = []
    for folder, _, names in os.walk(root):
        relative = os.path.relpath(folder, root)
        if relative == "var/lib/dpkg" or relative.startswith("var/lib/dpkg/"):
            continue
        found.extend(os.path.join(relative, name) for name in names)
    return sorted(found)


def has_section(binary, prefix):
    sections = run(["readelf", "--section-headers", "--wide", binary]).stdout
    return re.search(r"\]\s+" + re.escape(prefix), sections) is not None


def case_deb():
    # CPack finds the program's libraries with file and dpkg-shlibdeps.
    require("dpkg", "dpkg-deb", "dpkg-query", "dpkg-shlibdeps", "file", "readelf")
    version = setting("SAGELIGHT_VERSION")
    with tempfile.TemporaryDirectory(prefix="package-deb-") as scratch:
        made = run([setting("SAGELIGHT_CPACK"), "--config", setting("SAGELIGHT_CPACK_CONFIG"),
                    "-G", "DEB", "-B", os.path.join(scratch, "out")], 300)
        debs = [os.path.join(scratch, "out", name)
                for name in os.listdir(os.path.join(scratch, "out")) if name.endswith(".deb")]
        check(made.returncode == 0 and len(debs) == 1,
              "cpack makes one Debian package%s" % ("" if made.returncode == 0
                                                     else ": " + made.stdout + made.stderr))
        deb = debs[0]
        arch = run(["dpkg", "--print-architecture"]).stdout.strip()
        check(os.path.basename(deb) == "sagelight_%s_%s.deb" % (version, arch),
              "it is named sagelight_VERSION_ARCH.deb (%s)" % os.path.basename(deb))
        depends = deb_field(deb, "Depends")
        names = dependency_names(depends)
        # The C++ runtime is linked into the program, so libstdc++6 is not among them.
        check({"libc6", "libx11-6", "libxft2", "libfontconfig1"} <= set(names),
              "dpkg-shlibdeps found the C, X11, Xft and fontconfig libraries (%s)" % depends)
        wayland = os.environ.get("SAGELIGHT_WAYLAND_PROGRAM") == "1"
        if wayland:
            check({"libwayland-client0", "libxkbcommon0"} <= set(names),
                  "and those of the program for Wayland sessions (%s)" % depends)
        check("fonts-liberation" in names, "it depends on the Liberation fonts")

        listing = run(["dpkg-deb", "--contents", deb]).stdout.splitlines()
        files = sorted(line.split()[-1] for line in listing if line.startswith("-"))
        expected = ["./etc/xdg/autostart/sagelight-idle.desktop", "./usr/bin/sagelight",
                    "./usr/bin/sagelight-idle", "./usr/lib/systemd/user/sagelight-idle.service",
                    "./usr/share/doc/sagelight/README.md",
                    "./usr/share/man/man1/sagelight-idle.1.gz",
                    "./usr/share/man/man6/sagelight.6.gz"]
        if wayland:
            expected = sorted(expected + ["./usr/lib/sagelight/sagelight-wayland"])
        check(files == expected, "it holds the programs, their manual pages, the idle "
              "watcher's unit and autostart entry and the README, nothing else (%s)"
              % ", ".join(files))

        root = os.path.join(scratch, "root")
        scratch_root(root, names)
        dpkg = ["dpkg", "--root=" + root, "--force-not-root"]
        installed = run(dpkg + ["--install", deb])
        check(installed.returncode == 0 and "dependency problems" not in installed.stderr,
              "it installs with its dependencies met%s"
              % ("" if installed.returncode == 0 else ": " + installed.stderr))

        program = os.path.join(root, "usr", "bin", "sagelight")
        programs = [program]
        if wayland:
            programs.append(os.path.join(root, "usr", "lib", "sagelight", "sagelight-wayland"))
        for installed_program in programs:
            check(os.access(installed_program, os.X_OK)
                  and not has_section(installed_program, ".symtab")
                  and not has_section(installed_program, ".debug"),
                  "the installed %s is executable and stripped"
                  % os.path.basename(installed_program))
        with open(os.path.join(root, "usr", "share", "man", "man6", "sagelight.6.gz"), "rb") as page:
            shipped = gzip.decompress(page.read())
        with open(setting("SAGELIGHT_MAN"), "rb") as page:
            check(shipped == page.read() and b"@PROJECT_VERSION@" not in shipped
                  and version.encode() in shipped,
                  "the shipped manual page is the built one, with the version filled in")

        data, runtime = os.path.join(scratch, "data"), os.path.join(scratch, "run")
        os.makedirs(runtime, mode=0o700)
        env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
        env.update(XDG_DATA_HOME=data, XDG_RUNTIME_DIR=runtime)
        ran = run([program], 60, env=env)
        quotes = os.path.join(data, "sagelight", "drive_c", "windows", "system", "Sagelight.quo")
        size = os.path.getsize(quotes) if os.path.exists(quotes) else None
        check(ran.returncode == 0 and size == SEEDED_SIZE,
              "the installed program ends with status 0 and seeds a %d-byte quote file "
              "(status %d, %r bytes, %s)" % (SEEDED_SIZE, ran.returncode, size, ran.stderr.strip()))
        if wayland:
            # Only the program for Wayland sessions knows to say this; one
            # that sagelight cannot find would end with status 2.
            ran = run([program, "/s"], 60,
                      env=dict(env, SAGELIGHT_BACKEND="wayland", WAYLAND_DISPLAY="no-such-socket"))
            check(ran.returncode == 1 and "No Wayland compositor answers at" in ran.stderr,
                  "the installed program finds its program for Wayland sessions (status %d, %s)"
                  % (ran.returncode, ran.stderr.strip()))

        removed = run(dpkg + ["--remove", "sagelight"])
        left = files_outside_database(root)
        check(removed.returncode == 0 and left == ["etc/xdg/autostart/sagelight-idle.desktop"],
              "removing it leaves no file behind but its configuration (%s)"
              % (", ".join(left) or removed.stderr))
        purged = run(dpkg + ["--purge", "sagelight"])
        known = run(["dpkg-query", "--root=" + root, "--show", "sagelight"])
        left = files_outside_database(root)
        check(purged.returncode == 0 and known.returncode != 0 and left == [],
              "purging it leaves dpkg no record of it and no file (%s)" % ", ".join(left))


# Wine's own installers for .NET and the HTML engine never run, nor does its
# menu builder; a crashing program gets no debugger and no dialog.
WINE_DLL_OVERRIDES = "mscoree=;mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
UNINSTALL_32 = r"HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall"
DESKTOP = r"HKCU\Control Panel\Desktop"


class Prefix:
    """A 64-bit Wine prefix of its own, without a display: msiexec /qn
    needs none."""

    def __init__(self, path):
        self.path = path
        self.env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
        self.env.update(WINEPREFIX=path, WINEARCH="win64", WINEDEBUG="-all",
                        WINEDLLOVERRIDES=WINE_DLL_OVERRIDES)

    def run(self, *args, seconds=120):
        return run(list(args), seconds, env=self.env)

    def wine(self, *args, seconds=120):
        return self.run("wine", *args, seconds=seconds)

    def stop(self):
        self.run("wineserver", "-k", seconds=60)
        self.run("wineserver", "-w", seconds=60)

    def unix_path(self, windows_path):
        drive, _, rest = windows_path.partition(":")
        if drive.lower() != "c":
            raise Failure("not on drive c: %r" % windows_path)
        parts = [part for part in rest.split("\\") if part]
        return os.path.join(self.path, "drive_c", *parts)

    def query(self, key, value=None):
        """The REG_SZ values `reg query` prints, as {name: data}; None when
        the key or value does not exist."""
        args = ["reg", "query", key] + (["/v", value] if value else ["/s"])
        result = self.wine(*args)
        if result.returncode != 0:
            return None
        values = {}
        for line in result.stdout.splitlines():
            match = re.match(r"\s+(\S.*?)\s+REG_SZ\s+(.*?)\s*$", line)
            if match:
                values[match.group(1)] = match.group(2)
        return values

    def traces(self, word):
        """Files in the prefix named after `word`, and registry files that
        mention it, once the wineserver has written the registry out."""
        self.stop()
        found = []
        for folder, _, names in os.walk(self.path):
            found.extend(os.path.join(folder, name) for name in names if word in name.lower())
        for hive in ("system.reg", "user.reg", "userdef.reg"):
            path = os.path.join(self.path, hive)
            if os.path.exists(path):
                with open(path, encoding="utf-8", errors="replace") as registry:
                    if word in registry.read().lower():
                        found.append(path)
        return found


def installed_products(prefix):
    """{product code: display name} of the 32-bit products Windows lists."""
    result = prefix.wine("reg", "query", UNINSTALL_32, "/s")
    products, key = {}, None
    for line in result.stdout.splitlines():
        if line.startswith("HKEY_"):
            key = line.rsplit("\\", 1)[-1].strip()
        match = re.match(r"\s+DisplayName\s+REG_SZ\s+(.*?)\s*$", line)
        if match and key:
            products[key] = match.group(1)
    return products


def case_msi():
    missing = os.environ.get("SAGELIGHT_MSI_MISSING", "")
    if missing:
        raise Failure(missing)
    require("wine", "wineboot", "wineserver")
    msi, scr = setting("SAGELIGHT_MSI"), setting("SAGELIGHT_MSI_SCR")
    check(os.path.isfile(msi) and os.path.isfile(scr), "the build made the installer and the 32-bit "
          "program (%s)" % msi)
    with tempfile.TemporaryDirectory(prefix="package-msi-") as scratch:
        prefix = Prefix(os.path.join(scratch, "prefix"))
        try:
            booted = prefix.run("wineboot", "--init", seconds=300)
            check(booted.returncode == 0, "wineboot makes a prefix")

            installed = prefix.wine("msiexec", "/i", msi, "/qn", seconds=300)
            check(installed.returncode == 0,
                  "msiexec /i /qn installs it (status %d)" % installed.returncode)
            chosen = (prefix.query(DESKTOP, "SCRNSAVE.EXE") or {}).get("SCRNSAVE.EXE", "")
            check(chosen.lower().endswith(r"\sagelight.scr"),
                  "SCRNSAVE.EXE under %s names Sagelight.scr (%r)" % (DESKTOP, chosen))
            # A 32-bit package's system folder is SysWOW64 on 64-bit Windows.
            check(re.match(r"(?i)c:\\windows\\syswow64\\", chosen) is not None,
                  "the program lies in the 32-bit system folder")
            traces = prefix.traces("sagelight")
            check(any(path.endswith("user.reg") for path in traces)
                  and any(path.lower().endswith("sagelight.scr") for path in traces),
                  "the installed program and its registry entries show among the traces")
            with open(scr, "rb") as built:
                program = prefix.unix_path(chosen)
                with open(program, "rb") as placed:
                    check(placed.read() == built.read(),
                          "the file SCRNSAVE.EXE names is the 32-bit Sagelight.scr")

            products = {code: name for code, name in installed_products(prefix).items()
                        if name == "Sagelight"}
            check(len(products) == 1, "Windows lists Sagelight as installed (%r)" % products)
            code = next(iter(products))
            removed = prefix.wine("msiexec", "/x", code, "/qn", seconds=300)
            check(removed.returncode == 0,
                  "msiexec /x %s /qn uninstalls it (status %d)" % (code, removed.returncode))
            check(prefix.query(DESKTOP, "SCRNSAVE.EXE") is None and not os.path.exists(program),
                  "the program file and the screen-saver choice are gone")
            traces = prefix.traces("sagelight")
            check(traces == [], "nothing in the prefix mentions Sagelight any more (%s)"
                  % ", ".join(traces))
        finally:
            prefix.stop()


CASES = {"man": case_man, "deb": case_deb, "msi": case_msi}


def main(argv):
    if len(argv) != 2 or argv[1] not in CASES:
        print("usage: package_test.py {%s}" % ",".join(CASES), file=sys.stderr)
        return 2
    try:
        CASES[argv[1]]()
    except (Failure, OSError, subprocess.TimeoutExpired) as failure:
        print("FAILED: %s" % failure, file=sys.stderr)
        return 1
    print("%s passed" % argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
