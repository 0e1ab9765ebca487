#include "i18n/CharacterReferences.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace q5 {
namespace {

struct Entity {
    std::string_view name;
    char32_t value;
};

// The character entity references of HTML 4.01 and apos, by exact spelling
// (ASCII order).
constexpr Entity kEntities[] = {
    {"AElig", 198},    {"Aacute", 193},  {"Acirc", 194},   {"Agrave", 192},  {"Alpha", 913},
    {"Aring", 197},    {"Atilde", 195},  {"Auml", 196},    {"Beta", 914},    {"Ccedil", 199},
    {"Chi", 935},      {"Dagger", 8225}, {"Delta", 916},   {"ETH", 208},     {"Eacute", 201},
    {"Ecirc", 202},    {"Egrave", 200},  {"Epsilon", 917}, {"Eta", 919},     {"Euml", 203},
    {"Gamma", 915},    {"Iacute", 205},  {"Icirc", 206},   {"Igrave", 204},  {"Iota", 921},
    {"Iuml", 207},     {"Kappa", 922},   {"Lambda", 923},  {"Mu", 924},      {"Ntilde", 209},
    {"Nu", 925},       {"OElig", 338},   {"Oacute", 211},  {"Ocirc", 212},   {"Ograve", 210},
    {"Omega", 937},    {"Omicron", 927}, {"Oslash", 216},  {"Otilde", 213},  {"Ouml", 214},
    {"Phi", 934},      {"Pi", 928},      {"Prime", 8243},  {"Psi", 936},     {"Rho", 929},
    {"Scaron", 352},   {"Sigma", 931},   {"THORN", 222},   {"Tau", 932},     {"Theta", 920},
    {"Uacute", 218},   {"Ucirc", 219},   {"Ugrave", 217},  {"Upsilon", 933}, {"Uuml", 220},
    {"Xi", 926},       {"Yacute", 221},  {"Yuml", 376},    {"Zeta", 918},    {"aacute", 225},
    {"acirc", 226},    {"acute", 180},   {"aelig", 230},   {"agrave", 224},  {"alefsym", 8501},
    {"alpha", 945},    {"amp", 38},      {"and", 8743},    {"ang", 8736},    {"apos", 39},
    {"aring", 229},    {"asymp", 8776},  {"atilde", 227},  {"auml", 228},    {"bdquo", 8222},
    {"beta", 946},     {"brvbar", 166},  {"bull", 8226},   {"cap", 8745},    {"ccedil", 231},
    {"cedil", 184},    {"cent", 162},    {"chi", 967},     {"circ", 710},    {"clubs", 9827},
    {"cong", 8773},    {"copy", 169},    {"crarr", 8629},  {"cup", 8746},    {"curren", 164},
    {"dArr", 8659},    {"dagger", 8224}, {"darr", 8595},   {"deg", 176},     {"delta", 948},
    {"diams", 9830},   {"divide", 247},  {"eacute", 233},  {"ecirc", 234},   {"egrave", 232},
    {"empty", 8709},   {"emsp", 8195},   {"ensp", 8194},   {"epsilon", 949}, {"equiv", 8801},
    {"eta", 951},      {"eth", 240},     {"euml", 235},    {"euro", 8364},   {"exist", 8707},
    {"fnof", 402},     {"forall", 8704}, {"frac12", 189},  {"frac14", 188},  {"frac34", 190},
    {"frasl", 8260},   {"gamma", 947},   {"ge", 8805},     {"gt", 62},       {"hArr", 8660},
    {"harr", 8596},    {"hearts", 9829}, {"hellip", 8230}, {"iacute", 237},  {"icirc", 238},
    {"iexcl", 161},    {"igrave", 236},  {"image", 8465},  {"infin", 8734},  {"int", 8747},
    {"iota", 953},     {"iquest", 191},  {"isin", 8712},   {"iuml", 239},    {"kappa", 954},
    {"lArr", 8656},    {"lambda", 955},  {"lang", 9001},   {"laquo", 171},   {"larr", 8592},
    {"lceil", 8968},   {"ldquo", 8220},  {"le", 8804},     {"lfloor", 8970}, {"lowast", 8727},
    {"loz", 9674},     {"lrm", 8206},    {"lsaquo", 8249}, {"lsquo", 8216},  {"lt", 60},
    {"macr", 175},     {"mdash", 8212},  {"micro", 181},   {"middot", 183},  {"minus", 8722},
    {"mu", 956},       {"nabla", 8711},  {"nbsp", 160},    {"ndash", 8211},  {"ne", 8800},
    {"ni", 8715},      {"not", 172},     {"notin", 8713},  {"nsub", 8836},   {"ntilde", 241},
    {"nu", 957},       {"oacute", 243},  {"ocirc", 244},   {"oelig", 339},   {"ograve", 242},
    {"oline", 8254},   {"omega", 969},   {"omicron", 959}, {"oplus", 8853},  {"or", 8744},
    {"ordf", 170},     {"ordm", 186},    {"oslash", 248},  {"otilde", 245},  {"otimes", 8855},
    {"ouml", 246},     {"para", 182},    {"part", 8706},   {"permil", 8240}, {"perp", 8869},
    {"phi", 966},      {"pi", 960},      {"piv", 982},     {"plusmn", 177},  {"pound", 163},
    {"prime", 8242},   {"prod", 8719},   {"prop", 8733},   {"psi", 968},     {"quot", 34},
    {"rArr", 8658},    {"radic", 8730},  {"rang", 9002},   {"raquo", 187},   {"rarr", 8594},
    {"rceil", 8969},   {"rdquo", 8221},  {"real", 8476},   {"reg", 174},     {"rfloor", 8971},
    {"rho", 961},      {"rlm", 8207},    {"rsaquo", 8250}, {"rsquo", 8217},  {"sbquo", 8218},
    {"scaron", 353},   {"sdot", 8901},   {"sect", 167},    {"shy", 173},     {"sigma", 963},
    {"sigmaf", 962},   {"sim", 8764},    {"spades", 9824}, {"sub", 8834},    {"sube", 8838},
    {"sum", 8721},     {"sup", 8835},    {"sup1", 185},    {"sup2", 178},    {"sup3", 179},
    {"supe", 8839},    {"szlig", 223},   {"tau", 964},     {"there4", 8756}, {"theta", 952},
    {"thetasym", 977}, {"thinsp", 8201}, {"thorn", 254},   {"tilde", 732},   {"times", 215},
    {"trade", 8482},   {"uArr", 8657},   {"uacute", 250},  {"uarr", 8593},   {"ucirc", 251},
    {"ugrave", 249},   {"uml", 168},     {"upsih", 978},   {"upsilon", 965}, {"uuml", 252},
    {"weierp", 8472},  {"xi", 958},      {"yacute", 253},  {"yen", 165},     {"yuml", 255},
    {"zeta", 950},     {"zwj", 8205},    {"zwnj", 8204},
};

// The same names folded to lower case. Where two names differ only in case
// the folded name stands for the one with the capital letter.
constexpr Entity kFoldedEntities[] = {
    {"aacute", 193},   {"acirc", 194},   {"acute", 180},    {"aelig", 198},   {"agrave", 192},
    {"alefsym", 8501}, {"alpha", 913},   {"amp", 38},       {"and", 8743},    {"ang", 8736},
    {"apos", 39},      {"aring", 197},   {"asymp", 8776},   {"atilde", 195},  {"auml", 196},
    {"bdquo", 8222},   {"beta", 914},    {"brvbar", 166},   {"bull", 8226},   {"cap", 8745},
    {"ccedil", 199},   {"cedil", 184},   {"cent", 162},     {"chi", 935},     {"circ", 710},
    {"clubs", 9827},   {"cong", 8773},   {"copy", 169},     {"crarr", 8629},  {"cup", 8746},
    {"curren", 164},   {"dagger", 8225}, {"darr", 8659},    {"deg", 176},     {"delta", 916},
    {"diams", 9830},   {"divide", 247},  {"eacute", 201},   {"ecirc", 202},   {"egrave", 200},
    {"empty", 8709},   {"emsp", 8195},   {"ensp", 8194},    {"epsilon", 917}, {"equiv", 8801},
    {"eta", 919},      {"eth", 208},     {"euml", 203},     {"euro", 8364},   {"exist", 8707},
    {"fnof", 402},     {"forall", 8704}, {"frac12", 189},   {"frac14", 188},  {"frac34", 190},
    {"frasl", 8260},   {"gamma", 915},   {"ge", 8805},      {"gt", 62},       {"harr", 8660},
    {"hearts", 9829},  {"hellip", 8230}, {"iacute", 205},   {"icirc", 206},   {"iexcl", 161},
    {"igrave", 204},   {"image", 8465},  {"infin", 8734},   {"int", 8747},    {"iota", 921},
    {"iquest", 191},   {"isin", 8712},   {"iuml", 207},     {"kappa", 922},   {"lambda", 923},
    {"lang", 9001},    {"laquo", 171},   {"larr", 8656},    {"lceil", 8968},  {"ldquo", 8220},
    {"le", 8804},      {"lfloor", 8970}, {"lowast", 8727},  {"loz", 9674},    {"lrm", 8206},
    {"lsaquo", 8249},  {"lsquo", 8216},  {"lt", 60},        {"macr", 175},    {"mdash", 8212},
    {"micro", 181},    {"middot", 183},  {"minus", 8722},   {"mu", 924},      {"nabla", 8711},
    {"nbsp", 160},     {"ndash", 8211},  {"ne", 8800},      {"ni", 8715},     {"not", 172},
    {"notin", 8713},   {"nsub", 8836},   {"ntilde", 209},   {"nu", 925},      {"oacute", 211},
    {"ocirc", 212},    {"oelig", 338},   {"ograve", 210},   {"oline", 8254},  {"omega", 937},
    {"omicron", 927},  {"oplus", 8853},  {"or", 8744},      {"ordf", 170},    {"ordm", 186},
    {"oslash", 216},   {"otilde", 213},  {"otimes", 8855},  {"ouml", 214},    {"para", 182},
    {"part", 8706},    {"permil", 8240}, {"perp", 8869},    {"phi", 934},     {"pi", 928},
    {"piv", 982},      {"plusmn", 177},  {"pound", 163},    {"prime", 8243},  {"prod", 8719},
    {"prop", 8733},    {"psi", 936},     {"quot", 34},      {"radic", 8730},  {"rang", 9002},
    {"raquo", 187},    {"rarr", 8658},   {"rceil", 8969},   {"rdquo", 8221},  {"real", 8476},
    {"reg", 174},      {"rfloor", 8971}, {"rho", 929},      {"rlm", 8207},    {"rsaquo", 8250},
    {"rsquo", 8217},   {"sbquo", 8218},  {"scaron", 352},   {"sdot", 8901},   {"sect", 167},
    {"shy", 173},      {"sigma", 931},   {"sigmaf", 962},   {"sim", 8764},    {"spades", 9824},
    {"sub", 8834},     {"sube", 8838},   {"sum", 8721},     {"sup", 8835},    {"sup1", 185},
    {"sup2", 178},     {"sup3", 179},    {"supe", 8839},    {"szlig", 223},   {"tau", 932},
    {"there4", 8756},  {"theta", 920},   {"thetasym", 977}, {"thinsp", 8201}, {"thorn", 222},
    {"tilde", 732},    {"times", 215},   {"trade", 8482},   {"uacute", 218},  {"uarr", 8657},
    {"ucirc", 219},    {"ugrave", 217},  {"uml", 168},      {"upsih", 978},   {"upsilon", 933},
    {"uuml", 220},     {"weierp", 8472}, {"xi", 926},       {"yacute", 221},  {"yen", 165},
    {"yuml", 376},     {"zeta", 918},    {"zwj", 8205},     {"zwnj", 8204},
};

static_assert(std::size(kEntities) == 253);
static_assert(std::size(kFoldedEntities) == 189);

// A reference name holds at most this many characters before its ';'.
constexpr std::size_t kMaxNameLength = 9;
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr std::int64_t kNumberLimit = 0x7FFFFFFF;

const Entity* FindEntity(const Entity* begin, const Entity* end, std::string_view name) {
    const Entity* found = std::lower_bound(
        begin, end, name,
        [](const Entity& entity, std::string_view key) { return entity.name < key; });
    return found != end && found->name == name ? found : nullptr;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return 99;
}

// Reads a number as wcstol does: leading whitespace, a sign, "0x" before a
// hexadecimal number, then the digits of the base up to the first other
// character. Large magnitudes are clamped, which keeps them out of range.
std::int64_t ReadNumber(std::string_view text, int base) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (base == 16 && i + 2 < text.size() && text[i] == '0' &&
        (text[i + 1] == 'x' || text[i + 1] == 'X') && DigitValue(text[i + 2]) < 16) {
        i += 2;
    }
    std::int64_t value = 0;
    for (; i < text.size() && DigitValue(text[i]) < base; ++i) {
        value = std::min(value * base + DigitValue(text[i]), kNumberLimit + 1);
    }
    return negative ? -value : value;
}

// The character a reference name (between '&' and ';') stands for, 0 for
// none. Numeric references outside Unicode or into the surrogate range stand
// for nothing, so no half of a surrogate pair is ever produced.
char32_t ReferenceValue(std::string_view name, std::string_view folded) {
    std::int64_t value = 0;
    if (!folded.empty() && folded[0] == '#') {
        const bool hex = folded.size() > 1 && folded[1] == 'x';
        value = hex ? ReadNumber(name.substr(2), 16) : ReadNumber(name.substr(1), 10);
    } else if (const Entity* exact = FindEntity(std::begin(kEntities), std::end(kEntities), name)) {
        value = exact->value;
    } else if (const Entity* other =
                   FindEntity(std::begin(kFoldedEntities), std::end(kFoldedEntities), folded)) {
        value = other->value;
    }
    if (value <= 0 || value > kLastCodePoint || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    return static_cast<char32_t>(value);
}

void AppendCodePoint(char32_t value, std::u16string& out) {
    if (value <= 0xFFFF) {
        out.push_back(static_cast<char16_t>(value));
        return;
    }
    value -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (value >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (value & 0x3FF)));
}

}  // namespace

std::size_t ResolveReference(std::u16string_view text, std::size_t ampersand, char32_t& value) {
    std::array<char, kMaxNameLength> name{};
    std::array<char, kMaxNameLength> folded{};
    std::size_t length = 0;
    for (std::size_t pos = ampersand + 1; pos < text.size(); ++pos) {
        const char16_t c = text[pos];
        if (c == u';') {
            value = ReferenceValue(std::string_view(name.data(), length),
                                   std::string_view(folded.data(), length));
            return value == 0 ? 0 : pos + 1 - ampersand;
        }
        if (length == kMaxNameLength || c >= 0x80) {
            return 0;
        }
        name[length] = static_cast<char>(c);
        folded[length] = c >= u'A' && c <= u'Z' ? static_cast<char>(c - u'A' + u'a') : name[length];
        ++length;
    }
    return 0;
}

void AppendResolved(std::u16string_view text, std::u16string& out) {
    std::size_t copied = 0;
    std::size_t ampersand = text.find(u'&');
    while (ampersand != std::u16string_view::npos) {
        char32_t value = 0;
        const std::size_t length = ResolveReference(text, ampersand, value);
        if (length != 0) {
            out.append(text.substr(copied, ampersand - copied));
            AppendCodePoint(value, out);
            copied = ampersand + length;
        }
        ampersand = text.find(u'&', ampersand + (length != 0 ? length : 1));
    }
    out.append(text.substr(copied));
}

}  // namespace q5
