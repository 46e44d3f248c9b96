// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/TextFormatter.h"

#include <cstdio>
#include <vector>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

struct Conversion {
    std::string flags;
    std::string width;
    std::string precision; // with its leading '.', or empty
    char kind = 0;
    size_t length = 0; // characters of the format it spans, from the '%'
};

// Parses the conversion at format[start] == '%'. False when it is not one we
// substitute (the caller then copies the '%' literally).
bool ParseConversion(std::string_view format, size_t start, Conversion& out) {
    size_t i = start + 1;
    while (i < format.size() && std::string_view("-+ #0").find(format[i]) != std::string_view::npos)
        out.flags.push_back(format[i++]);
    while (i < format.size() && IsDigit(format[i]))
        out.width.push_back(format[i++]);
    if (i < format.size() && format[i] == '.') {
        out.precision.push_back(format[i++]);
        while (i < format.size() && IsDigit(format[i]))
            out.precision.push_back(format[i++]);
    }
    while (i < format.size() &&
           std::string_view("hlzjtL").find(format[i]) != std::string_view::npos)
        ++i;
    if (i >= format.size()) return false;
    if (out.flags.size() > 5 || out.width.size() > 3 || out.precision.size() > 4) return false;
    out.kind = format[i];
    out.length = i + 1 - start;
    return std::string_view("diuxXocfFeEgGs").find(out.kind) != std::string_view::npos;
}

// One conversion through the C formatter; the directive was built by ParseConversion
// and Render, so it always matches the value's type.
std::string Printf(const std::string& directive, auto value) {
    int needed = std::snprintf(nullptr, 0, directive.c_str(), value);
    if (needed <= 0) return {};
    std::vector<char> buffer(size_t(needed) + 1);
    std::snprintf(buffer.data(), buffer.size(), directive.c_str(), value);
    return std::string(buffer.data(), size_t(needed));
}

// The text of one argument under a conversion, or false when the kinds differ.
bool Render(const Conversion& c, const FormatArg& arg, std::string& out) {
    std::string directive = "%" + c.flags + c.width + c.precision;
    const auto& value = arg.Value();
    switch (c.kind) {
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
    case 'o':
    case 'c':
        if (!std::holds_alternative<int64_t>(value)) return false;
        if (c.kind == 'c') {
            out =
                Printf(directive + "c", int(static_cast<unsigned char>(std::get<int64_t>(value))));
        } else {
            out =
                Printf(directive + "ll" + c.kind, static_cast<long long>(std::get<int64_t>(value)));
        }
        return true;
    case 's':
        if (const auto* text = std::get_if<std::string>(&value)) {
            // Padding and cutting are done here so texts of any length pass whole.
            std::string body = *text;
            if (c.precision.size() > 1)
                body = body.substr(0, std::stoul(c.precision.substr(1)));
            else if (c.precision.size() == 1)
                body.clear();
            size_t width = c.width.empty() ? 0 : std::stoul(c.width);
            if (body.size() < width) {
                std::string pad(width - body.size(), ' ');
                body = c.flags.find('-') != std::string::npos ? body + pad : pad + body;
            }
            out = body;
        } else if (const auto* number = std::get_if<int64_t>(&value)) {
            out = Printf(directive + "lld", static_cast<long long>(*number));
        } else {
            out = Printf(directive + "g", std::get<double>(value));
        }
        return true;
    default: // f F e E g G
        if (const auto* number = std::get_if<int64_t>(&value))
            out = Printf(directive + c.kind, double(*number));
        else if (const auto* real = std::get_if<double>(&value))
            out = Printf(directive + c.kind, *real);
        else
            return false;
        return true;
    }
}

} // namespace

std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args) {
    std::string out;
    out.reserve(format.size());
    const FormatArg* next = args.begin();
    size_t i = 0;
    while (i < format.size()) {
        char c = format[i];
        if (c != '%') {
            out.push_back(c);
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out.push_back('%');
            i += 2;
            continue;
        }
        Conversion conversion;
        std::string rendered;
        if (next != args.end() && ParseConversion(format, i, conversion) &&
            Render(conversion, *next, rendered)) {
            out += rendered;
            ++next;
            i += conversion.length;
            continue;
        }
        out.push_back('%');
        ++i;
    }
    return out;
}
