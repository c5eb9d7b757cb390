#include "notebook/notebook_picture.h"

#include <cstdio>

namespace gelvor::picture {

Text words_in(const Box& box, std::string words, int pixels, bool bold, Align across, Align up) {
    Text t;
    t.box = box;
    t.words = std::move(words);
    t.pixels = pixels;
    t.bold = bold;
    t.across = across;
    t.up = up;
    return t;
}

Text turned(Text text, Point origin, double turn) {
    text.origin = origin;
    text.turn = turn;
    return text;
}

Text wrapped(Text text) {
    text.wrapped = true;
    return text;
}

double TextMeasure::wrapped_height(std::string_view words, double width, int pixels) const {
    const auto lines = wrap_words(words, width, pixels, false, *this);
    if (lines.empty())
        return 0;
    return height(pixels, false) + (lines.size() - 1) * line_spacing(pixels, false);
}

std::vector<std::string> wrap_words(std::string_view words, double width, int pixels, bool bold,
                                    const TextMeasure& measure) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < words.size()) {
        const std::size_t space = words.find(' ', at);
        const std::size_t end = space == std::string_view::npos ? words.size() : space;
        const std::string_view word = words.substr(at, end - at);
        at = end + 1;
        if (word.empty())
            continue;
        std::string longer = line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (!line.empty() && measure.width(longer, pixels, bold) > width) {
            lines.push_back(std::move(line));
            line = std::string(word);
        } else {
            line = std::move(longer);
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

std::string short_number_text(double value, const NumberStyle& style) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    std::string out;
    for (const char* c = buffer; *c; ++c) {
        if (*c == '.')
            out += style.decimal_point;
        else if (*c == '-' && c == buffer)
            out += style.minus_sign;
        else
            out += *c;
    }
    return out;
}

std::string fill_in(std::string_view pattern, std::initializer_list<std::string> values) {
    std::string out(pattern);
    int n = 1;
    for (const std::string& value : values) {
        const std::string mark = '%' + std::to_string(n++);
        if (const std::size_t at = out.find(mark); at != std::string::npos)
            out.replace(at, mark.size(), value);
    }
    return out;
}

}  // namespace gelvor::picture
