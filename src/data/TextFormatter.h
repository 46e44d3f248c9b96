// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// printf-style formatting of texts that come from data files (UI texts with
// numbers, chatter answers). Only the arguments the caller passes are used,
// and only for conversions of their kind; every other conversion, one without
// an argument left, "%n", "%*d" and the like are copied literally, so a stray
// conversion in a language file can never read memory. "%%" is a percent sign.
//
//   FormatText("%d von %d Spielen", {won, played})
//   FormatText("Zeit: %02d:%02d", {minutes, seconds})
//   FormatText(*UiText(12), {name})
//
// Conversions: d i u x X o c take an integer; f F e E g G take a number; s takes
// any argument (numbers print as with %d or %g). Flags, width and precision up
// to 3 digits each and the length letters h l ll z j t L are accepted.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

class FormatArg {
public:
    FormatArg(int value) : value(int64_t(value)) {}
    FormatArg(long value) : value(int64_t(value)) {}
    FormatArg(long long value) : value(int64_t(value)) {}
    FormatArg(unsigned value) : value(int64_t(value)) {}
    FormatArg(unsigned long value) : value(int64_t(value)) {}
    FormatArg(double value) : value(value) {}
    FormatArg(float value) : value(double(value)) {}
    FormatArg(const char* value) : value(std::string(value ? value : "")) {}
    FormatArg(std::string_view value) : value(std::string(value)) {}
    FormatArg(const std::string& value) : value(value) {}

    const std::variant<int64_t, double, std::string>& Value() const { return value; }

private:
    std::variant<int64_t, double, std::string> value;
};

std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args = {});
