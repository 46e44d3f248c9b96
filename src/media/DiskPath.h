// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Media file names are written as the archives write member names: Latin-1,
// with backslashes. On disk they are the same names with "/" and UTF-8.
#include <string>

std::string DiskPathOf(const std::string& latin1Name);
