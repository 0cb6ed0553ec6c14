// The game's one palette: a lush green world, warm characters and the dark
// outline that holds every silhouette together.
#pragma once

struct Colour {
    double r, g, b;
};

constexpr Colour rgb(int r, int g, int b) {
    return Colour{r / 255.0, g / 255.0, b / 255.0};
}

namespace palette {

inline constexpr Colour outline = rgb(24, 34, 28);
inline constexpr Colour white = rgb(250, 250, 245);
inline constexpr Colour black = rgb(8, 10, 12);

// Quillo
inline constexpr Colour skin = rgb(84, 214, 190);
inline constexpr Colour skinShade = rgb(44, 160, 146);
inline constexpr Colour skinLight = rgb(168, 240, 222);
inline constexpr Colour suit = rgb(247, 146, 40);
inline constexpr Colour suitShade = rgb(204, 100, 26);
inline constexpr Colour glow = rgb(255, 236, 92);
inline constexpr Colour pupil = rgb(20, 24, 44);

// Ground and plants
inline constexpr Colour grassDeep = rgb(38, 110, 42);
inline constexpr Colour grass = rgb(76, 158, 58);
inline constexpr Colour grassLight = rgb(128, 196, 80);
inline constexpr Colour grassTip = rgb(170, 218, 104);
inline constexpr Colour leaf = rgb(58, 150, 60);
inline constexpr Colour leafLight = rgb(110, 190, 76);
inline constexpr Colour leafDark = rgb(30, 96, 40);
inline constexpr Colour bark = rgb(120, 78, 44);
inline constexpr Colour barkDark = rgb(82, 52, 30);
inline constexpr Colour earth = rgb(104, 70, 44);
inline constexpr Colour earthDark = rgb(58, 38, 26);
inline constexpr Colour earthLight = rgb(150, 108, 68);
inline constexpr Colour stone = rgb(206, 200, 186);
inline constexpr Colour stoneDark = rgb(150, 144, 132);
inline constexpr Colour path = rgb(222, 200, 150);
inline constexpr Colour water = rgb(92, 170, 220);

// Sky
inline constexpr Colour nightTop = rgb(8, 14, 40);
inline constexpr Colour dusk = rgb(40, 46, 100);
inline constexpr Colour horizon = rgb(248, 166, 96);
inline constexpr Colour dayTop = rgb(110, 180, 240);
inline constexpr Colour dayLow = rgb(196, 228, 250);

// Flowers and accents
inline constexpr Colour petalRed = rgb(232, 60, 56);
inline constexpr Colour petalYellow = rgb(255, 214, 64);
inline constexpr Colour petalBlue = rgb(96, 140, 240);
inline constexpr Colour petalWhite = rgb(250, 246, 236);
inline constexpr Colour candyPink = rgb(255, 120, 170);
inline constexpr Colour chocolate = rgb(110, 62, 34);
inline constexpr Colour gold = rgb(240, 190, 60);
inline constexpr Colour metal = rgb(196, 206, 218);
inline constexpr Colour metalDark = rgb(112, 124, 142);
inline constexpr Colour glass = rgb(150, 226, 246);
inline constexpr Colour titleBlue = rgb(32, 156, 217);

// People
inline constexpr Colour face = rgb(240, 196, 160);
inline constexpr Colour faceShade = rgb(206, 152, 118);
inline constexpr Colour suitDark = rgb(40, 44, 58);
inline constexpr Colour labCoat = rgb(244, 246, 250);
inline constexpr Colour labShade = rgb(196, 204, 216);

}  // namespace palette
