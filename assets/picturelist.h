// SPDX-License-Identifier: GPL-3.0-or-later
// The one list of the pictures built into the program: each file's name, stored format and pixel
// size. The picture module reads its files by these names, tools/picturegen writes them in these
// formats, the build embeds every file named here (assets/CMakeLists.txt reads the names from
// this header) and the catalogue test checks each file against its entry.
#pragma once

#include <array>

namespace PictureList {

enum class Format { Bmp, Jpeg, ProgressiveJpeg, Icon, Cursor };

struct Entry {
    const char* file; // under :/pictures/ and assets/pictures/
    Format format;
    int width; // pixels; 0 for icons and cursors, whose sizes their own directory gives
    int height;
};

// Word N's own picture at index N-1, each in the format it has always had.
inline constexpr std::array<Entry, 12> RightPictures {{
    {"right01.jpg", Format::Jpeg, 290, 306},
    {"right02.bmp", Format::Bmp, 63, 55},
    {"right03.jpg", Format::Jpeg, 50, 50},
    {"right04.bmp", Format::Bmp, 64, 87},
    {"right05.bmp", Format::Bmp, 64, 92},
    {"right06.bmp", Format::Bmp, 61, 78},
    {"right07.bmp", Format::Bmp, 65, 63},
    {"right08.jpg", Format::Jpeg, 50, 50},
    {"right09.bmp", Format::Bmp, 71, 82},
    {"right10.jpg", Format::Jpeg, 50, 50},
    {"right11.jpg", Format::Jpeg, 437, 477},
    {"right12.jpg", Format::Jpeg, 50, 50},
}};

// The title card every word shows when wrong.
inline constexpr Entry WrongPicture {"wrong.bmp", Format::Bmp, 92, 73};

// The crossword window's decorations, images 37 to 39 at index 0 to 2.
inline constexpr int FirstDecoration = 37;
inline constexpr std::array<Entry, 3> Decorations {{
    {"image37.jpg", Format::ProgressiveJpeg, 300, 200},
    {"image38.jpg", Format::Jpeg, 260, 194},
    {"image39.jpg", Format::Jpeg, 281, 252},
}};

// The credits window's pictures and the program's icon.
inline constexpr Entry Flag {"flag.bmp", Format::Bmp, 368, 210};
inline constexpr Entry CloseSymbol {"close.ico", Format::Icon, 0, 0};
inline constexpr Entry HandCursor {"hand.cur", Format::Cursor, 0, 0};
inline constexpr Entry ApplicationIcon {"telmaronda.ico", Format::Icon, 0, 0};

} // namespace PictureList
