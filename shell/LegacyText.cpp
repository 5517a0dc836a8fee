#include "LegacyText.h"

#include <QStringDecoder>
#include <iconv.h>

namespace velko {

namespace {

// The text of `bytes` in `charset` through iconv; false if any byte sequence is not one of its characters.
bool decodeWith(const char* charset, const QByteArray& bytes, QString& text)
{
    const iconv_t converter = iconv_open("UTF-8", charset);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return false;
    QByteArray out(bytes.size() * 4 + 4, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* to = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    const bool ok = iconv(converter, &in, &inLeft, &to, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
    iconv_close(converter);
    if (ok)
        text = QString::fromUtf8(out.constData(), out.size() - static_cast<qsizetype>(outLeft));
    return ok;
}

// Chinese text as a GBK or GB18030 file gives it: every character beyond ASCII
// an ideograph, CJK punctuation or a full-width form.
bool readsAsChinese(const QString& text)
{
    bool any = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            continue;
        const bool chinese = (u >= 0x3000 && u <= 0x303F) || (u >= 0x3400 && u <= 0x4DBF) ||
                             (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
        if (!chinese)
            return false;
        any = true;
    }
    return any;
}

const QByteArray kWestern = "CP1252";

}   // namespace

QByteArray legacyCodePage(const QByteArray& locale)
{
    // "language_TERRITORY.charset@modifier"
    const qsizetype at = locale.indexOf('@');
    const QByteArray modifier = at < 0 ? QByteArray() : locale.mid(at + 1);
    QByteArray name = at < 0 ? locale : locale.left(at);
    if (const qsizetype dot = name.indexOf('.'); dot >= 0)
        name.truncate(dot);
    const qsizetype underscore = name.indexOf('_');
    const QByteArray language = name.left(underscore < 0 ? name.size() : underscore).toLower();
    const QByteArray territory = underscore < 0 ? QByteArray() : name.mid(underscore + 1).toUpper();

    if (language == "zh")
        return territory == "TW" || territory == "HK" || territory == "MO" ? "BIG5" : "GB18030";
    if (language == "sr")
        return modifier == "latin" ? "CP1250" : "CP1251";
    static const std::pair<const char*, const char*> pages[] = {
        {"ja", "CP932"},  {"ko", "CP949"},  {"ru", "CP1251"}, {"uk", "CP1251"}, {"bg", "CP1251"}, {"be", "CP1251"},
        {"mk", "CP1251"}, {"pl", "CP1250"}, {"cs", "CP1250"}, {"sk", "CP1250"}, {"hu", "CP1250"}, {"ro", "CP1250"},
        {"hr", "CP1250"}, {"sl", "CP1250"}, {"bs", "CP1250"}, {"el", "CP1253"}, {"tr", "CP1254"}, {"az", "CP1254"},
        {"he", "CP1255"}, {"iw", "CP1255"}, {"ar", "CP1256"}, {"fa", "CP1256"}, {"ur", "CP1256"}, {"lt", "CP1257"},
        {"lv", "CP1257"}, {"et", "CP1257"}, {"th", "CP874"},  {"vi", "CP1258"},
    };
    for (const auto& [code, page] : pages) {
        if (language == code)
            return page;
    }
    return kWestern;
}

QByteArray playersLegacyCodePage()
{
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const QByteArray locale = qgetenv(variable);
        if (!locale.isEmpty())
            return legacyCodePage(locale);
    }
    return kWestern;
}

QString decodeLegacyText(const QByteArray& bytes, const QByteArray& codePage)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QString legacy;
    if (codePage != kWestern && decodeWith(codePage.constData(), bytes, legacy))
        return legacy;
    // Older high-score tables mixed Chinese names into Western ones.
    if (decodeWith("GB18030", bytes, legacy) && readsAsChinese(legacy))
        return legacy;
    if (decodeWith(kWestern.constData(), bytes, legacy))
        return legacy;
    return QString::fromLatin1(bytes);   // the five bytes Windows-1252 leaves undefined
}

QString decodeLegacyText(const QByteArray& bytes)
{
    return decodeLegacyText(bytes, playersLegacyCodePage());
}

}   // namespace velko
