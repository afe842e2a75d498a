// SPDX-License-Identifier: GPL-3.0-or-later
// The other tests' precompiled header is built with this file's flags; the file itself is empty.
