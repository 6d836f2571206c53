#!/usr/bin/env python3
"""Writes the release archive and the published version file.

The zip holds its members in a fixed order with a fixed date (1980-01-01, the
earliest a zip can carry) and fixed attributes, so that the same inputs give
the same archive byte for byte. Texts for Windows players get CRLF line ends.
"""
import argparse
import hashlib
import pathlib
import re
import sys
import zipfile

ZIP_DATE = (1980, 1, 1, 0, 0, 0)


def version_of(resource_script):
    """The FileVersion string of the version resource."""
    text = resource_script.read_text(encoding="cp1252")
    found = re.search(r'VALUE\s+"FileVersion",\s*"([0-9]+(?:\.[0-9]+){3})"', text)
    if not found:
        sys.exit(f"package: no FileVersion in {resource_script}")
    return found.group(1)


def site_of(layout):
    """The download site the window's version checker names (SiteName)."""
    found = re.search(r"^\s*SiteName\s*=\s*'([^']*)'", layout.read_text(encoding="cp1252"), re.M)
    if not found or not found.group(1).endswith("/"):
        sys.exit(f"package: no SiteName ending in / in {layout}")
    return found.group(1)


def crlf(text):
    return text.replace("\r\n", "\n").replace("\n", "\r\n")


def guide_as_text(markdown):
    """The player's guide as plain text: headings underlined, pictures left
    out (the text names what they show), links and code marks dropped."""
    lines = []
    for line in markdown.splitlines():
        if re.fullmatch(r"\s*!\[[^\]]*\]\([^)]*\)\s*", line):
            continue
        heading = re.match(r"(#+)\s+(.*)", line)
        if heading:
            title = heading.group(2)
            lines += [title, ("=" if len(heading.group(1)) == 1 else "-") * len(title)]
            continue
        line = re.sub(r"\[([^\]]+)\]\(([^)]+)\)", r"\1 (\2)", line)
        line = line.replace("**", "").replace("`", "")
        lines.append(line)
    text = "\n".join(lines).strip("\n") + "\n"
    text = re.sub(r"\n{3,}", "\n\n", text)
    # With its byte order mark, Notepad opens the accents right on every Windows.
    return "\ufeff" + crlf(text)


def zip_member(name, executable=False):
    info = zipfile.ZipInfo(name, ZIP_DATE)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.create_system = 3
    info.external_attr = (0o100755 if executable else 0o100644) << 16
    return info


def main():
    parser = argparse.ArgumentParser()
    for option in ("exe", "resources", "layout", "guide", "license", "out"):
        parser.add_argument("--" + option, required=True, type=pathlib.Path)
    args = parser.parse_args()

    version = version_of(args.resources)
    zip_name = f"Klangor-{version}-win64.zip"
    members = [
        ("Klangor.exe", args.exe.read_bytes()),
        ("LISEZMOI-README.txt", guide_as_text(args.guide.read_text(encoding="utf-8")).encode("utf-8")),
        ("LICENSE", crlf(args.license.read_text(encoding="utf-8")).encode("utf-8")),
    ]
    sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data in members)
    members.append(("SHA256SUMS.txt", sums.encode("ascii")))

    args.out.mkdir(parents=True, exist_ok=True)
    for old in args.out.glob("Klangor-*-win64.zip"):
        old.unlink()
    archive = args.out / zip_name
    with zipfile.ZipFile(archive, "w") as package:
        for name, data in members:
            package.writestr(zip_member(name, name.endswith(".exe")), data, compresslevel=9)

    site = site_of(args.layout)
    (args.out / "curr_ver.txt").write_bytes(crlf(
        "[CurrentVersions]\n"
        f"Klangor={version}\n"
        "\n"
        "[DownloadURL]\n"
        f"Klangor={site}{zip_name}\n").encode("ascii"))
    digest = hashlib.sha256(archive.read_bytes()).hexdigest()
    print(f"package: {archive} ({archive.stat().st_size} bytes, sha256 {digest})")
    print(f"package: {args.out / 'curr_ver.txt'} publishes {version} at {site}{zip_name}")


if __name__ == "__main__":
    main()
