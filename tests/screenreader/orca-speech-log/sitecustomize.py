# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Loaded by Orca's Python at start-up (orca-session.sh puts this folder on PYTHONPATH): copies each line Orca's
# speech module logs ("SPEECH OUTPUT: '...'") into the file TESSARO_SPEECH_LOG at once. Orca's own debug file
# holds the same lines, but only when its buffer is written out, too late for a test that waits for them.
import logging
import os

_handler = logging.FileHandler(os.environ["TESSARO_SPEECH_LOG"], encoding="utf-8")
_handler.setFormatter(logging.Formatter("%(message)s"))
logging.getLogger("speech").addHandler(_handler)
