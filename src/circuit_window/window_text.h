// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window texts are the window kit's; kept here for the includes that name this folder.

#include "window_kit/window_text.h"
