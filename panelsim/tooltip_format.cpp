#include "panelsim/tooltip_format.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace panelsim {
namespace {

std::string as_text(const TooltipValue& v) {
  if (auto* s = std::get_if<std::string>(&v)) return *s;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%g", std::get<double>(v));
  return buf;
}

double as_number(const TooltipValue& v) {
  if (auto* d = std::get_if<double>(&v)) return *d;
  return 0.0;
}

// One insert: the conversion between the exclamation marks, applied to the argument.
std::string insert(const std::string& conversion, const TooltipValue& arg) {
  if (conversion.empty()) return as_text(arg);
  char type = conversion.back();
  std::string flags = conversion.substr(0, conversion.size() - 1);
  // Only flags, width and precision may stand before the conversion letter.
  for (char c : flags) {
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != '+' &&
        c != ' ' && c != '#') {
      return as_text(arg);
    }
  }
  char format[40];
  char out[512];
  switch (type) {
    case 's':
      std::snprintf(format, sizeof format, "%%%ss", flags.c_str());
      std::snprintf(out, sizeof out, format, as_text(arg).c_str());
      return out;
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X': {
      // An integer conversion takes the number's integer value.
      double d = as_number(arg);
      long long n = std::isfinite(d) && std::fabs(d) < 9.2e18 ? static_cast<long long>(d) : 0;
      std::snprintf(format, sizeof format, "%%%sll%c", flags.c_str(), type);
      std::snprintf(out, sizeof out, format, n);
      return out;
    }
    case 'f':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
      std::snprintf(format, sizeof format, "%%%s%c", flags.c_str(), type);
      std::snprintf(out, sizeof out, format, as_number(arg));
      return out;
    default:
      return as_text(arg);
  }
}

}  // namespace

std::string format_tooltip(const std::string& text, const std::vector<TooltipValue>& args) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '%' || i + 1 >= text.size()) {
      out += c;  // ordinary text, and a lone percent sign at the end, stay as they are
      continue;
    }
    char next = text[i + 1];
    if (std::isdigit(static_cast<unsigned char>(next)) && next != '0') {
      std::size_t j = i + 1;
      int number = 0;
      while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])) && number < 100) {
        number = number * 10 + (text[j] - '0');
        ++j;
      }
      std::string conversion;
      if (j < text.size() && text[j] == '!') {
        std::size_t close = text.find('!', j + 1);
        if (close != std::string::npos) {
          conversion = text.substr(j + 1, close - j - 1);
          j = close + 1;
        }
      }
      if (number >= 1 && static_cast<std::size_t>(number) <= args.size()) {
        out += insert(conversion, args[number - 1]);
      }
      i = j - 1;
      continue;
    }
    // The formatter's escapes: %% %. %! %space give the character, %n a line break, %t a tab,
    // %r a carriage return, %0 ends the text; any other character after % is kept as it is.
    ++i;
    switch (next) {
      case 'n':
        out += "\r\n";
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case '0':
        return out;
      default:
        out += next;
        break;
    }
  }
  return out;
}

}  // namespace panelsim
