"""The LLVM 14 tools that the format and tidy checks run: Debian 12 names them with a -14
suffix, other systems without one."""
import re
import shutil
import subprocess


def find(tool):
    """The path of that tool at version 14, or None."""
    for name in (f'{tool}-14', tool):
        path = shutil.which(name)
        if path:
            out = subprocess.run([path, '--version'], capture_output=True, text=True).stdout
            if re.search(r'version 14\.', out):
                return path
    return None
