"""What the build-time generators share: writing a file whole or not at all."""

import os
import tempfile


def write_atomically(path, data):
    """Writes data to path through a temporary file beside it, so a reader never sees half."""
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    fd, temp = tempfile.mkstemp(dir=folder, prefix=".gen-")
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(data)
        os.replace(temp, path)
    except BaseException:
        os.unlink(temp)
        raise
