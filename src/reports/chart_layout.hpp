#pragma once

#include <cstdio>

// The frame of every chart lotto-stats draws, in SVG pixels: the plot sits inside the
// margins, axis labels outside it. The charts stack vertically, CHART_HEIGHT apart.
inline constexpr double CHART_WIDTH = 760;
inline constexpr double CHART_HEIGHT = 400;
inline constexpr double PLOT_LEFT = 64;
inline constexpr double PLOT_TOP = 48;
inline constexpr double PLOT_WIDTH = CHART_WIDTH - PLOT_LEFT - 20;
inline constexpr double PLOT_HEIGHT = CHART_HEIGHT - PLOT_TOP - 52;

// Opens an SVG image (or an image inside one) of the given size, on white.
void write_svg_open(std::FILE* out, double width, double height);

// What an SVG file must say before its first element: in a build whose texts are code
// page 949, that a Korean chart is in that encoding (which the web calls EUC-KR).
void write_svg_prologue(std::FILE* out);
