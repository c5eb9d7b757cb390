#include "present/table_text.h"

#include <algorithm>

namespace gelvor {

char csv_separator(const NumberStyle& style) {
    return style.decimal_point == "," ? ';' : ',';
}

std::string csv_record(const std::vector<std::string>& fields, char separator) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += separator;
        }
        const std::string& f = fields[i];
        if (f.find_first_of(std::string{separator, '"', '\n', '\r'}) != std::string::npos) {
            out += '"';
            for (char c : f) {
                out += c;
                if (c == '"') {
                    out += '"';
                }
            }
            out += '"';
        } else {
            out += f;
        }
    }
    return out + "\r\n";
}

std::string tsv_line(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += '\t';
        }
        std::string f = fields[i];
        std::replace_if(
            f.begin(), f.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
        out += f;
    }
    return out + '\n';
}

}  // namespace gelvor
