"""Puts the built module first on the path and gives every run settings of its own."""
import os
import sys
import tempfile

# Profiles and the language are read from the user's settings: never the tester's own.
_settings = tempfile.mkdtemp(prefix="vorn-py-settings-")
os.environ["XDG_CONFIG_HOME"] = _settings
os.environ.setdefault("VORN_PYTHON_DIR",
                      os.path.join(os.path.dirname(__file__), "..", "..", "build", "default",
                                   "python"))
sys.path.insert(0, os.environ["VORN_PYTHON_DIR"])
