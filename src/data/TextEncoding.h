// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversions between the Latin-1 of the data files and archive member names
// and the UTF-8 of names on disk. An archive member "Sounds\\win.wav" is the
// file "Sounds/win.wav"; "solitär.cfg" is stored under its UTF-8 name.
#include <optional>
#include <string>
#include <string_view>

class TextEncoding {
public:
    static std::string Latin1ToUtf8(std::string_view latin1);
    // Nothing when the text is not valid UTF-8 or holds a character above U+00FF.
    static std::optional<std::string> Utf8ToLatin1(std::string_view utf8);

    // The relative file name of an archive member name: backslashes become
    // slashes and the Latin-1 letters UTF-8.
    static std::string MemberNameToPath(std::string_view memberName);
    // The same for a file the program writes below its working folder (a game's statistics
    // and quick save, named by catalog folders): empty when the name would lead elsewhere
    // (an absolute name, a ".." step, an empty step), so such a file is neither read nor
    // written.
    static std::string WorkingFolderPath(std::string_view memberName);
};
