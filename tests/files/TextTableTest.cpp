// Reading medias/sysinfo.txt: the edition number, the 75 texts, and the
// start-up errors for a file the game cannot use.

#include "TextTable.h"
#include "PlayerHome.h"
#include "TextLines.h"

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
    const QString error = parseTextTable(bytes, table);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return table;
}

}   // namespace

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
        const QString error = parseTextTable(bytes, table);
        EXPECT_TRUE(error.contains("sysinfo.txt") && error.contains(reason)) << error.toStdString();
    }
    // A line end after the last line starts no new line, but an empty line before it counts.
    EXPECT_TRUE(parsedOk(tableFile("1", 75) + "\r\n").texts[74].isEmpty());
}
