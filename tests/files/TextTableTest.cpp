// Reading medias/sysinfo.txt: the edition number, the 75 texts, a file in an
// old Windows code page, and the start-up errors for a file the game cannot use.

#include "TextTable.h"
#include "GameInfoFile.h"
#include "LegacyText.h"
#include "PlayerHome.h"
#include "TextLines.h"

#include <iconv.h>

using namespace velko;
using velko::test::writeBytes;

namespace {

// The edition line, then `count - 1` lines "NNtext N" whose two-character prefix the game drops.
QByteArray tableFile(const QByteArray& edition, int count, const QByteArray& lineEnd = "\r\n")
{
    QByteArray out = edition + lineEnd;
    for (int i = 1; i < count; ++i)
        out += QByteArray::number(i % 100).rightJustified(2, '0') + "text " + QByteArray::number(i - 1) + lineEnd;
    return out;
}

TextTable parsedOk(const QByteArray& bytes)
{
    TextTable table;
    const QString error = parseTextTable(bytes, table).problem();
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return table;
}

// Sets the player's locale variables while it lives.
struct Locale {
    const QByteArray old[3] = {qgetenv("LC_ALL"), qgetenv("LC_CTYPE"), qgetenv("LANG")};
    Locale(const char* all, const char* ctype = "", const char* lang = "") { set(all, ctype, lang); }
    ~Locale() { set(old[0], old[1], old[2]); }
    static void set(const QByteArray& all, const QByteArray& ctype, const QByteArray& lang)
    {
        qputenv("LC_ALL", all), qputenv("LC_CTYPE", ctype), qputenv("LANG", lang);
    }
};

}   // namespace

TEST(LegacyText, EachLocaleNamesItsWindowsCodePageForTextsAndStoredNames)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C", "CP1252"},           {"POSIX", "CP1252"},        {"en_US.UTF-8", "CP1252"},
        {"de_DE@euro", "CP1252"},  {"zh_CN.UTF-8", "GB18030"}, {"zh_SG", "GB18030"},
        {"zh_TW.Big5", "BIG5"},    {"zh_HK.UTF-8", "BIG5"},    {"ja_JP.eucJP", "CP932"},
        {"ko_KR.UTF-8", "CP949"},  {"ru_RU.KOI8-R", "CP1251"}, {"uk_UA", "CP1251"},
        {"bg_BG", "CP1251"},       {"sr_RS", "CP1251"},        {"sr_RS@latin", "CP1250"},
        {"pl_PL.UTF-8", "CP1250"}, {"cs_CZ", "CP1250"},        {"sk_SK", "CP1250"},
        {"hu_HU", "CP1250"},       {"ro_RO", "CP1250"},        {"hr_HR", "CP1250"},
        {"sl_SI", "CP1250"},       {"el_GR.UTF-8", "CP1253"},  {"tr_TR", "CP1254"},
        {"he_IL", "CP1255"},       {"ar_EG.UTF-8", "CP1256"},  {"lt_LT", "CP1257"},
        {"lv_LV", "CP1257"},       {"et_EE", "CP1257"},        {"th_TH.TIS-620", "CP874"},
        {"vi_VN", "CP1258"},       {"RU_ru", "CP1251"}};
    for (const auto& [locale, codePage] : cases) {
        EXPECT_EQ(legacyCodePage(locale), QByteArray(codePage)) << locale;
        const iconv_t known = iconv_open("UTF-8", codePage);
        EXPECT_NE(known, reinterpret_cast<iconv_t>(-1)) << codePage;
        if (known != reinterpret_cast<iconv_t>(-1))
            iconv_close(known);
    }
    // Stored names go through the same decoder (the saves keep their bytes: the fault and two-copies tests).
    const std::tuple<const char*, QByteArray, QString> names[] = {
        {"C", "Zo\xC3\xAB", "Zoë"},
        {"C", "Jos\xE9 M\xFCller", "José Müller"},
        {"C", "\xD5\xC5\xCE\xB0", "张伟"},
        {"en_GB", "\x80 Euro", "€ Euro"},
        {"C", "\x81", "\u0081"},   // undefined in Windows-1252: read as Latin-1
        {"ru_RU", "\xC8\xE3\xF0\xEE\xEA", "Игрок"}};
    for (const auto& [locale, bytes, name] : names) {
        const Locale players(locale);
        EXPECT_EQ(decodeStoredName(bytes), name) << locale << " " << bytes.toHex().toStdString();
    }
    // LC_ALL, else LC_CTYPE, else LANG.
    for (const auto& [all, ctype, lang, codePage] : {std::tuple{"ru_RU", "ja_JP", "el_GR", "CP1251"},
                                                     {"", "ja_JP", "el_GR", "CP932"},
                                                     {"", "", "el_GR", "CP1253"},
                                                     {"", "", "", "CP1252"}}) {
        const Locale players(all, ctype, lang);
        EXPECT_EQ(playersLegacyCodePage(), QByteArray(codePage)) << all << ctype << lang;
    }
}

// A media set made for the older Windows program is in the code page of its
// language. The whole file is decoded, so a two-byte character whose second
// byte is an ASCII one (Shift_JIS, Big5) stays whole and a prefix of two such
// characters is dropped whole; the name it gives the first table is saved as UTF-8.
TEST(TextTable, ALegacyFileIsReadInThePlayersCodePage)
{
    // The locale, the first two lines as the file holds them, and the default name and title read from them.
    const std::tuple<const char*, QByteArray, QByteArray, QString, QString> cases[] = {
        {"de_DE.UTF-8", "00J\xFCrgen", "01Velko Lines \x96 Fu\xDF", "Jürgen", "Velko Lines – Fuß"},
        {"C", "00J\xFCrgen", "01Velko Lines \x96 Fu\xDF", "Jürgen", "Velko Lines – Fuß"},
        {"zh_CN.UTF-8", "00\xD5\xC5\xCE\xB0", "\xB2\xCA\xC7\xF2\xB4\xF3\xCA\xA6", "张伟", "大师"},
        {"C", "00\xD5\xC5\xCE\xB0", "01\xB2\xCA\xC7\xF2", "张伟", "彩球"},   // Chinese by its content
        {"ja_JP.UTF-8", "00\x8E\x52\x93\x63", "01\x83\x5C\x83\x74\x83\x67\x8B\x85", "山田", "ソフト球"},
        {"zh_TW.UTF-8", "00\xB3\xAF", "01\xBC\x75\xAF\x5D", "陳", "彈珠"},
        {"ru_RU.UTF-8", "00\xC8\xE3\xF0\xEE\xEA", "01\xD8\xE0\xF0\xE8\xEA\xE8", "Игрок", "Шарики"},
        // The file is one text in one code page, even where a line alone would read as UTF-8.
        {"de_DE.UTF-8", "00\xC3\xA9t\xC3\xA9", "01Lines \x96 Fu\xDF", "Ã©tÃ©", "Lines – Fuß"},
        {"ru_RU.UTF-8", "00Spieler", "01Fu\xC3\x9F", "Spieler", "Fuß"}};   // UTF-8 stays UTF-8
    for (const auto& [locale, nameLine, titleLine, name, title] : cases) {
        const Locale players(locale);
        const TextTable table = parsedOk("1\r\n" + nameLine + "\r\n" + titleLine + "\r\n" + tableFile("x", 74).mid(3));
        EXPECT_EQ(table.texts[0], name) << locale;
        EXPECT_EQ(table.texts[1], title) << locale;
        EXPECT_EQ(table.texts[74], QStringLiteral("text 72")) << locale;
        const ScoreTable scores = parseGameInfo(formatGameInfo(defaultScoreTable(table.texts[0], 1.0)));
        EXPECT_EQ(scores[0].nameBytes, name.toUtf8()) << locale;
    }
}

TEST(TextTable, EveryLineEndDropsThePrefixAndReadsOnly75Texts)
{
    const QByteArray files[] = {tableFile("1", 76), tableFile("1", 100, "\n"), tableFile("1", 76, "\r"),
                                "\xEF\xBB\xBF" + tableFile("1", 76).chopped(2)};
    for (const QByteArray& bytes : files) {
        const TextTable table = parsedOk(bytes);
        EXPECT_EQ(table.edition, 1);
        for (int i = 0; i < 100; ++i)
            EXPECT_EQ(table.texts[i], i < 75 ? QStringLiteral("text %1").arg(i) : QString()) << i;
    }
    // A file ends its lines the way it was written: with a CR LF anywhere only
    // at CR LF, else with a CR anywhere only at CR, else at LF. A stray break
    // inside a text stays in it and shifts no later text.
    const std::pair<QByteArray, QByteArray> breaks[] = {{"\r\n", "\n"}, {"\r\n", "\r"}, {"\r\n", "\n\r"}, {"\r", "\n"}};
    for (const auto& [lineEnd, inText] : breaks) {
        QByteArray bytes = tableFile("1", 76, lineEnd);
        bytes.replace("text 4", "te" + inText + "xt 4");
        const TextTable table = parsedOk(bytes);
        EXPECT_EQ(table.texts[4], QString::fromLatin1("te" + inText + "xt 4")) << inText.toHex().data();
        EXPECT_EQ(table.texts[74], QStringLiteral("text 74")) << inText.toHex().data();
    }
    // The two saved files read any line end alike.
    EXPECT_EQ(splitTextLines("a\r\nb\rc\nd", 2), (QList<QByteArray>{"a", "b"}));
    // The prefix is two characters, not two bytes.
    const std::pair<QString, QString> prefixed[] = {{"00", ""},
                                                    {"0", ""},
                                                    {"", ""},
                                                    {"03 word ", " word "},
                                                    {"04x", "x"},
                                                    {"名字玩家", "玩家"},
                                                    {"éèPunkte", "Punkte"},
                                                    {"\U0001F3B1\U0001F3B1Balls", "Balls"}};
    for (const auto& [line, text] : prefixed) {
        const QByteArray bytes = "1\r\n" + line.toUtf8() + "\r\n" + tableFile("x", 75).mid(3);
        EXPECT_EQ(parsedOk(bytes).texts[0], text) << line.toStdString();
    }
}

TEST(TextTable, EditionIsRoundedHalvesToEvenOrReported)
{
    const std::pair<const char*, int> cases[] = {
        {"0", 0},   {"255", 255},   {" 7 ", 7},     {"\t12\t", 12}, {"+3", 3},   {"3.", 3},    {"1.5", 2},
        {"2.5", 2}, {"254.5", 254}, {"255.4", 255}, {"-0.4", 0},    {"-0.5", 0}, {"1e2", 100}, {".5", 0},
    };
    for (const auto& [line, edition] : cases)
        EXPECT_EQ(parsedOk(tableFile(line, 76)).edition, edition) << line;
    // Files the game cannot use are reported, naming the file.
    QList<std::pair<QByteArray, QString>> bad = {
        {"", "has 0 lines"},
        {"\xEF\xBB\xBF", "has 0 lines"},
        {tableFile("1", 1), "has 1 lines"},
        {tableFile("1", 2), "has 2 lines"},
        {tableFile("1", 75), "has 75 lines"},
    };
    for (const char* line :
         {"", "abc", "1a", "1 2", "--1", "+", "e5", "5e+", "1e", ".", "1.2.3", "nan", "inf", "0x10", "1,5", "１２"})
        bad.append({tableFile(line, 76), "not a number"});
    for (const char* line : {"256", "255.5", "-1", "-0.6", "1e300"})
        bad.append({tableFile(line, 76), "between 0 and 255"});
    for (const auto& [bytes, reason] : bad) {
        TextTable table;
        const QString error = parseTextTable(bytes, table).problem();
        EXPECT_TRUE(error.contains("sysinfo.txt") && error.contains(reason)) << error.toStdString();
    }
    // A line end after the last line starts no new line, but an empty line before it counts.
    EXPECT_TRUE(parsedOk(tableFile("1", 75) + "\r\n").texts[74].isEmpty());
}
