#pragma once
// The colours of Velko Lines in one place: every picture the tools draw takes
// its colours from here, so the look of the game can be changed in one spot.

#include <QColor>
#include <array>

namespace velko::pictures::palette {

// Deep background, top to bottom.
inline const QColor kBackTop{0x1B, 0x2A, 0x52};
inline const QColor kBackBottom{0x0B, 0x10, 0x26};

// Panels behind the score, the preview and the bars, and the buttons' ground.
inline const QColor kPanel{0x22, 0x30, 0x5C};
inline const QColor kPanelLight{0x3A, 0x4C, 0x86};
inline const QColor kPanelShadow{0x0A, 0x0F, 0x22};
inline const QColor kWell{0x12, 0x1A, 0x3A};   // recessed field inside a panel

// Accent for titles and frames.
inline const QColor kGold{0xF4, 0xC5, 0x42};
inline const QColor kGoldDark{0xB8, 0x86, 0x0B};
inline const QColor kGoldPale{0xFF, 0xEB, 0xA0};

// Empty cells.
inline const QColor kCellGrey{0x9A, 0xA0, 0xA8};
inline const QColor kRingDark{0x7D, 0x83, 0x8C};
inline const QColor kRingLight{0xB5, 0xBA, 0xC1};

// Preview places: rings A, B, C on an orange woven ground.
inline const QColor kRingA{0x1C, 0x2E, 0x7A};
inline const QColor kRingB{0x7B, 0x3F, 0xC4};
inline const QColor kRingC{0xC2, 0x18, 0x7A};
inline const QColor kWeaveGround{0xE8, 0x89, 0x2B};
inline const QColor kWeaveDark{0xC4, 0x6A, 0x18};

// Text.
inline const QColor kText{0xFF, 0xFF, 0xFF};
inline const QColor kTextSoft{0xB8, 0xC4, 0xE8};
inline const QColor kScore{0xFF, 0xDE, 0x00};
inline const QColor kScoreShadow{0xCD, 0xB7, 0x29};

// The dialogs' face (drawn by the program, not by us).
inline const QColor kDialogGrey{216, 216, 216};

// Pupils and outlines of the balls' eyes.
inline const QColor kInk{0x14, 0x16, 0x24};

// Ball colours by ball value 1..8 (index 0 unused): blue, green, purple, cyan,
// yellow, orange, silver (the joker), red.
inline const std::array<QColor, 9> kBall{QColor(0, 0, 0),          QColor(0x2F, 0x6F, 0xE4), QColor(0x36, 0xB2, 0x4A),
                                         QColor(0x8E, 0x44, 0xAD), QColor(0x20, 0xC4, 0xD8), QColor(0xF2, 0xD0, 0x27),
                                         QColor(0xF2, 0x8C, 0x28), QColor(0xC9, 0xCE, 0xD6), QColor(0xE0, 0x3A, 0x3A)};

constexpr int kJoker = 7;

// Every caption is set in this family; naming it keeps the output stable.
inline const char* const kFontFamily = "DejaVu Sans";

}   // namespace velko::pictures::palette
