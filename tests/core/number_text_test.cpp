#include "core/number_text.h"

#include "core/numeric.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace zelvo;

namespace {

struct FieldRow {
    const char* text;
    std::size_t maxChars;
    double value;
    bool anyNumber;
    bool leftover;
};

} // namespace

TEST(FieldNumbers, ReadLikeStrtodInTheCLocale)
{
    const FieldRow rows[] = {
        {"1e-3", 20, 1e-3, true, false},
        {"  0.5", 20, 0.5, true, false},
        {"\t-2.5E+2", 20, -250.0, true, false},
        {"+.5", 20, 0.5, true, false},
        {"7.", 20, 7.0, true, false},
        {"1e", 20, 1.0, true, true},     // exponent without digits is not part of the number
        {"1e+", 20, 1.0, true, true},
        {"0.5x", 20, 0.5, true, true},   // a letter after the number
        {"0.5 ", 20, 0.5, true, true},   // so is a trailing blank
        {"", 20, 0.0, false, false},     // empty reads as 0, nothing left over
        {"abc", 20, 0.0, false, true},
        {"   ", 20, 0.0, false, true},   // no number: the blanks are left over
        {"-", 20, 0.0, false, true},
        {".", 20, 0.0, false, true},
        {"0,5", 20, 0.0, true, true},    // never the locale's decimal comma
        {"inf", 20, 0.0, false, true},   // decimal numbers only
        {"nan", 20, 0.0, false, true},
        {"0x10", 20, 0.0, true, true},
        // Only maxChars characters are looked at: what lies beyond is ignored.
        {"0.5                 x", 20, 0.5, true, true},
        {"0.5                x", 20, 0.5, true, true},
        {"1234567890123456789x", 19, 1234567890123456789.0, true, false},
        {"12345678901234567890", 19, 1234567890123456789.0, true, false},
    };
    int checked = 0;
    for (const FieldRow& r : rows) {
        SCOPED_TRACE(r.text);
        const FieldNumber n = readFieldNumber(r.text, r.maxChars);
        EXPECT_DOUBLE_EQ(n.value, r.value);
        EXPECT_EQ(n.anyNumber, r.anyNumber);
        EXPECT_EQ(n.leftover, r.leftover);
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(std::size(rows)));
}

TEST(FieldNumbers, OutOfRangeSaturatesOrUnderflowsToZero)
{
    EXPECT_EQ(scanNumber("1e999").value, DOUBLE_BIG);
    EXPECT_EQ(scanNumber("-1e999").value, -DOUBLE_BIG);
    EXPECT_EQ(scanNumber("1e-999").value, 0.0);
    EXPECT_EQ(scanNumber("0.0000000001e-999").value, 0.0);
    EXPECT_TRUE(scanNumber("1e999").ok);
}

TEST(FieldNumbers, ScanStartsAnywhereAndNeverPassesTheEnd)
{
    const std::string_view text = "12 -3.5";
    const ScannedNumber a = scanNumber(text, 0);
    EXPECT_EQ(a.end, 2u);
    const ScannedNumber b = scanNumber(text, a.end + 1);
    EXPECT_DOUBLE_EQ(b.value, -3.5);
    EXPECT_EQ(b.end, text.size());
    const ScannedNumber past = scanNumber(text, text.size() + 1);
    EXPECT_FALSE(past.ok);
    EXPECT_EQ(past.end, text.size() + 1);
}

TEST(NumberTexts, FixedAndExponentFormsMatchPrintf)
{
    struct Row {
        double value;
        int decimals, width;
        const char* fixed;
    };
    const Row rows[] = {
        {0.5, 3, 0, "0.500"},       {-0.0001, 3, 0, "-0.000"}, {2.5, 0, 0, "2"},
        {1234.56789, 4, 9, "1234.5679"}, {1.5, 3, 8, "   1.500"}, {-45.0, 3, 8, " -45.000"},
        {123456789.0, 3, 8, "123456789.000"},
    };
    int checked = 0;
    for (const Row& r : rows) {
        EXPECT_EQ(fixedText(r.value, r.decimals, r.width), r.fixed) << r.value;
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(std::size(rows)));
    EXPECT_EQ(exponentText(-0.63362, 2), "-6.34E-01");
    EXPECT_EQ(exponentText(5.8086, 2), "5.81E+00");
    EXPECT_EQ(exponentText(0.0, 2), "0.00E+00");
    EXPECT_EQ(exponentText(1.5e300, 2), "1.50E+300");
    EXPECT_EQ(fixedText(DOUBLE_BIG, 1).size(), 311u); // 309 digits, point, one decimal
}

TEST(NumberTexts, NonFiniteValuesAreSpelledAsGlibcPrintfDoes)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(fixedText(inf, 3, 9), "      inf");
    EXPECT_EQ(fixedText(-inf, 3), "-inf");
    EXPECT_EQ(fixedText(nan, 3, 8), "     nan");
    EXPECT_EQ(fixedText(-nan, 3), "-nan");
    EXPECT_EQ(exponentText(inf, 2), "INF");
    EXPECT_EQ(exponentText(nan, 2), "NAN");
}

TEST(NumberTexts, IgnoreTheProcessLocale)
{
    // Qt puts the user's locale in place; a decimal comma must change nothing.
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(fixedText(0.5, 3), "0.500");
    EXPECT_EQ(exponentText(0.5, 2), "5.00E-01");
    EXPECT_DOUBLE_EQ(readFieldNumber("0.25").value, 0.25);
    EXPECT_FALSE(readFieldNumber("0.25").leftover);
    std::setlocale(LC_ALL, saved.c_str());
}
