#include "host/rtl/sysutils.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace host {

// ------------------------------------------------------------------ Format

namespace {

[[noreturn]] void FormatError(std::string_view fmt) {
  throw EConvertError("Format '%s' invalid or incompatible with argument", {fmt});
}

std::string Pad(std::string text, int width, bool left) {
  if (width <= 0 || static_cast<int>(text.size()) >= width) return text;
  std::string fill(static_cast<std::size_t>(width) - text.size(), ' ');
  return left ? text + fill : fill + text;
}

// Rewrites the exponent of printf's %E/%G output ("1.5E+05") with at least
// `digits` digits and, when `plus` is false, without a plus sign ("1.5E5").
std::string WithExponent(std::string text, std::size_t digits, bool plus) {
  std::size_t e = text.find('E');
  if (e == std::string::npos) return text;
  std::string sign = text[e + 1] == '-' ? "-" : plus ? "+" : "";
  std::string value = text.substr(e + 2);
  value.erase(0, std::min(value.find_first_not_of('0'), value.size() - 1));
  if (value.size() < digits) value.insert(0, digits - value.size(), '0');
  return text.substr(0, e + 1) + sign + value;
}

std::string WithThousands(const std::string& digits) {
  // digits may start with '-' and contain a '.'.
  std::size_t start = digits[0] == '-' ? 1 : 0;
  std::size_t end = digits.find('.');
  if (end == std::string::npos) end = digits.size();
  std::string out = digits.substr(0, start);
  for (std::size_t i = start; i < end; ++i) {
    if (i > start && (end - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out + digits.substr(end);
}

// The unsigned pattern of an integer argument: 32 bits wide for a 32-bit argument.
uint64_t Unsigned(const TFormatArg& arg) {
  uint64_t v = static_cast<uint64_t>(arg.AsInt());
  return arg.Is32() ? v & 0xFFFFFFFFull : v;
}

std::string FormatOne(char type, const TFormatArg& arg, int prec, std::string_view fmt) {
  using K = TFormatArg::Kind;
  char buf[512];
  switch (type) {
    case 'd':
    case 'u': {
      if (arg.kind() != K::Integer) FormatError(fmt);
      int64_t v = arg.AsInt();
      std::string s = type == 'u' ? std::to_string(Unsigned(arg)) : std::to_string(v);
      if (prec > 0) {
        bool neg = !s.empty() && s[0] == '-';
        std::string digits = neg ? s.substr(1) : s;
        if (static_cast<int>(digits.size()) < prec)
          digits.insert(0, static_cast<std::size_t>(prec) - digits.size(), '0');
        s = neg ? "-" + digits : digits;
      }
      return s;
    }
    case 'x': {
      if (arg.kind() != K::Integer) FormatError(fmt);
      std::snprintf(buf, sizeof buf, "%0*llX", prec > 0 ? prec : 1, static_cast<unsigned long long>(Unsigned(arg)));
      return buf;
    }
    case 'p': {
      if (arg.kind() != K::Pointer && arg.kind() != K::Integer) FormatError(fmt);
      std::snprintf(buf, sizeof buf, "%016llX", static_cast<unsigned long long>(arg.AsInt()));
      return buf;
    }
    case 's':
      if (arg.kind() != K::String) FormatError(fmt);
      return prec >= 0 && static_cast<std::size_t>(prec) < arg.AsString().size()
                 ? arg.AsString().substr(0, static_cast<std::size_t>(prec))
                 : arg.AsString();
    case 'e':
    case 'f':
    case 'g':
    case 'n':
    case 'm': {
      double v;
      if (arg.kind() == K::Float)
        v = arg.AsFloat();
      else if (arg.kind() == K::Integer)
        v = static_cast<double>(arg.AsInt());
      else
        FormatError(fmt);
      if (type == 'e') {
        std::snprintf(buf, sizeof buf, "%.*E", prec > 0 ? prec - 1 : 14, v);
        return WithExponent(buf, 3, true);
      } else if (type == 'g')
        return FloatToStr(v);
      else
        std::snprintf(buf, sizeof buf, "%.*f", prec >= 0 ? prec : 2, v);
      std::string s = buf;
      return type == 'n' || type == 'm' ? WithThousands(s) : s;
    }
    default:
      FormatError(fmt);
  }
}

}  // namespace

std::string Format(std::string_view fmt, TFormatArgs args) {
  std::string out;
  const TFormatArg* argv = args.begin();
  std::size_t argc = args.size(), next = 0, i = 0;
  while (i < fmt.size()) {
    char c = fmt[i++];
    if (c != '%') {
      out += c;
      continue;
    }
    if (i < fmt.size() && fmt[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    // [index:] [-] [width] [.prec] type
    // A width or precision may be '*' (taken from the next argument); an index may not.
    auto readNumber = [&](int& value, bool allowStar) {
      bool any = false;
      value = 0;
      if (allowStar && i < fmt.size() && fmt[i] == '*') {
        if (next >= argc || argv[next].kind() != TFormatArg::Kind::Integer) FormatError(fmt);
        value = static_cast<int>(argv[next++].AsInt());
        ++i;
        return true;
      }
      while (i < fmt.size() && fmt[i] >= '0' && fmt[i] <= '9') {
        value = value * 10 + (fmt[i++] - '0');
        if (value > 100000) FormatError(fmt);
        any = true;
      }
      return any;
    };
    int number = 0, width = 0, prec = -1;
    bool left = false;
    std::size_t save = i;
    if (readNumber(number, false) && i < fmt.size() && fmt[i] == ':') {
      next = static_cast<std::size_t>(number);
      ++i;
    } else {
      i = save;
    }
    if (i < fmt.size() && fmt[i] == '-') {
      left = true;
      ++i;
    }
    readNumber(width, true);
    if (i < fmt.size() && fmt[i] == '.') {
      ++i;
      readNumber(prec, true);
    }
    if (i >= fmt.size() || next >= argc) FormatError(fmt);
    char type = static_cast<char>(fmt[i++] | 0x20);  // lower case
    out += Pad(FormatOne(type, argv[next++], prec, fmt), width, left);
  }
  return out;
}

// ------------------------------------------------------------ conversions

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string IntToHex(int64_t value, int digits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*llX", digits, static_cast<unsigned long long>(value));
  return buf;
}

bool TryStrToInt64(std::string_view text, int64_t& value) {
  std::string t = Trim(text);
  std::size_t p = 0;
  bool neg = false;
  if (p < t.size() && (t[p] == '-' || t[p] == '+')) neg = t[p++] == '-';
  int base = 10;
  if (p < t.size() && t[p] == '$') {
    base = 16;
    ++p;
  } else if (p + 1 < t.size() && t[p] == '0' && (t[p + 1] == 'x' || t[p + 1] == 'X')) {
    base = 16;
    p += 2;
  }
  if (p >= t.size()) return false;
  uint64_t v = 0;
  auto [ptr, ec] = std::from_chars(t.data() + p, t.data() + t.size(), v, base);
  if (ec != std::errc() || ptr != t.data() + t.size()) return false;
  if (base == 10) {
    if (v > (neg ? uint64_t(1) << 63 : uint64_t(std::numeric_limits<int64_t>::max()))) return false;
    value = neg ? static_cast<int64_t>(0 - v) : static_cast<int64_t>(v);
  } else {
    value = static_cast<int64_t>(neg ? 0 - v : v);
  }
  return true;
}

bool TryStrToInt(std::string_view text, int32_t& value) {
  int64_t v;
  if (!TryStrToInt64(text, v)) return false;
  // Hex text may name the full 32-bit pattern ($FFFFFFFF is -1).
  if (v < std::numeric_limits<int32_t>::min() || v > int64_t(std::numeric_limits<uint32_t>::max())) return false;
  if (v > std::numeric_limits<int32_t>::max() && Trim(text).find_first_of("$xX") == std::string::npos) return false;
  value = static_cast<int32_t>(static_cast<uint32_t>(v));
  return true;
}

int32_t StrToInt(std::string_view text) {
  int32_t v;
  if (!TryStrToInt(text, v)) throw EConvertError("'%s' is not a valid integer value", {text});
  return v;
}

int64_t StrToInt64(std::string_view text) {
  int64_t v;
  if (!TryStrToInt64(text, v)) throw EConvertError("'%s' is not a valid integer value", {text});
  return v;
}

int32_t StrToIntDef(std::string_view text, int32_t def) {
  int32_t v;
  return TryStrToInt(text, v) ? v : def;
}

bool TryStrToFloat(std::string_view text, double& value) {
  std::string t = Trim(text);
  if (t.empty()) return false;
  // strtod accepts hex floats, "inf" and "nan", which the classic parser does not.
  for (char c : t)
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) return false;
  char* end = nullptr;
  errno = 0;
  double v = std::strtod(t.c_str(), &end);
  if (end != t.c_str() + t.size() || errno == ERANGE) return false;
  value = v;
  return true;
}

double StrToFloat(std::string_view text) {
  double v;
  if (!TryStrToFloat(text, v)) throw EConvertError("'%s' is not a valid floating point value", {text});
  return v;
}

std::string FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15G", value);
  // The classic form writes exponents without a plus sign or leading zeros: 1E20, 1E-5.
  return WithExponent(buf, 1, false);
}

std::string BoolToStr(bool value) { return value ? "True" : "False"; }

bool StrToBool(std::string_view text) {
  if (SameText(Trim(text), "True")) return true;
  if (SameText(Trim(text), "False")) return false;
  double d;
  if (TryStrToFloat(text, d)) return d != 0;
  throw EConvertError("'%s' is not a valid boolean value", {text});
}

// ------------------------------------------------------------------- text

std::string Trim(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return std::string(s.substr(b, e - b));
}

std::string UpperCase(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return r;
}

std::string LowerCase(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return r;
}

namespace {

// Decodes one UTF-8 sequence at s[i]; returns the code point and advances i.
// Bytes that do not form a valid sequence are returned one by one.
char32_t DecodeUtf8(std::string_view s, std::size_t& i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (len <= 1 || i + static_cast<std::size_t>(len) > s.size()) {
    ++i;
    return len == 1 ? c : 0xDC00 + c;  // invalid bytes map to lone surrogates
  }
  char32_t cp = c & (0x7F >> len);
  for (int k = 1; k < len; ++k) {
    unsigned char cc = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if ((cc & 0xC0) != 0x80) {
      ++i;
      return 0xDC00 + c;
    }
    cp = (cp << 6) | (cc & 0x3F);
  }
  // Beyond Unicode or an overlong form is not a character, nor is an encoded
  // surrogate in DC80..DCFF (that range stands for invalid bytes): the lead
  // byte is kept as an invalid byte. Other encoded surrogates are taken as
  // they are, so a lone surrogate of a UTF-16 text comes back (see
  // Utf8ToUtf16 for the ones that would pair up).
  static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp > 0x10FFFF || (cp >= 0xDC80 && cp <= 0xDCFF) || cp < kShortest[len]) {
    ++i;
    return 0xDC00 + c;
  }
  i += static_cast<std::size_t>(len);
  return cp;
}

void EncodeUtf8(char32_t cp, std::string& out) {
  if (cp >= 0xDC80 && cp <= 0xDCFF) {  // an invalid byte kept as it was
    out += static_cast<char>(cp - 0xDC00);
  } else if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Folds ASCII and the Latin-1 Supplement / Latin Extended-A letters to upper case.
char32_t FoldUpper(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x178 && c != 0x17F) {
    bool evenUpper = (c < 0x138) || (c > 0x149 && c < 0x178);
    if (evenUpper) return (c % 2 == 1) ? c - 1 : c;
    return (c % 2 == 0) ? c - 1 : c;  // 0x139..0x148 and 0x179..0x17E pair odd upper, even lower
  }
  return c;
}

char32_t FoldLower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c == 0x178) return 0xFF;
  if (c >= 0x100 && c <= 0x17F && FoldUpper(c) == c) {
    char32_t lower = c + 1;
    if (FoldUpper(lower) == c) return lower;
  }
  return c;
}

template <class Fold>
std::string MapCase(std::string_view s, Fold fold) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) EncodeUtf8(fold(DecodeUtf8(s, i)), out);
  return out;
}

}  // namespace

std::string AnsiUpperCase(std::string_view s) { return MapCase(s, FoldUpper); }
std::string AnsiLowerCase(std::string_view s) { return MapCase(s, FoldLower); }

// The next character of s at i, folded to upper case (ASCII without decoding).
char32_t NextFolded(std::string_view s, std::size_t& i) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) {
    ++i;
    return c >= 'a' && c <= 'z' ? c - 32 : c;
  }
  return FoldUpper(DecodeUtf8(s, i));
}

int AnsiCompareText(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    char32_t ca = NextFolded(a, i), cb = NextFolded(b, j);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b) == 0; }

std::size_t AnsiTextHash(std::string_view s) {
  // FNV-1a over the folded code points.
  std::size_t h = 1469598103934665603ull;
  for (std::size_t i = 0; i < s.size();) {
    h ^= NextFolded(s, i);
    h *= 1099511628211ull;
  }
  return h;
}

int AnsiCompareStr(std::string_view a, std::string_view b) {
  int r = a.compare(b);
  return r < 0 ? -1 : r > 0 ? 1 : 0;
}

int CompareText(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
    if (ca >= 'a' && ca <= 'z') ca = static_cast<unsigned char>(ca - 32);
    if (cb >= 'a' && cb <= 'z') cb = static_cast<unsigned char>(cb - 32);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }

bool IsValidIdent(std::string_view name) {
  if (name.empty()) return false;
  auto alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
  if (!alpha(name[0])) return false;
  for (char c : name)
    if (!alpha(c) && !(c >= '0' && c <= '9')) return false;
  return true;
}

std::string AnsiQuotedStr(std::string_view s, char quote) {
  std::string out(1, quote);
  for (char c : s) {
    out += c;
    if (c == quote) out += c;
  }
  out += quote;
  return out;
}

std::string AnsiExtractQuotedStr(std::string_view s, std::size_t& pos, char quote) {
  std::string out;
  if (pos >= s.size() || s[pos] != quote) return out;
  ++pos;
  while (pos < s.size()) {
    if (s[pos] == quote) {
      if (pos + 1 < s.size() && s[pos + 1] == quote) {
        out += quote;
        pos += 2;
        continue;
      }
      ++pos;
      return out;
    }
    out += s[pos++];
  }
  return out;
}

// Decoded back to front: an encoded high surrogate directly followed by a
// unit in DC00..DFFF would pair up with it in Utf16ToUtf8 and come back as
// other bytes, so its bytes are kept as invalid bytes instead.
std::u16string Utf8ToUtf16(std::string_view s) {
  struct TUnit {
    char32_t cp;
    std::size_t start;
  };
  std::vector<TUnit> units;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t start = i;
    units.push_back({DecodeUtf8(s, i), start});
  }
  std::u16string reversed;
  bool lowFollows = false;
  for (auto it = units.rbegin(); it != units.rend(); ++it) {
    char32_t cp = it->cp;
    if (cp >= 0xD800 && cp < 0xDC00 && lowFollows) {
      for (std::size_t k = 3; k > 0; --k)
        reversed += static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(s[it->start + k - 1]));
      continue;  // lowFollows stays: these are invalid bytes
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      reversed += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
      reversed += static_cast<char16_t>(0xD800 + (cp >> 10));
      lowFollows = false;
    } else {
      reversed += static_cast<char16_t>(cp);
      lowFollows = cp >= 0xDC00 && cp < 0xE000;
    }
  }
  return std::u16string(reversed.rbegin(), reversed.rend());
}

std::string Utf16ToUtf8(std::u16string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    }
    EncodeUtf8(cp, out);
  }
  return out;
}

}  // namespace host
