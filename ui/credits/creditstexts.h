// SPDX-License-Identifier: GPL-3.0-or-later
// The credits window's texts. The runs of blanks in the credits block are part of the text: the
// label's word wrapping turns them into the gaps between the heading, the name and the date.
#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

namespace CreditsTexts {

inline constexpr std::u16string_view Title = u"TELMARONDA N.2";
inline constexpr std::u16string_view Version = u"Version 0.75";
inline constexpr std::u16string_view Heading = u"Idea y Programacion:";
inline constexpr std::u16string_view Date = u"Octubre 2005";
// No-break spaces hold the name together, so the wrapping never splits it over two lines.
inline constexpr std::u16string_view Author = u"Ramón\u00A0Villanueva";
inline constexpr std::u16string_view Dedication = u"Dedicado a mis alumnos del internado.";
inline constexpr std::u16string_view Address = u"http://www.example.org/telmaronda/autor";
inline constexpr std::u16string_view RightsPhrase = u" Derechos res. 2005";
inline constexpr char16_t RightsSymbol = u'\u00A9';

// The window was laid out for texts of these very lengths: the runs of blanks that put the credits
// block's heading, name and date on lines of their own, and the widths of the centred labels, were
// measured against them.
static_assert(Author.size() == 16);
static_assert(Dedication.size() == 37);
static_assert(Address.size() + 4 == 43);
static_assert(3 + 1 + 1 + Author.size() + RightsPhrase.size() == 40);

inline QString toQString(std::u16string_view text)
{
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

// Four blanks, the heading, 40 blanks, the author, 184 blanks and the date: 276 characters.
inline QString creditsBlock()
{
    return QString(4, u' ') + toQString(Heading) + QString(40, u' ') + toQString(Author)
        + QString(184, u' ') + toQString(Date);
}

// The web address as the window shows it, between parentheses and blanks.
inline QString framedAddress()
{
    return QStringLiteral("( ") + toQString(Address) + QStringLiteral(" )");
}

// Three blanks, the rights symbol, a blank, the author and the rights phrase.
inline QString rightsNotice()
{
    return QString(3, u' ') + QChar(RightsSymbol) + u' ' + toQString(Author)
        + toQString(RightsPhrase);
}

} // namespace CreditsTexts
