#pragma once
// Text written by the older Windows program: its media sets and high-score
// names are in the Windows code page of the player's language, not in UTF-8.

#include <QByteArray>
#include <QString>

namespace velko {

// The Windows code page (as iconv names it) that text in the language of
// `locale` ("ru_RU.UTF-8", "zh_TW", "sr_RS@latin", "C") was written in:
// CP1252 for Western languages and any locale not known here.
QByteArray legacyCodePage(const QByteArray& locale);
// The same for the player's locale: LC_ALL, else LC_CTYPE, else LANG.
QByteArray playersLegacyCodePage();

// `bytes` as text: UTF-8 when they are UTF-8, else the code page given. Under
// Windows-1252 (a Western or C locale), text that reads as Chinese in GB18030
// (every character beyond ASCII an ideograph, CJK punctuation or a full-width
// form) is taken as Chinese; bytes the code page has no character for are read
// as Latin-1.
QString decodeLegacyText(const QByteArray& bytes, const QByteArray& codePage);
// The same in the player's code page.
QString decodeLegacyText(const QByteArray& bytes);

}   // namespace velko
