// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests' precompiled header is built with this file's flags; the file itself is empty.
