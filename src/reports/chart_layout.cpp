#include "reports/chart_layout.hpp"

#include "text/translation.hpp"

void write_svg_open(std::FILE* out, double width, double height)
{
    std::fprintf(out,
                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
                 "viewBox=\"0 0 %.0f %.0f\" font-family=\"sans-serif\" font-size=\"12\">\n"
                 "<rect width=\"100%%\" height=\"100%%\" fill=\"#ffffff\"/>\n",
                 width, height, width, height);
}

void write_svg_prologue(std::FILE* out)
{
    constexpr bool texts_are_utf8 = sizeof("가") == 4;
    if (!texts_are_utf8 && language_in_use() == Language::Korean) {
        std::fputs("<?xml version=\"1.0\" encoding=\"EUC-KR\"?>\n", out);
    }
}
